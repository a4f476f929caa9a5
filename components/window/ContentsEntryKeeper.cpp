#include "components/window/ContentsEntryKeeper.h"

#include <string>

ContentsEntryKeeper::ContentsEntryKeeper(TStringTableRows& mainRows, TStringTableRows& contents)
    : mainRows_(mainRows), contents_(contents) {
    mainRows_.SetShiftWatcher({&ContentsEntryKeeper::RowsMoved, this});
}

ContentsEntryKeeper::~ContentsEntryKeeper() { mainRows_.SetShiftWatcher({}); }

void ContentsEntryKeeper::RowsMoved(void* self, int index, int delta) {
    TStringTableRows& contents = static_cast<ContentsEntryKeeper*>(self)->contents_;
    for (int entry = contents.Count() - 1; entry >= 0; --entry) {
        const int row = StrToInteger(contents.Cell(entry, 0));
        if (delta < 0 && row == index)
            contents.Delete(entry);
        else if (delta > 0 ? row >= index : row > index)
            contents.SetCell(entry, 0, std::to_string(row + delta));
    }
}
