// EditHistory: undo and redo of the main table's edits (cell edits, inserted rows, deleted
// rows), back to the state in which the file was opened.
//
// It hears of every change of the main table's rows through their edit watcher and keeps each
// as one step of a QUndoStack; the cells written by one close of the row editor are one step.
// Ctrl+Z undoes a step, Ctrl+Shift+Z and Ctrl+Y redo one, anywhere in the main window; a text
// box with typing of its own to undo keeps these keys for it. Before a step is undone or redone
// the row editor is closed (what was typed in it becomes a step first), so it is never left
// open on text that is no longer the row's; afterwards the row undone or redone is selected.
//
// A row put back is exactly the row that was taken away, with its place in the file it was
// read from and its changed flag, so a save that keeps the lines writes a row edited and undone
// back as the line it was read from. A deleted header row takes its table-of-contents entries
// with it and brings them back when its delete is undone.
//
// The history is emptied whenever the rows are (a file opened, closed or replaced by a table
// file): that state, and the state at each save, is the saved state.
//
// Points:
//   doEditBegins       the row editor opens: what it writes when it closes is one step.
//   doSaved            the rows are what the open file now holds: this is the saved state.
//   Unsaved            value, Integer: 1 while the rows are not in the saved state.
//   onUnsavedChanged   NULL: Unsaved has changed.
#pragma once

#include <QPointer>
#include <QShortcut>
#include <QUndoStack>
#include <vector>

#include "components/window/StringTableRows.h"
#include "runtime/Dispatch.h"

class QWidget;
class ThiStringTable;

class EditHistory {
public:
    EditHistory() = default;
    ~EditHistory();
    EditHistory(const EditHistory&) = delete;
    EditHistory& operator=(const EditHistory&) = delete;

    // Starts keeping the main table's edits; the keys work in the main window, and the
    // contents are the table-of-contents rows that follow the main table's header rows.
    void Watch(QWidget* mainWindow, ThiStringTable& mainTable, TStringTableRows& contents);

    void doEditBegins(TData& d, uint16_t index);
    void doSaved(TData& d, uint16_t index);
    void Unsaved(TData& d, uint16_t index);

    THI_Event onUnsavedChanged;

    // One step back or forward, as the keys do.
    void Undo();
    void Redo();

private:
    class Step;
    using Edit = TStringTableRows::Edit;
    using RowState = TStringTableRows::RowState;

    static void RowEdited(void* self, Edit edit, int index, const RowState& before);
    void Apply(const Step& step, bool undo);
    void AddKeys(QWidget* window, QKeyCombination keys, void (EditHistory::*action)());

    QUndoStack stack_;
    std::vector<QPointer<QShortcut>> keys_;
    ThiStringTable* table_ = nullptr;
    TStringTableRows* rows_ = nullptr;
    TStringTableRows* contents_ = nullptr;
    unsigned editorOpenings_ = 0;
    bool applying_ = false;  // the history's own changes are no new steps
};
