#include "app/program.h"

#include <cstdio>
#include <string>

#include "app/mainloop.h"
#include "app/resourcetree.h"
#include "app/reviewsource.h"
#include "app/termination.h"
#include "app/unattended.h"
#include "bot/stronglevels.h"
#include "rules/flow.h"

int zelkMain(int argc, char** argv) {
    const ReviewRequest review = reviewRequestOf(argc, argv);
    enterResourceTree();
    ReviewedGame reviewed;
    std::string refusal;
    if (review.wanted && !readRequestedGame(review, reviewed, refusal)) {
        std::fprintf(stderr, "zelk: %s\n", refusal.c_str());
        return 2;
    }
    installTerminationHandler();
    int failure = startUp();
    if (failure) return failure;
    if (unattendedRequested()) {
        runUnattendedGame();
    } else {
        // Left, the review finds the start screen.
        if (review.wanted) {
            readEndgameTables();
            reviewGame(std::move(reviewed), 0);
        }
        if (!quit) playSession();
    }
    return shutDown();
}
