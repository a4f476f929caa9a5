// THIGlobalVar: a value shared by every instance with the same name anywhere in the program.
#pragma once

#include "runtime/Dispatch.h"

// The process-wide registry `GlobalVars`: the shared cell for name s, keyed by s with ASCII
// A-Z lower-cased (other bytes as they are, compared exactly). The first use of a key creates
// a NULL cell; cells are never freed or moved, so the pointer stays valid for the whole run.
// An empty name has no cell: nullptr.
TData* LookupGlobal(const Bytes& s);

class THIGlobalVar {
public:
    // Construction: Name := s, Storage := the shared cell of s (nullptr for an empty name).
    void SetName(const Bytes& s);

    // Method point: the cell := the first value of the record; raises nothing.
    void doValue(TData& d, uint16_t index);
    // Value point: the record := the cell, or NULL without a cell.
    void Value(TData& d, uint16_t index);

    Bytes Name;
    TData* Storage = nullptr;  // not owned; lives as long as the program
};
