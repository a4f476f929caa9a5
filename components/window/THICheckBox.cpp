#include "components/window/THICheckBox.h"

#include <QCheckBox>

#include "objlib/qt/Translation.h"

THICheckBox::THICheckBox(TControl* parent) : THIWin(parent) {
    auto* box = new QCheckBox;
    Control = std::make_unique<TControl>(parent, box);
    QObject::connect(box, &QCheckBox::clicked, box, [this](bool checked) {
        RaiseInteger(onCheck, checked ? 1 : 0);
        RaiseInteger(onClick, checked ? 1 : 0);
    });
    // Every change of the state, by a click or by setChecked, comes through toggled.
    QObject::connect(box, &QCheckBox::toggled, box, [this](bool checked) { checked_ = checked; });
    goneConnection_ = QObject::connect(box, &QObject::destroyed, [this] { checked_ = false; });
}

// The control may outlive the component (it goes with its parent widget otherwise).
THICheckBox::~THICheckBox() { QObject::disconnect(goneConnection_); }

// The constructor made the widget a check box: no cast check on every read of the state.
QCheckBox* THICheckBox::Box() const { return static_cast<QCheckBox*>(Control->Widget()); }

void THICheckBox::Init() {
    THIWin::Init();
    Box()->setText(InterfaceText(Caption));
    Box()->setChecked(Checked == 0);
}

void THICheckBox::CheckedValue(TData& d, uint16_t) { SetInteger(d, checked_ ? 1 : 0); }
