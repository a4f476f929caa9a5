// ValueLineFilter: takes the lines of a value written over several lines (ValueLines) out of
// the line parser's way, so that they become rows of their own kind and never headers or keys.
//
// Points: method doLine (a line without its TABs, every line of the file in order) sends it
// on, in the arriving record on return, through onValueLine when it belongs to such a value,
// otherwise through onLine; method doReset (before a file's first line) forgets a value left
// open by the previous file.
#pragma once

#include "layout/ValueLines.h"
#include "runtime/Dispatch.h"

class ValueLineFilter {
public:
    void doLine(TData& d, uint16_t index);
    void doReset(TData& d, uint16_t index);

    THI_Event onValueLine;
    THI_Event onLine;

private:
    ValueLines values_;
};
