// THIPanel: a plain container with an optional bevel, border and caption; the parent of the
// controls placed on it (their positions are relative to its client area).
#pragma once

#include "components/window/THIWin.h"

class THIPanel : public THIWin {
public:
    using THIWin::THIWin;

    // Creates the panel with its bevels and border, the base's Init, then caption and alignment.
    void Init() override;

    Bytes Caption;
    uint8_t Alignment = 2;   // caption: 0 left, 1 right, 2 centre (vertically centred)
    uint8_t BevelOuter = 0;  // 0 none, 1 lowered, 2 raised
    uint8_t BevelInner = 0;  // as BevelOuter
    int32_t BevelWidth = 1;
    uint8_t BorderStyle = 0;  // 0 none, otherwise a single line

    THI_Event onClick;  // NULL

protected:
    void Click() override;
};
