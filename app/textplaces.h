// Where each text of the frame is drawn and the box it must keep to. The
// catalogues' "[place]" lines name these places, so the drawing code and
// the test of every language's texts use the same boxes.
#pragma once

#include <string>
#include <vector>

#include "app/textbox.h"

// The box of a named place (see textplaces.cpp); a place drawn on several
// lines (the player's columns, the centre of the board) gives the box of one
// of them, moved to `y` when `y` is given.
TextBox placeBox(const std::string& place, int y = -1);

// A text and the box it is drawn in.
struct PlacedText {
    std::string text;
    TextBox box;
};
// `text` as drawn at `place`: whole in its box, or, for a line of the
// settings screen whose check boxes sit on its runs of blanks, cut at those
// runs into the labels between the boxes, each with the room it has.
std::vector<PlacedText> placedParts(const std::string& text, const std::string& place);

// Every place's name.
std::vector<std::string> placeNames();

// The side of a check box 25 pixels wide that its label keeps clear of.
const int CHECK_BOX_SIZE = 25;
