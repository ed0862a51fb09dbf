#include "bot/endgamebuild.h"

#include <chrono>
#include <filesystem>
#include <sstream>

#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>

#include "bot/endgamesolver.h"

namespace engine {

EndgameBuild::~EndgameBuild() {
    stopping = true;
    if (worker.joinable()) worker.join();
}

void EndgameBuild::start(const EndgameTables& base, int mostTotal, const std::string& path) {
    if (started()) return;
    building = std::make_unique<EndgameTables>(base);
    const int fromTotal = base.mostTotal() + 1;
    building->widen(mostTotal);
    worker = std::thread(&EndgameBuild::run, this, fromTotal, path);
}

void EndgameBuild::say(const std::string& line) {
    std::lock_guard<std::mutex> held(lock);
    lines.push_back(line);
}

void EndgameBuild::run(int fromTotal, std::string path) {
    // The game's own thread goes first: on Linux a thread has a nice value
    // of its own.
    setpriority(PRIO_PROCESS, static_cast<id_t>(syscall(SYS_gettid)), 19);
    const auto began = std::chrono::steady_clock::now();
    bool ok = fromTotal <= building->mostTotal();
    if (ok) ok = solveEndgames(*building, [this](const std::string& line) { say(line); }, [this] { return stopping.load(); },
                               fromTotal);
    if (ok) {
        std::error_code ignored;
        std::filesystem::create_directories(std::filesystem::path(path).parent_path(), ignored);
        ok = building->save(path, fromTotal);
        if (!ok) say("endgames: cannot write " + path);
    }
    std::ostringstream line;
    if (ok)
        line << "endgames: slices of " << fromTotal << " to " << building->mostTotal() << " pieces solved in "
             << std::chrono::duration<double>(std::chrono::steady_clock::now() - began).count() << " s, saved to "
             << path;
    else
        line << "endgames: the build of the larger slices ended unfinished";
    std::lock_guard<std::mutex> held(lock);
    lines.push_back(line.str());
    if (ok) result = std::move(building);
    building.reset();
    ended = true;
}

std::vector<std::string> EndgameBuild::poll(std::unique_ptr<EndgameTables>& complete) {
    std::vector<std::string> taken;
    bool over = false;
    {
        std::lock_guard<std::mutex> held(lock);
        taken.swap(lines);
        over = ended && !finished;
    }
    if (over) {
        worker.join();
        finished = true;
        complete = std::move(result);
    }
    return taken;
}

}  // namespace engine
