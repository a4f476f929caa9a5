// OverlayContentsEntries: gives the overlay headers of a mod file ("![name]" overrides a
// section, "@[name]" creates or overrides one, "!![name]" deletes one) entries in the table of
// contents. The parser reads such lines as other rows, so without this they could not be
// reached from the contents.
//
// Points: method doRow takes a row string as the parser raises it (colour prefix first). For
// an overlay header it first raises onSection with the name marked by its operator
// (OverlayEntryName), as the parser raises a header's section name; then it passes every row
// on through onRow unchanged.
#pragma once

#include "runtime/Dispatch.h"

class OverlayContentsEntries {
public:
    void doRow(TData& d, uint16_t index);

    THI_Event onSection;
    THI_Event onRow;
};
