// One entry point per group of pictures; each writes its files under `out`.
#pragma once

#include "output.hpp"
#include "text.hpp"

namespace art {

void drawBoardPictures(const Output& out, Fonts& fonts);  // board, backgrounds, icon
void drawPiecePictures(const Output& out);                // pieces, points, piece frame sets
void drawButtonPictures(const Output& out, Fonts& fonts); // menu buttons, check boxes, speed arrows
void drawPanelPictures(const Output& out, Fonts& fonts);  // dialog, about panel, splash
void drawAvatarPictures(const Output& out);               // the two players
void drawTurnMarker(const Output& out);                   // animated "your turn" marker

}  // namespace art
