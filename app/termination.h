// SIGTERM (a session ending, a supervisor) and SIGINT (Ctrl-C) only raise a
// flag. The main loop and every modal screen look at it and end promptly,
// so that the program quits as after q, saving a game under way, well
// before the SIGKILL that usually follows.
#pragma once

// Before SDL_Init, which otherwise turns both signals into a window-close
// event, and so into a question.
void installTerminationHandler();
// The signal has come: a modal screen closes without answering, the main
// loop quits.
bool terminationRequested();
