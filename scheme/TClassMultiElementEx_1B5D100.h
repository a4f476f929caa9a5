// The table-of-contents follower: when a main-table row is selected, highlights the entry of
// the section that holds it, with the contents table's selection events off meanwhile so the
// highlight does not travel back to the main table.
//
// Container points: method #0 (the selected main-table row R); events #0 the entry to select
// (-1 clears the selection), #1 the contents table's selection events off (0) or on (1);
// data point #0 the entries ("header row index+name", in ascending order) as an array.
#pragma once

#include "components/text/THIArrayEnum.h"
#include "components/text/THIStrPart.h"
#include "runtime/MultiElement.h"
#include "runtime/THIDoData.h"
#include "runtime/THIHub.h"
#include "runtime/THIIf_else.h"
#include "runtime/THIMath.h"
#include "runtime/THIMemory.h"
#include "runtime/THISwitch.h"

class TClassMultiElementEx_1B5D100 : public TScheme {
public:
    explicit TClassMultiElementEx_1B5D100(TControl* parent);

    THIEditMultiEx FollowerPoints;
    THIMemory TargetRow;         // R
    THIArrayEnum EntryScan;      // entries from the first
    THIStrPart EntryIndex;       // the header row before "+"
    THIIf_else PastTarget;       // R < the entry's header row
    THIDoData StepBack;          // the scan index ...
    THIMath PreviousEntry;       // ... minus one
    THIHub SelectHub;            // events off, select, events on, stop the scan
    THISwitch EventGate;

    THIEditMultiEx& View = FollowerPoints;  // the name the scheme factory looks for
};
