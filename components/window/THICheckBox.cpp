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
}

QCheckBox* THICheckBox::Box() const { return Control->As<QCheckBox>(); }

void THICheckBox::Init() {
    THIWin::Init();
    Box()->setText(InterfaceText(Caption));
    Box()->setChecked(Checked == 0);
}

void THICheckBox::CheckedValue(TData& d, uint16_t) {
    QCheckBox* box = Box();
    SetInteger(d, box && box->isChecked() ? 1 : 0);
}
