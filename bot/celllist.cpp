#include "bot/celllist.h"

void CellList::add(int cell) {
    int* grown = new int[count + 1];
    for (int i = 0; i < count; ++i) grown[i] = cells[i];
    grown[count] = cell;
    delete[] cells;
    cells = grown;
    ++count;
}

bool CellList::remove(int cell) {
    for (int i = 0; i < count; ++i) {
        if (cells[i] != cell) continue;
        for (int j = i + 1; j < count; ++j) cells[j - 1] = cells[j];
        --count;
        return true;
    }
    return false;
}

bool CellList::contains(int cell) const {
    for (int i = 0; i < count; ++i)
        if (cells[i] == cell) return true;
    return false;
}

void CellList::release() {
    delete[] cells;
    cells = nullptr;
    count = 0;
}
