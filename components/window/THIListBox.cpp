#include "components/window/THIListBox.h"

#include <QListWidget>

#include "objlib/qt/FileText.h"
#include "objlib/qt/QtText.h"
#include "objlib/qt/VirtualKey.h"

namespace {

// An item whose hint is its tooltip, made when it is shown: the file a hint names may have
// been opened since the item was added (FileToolTip).
class HintedItem : public QListWidgetItem {
public:
    HintedItem(const QString& text, const Bytes& hint) : QListWidgetItem(text), hint_(hint) {}

    QVariant data(int role) const override {
        if (role == Qt::ToolTipRole && !hint_.empty()) return FileToolTip(hint_.view());
        return QListWidgetItem::data(role);
    }

private:
    Bytes hint_;
};

}  // namespace

QListWidget* THIListBox::List() const { return Control ? Control->As<QListWidget>() : nullptr; }

void THIListBox::Init() {
    auto* list = new QListWidget;
    list->setSelectionMode(MultiSelect ? QAbstractItemView::MultiSelection : QAbstractItemView::SingleSelection);
    Control = std::make_unique<TControl>(ParentControl, list);
    Control->SetFrame(1);
    QObject::connect(list, &QListWidget::itemSelectionChanged, list, [this] { SelectionChanged(); });
    THIWin::Init();
    FillStrings(Strings);
}

int THIListBox::CurrentIndex() const {
    QListWidget* list = List();
    if (!list) return -1;
    if (MultiSelect) return list->currentRow();
    const QList<QListWidgetItem*> selected = list->selectedItems();
    return selected.isEmpty() ? -1 : list->row(selected.first());
}

void THIListBox::KeyDown(int& key) {
    if (key != VirtualKey::Enter || !onEnter.Connected()) {
        THIWinList::KeyDown(key);
        return;
    }
    key = 0;
    RaiseNull(onEnter);
}

void THIListBox::Index(TData& d, uint16_t) { SetInteger(d, CurrentIndex()); }

void THIListBox::AddItem(const Bytes& text, const Bytes& hint) {
    const auto guard = ChangingItself();
    QListWidget* list = List();
    auto* item = new HintedItem(ToQString(text), hint);
    // The item keeps its own bytes, so onClick hands back exactly what was added.
    item->setData(Qt::UserRole, QByteArray(text.data(), static_cast<qsizetype>(text.size())));
    const int row = Sort ? SortedPosition(list->count(), [list](int i) { return list->item(i)->text(); }, item->text())
                         : list->count();
    list->insertItem(row, item);
}

void THIListBox::ClearItems() {
    const auto guard = ChangingItself();
    List()->clear();
}

int THIListBox::ItemCount() const { return List()->count(); }

void THIListBox::SelectItem(int index) {
    const auto guard = ChangingItself();
    QListWidget* list = List();
    list->setCurrentRow(index);
    list->scrollToItem(list->item(index));
}

void THIListBox::SelectionChanged() {
    if (IsChangingItself()) return;
    QListWidget* list = List();
    // Qt lets Ctrl+click (or Ctrl+Space) take the selection off the only selected item.
    if (!MultiSelect && list->selectedItems().isEmpty() && list->currentItem()) {
        const auto guard = ChangingItself();
        list->currentItem()->setSelected(true);
        return;
    }
    const int index = CurrentIndex();
    RaiseChoice(onClick, SelectMode, index, [&] {
        const QListWidgetItem* item = list->item(index);
        return item ? item->data(Qt::UserRole).toByteArray() : QByteArray();
    });
}
