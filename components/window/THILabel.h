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
    // Added for a label that acts on a click: reached with TAB like a control, underlined while
    // it has the focus, Enter or Space there act as a click.
    bool TabStop = false;

    THI_Event onClick;  // NULL

protected:
    void MouseEnter() override;
    void MouseLeave() override;
    void Click() override;
    void KeyDown(int& key) override;
    void FocusIn() override;
    void FocusOut() override;

private:
    // Underlined by its font, under the mouse with HoverUnderline, or with the focus as a TAB stop.
    void ShowUnderline();

    bool hovered_ = false;
    bool focused_ = false;
};
