// What a search collects before it picks one at random: points, or moves
// as pairs of points, in the order they were found. Fixed capacity, so a
// search allocates nothing.
#pragma once

#include "rules/helpers.h"

struct Candidates {
    // Enough for every (piece, neighbour) pair of a full side.
    static const int capacity = 96;

    void add(int cell, int destination = -1) {
        if (count == capacity) return;
        from[count] = cell;
        to[count] = destination;
        ++count;
    }
    bool empty() const { return count == 0; }
    // The index of a uniformly chosen entry; only when not empty.
    int pickIndex() const { return choiceRandomElem(count); }
    // A uniformly chosen point, -1 when nothing was collected.
    int pick() const { return empty() ? -1 : from[pickIndex()]; }

    int from[capacity];
    int to[capacity];
    int count = 0;
};
