// THILabel: a single line of static text (no wrapping, no ampersand processing) that reports
// clicks and can change its look while the mouse is over it.
#pragma once

#include "components/window/THIWin.h"

class THILabel : public THIWin {
public:
    // Creates the label.
    explicit THILabel(TControl* parent);

    // Alignment, the base's Init, then the text; with AutoSize the label fits its text.
    void Init() override;

    Bytes Caption;
    bool AutoSize = false;
    uint8_t Alignment = 0;       // 0 left, 1 right, 2 centre
    uint32_t HoverColor = 0;     // text colour under the mouse; 0 none
    uint32_t HoverCursor = 0;    // cursor under the mouse (platform cursor number); 0 none
    bool HoverUnderline = false;

    THI_Event onClick;  // NULL

protected:
    void MouseEnter() override;
    void MouseLeave() override;
    void Click() override;

private:
    void SetUnderline(bool on);
};
