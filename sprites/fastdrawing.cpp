#include "sprites/fastdrawing.h"

bool fastDrawing = true;

namespace {

bool hasLayout(const SDL_PixelFormat* f, Uint32 r, Uint32 g, Uint32 b, Uint32 a) {
    return f->BytesPerPixel == 4 && f->Rmask == r && f->Gmask == g && f->Bmask == b && f->Amask == a;
}

// A decoded picture with per-pixel alpha on the usual screen: the library
// blends these with its generic per-pixel blender, as the loop below does.
bool decodedPictureOnScreen(const SDL_Surface* picture, const SDL_Surface* dst) {
    if (!(picture->flags & SDL_SRCALPHA) || (picture->flags & SDL_RLEACCEL)) return false;
    if (SDL_MUSTLOCK(picture) || SDL_MUSTLOCK(dst) || picture->locked || dst->locked) return false;
    return hasLayout(picture->format, 0xFF, 0xFF00, 0xFF0000, 0xFF000000u) &&
           hasLayout(dst->format, 0xFF0000, 0xFF00, 0xFF, 0);
}

// One row of the generic blender for the one pair met in practice: a
// picture as PNG files decode (R, G, B, A from the lowest byte up) on the
// usual 32-bit screen (B, G, R from the lowest byte, no alpha). Untouched
// where alpha is 0, otherwise d + (((s - d) * a + 255) >> 8) per channel in
// unsigned arithmetic, the wrap-around under a darker source included
// (it spills into the unused top byte), packed back unmasked.
void blendDecodedRowOnScreen(const Uint32* __restrict src, Uint32* __restrict dst, int width) {
    for (int i = 0; i < width; ++i) {
        // Without a branch, so that the compiler can blend several pixels at once.
        const Uint32 sp = src[i];
        const unsigned sA = sp >> 24;
        const unsigned sR = sp & 0xFF, sG = (sp >> 8) & 0xFF, sB = (sp >> 16) & 0xFF;
        const Uint32 dp = dst[i];
        unsigned dR = (dp >> 16) & 0xFF, dG = (dp >> 8) & 0xFF, dB = dp & 0xFF;
        dR = (((sR - dR) * sA + 255) >> 8) + dR;
        dG = (((sG - dG) * sA + 255) >> 8) + dG;
        dB = (((sB - dB) * sA + 255) >> 8) + dB;
        const Uint32 blended = (dR << 16) | (dG << 8) | dB;
        dst[i] = sA ? blended : dp;
    }
}

}  // namespace

int blitPicture(SDL_Surface* picture, SDL_Surface* dst, SDL_Rect* place) {
    if (!fastDrawing || !picture || !dst || !place || !decodedPictureOnScreen(picture, dst))
        return SDL_BlitSurface(picture, nullptr, dst, place);
    // The library's clipping against the destination's clip rectangle.
    int w = picture->w, h = picture->h, srcX = 0, srcY = 0;
    const SDL_Rect& clip = dst->clip_rect;
    int over = clip.x - place->x;
    if (over > 0) {
        w -= over;
        place->x = static_cast<Sint16>(place->x + over);
        srcX += over;
    }
    over = place->x + w - clip.x - clip.w;
    if (over > 0) w -= over;
    over = clip.y - place->y;
    if (over > 0) {
        h -= over;
        place->y = static_cast<Sint16>(place->y + over);
        srcY += over;
    }
    over = place->y + h - clip.y - clip.h;
    if (over > 0) h -= over;
    if (w <= 0 || h <= 0) {
        place->w = place->h = 0;
        return 0;
    }
    place->w = static_cast<Uint16>(w);
    place->h = static_cast<Uint16>(h);
    for (int row = 0; row < h; ++row) {
        const Uint8* source = static_cast<const Uint8*>(picture->pixels) + (srcY + row) * picture->pitch;
        Uint8* target = static_cast<Uint8*>(dst->pixels) + (place->y + row) * dst->pitch;
        const Uint32* fromRow = reinterpret_cast<const Uint32*>(source) + srcX;
        Uint32* toRow = reinterpret_cast<Uint32*>(target) + place->x;
        blendDecodedRowOnScreen(fromRow, toRow, w);
    }
    return 0;
}

SDL_Surface* opaqueCopy(SDL_Surface* picture, SDL_Surface* screen) {
    if (!fastDrawing || !picture || !screen) return nullptr;
    const SDL_PixelFormat* s = picture->format;
    const SDL_PixelFormat* d = screen->format;
    if (picture->flags & SDL_SRCCOLORKEY) return nullptr;
    if (s->BytesPerPixel != 4 || d->BytesPerPixel != 4 || s->Amask == 0 || d->Amask != 0) return nullptr;
    if (s->Rmask != d->Rmask || s->Gmask != d->Gmask || s->Bmask != d->Bmask) return nullptr;
    if (SDL_MUSTLOCK(picture)) return nullptr;
    SDL_Surface* copy = SDL_CreateRGBSurface(SDL_SWSURFACE, picture->w, picture->h, 32, d->Rmask,
                                             d->Gmask, d->Bmask, 0);
    if (!copy) return nullptr;
    const Uint32 colours = d->Rmask | d->Gmask | d->Bmask;
    for (int row = 0; row < picture->h; ++row) {
        const Uint32* from = reinterpret_cast<const Uint32*>(static_cast<const Uint8*>(picture->pixels) +
                                                             row * picture->pitch);
        Uint32* to = reinterpret_cast<Uint32*>(static_cast<Uint8*>(copy->pixels) + row * copy->pitch);
        for (int i = 0; i < picture->w; ++i) {
            if ((from[i] & s->Amask) != s->Amask) {
                SDL_FreeSurface(copy);
                return nullptr;
            }
            to[i] = from[i] & colours;
        }
    }
    return copy;
}
