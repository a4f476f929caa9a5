#include "components/window/THIRadioButton.h"

#include <QRadioButton>

#include "objlib/qt/Translation.h"

namespace {

QList<QRadioButton*> GroupOf(const QWidget* parent) {
    return parent ? parent->findChildren<QRadioButton*>(Qt::FindDirectChildrenOnly) : QList<QRadioButton*>();
}

}  // namespace

THIRadioButton::THIRadioButton(TControl* parent) : THIWin(parent) {
    const bool first = GroupOf(parent ? parent->Widget() : nullptr).isEmpty();
    auto* radio = new QRadioButton;
    // The group is kept by Clicked(): Qt's own exclusivity would refuse to leave a group with
    // nothing checked, which the scheme's Checked settings may ask for.
    radio->setAutoExclusive(false);
    Control = std::make_unique<TControl>(parent, radio);
    if (first) {
        Checked = 0;
        radio->setChecked(true);
    }
    QObject::connect(radio, &QRadioButton::clicked, radio, [this] { Clicked(); });
}

QRadioButton* THIRadioButton::Radio() const { return Control->As<QRadioButton>(); }

void THIRadioButton::Init() {
    THIWin::Init();
    Radio()->setText(InterfaceText(Caption));
    Radio()->setChecked(Checked == 0);
}

void THIRadioButton::CheckedValue(TData& d, uint16_t) {
    QRadioButton* radio = Radio();
    SetInteger(d, radio && radio->isChecked() ? 1 : 0);
}

void THIRadioButton::Clicked() {
    QRadioButton* clicked = Radio();
    for (QRadioButton* radio : GroupOf(clicked->parentWidget())) radio->setChecked(radio == clicked);
    RaiseNull(onClick);
}
