// TSplitterRec: the optional splitter bar of a docked window.
#pragma once

#include <cstdint>

struct TSplitterRec {
    int32_t Width = 0;            // bar width in pixels; 0: no bar
    uint32_t Color = 0xFF00000F;  // as the colour properties
    int32_t MinOwnSize = 0;       // the docked window never gets narrower (or lower) than this
    int32_t MinRestSize = 0;      // and always leaves this much to the rest of its parent
};
