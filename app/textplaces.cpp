#include "app/textplaces.h"

namespace {

// The boxes of a line's labels either precede their labels ("[ ] Human")
// or follow them ("Yes [ ]").
enum LabelSide { NO_BOXES, LABELS_AFTER_BOXES, LABELS_BEFORE_BOXES };

struct Place {
    const char* name;
    TextBox box;
    LabelSide side;
    std::vector<int> boxes;  // the check boxes' left edges
};

const int labelGap = 4;

// The right-hand column is the narrower of the two players' labels; the
// catalogues' texts are checked against it.
const std::vector<Place>& places() {
    static const std::vector<Place> all = {
        {"player.left", {80, 540, 134, 20, 13, ALIGN_LEFT}, NO_BOXES, {}},
        {"player", {628, 540, 96, 20, 13, ALIGN_LEFT}, NO_BOXES, {}},
        {"centre", {306, 291, 190, 20, 13, ALIGN_LEFT}, NO_BOXES, {}},
        {"aid", {226, 578, 392, 20, 13, ALIGN_CENTRE}, NO_BOXES, {}},
        {"coach", {140, 3, 520, 32, 13, ALIGN_CENTRE}, NO_BOXES, {}},
        {"review", {300, 226, 200, 20, 13, ALIGN_LEFT}, NO_BOXES, {}},
        {"movelist", {650, 40, 140, 18, 13, ALIGN_LEFT}, NO_BOXES, {}},
        {"movelist.keys", {650, 470, 140, 18, 11, ALIGN_LEFT}, NO_BOXES, {}},
        {"results", {250, 150, 150, 22, 13, ALIGN_LEFT}, NO_BOXES, {}},
        {"results.column", {400, 150, 60, 22, 13, ALIGN_RIGHT}, NO_BOXES, {}},
        {"clock.left", {5, 16, 125, 20, 13, ALIGN_LEFT}, NO_BOXES, {}},
        {"clock", {670, 16, 125, 20, 13, ALIGN_LEFT}, NO_BOXES, {}},
        {"menu", {230, 551, 61, 16, 11, ALIGN_CENTRE}, NO_BOXES, {}},
        {"start.hint", {228, 578, 303, 18, 13, ALIGN_CENTRE}, NO_BOXES, {}},
        {"opponent.title", {183, 425, 434, 20, 14, ALIGN_LEFT}, NO_BOXES, {}},
        {"opponent.choice", {0, 456, 76, 20, 13, ALIGN_CENTRE}, NO_BOXES, {}},
        {"loading", {210, 582, 585, 18, 13, ALIGN_LEFT}, NO_BOXES, {}},
        {"splash.title", {210, 200, 380, 22, 17, ALIGN_CENTRE}, NO_BOXES, {}},
        {"splash.footer", {210, 527, 380, 18, 12, ALIGN_CENTRE}, NO_BOXES, {}},
        {"question.heading", {213, 150, 380, 60, 13, ALIGN_LEFT}, NO_BOXES, {}},
        {"question.note", {213, 175, 380, 95, 12, ALIGN_LEFT}, NO_BOXES, {}},
        {"question", {213, 275, 380, 72, 13, ALIGN_LEFT}, NO_BOXES, {}},
        {"dialog.yes", {388, 353, 83, 24, 13, ALIGN_LEFT}, NO_BOXES, {}},
        {"dialog.no", {506, 353, 83, 24, 13, ALIGN_LEFT}, NO_BOXES, {}},
        {"gameover.title", {213, 150, 380, 50, 18, ALIGN_LEFT}, NO_BOXES, {}},
        {"gameover.winner", {213, 210, 380, 112, 46, ALIGN_LEFT}, NO_BOXES, {}},
        {"gameover.question", {213, 325, 380, 22, 13, ALIGN_LEFT}, NO_BOXES, {}},
        {"howto.title", {80, 50, 610, 34, 20, ALIGN_LEFT}, NO_BOXES, {}},
        {"howto.page", {80, 86, 300, 18, 12, ALIGN_LEFT}, NO_BOXES, {}},
        {"howto.text", {385, 110, 335, 370, 15, ALIGN_LEFT}, NO_BOXES, {}},
        {"howto.keys", {80, 362, 285, 20, 12, ALIGN_LEFT}, NO_BOXES, {}},
        {"howto.back", {85, 509, 130, 22, 15, ALIGN_CENTRE}, NO_BOXES, {}},
        {"howto.next", {585, 509, 130, 22, 15, ALIGN_CENTRE}, NO_BOXES, {}},
        {"end.title", {215, 110, 376, 26, 18, ALIGN_CENTRE}, NO_BOXES, {}},
        {"end.winner", {215, 138, 376, 44, 32, ALIGN_CENTRE}, NO_BOXES, {}},
        {"end.result", {215, 186, 376, 26, 18, ALIGN_CENTRE}, NO_BOXES, {}},
        {"end.summary", {225, 222, 356, 20, 13, ALIGN_LEFT}, NO_BOXES, {}},
        {"end.question", {215, 310, 376, 22, 14, ALIGN_CENTRE}, NO_BOXES, {}},
        {"end.choice", {0, 352, 114, 20, 13, ALIGN_CENTRE}, NO_BOXES, {}},
        {"settings.subtitle", {237, 140, 380, 22, 15, ALIGN_CENTRE}, NO_BOXES, {}},
        {"settings.credits", {578, 259, 194, 20, 13, ALIGN_LEFT}, NO_BOXES, {}},
        {"settings.wiki", {100, 530, 92, 18, 13, ALIGN_LEFT}, NO_BOXES, {}},
        {"settings.updates", {230, 530, 97, 18, 13, ALIGN_LEFT}, NO_BOXES, {}},
        {"settings.save", {510, 530, 104, 18, 13, ALIGN_LEFT}, NO_BOXES, {}},
        {"settings.exit", {655, 530, 86, 18, 13, ALIGN_LEFT}, NO_BOXES, {}},
        {"settings.player.one", {88, 189, 240, 20, 13, ALIGN_LEFT}, NO_BOXES, {}},
        {"settings.player.two", {440, 189, 130, 20, 13, ALIGN_LEFT}, NO_BOXES, {}},
        {"settings.name.one", {88, 299, 240, 20, 13, ALIGN_LEFT}, NO_BOXES, {}},
        {"settings.name.two", {390, 299, 180, 20, 13, ALIGN_LEFT}, NO_BOXES, {}},
        {"settings.type.one", {88, 319, 248, 20, 13, ALIGN_LEFT}, LABELS_AFTER_BOXES, {130, 211}},
        {"settings.type.two", {340, 319, 230, 20, 13, ALIGN_LEFT}, LABELS_AFTER_BOXES, {382, 465}},
        {"settings.level", {100, 400, 470, 20, 13, ALIGN_LEFT}, LABELS_AFTER_BOXES, {190, 286, 392, 490}},
        {"settings.upload", {88, 470, 482, 20, 13, ALIGN_LEFT}, LABELS_BEFORE_BOXES, {392, 490}},
        {"settings.coach", {130, 434, 440, 20, 13, ALIGN_LEFT}, NO_BOXES, {}},
        {"settings.message", {100, 342, 470, 20, 13, ALIGN_LEFT}, NO_BOXES, {}},
        {"settings.language", {619, 182, 150, 20, 13, ALIGN_LEFT}, NO_BOXES, {}},
    };
    return all;
}

const Place* placeNamed(const std::string& name) {
    for (const Place& place : places())
        if (name == place.name) return &place;
    return nullptr;
}

// The line cut at its runs of two blanks or more: the labels, each with
// the blanks that lead up to it dropped.
std::vector<std::string> labelsOf(const std::string& line) {
    std::vector<std::string> labels(1);
    size_t at = line.find_first_not_of(' ');
    while (at != std::string::npos && at < line.size()) {
        size_t gap = line.find("  ", at);
        if (gap == std::string::npos) gap = line.size();
        labels.back() += line.substr(at, gap - at);
        at = line.find_first_not_of(' ', gap);
        if (at != std::string::npos) labels.emplace_back();
    }
    return labels;
}

TextBox spanning(const TextBox& line, int left, int right, TextAlign align) {
    return {left, line.y, right - left, line.height, line.points, align};
}

}  // namespace

