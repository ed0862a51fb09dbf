#include "app/framescaler.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

namespace {

// Rows compared together: a change costs the scaling of its band's width.
const int bandRows = 16;

Uint32* rowOf(SDL_Surface* surface, int y) {
    return reinterpret_cast<Uint32*>(static_cast<Uint8*>(surface->pixels) + y * surface->pitch);
}

// Weights are in 64ths: four bytes mixed with them cannot overflow 16 bits,
// so the mixing can run on 16-bit lanes.
const int weightShift = 6, weightOne = 1 << weightShift;

inline Uint8 clampedByte(int sum) {
    const int value = (sum + weightOne / 2) >> weightShift;
    return static_cast<Uint8>(value < 0 ? 0 : value > 255 ? 255 : value);
}

// Catmull-Rom's weights of the four neighbours of a point `f` (0..1) past
// the second; they add up to weightOne.
std::array<int, FrameScaler::taps> cubicWeights(double f) {
    const double f2 = f * f, f3 = f2 * f;
    const double exact[4] = {-0.5 * f3 + f2 - 0.5 * f, 1.5 * f3 - 2.5 * f2 + 1,
                             -1.5 * f3 + 2 * f2 + 0.5 * f, 0.5 * f3 - 0.5 * f2};
    std::array<int, FrameScaler::taps> weights;
    int sum = 0;
    for (int k = 0; k < 4; ++k) sum += weights[k] = static_cast<int>(std::lround(exact[k] * weightOne));
    weights[f < 0.5 ? 1 : 2] += weightOne - sum;
    return weights;
}

// One pixel from four neighbours in a row, byte by byte.
inline void mixPixel(const Uint8* const p[FrameScaler::taps], const std::array<int, FrameScaler::taps>& w,
                     Uint8* out) {
    for (int byte = 0; byte < 4; ++byte)
        out[byte] = clampedByte(p[0][byte] * w[0] + p[1][byte] * w[1] + p[2][byte] * w[2] + p[3][byte] * w[3]);
}

#ifdef __SSE2__
// Four neighbouring pixels at `p` (16 bytes) into one; `low` holds the first
// two weights, each four times, `high` the last two.
inline void mixPixelFast(const Uint8* p, __m128i low, __m128i high, Uint8* out) {
    const __m128i zero = _mm_setzero_si128();
    const __m128i four = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
    __m128i sum = _mm_add_epi16(_mm_mullo_epi16(_mm_unpacklo_epi8(four, zero), low),
                                _mm_mullo_epi16(_mm_unpackhi_epi8(four, zero), high));
    sum = _mm_add_epi16(sum, _mm_srli_si128(sum, 8));
    sum = _mm_srai_epi16(_mm_add_epi16(sum, _mm_set1_epi16(weightOne / 2)), weightShift);
    const int mixed = _mm_cvtsi128_si32(_mm_packus_epi16(sum, sum));
    std::memcpy(out, &mixed, 4);
}
#endif

// Four rows mixed byte by byte.
void mixRows(const Uint8* const rows[FrameScaler::taps], const std::array<int, FrameScaler::taps>& weights,
             Uint8* out, int bytes) {
    int i = 0;
#ifdef __SSE2__
    const __m128i zero = _mm_setzero_si128(), half = _mm_set1_epi16(weightOne / 2);
    __m128i w[FrameScaler::taps];
    for (int k = 0; k < FrameScaler::taps; ++k) w[k] = _mm_set1_epi16(static_cast<short>(weights[k]));
    for (; i + 16 <= bytes; i += 16) {
        __m128i low = half, high = half;
        for (int k = 0; k < FrameScaler::taps; ++k) {
            const __m128i bytesOfRow = _mm_loadu_si128(reinterpret_cast<const __m128i*>(rows[k] + i));
            low = _mm_add_epi16(low, _mm_mullo_epi16(_mm_unpacklo_epi8(bytesOfRow, zero), w[k]));
            high = _mm_add_epi16(high, _mm_mullo_epi16(_mm_unpackhi_epi8(bytesOfRow, zero), w[k]));
        }
        low = _mm_srai_epi16(low, weightShift);
        high = _mm_srai_epi16(high, weightShift);
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out + i), _mm_packus_epi16(low, high));
    }
