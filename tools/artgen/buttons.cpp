// Menu buttons (65 x 75, white-keyed): a deep teal tile with a gold edge,
// an icon and room below it for a label: the game writes the four menu
// buttons' words itself, in the player's language; the two drums keep their
// names here. Also the two check boxes (25 x 25, opaque)
// and the small speed arrows (14 x 14 frame sets).
#include "palette.hpp"
#include "pictures.hpp"
#include "stone.hpp"

#include <cmath>
#include <functional>
#include <string>
#include <vector>

namespace art {

namespace {

constexpr int kButtonW = 65, kButtonH = 75;
constexpr float kIconCx = 32.0f, kIconCy = 27.0f;

using IconPainter = std::function<void(Image& shapes)>;

void drawTile(Image& shapes, Image& shadows) {
    Mask tile = roundRectMask(kButtonW, kButtonH, 1.5f, 1.5f, 61.5f, 71.5f, 9);
    paint(shadows, blurred(shifted(tile, 2, 3), 1), rgb(40, 26, 16), 0.9f);
    paint(shapes, tile, [](float, float y) { return mix(rgb(44, 110, 130), rgb(18, 60, 76), y / kButtonH); });
    // Gold edge, brighter where it faces the light.
    Mask edge = sdfMask(kButtonW, kButtonH, [](float x, float y) {
        return std::fabs(sdRoundRect(x, y, 2.5f, 2.5f, 60.5f, 70.5f, 8)) - 0.9f;
    });
    paint(shapes, edge, [](float x, float y) { return mix(palette::kGoldLight, palette::kGoldDark, (x + y) / 130.0f); });
    // Soft sheen on the upper half.
    Mask sheen = roundRectMask(kButtonW, kButtonH, 5, 5, 58, 34, 6);
    paint(shapes, sheen, [](float, float y) { return mix(rgb(150, 210, 220), rgb(44, 110, 130), clamp01((y - 5) / 29)); },
          0.25f);
}

void drawLabel(Image& shapes, Fonts& fonts, const std::string& label) {
    TTF_Font* font = fonts.get(FontStyle::Bold, 11);
    Mask text = centredTextMask(kButtonW, kButtonH, font, label, 31.5f, 60.0f);
    paint(shapes, shifted(text, 1, 1), rgb(8, 30, 40), 0.8f);
    paint(shapes, text, palette::kCream);
}

void writeButton(const Output& out, Fonts& fonts, const std::string& file, const std::string& label,
                 const IconPainter& icon) {
    Image shapes(kButtonW, kButtonH), shadows(kButtonW, kButtonH);
    drawTile(shapes, shadows);
    icon(shapes);
    if (!label.empty()) drawLabel(shapes, fonts, label);
    finishWhiteKeyed(shapes, &shadows);
    out.png(shapes, "images/menu/" + file, PngKind::Rgba);
}

// Gold arrow along y = kIconCy, tip at tipX, pointing left (dir = -1) or right (+1).
void drawArrow(Image& shapes, float tipX, float dir) {
    auto px = [&](float along) { return tipX - dir * along; };
    std::vector<Point> arrow = {{px(0), kIconCy},      {px(11), kIconCy - 10}, {px(11), kIconCy - 4},
                                {px(24), kIconCy - 4}, {px(24), kIconCy + 4},  {px(11), kIconCy + 4},
                                {px(11), kIconCy + 10}};
    Mask shape = polygonMask(kButtonW, kButtonH, arrow);
    Mask outline = subtracted(blurred(shape, 1), shape);
    paint(shapes, scaledMask(outline, 2.5f), rgb(70, 44, 10), 0.9f);
    paint(shapes, shape, [](float, float y) { return mix(palette::kGoldLight, palette::kGoldDark, (y - 17) / 20); });
}

void startLeftIcon(Image& shapes) {
    drawStone(shapes, nullptr, Side::Left, 44.0f, kIconCy, 11.5f);
    drawArrow(shapes, 6.0f, -1.0f);
}

void startRightIcon(Image& shapes) {
    drawStone(shapes, nullptr, Side::Right, 20.0f, kIconCy, 11.5f);
    drawArrow(shapes, 58.0f, 1.0f);
}

void bookIcon(Image& shapes) {
    const Colour paper = rgb(246, 236, 210), cover = rgb(140, 40, 34), ink = rgb(120, 96, 70);
    std::vector<Point> coverShape = {{10, 16}, {32, 19}, {54, 16}, {54, 41}, {32, 44}, {10, 41}};
    paint(shapes, polygonMask(kButtonW, kButtonH, coverShape), cover);
    std::vector<Point> leftPage = {{12, 13}, {31, 16}, {31, 41}, {12, 38}};
    std::vector<Point> rightPage = {{33, 16}, {52, 13}, {52, 38}, {33, 41}};
    paint(shapes, polygonMask(kButtonW, kButtonH, leftPage), [&](float x, float) {
        return mix(paper, rgb(214, 196, 160), smoothstep(24, 31, x));
    });
    paint(shapes, polygonMask(kButtonW, kButtonH, rightPage), [&](float x, float) {
        return mix(rgb(214, 196, 160), paper, smoothstep(33, 40, x));
    });
    for (int line = 0; line < 5; ++line) {
        float y = 20.5f + line * 4.0f, slope = 3.0f / 19.0f;
        paint(shapes, capsuleMask(kButtonW, kButtonH, {15, y - 2.0f}, {28, y - 2.0f + 13 * slope}, 0.55f), ink);
        paint(shapes, capsuleMask(kButtonW, kButtonH, {36, y - 2.0f + 13 * slope}, {49, y - 2.0f}, 0.55f), ink);
    }
}

void doorIcon(Image& shapes) {
    const Colour frame = rgb(120, 78, 40), gap = rgb(16, 12, 10);
    paint(shapes, roundRectMask(kButtonW, kButtonH, 18, 8, 46, 47, 2), frame);
    paint(shapes, roundRectMask(kButtonW, kButtonH, 21, 11, 43, 47, 1), gap);
    // Open door leaf, swung towards the viewer on its left hinge.
    std::vector<Point> leaf = {{21, 11}, {33, 15}, {33, 50}, {21, 47}};
    paint(shapes, polygonMask(kButtonW, kButtonH, leaf), [](float x, float) {
        return mix(rgb(222, 170, 100), rgb(160, 104, 54), (x - 21) / 12);
    });
    paint(shapes, circleMask(kButtonW, kButtonH, 30.5f, 32, 1.6f), palette::kGold);
    // Light spilling out of the doorway.
    std::vector<Point> spill = {{34, 17}, {43, 12}, {43, 47}, {34, 49}};
    paint(shapes, polygonMask(kButtonW, kButtonH, spill), rgb(250, 210, 120), 0.5f);
}

// A drum seen slightly from above with two crossed sticks.
void drawDrum(Image& shapes, float halfTop, float halfBottom, float top, float bottom, Colour body, Colour band) {
    std::vector<Point> side = {{kIconCx - halfTop, top}, {kIconCx + halfTop, top},
                               {kIconCx + halfBottom, bottom}, {kIconCx - halfBottom, bottom}};
    Mask bodyMask = united(polygonMask(kButtonW, kButtonH, side),
                           sdfMask(kButtonW, kButtonH, [=](float x, float y) {
                               return sdEllipse(x, y, kIconCx, bottom, halfBottom, 3.0f);
                           }));
    paint(shapes, bodyMask, [=](float x, float) {
        float across = (x - kIconCx) / halfTop;
        return scaled(body, 1.15f - 0.45f * (across + 1) / 2);
    });
    // Zigzag lacing between the two rims.
    for (int k = 0; k < 6; ++k) {
        float t0 = -1.0f + k / 3.0f, t1 = t0 + 1.0f / 3.0f;
        Point upper = {kIconCx + t0 * halfTop * 0.9f, top + 2}, lower = {kIconCx + (t0 + t1) / 2 * halfBottom * 0.9f, bottom - 1};
        Point next = {kIconCx + t1 * halfTop * 0.9f, top + 2};
        paint(shapes, capsuleMask(kButtonW, kButtonH, upper, lower, 0.6f), band);
        paint(shapes, capsuleMask(kButtonW, kButtonH, lower, next, 0.6f), band);
    }
    Mask head = sdfMask(kButtonW, kButtonH, [=](float x, float y) { return sdEllipse(x, y, kIconCx, top, halfTop, 4.0f); });
    paint(shapes, head, [=](float x, float y) {
        return mix(rgb(248, 232, 196), rgb(206, 170, 116), clamp01(((x - kIconCx) / halfTop + (y - top) / 4) / 2 + 0.5f));
    });
    paint(shapes, subtracted(blurred(head, 1), head), band, 0.9f);
}

void drawSticks(Image& shapes) {
    const Colour wood = rgb(196, 134, 70), tip = rgb(240, 214, 160);
    paint(shapes, capsuleMask(kButtonW, kButtonH, {13, 9}, {29, 21}, 1.6f), wood);
    paint(shapes, capsuleMask(kButtonW, kButtonH, {51, 9}, {35, 21}, 1.6f), wood);
    paint(shapes, circleMask(kButtonW, kButtonH, 29, 21, 2.6f), tip);
    paint(shapes, circleMask(kButtonW, kButtonH, 35, 21, 2.6f), tip);
}

void barudIcon(Image& shapes) {
    drawDrum(shapes, 11, 7, 22, 46, rgb(186, 52, 40), rgb(250, 226, 180));
    drawSticks(shapes);
}

void dradanIcon(Image& shapes) {
    drawDrum(shapes, 19, 17, 27, 43, rgb(222, 156, 44), rgb(90, 40, 20));
    drawSticks(shapes);
}

// ---------------------------------------------------------------- check boxes

void writeCheckBox(const Output& out, const std::string& file, bool ticked) {
    constexpr int kSize = 25;
    Image box(kSize, kSize);
    box.fill(rgb(92, 56, 30));
    Mask inside = roundRectMask(kSize, kSize, 2.5f, 2.5f, 22.5f, 22.5f, 2);
    paint(box, inside, [](float x, float y) { return mix(rgb(232, 218, 188), rgb(252, 246, 230), clamp01((x + y) / 30)); });
    Mask innerShade = subtracted(inside, shifted(inside, 2, 2));
    paint(box, blurred(innerShade, 1), rgb(120, 90, 60), 0.6f);
    if (ticked) {
        Mask tick = united(capsuleMask(kSize, kSize, {6.5f, 12.5f}, {10.5f, 17.5f}, 2.3f),
                           capsuleMask(kSize, kSize, {10.5f, 17.5f}, {19.0f, 6.0f}, 2.3f));
        paint(box, shifted(tick, 1, 1), rgb(60, 50, 30), 0.4f);
        paint(box, tick, rgb(28, 120, 48));
    }
    finishOpaque(box, rgb(92, 56, 30));
    out.png(box, "images/presentation/" + file, PngKind::Rgb);
}

// ---------------------------------------------------------------- speed arrows

void writeSpeedArrows(const Output& out, const std::string& name, bool up, Colour colour) {
    constexpr int kSize = 14;
    std::string dir = "images/config/" + name;
    std::vector<Frame> frames;
    for (int i = 0; i < 2; ++i) {
        Image shapes(kSize, kSize);
        std::vector<Point> triangle = up ? std::vector<Point>{{7, 1}, {13, 12}, {1, 12}}
                                         : std::vector<Point>{{1, 2}, {13, 2}, {7, 13}};
        Mask shape = polygonMask(kSize, kSize, triangle);
        paint(shapes, scaledMask(blurred(shape, 1), 2.0f), rgb(30, 20, 12));
        Colour fill = i == 0 ? colour : mix(colour, rgb(255, 250, 220), 0.45f);
        paint(shapes, shape, [=](float, float y) { return scaled(fill, 1.1f - 0.3f * y / kSize); });
        finishWhiteKeyed(shapes);
        std::string file = std::to_string(i) + ".png";
        out.png(shapes, dir + "/" + file, PngKind::Rgba);
        frames.push_back({file, 300});
    }
    writeFrameInfo(out.path(dir), up ? "faster: arrow up" : "slower: arrow down", frames);
}

}  // namespace

void drawButtonPictures(const Output& out, Fonts& fonts) {
    writeButton(out, fonts, "menuleftstarts.png", "", startLeftIcon);
    writeButton(out, fonts, "menurightstarts.png", "", startRightIcon);
    writeButton(out, fonts, "menureadrules.png", "", bookIcon);
    writeButton(out, fonts, "menuquitthegame.png", "", doorIcon);
    writeButton(out, fonts, "barud.png", "Barud", barudIcon);
    writeButton(out, fonts, "dradan.png", "Dradan", dradanIcon);
    writeCheckBox(out, "ok.png", true);
    writeCheckBox(out, "notok.png", false);
    writeSpeedArrows(out, "speedup", true, rgb(60, 168, 70));
    writeSpeedArrows(out, "speeddown", false, rgb(200, 60, 44));
}

}  // namespace art
