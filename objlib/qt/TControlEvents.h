// TControlEvents: what a TControl tells its owner about its window.
//
// The owner (a window component) overrides what it needs; the defaults do nothing. Mouse
// buttons are numbered 0 left, 1 right, 2 middle; keys are virtual-key codes.
#pragma once

#include "runtime/Bytes.h"

class TControlEvents {
public:
    virtual void MouseDown(int /*button*/) {}
    // `buttons`: 0 only the left button held, 1 only the right, 2 only the middle, -1 otherwise.
    virtual void MouseMove(int /*buttons*/) {}
    virtual void MouseUp(int /*button*/) {}
    virtual void MouseWheel(int /*delta*/) {}  // 120 per notch, positive away from the user
    virtual void MouseEnter() {}
    virtual void MouseLeave() {}
    virtual void DblClick(int /*button*/) {}
    // A left-button press and release inside the window (for windows without a click of their own).
    virtual void Click() {}
    // Setting `key` to 0 takes the key: the window does not see it and nothing further is raised.
    virtual void KeyDown(int& /*key*/) {}
    virtual void KeyUp(int& /*key*/) {}
    // The typed text (one character, in cp1251); emptying it takes the key as KeyDown does.
    virtual void KeyChar(Bytes& /*text*/) {}
    virtual void FocusIn() {}
    virtual void FocusOut() {}
    virtual void Resized() {}
    // A top-level window is asked to close; it closes (hides) after this returns.
    virtual void CloseRequest() {}

protected:
    ~TControlEvents() = default;
};
