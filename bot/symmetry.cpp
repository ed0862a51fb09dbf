#include "bot/symmetry.h"

namespace engine {

namespace {

// Each square's points clockwise from its top-left corner, outer first.
const int ringPoints[3][8] = {
    {0, 1, 2, 14, 23, 22, 21, 9},
    {3, 4, 5, 13, 20, 19, 18, 10},
    {6, 7, 8, 12, 17, 16, 15, 11},
};

struct Tables {
    int point[SYMMETRY_COUNT][24];
    Points byte[SYMMETRY_COUNT][3][256];  // images of the sets within each byte

    Tables() {
        for (int g = 0; g < SYMMETRY_COUNT; ++g) {
            const int turns = g & 3, reflect = (g >> 2) & 1, swapRings = (g >> 3) & 1;
            for (int ring = 0; ring < 3; ++ring)
                for (int k = 0; k < 8; ++k) {
                    int image = reflect ? (8 - k) & 7 : k;
                    image = (image + 2 * turns) & 7;
                    const int imageRing = swapRings ? 2 - ring : ring;
                    point[g][ringPoints[ring][k]] = ringPoints[imageRing][image];
                }
            for (int part = 0; part < 3; ++part)
                for (int bits = 0; bits < 256; ++bits) {
                    Points image = 0;
                    for (int b = 0; b < 8; ++b)
                        if (bits & (1 << b)) image |= 1u << point[g][part * 8 + b];
                    byte[g][part][bits] = image;
                }
        }
    }
};

const Tables& tables() {
    static const Tables built;
    return built;
}

}  // namespace

int mapPoint(int g, int point) {
    return tables().point[g][point];
}

Points mapPoints(int g, Points points) {
    const auto& byte = tables().byte[g];
    return byte[0][points & 255] | byte[1][(points >> 8) & 255] | byte[2][(points >> 16) & 255];
}

}  // namespace engine
