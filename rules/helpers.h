// Small shared helpers: the uniform random index every random choice goes
// through, and the distance used by piece movement.
#pragma once

// A uniform index 0..n-1 from rand(); n must be positive (0 gives 0).
int choiceRandomElem(int n);

double distance(int x1, int y1, int x2, int y2);
