#include "components/window/THIComboBox.h"

#include <QComboBox>
#include <QLineEdit>

#include "objlib/qt/Cp1251Input.h"
#include "objlib/qt/QtText.h"
#include "objlib/qt/Translation.h"

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
    // The items given in Strings are the scheme's own choices: shown in the interface language,
    // each still carrying its bytes as written.
    for (int i = 0; i < combo->count(); ++i) combo->setItemText(i, InterfaceText(ItemBytes(i)));
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
    // Compared with the items as written, so that a scheme's string finds its item in every
    // interface language.
    const QString wanted = ToQString(ToString(d));
    for (int i = 0; i < combo->count(); ++i) {
        if (ToQString(ItemBytes(i)).startsWith(wanted, Qt::CaseInsensitive)) {
            const auto guard = ChangingItself();
            combo->setCurrentIndex(i);
            return;
        }
    }
}

Bytes THIComboBox::ItemBytes(int index) const {
    const QByteArray bytes = Combo()->itemData(index).toByteArray();
    return Bytes(std::string_view(bytes.constData(), static_cast<size_t>(bytes.size())));
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
