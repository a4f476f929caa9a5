#include "components/window/EditHistory.h"

#include <QUndoCommand>
#include <algorithm>
#include <utility>

#include "components/window/ThiStringTable.h"

// One change of one row: the row before and after it, and for a deleted header row the
// table-of-contents entries that went with it (their places and texts).
class EditHistory::Step : public QUndoCommand {
public:
    Step(EditHistory& history, Edit edit, int index, RowState before, RowState after, unsigned opening)
        : edit(edit), index(index), before(std::move(before)), after(std::move(after)), history_(history),
          opening_(opening) {}

    // The change is made when the step is pushed; only later redos make it again.
    void redo() override {
        if (std::exchange(pushed_, false)) return;
        history_.Apply(*this, false);
    }
    void undo() override { history_.Apply(*this, true); }

    int id() const override { return 1; }
    // The editor writes a row cell by cell: the cells of one closing are one step.
    bool mergeWith(const QUndoCommand* next) override {
        const auto& later = static_cast<const Step&>(*next);
        if (edit != Edit::Rewritten || later.edit != Edit::Rewritten || later.index != index ||
            later.opening_ != opening_)
            return false;
        after = later.after;
        return true;
    }

    const Edit edit;
    const int index;
    const RowState before;
    RowState after;
    std::vector<std::pair<int, Bytes>> entries;

private:
    EditHistory& history_;
    const unsigned opening_;  // the opening of the row editor the step was made in
    bool pushed_ = true;
};

EditHistory::~EditHistory() {
    if (rows_) rows_->SetEditWatcher({});
    for (QPointer<QShortcut>& key : keys_) delete key.data();
}

void EditHistory::Watch(QWidget* mainWindow, ThiStringTable& mainTable, TStringTableRows& contents) {
    table_ = &mainTable;
    rows_ = &mainTable.Rows();
    contents_ = &contents;
    rows_->SetEditWatcher({&EditHistory::RowEdited, this});
    QObject::connect(&stack_, &QUndoStack::cleanChanged, &stack_, [this] { RaiseNull(onUnsavedChanged); });
    AddKeys(mainWindow, Qt::CTRL | Qt::Key_Z, &EditHistory::Undo);
    AddKeys(mainWindow, Qt::CTRL | Qt::SHIFT | Qt::Key_Z, &EditHistory::Redo);
    AddKeys(mainWindow, Qt::CTRL | Qt::Key_Y, &EditHistory::Redo);
}

void EditHistory::AddKeys(QWidget* window, QKeyCombination keys, void (EditHistory::*action)()) {
    auto* shortcut = new QShortcut(QKeySequence(keys), window);
    shortcut->setContext(Qt::WindowShortcut);
    QObject::connect(shortcut, &QShortcut::activated, &stack_, [this, action] { (this->*action)(); });
    keys_.emplace_back(shortcut);
}

void EditHistory::doEditBegins(TData&, uint16_t) { ++editorOpenings_; }

void EditHistory::doSaved(TData&, uint16_t) { stack_.setClean(); }

void EditHistory::Unsaved(TData& d, uint16_t) { SetInteger(d, stack_.isClean() ? 0 : 1); }

void EditHistory::Undo() {
    if (table_) table_->CloseEditor();
    stack_.undo();
}

void EditHistory::Redo() {
    if (table_) table_->CloseEditor();
    stack_.redo();
}

void EditHistory::RowEdited(void* self, Edit edit, int index, const RowState& before) {
    auto& history = *static_cast<EditHistory*>(self);
    if (history.applying_) return;
    if (edit == Edit::Emptied) {
        history.stack_.clear();
        return;
    }
    const RowState after = edit == Edit::Deleted ? RowState() : history.rows_->StateOf(index);
    auto* step = new Step(history, edit, index, before, after, history.editorOpenings_);
    if (edit == Edit::Deleted) {
        // Told before the contents follow the delete: the row's entries still point at it.
        const TStringTableRows& contents = *history.contents_;
        for (int entry = 0; entry < contents.Count(); ++entry)
            if (StrToInteger(contents.Cell(entry, 0)) == index) step->entries.emplace_back(entry, contents.RowString(entry));
    }
    history.stack_.push(step);
}

void EditHistory::Apply(const Step& step, bool undo) {
    applying_ = true;
    switch (step.edit) {
    case Edit::Rewritten:
        rows_->Restore(step.index, undo ? step.before : step.after, true);
        break;
    case Edit::Inserted:
        if (undo)
            rows_->Delete(step.index);
        else
            rows_->Restore(step.index, step.after, false);
        break;
    case Edit::Deleted:
        if (!undo) {
            rows_->Delete(step.index);
            break;
        }
        // The rows below moved down with their entries; the row's own come back in their places.
        rows_->Restore(step.index, step.before, false);
        for (const auto& [entry, text] : step.entries) contents_->AddOrReplace(text, entry, false);
        break;
    case Edit::Emptied:
        break;
    }
    applying_ = false;
    RaiseInteger(Point<&ThiStringTable::doSelect>(*table_), std::min(step.index, rows_->Count() - 1));
}
