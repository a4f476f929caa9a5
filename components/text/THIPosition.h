// THIPosition: finds a substring, optionally continuing behind the previous match.
#pragma once

#include "runtime/Dispatch.h"

// doSearch reads Str and the substring (SubStrPoint, default SubStr). When ResetPos is set or
// Position is 0 the search starts at StartPosPoint (default StartPos), otherwise at Position;
// a start below 1 counts as 1. The 1-based position of the match, or 0 when there is none or
// either text is empty, is raised through onSearch at once; a miss raises nothing when
// SkipNotFound is set. Position keeps where the next search starts: behind the match, or 0
// after a miss, so the next call starts from StartPos again. It is set before onSearch is
// raised, so a search started from onSearch's receiver already continues behind the match.
//
// Points: method doSearch; data points Str, SubStrPoint and StartPosPoint (the data
// points `SubStr` and `StartPos`, suffixed because the properties have those names); event
// onSearch.
class THIPosition {
public:
    void doSearch(TData& d, uint16_t index);

    int32_t Position = 0;
    Bytes SubStr;
    int32_t StartPos = 0;
    uint8_t SkipNotFound = 0;
    uint8_t ResetPos = 0;
    THI_Event StartPosPoint;
    THI_Event SubStrPoint;
    THI_Event Str;
    THI_Event onSearch;
};
