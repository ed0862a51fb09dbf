#include "app/program.h"

#include "app/mainloop.h"
#include "app/resourcetree.h"
#include "app/termination.h"
#include "app/unattended.h"

int zelkMain(int, char**) {
    enterResourceTree();
    installTerminationHandler();
    int failure = startUp();
    if (failure) return failure;
    if (unattendedRequested())
        runUnattendedGame();
    else
        playSession();
    return shutDown();
}
