#include "components/window/THIButton.h"

#include <QPushButton>

#include "objlib/qt/Translation.h"

void THIButton::Init() {
    auto* button = new QPushButton(InterfaceText(Caption));
    Control = std::make_unique<TControl>(ParentControl, button);
    QObject::connect(button, &QPushButton::clicked, button, [this] { RaiseEvent(onClick, Data); });
    THIWin::Init();
}