TextBox placeBox(const std::string& name, int y) {
    const Place* place = placeNamed(name);
    TextBox box = place ? place->box : TextBox{0, 0, 800, 600, 13, ALIGN_LEFT};
    if (y >= 0) box.y = y;
    return box;
}

std::vector<PlacedText> placedParts(const std::string& text, const std::string& name) {
    const Place* place = placeNamed(name);
    if (!place || place->side == NO_BOXES) return {{text, placeBox(name)}};
    const std::vector<std::string> labels = labelsOf(text);
    const std::vector<int>& boxes = place->boxes;
    const int lineEnd = place->box.x + place->box.width;
    std::vector<PlacedText> parts;
    for (size_t k = 0; k < labels.size(); ++k) {
        const int after = k == 0 ? place->box.x : boxes[std::min(k, boxes.size()) - 1] + CHECK_BOX_SIZE + labelGap;
        const int before = k < boxes.size() ? boxes[k] - labelGap : lineEnd;
        if (place->side == LABELS_AFTER_BOXES || k == 0)
            parts.push_back({labels[k], spanning(place->box, after, before, ALIGN_LEFT)});
        else
            parts.push_back({labels[k], spanning(place->box, after, before, ALIGN_RIGHT)});
    }
    return parts;
}

std::vector<std::string> placeNames() {
    std::vector<std::string> names;
    for (const Place& place : places()) names.push_back(place.name);
    return names;
}
