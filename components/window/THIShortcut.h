// THIShortcut: a key combination that works anywhere in the window of its parent control.
//
// Init arms it; from then on pressing Keys while that window is active raises onShortcut with
// nothing, whichever control has the focus, and the key goes nowhere else.
#pragma once

#include <QPointer>

#include "objlib/qt/TControl.h"
#include "runtime/Dispatch.h"

class QShortcut;

class THIShortcut {
public:
    explicit THIShortcut(TControl* parent) : ParentControl(parent) {}
    ~THIShortcut();
    THIShortcut(const THIShortcut&) = delete;
    THIShortcut& operator=(const THIShortcut&) = delete;

    void Init();

    TControl* ParentControl;
    Bytes Keys;  // in Qt's portable form, for example "Ctrl+F" or "Shift+F3"
    THI_Event onShortcut;

private:
    QPointer<QShortcut> shortcut_;
};
