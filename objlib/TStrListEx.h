// TStrListEx: a string list with one pointer-sized value (an "object") beside every line.
#pragma once

#include "objlib/TList.h"
#include "objlib/TStrList.h"

// The values stay paired with their lines through every insertion and deletion; lines added
// without a value (Add, Insert, SetText) get 0. Put replaces a line's text and keeps its value.
class TStrListEx : public TStrList {
public:
    // Appends s with the value; returns the new line's index.
    int AddObject(const Bytes& s, TList::Item value);
    // The value beside the line, or 0 when the index is out of range.
    TList::Item Objects(int index) const { return objects_.Get(index); }
    // Sets the value beside a line in range.
    void PutObject(int index, TList::Item value) { objects_.Put(index, value); }

protected:
    void LinesInserted(int index, int count) override;
    void LineDeleted(int index) override { objects_.Delete(index); }
    void LinesCleared() override { objects_.Clear(); }

private:
    TList objects_;
};
