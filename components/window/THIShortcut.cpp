#include "components/window/THIShortcut.h"

#include <QShortcut>

#include "objlib/qt/QtText.h"

THIShortcut::~THIShortcut() { delete shortcut_.data(); }

void THIShortcut::Init() {
    QWidget* parent = ParentControl ? ParentControl->Widget() : nullptr;
    if (!parent) return;
    shortcut_ = new QShortcut(QKeySequence(ToQString(Keys)), parent);
    shortcut_->setContext(Qt::WindowShortcut);
    QObject::connect(shortcut_, &QShortcut::activated, shortcut_, [this] { RaiseNull(onShortcut); });
}
