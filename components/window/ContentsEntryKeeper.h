// ContentsEntryKeeper: keeps every table-of-contents entry ("row index+section name") pointing
// at its own header row while rows of the main table are inserted and deleted.
//
// An entry's index was fixed when the entry was added, so without this a row inserted above a
// header sent a jump one row off. Entries at or below an inserted row move down by one, those
// below a deleted row up by one, and the entry of a deleted header row goes with it.
#pragma once

#include "components/window/StringTableRows.h"

class ContentsEntryKeeper {
public:
    ContentsEntryKeeper(TStringTableRows& mainRows, TStringTableRows& contents);
    ~ContentsEntryKeeper();
    ContentsEntryKeeper(const ContentsEntryKeeper&) = delete;
    ContentsEntryKeeper& operator=(const ContentsEntryKeeper&) = delete;

private:
    static void RowsMoved(void* self, int index, int delta);

    TStringTableRows& mainRows_;
    TStringTableRows& contents_;
};
