// The game's colours, in one place so every picture agrees.
#pragma once

#include "canvas.hpp"

namespace art::palette {

// Player one (left): dark ebony stone. Player two (right): ivory stone.
inline const Colour kEbony = rgb(58, 40, 34);
inline const Colour kEbonyRim = rgb(150, 108, 66);
inline const Colour kIvory = rgb(242, 228, 196);
inline const Colour kIvoryRim = rgb(104, 72, 44);

// Wood of the board and the table around it.
inline const Colour kFieldWood = rgb(224, 184, 126);
inline const Colour kTableWood = rgb(196, 146, 92);
inline const Colour kTrayWood = rgb(172, 124, 76);
inline const Colour kWalnut = rgb(60, 38, 26);
inline const Colour kGroove = rgb(92, 56, 30);
inline const Colour kParchment = rgb(244, 232, 204);

// Accents.
inline const Colour kGold = rgb(236, 184, 52);
inline const Colour kGoldLight = rgb(255, 232, 140);
inline const Colour kGoldDark = rgb(150, 100, 20);
inline const Colour kShadow = rgb(36, 22, 12);
inline const Colour kInk = rgb(40, 26, 16);
inline const Colour kCream = rgb(248, 236, 210);
inline const Colour kTerracotta = rgb(176, 92, 52);

}  // namespace art::palette