#endif
    for (; i < bytes; ++i)
        out[i] = clampedByte(rows[0][i] * weights[0] + rows[1][i] * weights[1] + rows[2][i] * weights[2] +
                             rows[3][i] * weights[3]);
}

}  // namespace

void FrameScaler::Taps::build(int sources, int targetSize) {
    sourceSize = sources;
    first.assign(targetSize, 0);
    weights.assign(targetSize, {0, weightOne, 0, 0});
    for (int t = 0; t < targetSize; ++t) {
        // The centre of target pixel t, in source pixels.
        const double at = (t + 0.5) * sources / targetSize - 0.5;
        const int below = static_cast<int>(std::floor(at));
        first[t] = below - 1;
        weights[t] = cubicWeights(at - below);
    }
    lanes.resize(targetSize);
    for (int t = 0; t < targetSize; ++t)
        for (int lane = 0; lane < 4 * taps; ++lane) lanes[t][lane] = static_cast<Sint16>(weights[t][lane / 4]);
}

int FrameScaler::Taps::source(int t, int k) const {
    return std::min(std::max(first[t] + k, 0), sourceSize - 1);
}

void FrameScaler::Taps::targetsReading(int firstSource, int lastSource, int& from, int& to) const {
    from = static_cast<int>(std::lower_bound(first.begin(), first.end(), firstSource - (taps - 1)) - first.begin());
    to = static_cast<int>(std::upper_bound(first.begin(), first.end(), lastSource) - first.begin()) - 1;
}

void FrameScaler::aim(int frameWidth, int frameHeight, const SDL_Rect& where) {
    width = frameWidth;
    height = frameHeight;
    target = where;
    columns.build(width, target.w);
    rows.build(height, target.h);
    shown.assign(static_cast<size_t>(width) * height, 0);
    for (std::vector<Uint32>& row : scaled) row.assign(target.w, 0);
    whole = true;
}

void FrameScaler::forget() {
    whole = true;
}

void FrameScaler::findChanges(SDL_Surface* frame) {
    bands.clear();
    if (whole) {
        bands.push_back({0, 0, width, height});
        return;
    }
    for (int top = 0; top < height; top += bandRows) {
        Band band = {width, top, 0, std::min(top + bandRows, height)};
        for (int y = band.y0; y < band.y1; ++y) {
            const Uint32* now = rowOf(frame, y);
            const Uint32* before = &shown[static_cast<size_t>(y) * width];
            if (std::memcmp(now, before, width * sizeof(Uint32)) == 0) continue;
            int left = 0, right = width - 1;
            while (now[left] == before[left]) ++left;
            while (now[right] == before[right]) --right;
            band.x0 = std::min(band.x0, left);
            band.x1 = std::max(band.x1, right + 1);
        }
        if (band.x0 < band.x1) bands.push_back(band);
    }
}

const Uint32* FrameScaler::scaledRow(SDL_Surface* frame, int row, int from, int to) {
    for (size_t slot = 0; slot < scaled.size(); ++slot)
        if (scaledSource[slot] == row) return scaled[slot].data();
    const int slot = nextSlot;
    nextSlot = (nextSlot + 1) % static_cast<int>(scaled.size());
    scaledSource[slot] = row;
    const Uint8* source = reinterpret_cast<const Uint8*>(rowOf(frame, row));
    Uint8* out = reinterpret_cast<Uint8*>(scaled[slot].data());
    for (int t = from; t <= to; ++t, out += 4) {
        const std::array<int, taps>& w = columns.weights[t];
        const int first = columns.first[t];
#ifdef __SSE2__
        // Away from the edges the four neighbours lie side by side.
        if (first >= 0 && first + taps <= width) {
            const __m128i* lanes = reinterpret_cast<const __m128i*>(columns.lanes[t].data());
            mixPixelFast(source + 4 * first, _mm_loadu_si128(lanes), _mm_loadu_si128(lanes + 1), out);
            continue;
        }
#endif
        const Uint8* p[taps];
        for (int k = 0; k < taps; ++k) p[k] = source + 4 * columns.source(t, k);
        mixPixel(p, w, out);
    }
    return scaled[slot].data();
}

