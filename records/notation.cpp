#include "records/notation.h"

namespace records {

namespace {

const char* const pointNames[24] = {"a7", "d7", "g7", "b6", "d6", "f6", "c5", "d5", "e5", "a4", "b4", "c4",
                                    "e4", "f4", "g4", "c3", "d3", "e3", "b2", "d2", "f2", "a1", "d1", "g1"};

// Reads a point's name at `at` and moves past it.
bool readPoint(const std::string& text, size_t& at, int& point) {
    if (at + 2 > text.size()) return false;
    point = pointNamed(text.substr(at, 2));
    at += 2;
    return point >= 0;
}

bool readSymbol(const std::string& text, size_t& at, char symbol) {
    if (at >= text.size() || text[at] != symbol) return false;
    ++at;
    return true;
}

int8_t asPoint(int point) {
    return static_cast<int8_t>(point);
}

}  // namespace

const char* pointName(int point) {
    return point >= 0 && point < 24 ? pointNames[point] : "";
}

int pointNamed(const std::string& name) {
    for (int point = 0; point < 24; ++point)
        if (name == pointNames[point]) return point;
    return -1;
}

std::string actionText(engine::Move action) {
    if (action.isRemoval()) return std::string("x") + pointName(action.from);
    if (action.isPlacement()) return pointName(action.to);
    return std::string(pointName(action.from)) + "-" + pointName(action.to);
}

std::string turnText(const Turn& turn) {
    std::string text = actionText(turn.action);
    if (turn.removal >= 0) text += std::string("x") + pointName(turn.removal);
    if (turn.safeRoute) text += "!";
    return text;
}

bool readTurn(const std::string& text, Turn& turn) {
    Turn read;
    size_t at = 0;
    int first, second;
    if (readSymbol(text, at, 'x')) {
        if (!readPoint(text, at, first)) return false;
        read.action = engine::Move{asPoint(first), -1};
    } else {
        if (!readPoint(text, at, first)) return false;
        read.action = engine::Move{-1, asPoint(first)};
        if (readSymbol(text, at, '-')) {
            if (!readPoint(text, at, second)) return false;
            read.action = engine::Move{asPoint(first), asPoint(second)};
        }
        if (readSymbol(text, at, 'x') && !readPoint(text, at, read.removal)) return false;
        read.safeRoute = read.action.isStep() && readSymbol(text, at, '!');
    }
    if (at != text.size()) return false;
    turn = read;
    return true;
}

}  // namespace records
