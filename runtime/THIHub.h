// THIHub: fans one event out to several outputs, one after another, in a fixed order.
#pragma once

#include <cstdint>
#include <vector>

#include "runtime/Dispatch.h"

class THIHub {
public:
    // Sizes the outputs; the scheme calls this before it connects them.
    void SetOutCount(uint8_t n);

    // Method point #i (every input index behaves alike): raises onEvent #0, #1, ... in
    // increasing order, each with its own fresh copy of the arriving record, so what one
    // output's chain does to its copy is not seen by the next. Each output runs to completion
    // before the next fires; unconnected outputs are skipped.
    void doEvent(TData& d, uint16_t index);

    uint8_t OutCount = 0;  // set through SetOutCount only
    std::vector<THI_Event> onEvent;  // onEvent #0..#OutCount-1
};
