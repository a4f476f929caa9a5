// THIPopupMenu: a context menu, shown at the mouse pointer on request, that reports which item
// the user chose. It is not a window component: the window of the control it is created on
// owns the menu.
//
// Items holds the captions, one per line (CR LF separated, cp1251); a line "-" is a separator
// and takes no index, so the items are numbered 0, 1, ... in menu order without separators.
// The menu is built from Items when it is first shown.
#pragma once

#include <QPointer>

#include "objlib/qt/TControl.h"
#include "runtime/Dispatch.h"

class QMenu;

class THIPopupMenu {
public:
    explicit THIPopupMenu(TControl* parent);
    ~THIPopupMenu();
    THIPopupMenu(const THIPopupMenu&) = delete;
    THIPopupMenu& operator=(const THIPopupMenu&) = delete;

    // Method point: shows the menu at the mouse pointer and returns when it has closed; then
    // raises onPopupEnd, and, when an item was chosen, posts onClick with its index (so it
    // arrives after the chain that asked for the menu has finished). The record is not used.
    void doPopup(TData& d, uint16_t index);

    TControl* ParentControl;
    Bytes Items;

    THI_Event onClick;     // Integer: the chosen item's index
    THI_Event onPopupEnd;  // NULL, whenever the menu closes

private:
    void Build();

    QPointer<QMenu> menu_;
};
