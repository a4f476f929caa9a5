#include "components/window/THIPopupMenu.h"

#include <QAction>
#include <QCursor>
#include <QMenu>
#include <QTimer>

#include "objlib/TStrList.h"
#include "objlib/qt/Translation.h"

THIPopupMenu::THIPopupMenu(TControl* parent) : ParentControl(parent) {}

THIPopupMenu::~THIPopupMenu() { delete menu_.data(); }

void THIPopupMenu::Build() {
    menu_ = new QMenu(ParentControl ? ParentControl->Widget() : nullptr);
    TStrList lines;
    lines.SetText(Items, false);
    int index = 0;
    for (int i = 0; i < lines.Count(); ++i) {
        const Bytes caption = lines.Get(i);
        if (caption == "-") {
            menu_->addSeparator();
            continue;
        }
        menu_->addAction(InterfaceText(caption))->setData(index++);
    }
}

void THIPopupMenu::doPopup(TData&, uint16_t) {
    if (!menu_) Build();
    QPointer<QMenu> menu = menu_;
    QAction* chosen = menu->exec(QCursor::pos());
    RaiseNull(onPopupEnd);
    if (!chosen || !menu) return;
    const int index = chosen->data().toInt();
    QTimer::singleShot(0, menu, [this, index] { RaiseInteger(onClick, index); });
}
