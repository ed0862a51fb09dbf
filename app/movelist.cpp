#include "app/movelist.h"

#include <SDL/SDL_gfxPrimitives.h>

#include <algorithm>

#include "app/textplaces.h"
#include "settings/catalogue.h"

namespace {

const SDL_Color white = {255, 255, 255, 255};
const SDL_Color gold = {255, 215, 0, 255};

}  // namespace

void shadePanel(SDL_Surface* target, const TextBox& box) {
    boxRGBA(target, static_cast<Sint16>(box.x - 6), static_cast<Sint16>(box.y - 6),
            static_cast<Sint16>(box.x + box.width + 6), static_cast<Sint16>(box.y + box.height + 6), 30, 20, 12, 238);
    rectangleRGBA(target, static_cast<Sint16>(box.x - 6), static_cast<Sint16>(box.y - 6),
                  static_cast<Sint16>(box.x + box.width + 6), static_cast<Sint16>(box.y + box.height + 6), 200, 160,
                  90, 255);
}

int firstRowShown(int turnCount, int current) {
    return std::max(std::min(current - MOVE_LIST_ROWS + 1, turnCount - MOVE_LIST_ROWS), 0);
}

void drawMoveList(SDL_Surface* target, const std::vector<records::Turn>& turns, int current,
                  const std::vector<std::string>& marks, const std::string& footer) {
    const TextBox title = placeBox("movelist");
    const int rowHeight = 17, top = title.y + title.height + 4;
    const TextBox foot = placeBox("movelist.keys");
    shadePanel(target, {title.x, title.y, title.width, foot.y + (footer.empty() ? 0 : foot.height) - title.y, 13, ALIGN_LEFT});
    drawText(target, turns.empty() ? tr("No moves yet") : tr("Moves"), title, gold);
    const int count = static_cast<int>(turns.size());
    const int first = firstRowShown(count, current);
    for (int row = 0; row < MOVE_LIST_ROWS && first + row < count; ++row) {
        const size_t turn = static_cast<size_t>(first + row);
        const TextBox box = {title.x, top + rowHeight * row, title.width, rowHeight, 13, ALIGN_LEFT};
        std::string text = std::to_string(turn + 1) + ". " + records::turnText(turns[turn]);
        if (turn < marks.size()) text += marks[turn];
        if (first + row == current)
            boxRGBA(target, static_cast<Sint16>(box.x - 3), static_cast<Sint16>(box.y - 1),
                    static_cast<Sint16>(box.x + box.width + 3), static_cast<Sint16>(box.y + rowHeight - 1), 140, 100,
                    30, 255);
        drawText(target, text, box, white);
    }
    if (!footer.empty()) drawText(target, footer, foot, gold);
}
