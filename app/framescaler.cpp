#include "app/framescaler.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace {

// Rows compared together: a change costs the scaling of its band's width.
const int bandRows = 16;

Uint32* rowOf(SDL_Surface* surface, int y) {
    return reinterpret_cast<Uint32*>(static_cast<Uint8*>(surface->pixels) + y * surface->pitch);
}

// Two channels at a time: the other two wait in the gaps of the masks, which
// are wide enough that no sum carries into its neighbour.
inline Uint32 mix(Uint32 a, Uint32 b, Uint32 weight) {
    const Uint32 keep = 256 - weight;
    const Uint32 redBlue = (((a & 0xFF00FF) * keep + (b & 0xFF00FF) * weight) >> 8) & 0xFF00FF;
    const Uint32 greenRest = (((a >> 8) & 0xFF00FF) * keep + ((b >> 8) & 0xFF00FF) * weight) & 0xFF00FF00;
    return redBlue | greenRest;
}

// Byte by byte, so that the compiler mixes many pixels at once.
void mixRows(const Uint8* upper, const Uint8* lower, Uint8* out, int bytes, int weight) {
    const Uint16 keep = static_cast<Uint16>(256 - weight), take = static_cast<Uint16>(weight);
    for (int i = 0; i < bytes; ++i)
        out[i] = static_cast<Uint8>(static_cast<Uint16>(upper[i] * keep + lower[i] * take) >> 8);
}

}  // namespace

void FrameScaler::Taps::build(int sourceSize, int targetSize) {
    first.assign(targetSize, 0);
    second.assign(targetSize, 0);
    weight.assign(targetSize, 0);
    for (int t = 0; t < targetSize; ++t) {
        // The centre of target pixel t, in source pixels.
        double at = (t + 0.5) * sourceSize / targetSize - 0.5;
        if (at < 0) at = 0;
        int left = static_cast<int>(at);
        int share = static_cast<int>(std::lround((at - left) * 256));
        if (share == 256) ++left, share = 0;
        if (left >= sourceSize - 1) left = sourceSize - 1, share = 0;
        first[t] = left;
        second[t] = std::min(left + 1, sourceSize - 1);
        weight[t] = share;
    }
}

void FrameScaler::Taps::targetsReading(int firstSource, int lastSource, int& from, int& to) const {
    from = static_cast<int>(std::lower_bound(second.begin(), second.end(), firstSource) - second.begin());
    to = static_cast<int>(std::upper_bound(first.begin(), first.end(), lastSource) - first.begin()) - 1;
}

void FrameScaler::aim(int frameWidth, int frameHeight, const SDL_Rect& where) {
    width = frameWidth;
    height = frameHeight;
    target = where;
    columns.build(width, target.w);
    rows.build(height, target.h);
    shown.assign(static_cast<size_t>(width) * height, 0);
    upper.assign(target.w, 0);
    lower.assign(target.w, 0);
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

void FrameScaler::scaleRow(SDL_Surface* frame, int row, int from, int to, Uint32* out) const {
    const Uint32* source = rowOf(frame, row);
    for (int t = from; t <= to; ++t)
        out[t - from] = mix(source[columns.first[t]], source[columns.second[t]],
                            static_cast<Uint32>(columns.weight[t]));
}

void FrameScaler::scaleBand(SDL_Surface* frame, SDL_Surface* window, const Band& band) {
    int left, right, top, bottom;
    columns.targetsReading(band.x0, band.x1 - 1, left, right);
    rows.targetsReading(band.y0, band.y1 - 1, top, bottom);
    if (left > right || top > bottom) return;
    const int count = right - left + 1;
    int upperRow = -1, lowerRow = -1;
    for (int t = top; t <= bottom; ++t) {
        const int wantUpper = rows.first[t], wantLower = rows.second[t];
        if (wantUpper == lowerRow) {
            std::swap(upper, lower);
            upperRow = lowerRow;
            lowerRow = -1;
        }
        if (wantUpper != upperRow) scaleRow(frame, upperRow = wantUpper, left, right, upper.data());
        Uint8* out = reinterpret_cast<Uint8*>(rowOf(window, target.y + t) + target.x + left);
        if (rows.weight[t] == 0) {
            std::memcpy(out, upper.data(), count * sizeof(Uint32));
            continue;
        }
        if (wantLower != lowerRow) scaleRow(frame, lowerRow = wantLower, left, right, lower.data());
        mixRows(reinterpret_cast<const Uint8*>(upper.data()), reinterpret_cast<const Uint8*>(lower.data()),
                out, count * 4, rows.weight[t]);
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
