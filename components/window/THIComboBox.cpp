#include "components/window/THIComboBox.h"

#include <QComboBox>
#include <QLineEdit>

#include "objlib/qt/Cp1251Input.h"
#include "objlib/qt/QtText.h"

QComboBox* THIComboBox::Combo() const { return Control ? Control->As<QComboBox>() : nullptr; }

void THIComboBox::Init() {
    auto* combo = new QComboBox;
    combo->setEditable(Editable);
    combo->setInsertPolicy(QComboBox::NoInsert);
    if (Editable) AcceptCp1251Only(*combo->lineEdit());
    Control = std::make_unique<TControl>(ParentControl, combo);
    THIWin::Init();
    QObject::connect(combo, &QComboBox::currentIndexChanged, combo, [this](int index) { CurrentChanged(index); });
    FillStrings(Strings);
    // After the filling, which empties the edit field as doClear does.
    if (Editable) combo->setEditText(ToQString(Text));
}

void THIComboBox::Index(TData& d, uint16_t) {
    QComboBox* combo = Combo();
    SetInteger(d, combo ? combo->currentIndex() : -1);
}

void THIComboBox::doSelectString(TData& d, uint16_t) {
    QComboBox* combo = Combo();
    if (!combo) return;
    const int found = combo->findText(ToQString(ToString(d)), Qt::MatchStartsWith);
    if (found < 0) return;
    const auto guard = ChangingItself();
    combo->setCurrentIndex(found);
}

void THIComboBox::AddItem(const Bytes& text, const Bytes&) {
    const auto guard = ChangingItself();
    QComboBox* combo = Combo();
    const QString shown = ToQString(text);
    const int row = Sort ? SortedPosition(combo->count(), [combo](int i) { return combo->itemText(i); }, shown)
                         : combo->count();
    // Qt makes the first item of an empty box current; the platform's box stays without one.
    const bool hadCurrent = combo->currentIndex() >= 0;
    const QString editText = combo->currentText();
    combo->insertItem(row, shown, QByteArray(text.data(), static_cast<qsizetype>(text.size())));
    if (!hadCurrent) {
        combo->setCurrentIndex(-1);
        if (Editable) combo->setEditText(editText);
    }
}

void THIComboBox::ClearItems() {
    const auto guard = ChangingItself();
    QComboBox* combo = Combo();
    combo->clear();
    combo->clearEditText();
}

int THIComboBox::ItemCount() const { return Combo()->count(); }

void THIComboBox::SelectItem(int index) {
    const auto guard = ChangingItself();
    Combo()->setCurrentIndex(index);
}

void THIComboBox::CurrentChanged(int index) {
    if (IsChangingItself()) return;
    RaiseChoice(onClick, SelectMode, index, [&] { return Combo()->itemData(index).toByteArray(); });
}
