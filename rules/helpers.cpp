#include "rules/helpers.h"

#include <cmath>
#include <cstdlib>

int choiceRandomElem(int n) {
    if (n <= 0) return 0;
    // rand() reaches RAND_MAX (2^31 - 1 here, not 32767): scale by
    // RAND_MAX + 1 so the index stays below n.
    int index = static_cast<int>(static_cast<double>(rand()) / (RAND_MAX + 1.0) * n);
    return index < n ? index : n - 1;
}

double distance(int x1, int y1, int x2, int y2) {
    double dx = static_cast<double>(x2) - x1, dy = static_cast<double>(y2) - y1;
    return std::sqrt(dx * dx + dy * dy);
}
