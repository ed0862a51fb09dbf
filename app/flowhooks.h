// The application's side of the game flow: the hooks of rules/hooks.h that
// make what happens seen and heard (sounds, the last turns' marks, the turn
// markers and the clock, the buttons of the screen state, frames while the
// rules wait) and that ask the person (the safe route, the end screen).
#pragma once

// Installs them; start-up does it.
void installFlowHooks();
