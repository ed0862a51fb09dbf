// A list of board points in insertion order: a heap array of point indices
// that grows by exactly one element per addition, and its count. Emptying
// only sets the count to 0.
#pragma once

struct CellList {
    CellList() = default;
    CellList(const CellList&) = delete;
    CellList& operator=(const CellList&) = delete;
    ~CellList() { release(); }

    void add(int cell);
    // Removes the first entry equal to `cell`, keeping the others in order.
    bool remove(int cell);
    bool contains(int cell) const;
    void clear() { count = 0; }
    void release();

    int* cells = nullptr;
    int count = 0;
};
