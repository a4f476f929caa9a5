// THIStrPart: splits a string at the first occurrence of a separator character.
#pragma once

#include "runtime/Dispatch.h"

// doSplit reads Str; when the separator occurs, the part before its first occurrence is
// stored in Left and raised through onSplit at once, and the rest behind it leaves through
// onPart on return, so everything behind onSplit has run before anything behind onPart.
// Both parts are slices of the input's bytes. Without an occurrence the input leaves through
// onNotFound on return; with an empty Char nothing is raised.
//
// Points: method doSplit; data point Str; events onSplit, onPart, onNotFound; value point
// LeftPoint (the value point `Left`, suffixed because the stored field has that name).
class THIStrPart {
public:
    void doSplit(TData& d, uint16_t index);
    // Answers the stored left part.
    void LeftPoint(TData& d, uint16_t index);

    Bytes Left;  // the part before the separator, from the last split
    Bytes Char;  // the separator: Pos tests the whole text, its first character splits
    THI_Event Str;
    THI_Event onSplit;
    THI_Event onPart;
    THI_Event onNotFound;
};