void FrameScaler::scaleBand(SDL_Surface* frame, SDL_Surface* window, const Band& band) {
    int left, right, top, bottom;
    columns.targetsReading(band.x0, band.x1 - 1, left, right);
    rows.targetsReading(band.y0, band.y1 - 1, top, bottom);
    if (left > right || top > bottom) return;
    const int count = right - left + 1;
    scaledSource.fill(-1);  // the rows kept were scaled for another band's columns
    for (int t = top; t <= bottom; ++t) {
        const Uint8* sources[taps];
        for (int k = 0; k < taps; ++k)
            sources[k] = reinterpret_cast<const Uint8*>(scaledRow(frame, rows.source(t, k), left, right));
        Uint8* out = reinterpret_cast<Uint8*>(rowOf(window, target.y + t) + target.x + left);
        mixRows(sources, rows.weights[t], out, count * 4);
    }
    touched.push_back({static_cast<Sint16>(target.x + left), static_cast<Sint16>(target.y + top),
                       static_cast<Uint16>(count), static_cast<Uint16>(bottom - top + 1)});
}

void FrameScaler::remember(SDL_Surface* frame, const Band& band) {
    for (int y = band.y0; y < band.y1; ++y)
        std::memcpy(&shown[static_cast<size_t>(y) * width + band.x0], rowOf(frame, y) + band.x0,
                    (band.x1 - band.x0) * sizeof(Uint32));
}

void FrameScaler::fillBars(SDL_Surface* window) {
    const Uint32 black = SDL_MapRGB(window->format, 0, 0, 0);
    SDL_Rect bars[4] = {
        {0, 0, static_cast<Uint16>(window->w), static_cast<Uint16>(target.y)},
        {0, static_cast<Sint16>(target.y + target.h), static_cast<Uint16>(window->w),
         static_cast<Uint16>(window->h - target.y - target.h)},
        {0, target.y, static_cast<Uint16>(target.x), target.h},
        {static_cast<Sint16>(target.x + target.w), target.y,
         static_cast<Uint16>(window->w - target.x - target.w), target.h},
    };
    for (SDL_Rect& bar : bars)
        if (bar.w > 0 && bar.h > 0) SDL_FillRect(window, &bar, black);
    touched.push_back({0, 0, static_cast<Uint16>(window->w), static_cast<Uint16>(window->h)});
}

const std::vector<SDL_Rect>& FrameScaler::show(SDL_Surface* frame, SDL_Surface* window) {
    touched.clear();
    if (!frame || !window || frame->w != width || frame->h != height || target.w <= 0 || target.h <= 0 ||
        target.x + target.w > window->w || target.y + target.h > window->h)
        return touched;
    if (whole) fillBars(window);
    const bool lockWindow = SDL_MUSTLOCK(window), lockFrame = SDL_MUSTLOCK(frame);
    if (lockWindow && SDL_LockSurface(window) < 0) return touched;
    if (lockFrame && SDL_LockSurface(frame) < 0) {
        if (lockWindow) SDL_UnlockSurface(window);
        return touched;
    }
    findChanges(frame);
    for (const Band& band : bands) {
        scaleBand(frame, window, band);
        remember(frame, band);
    }
    if (whole) touched.resize(1);
    whole = false;
    if (lockFrame) SDL_UnlockSurface(frame);
    if (lockWindow) SDL_UnlockSurface(window);
    return touched;
}
