// The larger endgame slices solved on a thread of their own: the build
// starts from tables already held, solves the slices that follow them and
// saves those into a file of their own. The thread talks to nothing but this
// object: the caller polls it for the progress lines (to log them itself)
// and, once, for the complete tables.
#pragma once

#include <atomic>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "bot/endgametables.h"

namespace engine {

class EndgameBuild {
public:
    EndgameBuild() = default;
    EndgameBuild(const EndgameBuild&) = delete;
    EndgameBuild& operator=(const EndgameBuild&) = delete;
    // Stops an unfinished build and waits for its thread.
    ~EndgameBuild();

    // Solves the slices past those of `base` up to `mostTotal` pieces in all,
    // then writes them to `path` (created with its directory). One build per
    // object.
    void start(const EndgameTables& base, int mostTotal, const std::string& path);
    bool started() const { return worker.joinable() || finished; }

    // The lines since the last poll; when the build has ended, `complete`
    // takes the whole tables (base and new slices), or stays empty if it
    // failed. After that the build is over and polls return nothing.
    std::vector<std::string> poll(std::unique_ptr<EndgameTables>& complete);

private:
    void run(int fromTotal, std::string path);
    void say(const std::string& line);

    std::thread worker;
    std::atomic<bool> stopping{false};
    std::mutex lock;                           // guards the three below
    std::vector<std::string> lines;
    bool ended = false;
    std::unique_ptr<EndgameTables> result;     // the tables, built on the thread
    std::unique_ptr<EndgameTables> building;   // the thread's own
    bool finished = false;                     // the caller has taken the end
};

}  // namespace engine
