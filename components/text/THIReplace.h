// THIReplace: replaces every occurrence of a substring, left to right.
#pragma once

#include <vector>

#include "runtime/Dispatch.h"

// doReplace reads Str, then the substring (SubStrPoint, default SubStr) and the replacement
// (DestStrPoint, default DestStr). Each occurrence, searched behind the previous replacement
// so that inserted text is never searched again, is stored in Position and Skip is pulled: 0
// (or unconnected) replaces it, anything else keeps it and searches on one byte further. An
// empty substring replaces nothing. The result leaves through onReplace on return, also when
// empty; without a replacement it is the input itself, otherwise built in one block.
//
// Points: method doReplace; data points Str, Skip, SubStrPoint and DestStrPoint (the
// data points `SubStr` and `DestStr`, suffixed because the properties have those names);
// event onReplace.
class THIReplace {
public:
    void doReplace(TData& d, uint16_t index);

    Bytes Result;
    int32_t Position = 0;  // position, in the text being built, of the occurrence being replaced
    Bytes SubStr;
    Bytes DestStr;
    THI_Event DestStrPoint;
    THI_Event SubStrPoint;
    THI_Event Str;
    THI_Event Skip;
    THI_Event onReplace;

private:
    // Offsets in the input of the occurrences to replace; kept to spare an allocation per call.
    std::vector<size_t> replaced_;
};
