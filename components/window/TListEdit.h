// TListEdit: the in-place row editor of a string table: one single-line box per column, laid
// over the cells of one row.
//
// Opening (Open, Enter in the list, a double click on the list): an open editor is closed with
// saving first; onBeginEdit is raised with the selected row (no selected row: nothing opens);
// the row is scrolled into view and the boxes, as wide as their columns, show its cells. The
// focus goes to the column that had it when the editor last closed with saving, else to the
// column under the mouse pointer, else to the first column.
//
// In a box, Enter closes with saving and reopens on the same row; Up and Down close with
// saving, hand the key to the list (the selection moves one row) and reopen on the new row;
// Esc closes without saving; every other key edits the box and goes nowhere else, except the
// undo and redo keys when the box has no typing of its own to undo or redo. A mouse
// press on the list closes with saving and forgets the remembered column. Any other key
// pressed in the list while the editor is open closes it with saving, lets the list handle
// the key, and reopens it (posted, after the list is done).
//
// Closing with saving writes every box whose text the user changed into its cell of the row
// the editor was opened on (the row's colours stay), remembers the focused column, hides the
// boxes, gives the focus back to the list if a box had it, and posts onEndEdit with the row.
// The cells are shown and typed in the open file's encoding (FileText.h): a typed character
// that encoding cannot write is refused and shown on its box (Cp1251Input.h); the cell
// delimiter, CR and LF become spaces, so an edit can never split or join cells of the row.
#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <vector>

#include "runtime/Dispatch.h"

class QLineEdit;
class QKeyEvent;
class StringTableModel;
class StringTableView;
class TStringTableRows;

class TListEdit : public QObject {
public:
    // The events are the table's onBeginEdit and onEndEdit fields, read when raised.
    TListEdit(StringTableView& view, StringTableModel& model, TStringTableRows& rows, const THI_Event& onBeginEdit,
              const THI_Event& onEndEdit);
    ~TListEdit() override;

    bool IsOpen() const { return row_ >= 0; }
    // The row the editor is open on, or -1.
    int Row() const { return row_; }

    // Opens on the selected row, as Enter in the list does.
    void Open();
    void CloseSaving();
    void CloseDiscarding();

    // A key pressed in the list, before the list handles it (virtual-key code; set to 0 when
    // the editor takes it).
    void ListKeyDown(int& key);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void OpenAt(int mouseColumn);
    void ShowBoxes(int focusColumn);
    void HideBoxes();
    void Place();
    int ColumnUnderPointer() const;
    int BoxIndex(const QObject* object) const;
    bool BoxKeyPress(QLineEdit* box, QKeyEvent* key);

    QPointer<StringTableView> view_;
    StringTableModel& model_;
    TStringTableRows& rows_;
    const THI_Event& onBeginEdit_;
    const THI_Event& onEndEdit_;
    std::vector<QPointer<QLineEdit>> boxes_;
    std::vector<QString> shown_;  // the texts the boxes opened with
    int row_ = -1;
    int rememberedColumn_ = -1;
};
