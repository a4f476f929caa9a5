#include "components/window/OverlayContentsEntries.h"

#include "game/GameOverlayEntry.h"

void OverlayContentsEntries::doRow(TData& d, uint16_t) {
    const Bytes row = ToString(d);
    const std::string name = OverlayEntryName(row.view());
    if (!name.empty()) RaiseString(onSection, Bytes(name));
    RaiseString(onRow, row);
}
