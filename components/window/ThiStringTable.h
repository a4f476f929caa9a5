// ThiStringTable: the multi-column table of delimited row strings on which the editor rests
// (the main table and the table of contents), with row colours, selection and scrolling under
// the scheme's control, table files, and the in-place row editor.
//
// A row string is cells separated by the first character of Delimiter; with ColorPrefix on,
// its first cell "t#b" (ColorDelimiter between) colours the row (see StringTableModel) and is
// not shown. A row keeps one cell per column: extra cells are dropped, missing ones empty.
// Rows added one by one reach the view in batches (see StringTableModel), so filling the
// table with a whole file repaints and lays out the view once.
//
// onSelect is raised whenever a row becomes selected, by any means (mouse, keys, hover
// selection, doSelect), while SelectEvents is on; selecting the row that is already selected
// alone raises nothing.
//
// Points: methods doAdd, doInsert, doDelete, doClear, doSelect, doCursorPosition,
// doSelectEvents, doLoad; value points SelectedIndex, Row, Count, Array; data points Str and
// FileNamePoint (the data point `FileName`, suffixed because the property has that name);
// events onSelect, onColumnClick, onBeginEdit, onEndEdit, onCheck, onUncheck, onError,
// onSelectedRowChanged and those of THIWin (onMouseUp: 0 left, 1 right).
#pragma once

#include <memory>
#include <vector>

#include "components/window/StringTableRows.h"
#include "components/window/THIWin.h"

class QItemSelection;
class QObject;
class StringTableModel;
class StringTableView;
class TableHoverSelect;
class TListEdit;

class ThiStringTable : public THIWin {
public:
    explicit ThiStringTable(TControl* parent);
    ~ThiStringTable() override;

    // Fills an empty Delimiter (" ") and ColorDelimiter ("#"), creates the view (with the
    // editor when Editable, with hover selection when HotTrack), the base's Init, then the
    // colours and the columns from Columns.
    void Init() override;

    // ---- Method points -------------------------------------------------------------------------
    // Appends the row string read through Str (the incoming value when Str is unconnected).
    void doAdd(TData& d, uint16_t index);
    // Inserts the row string read through Str (an empty row when unconnected) before the row
    // whose index is the incoming value; -1 or an index past the end appends.
    void doInsert(TData& d, uint16_t index);
    // Deletes the row whose index is the incoming value; out of range: nothing.
    void doDelete(TData& d, uint16_t index);
    // Deletes every row, and with ClearColumns every column; the view is back at its top.
    void doClear(TData& d, uint16_t index);
    // Selects the row whose index is the incoming value alone and makes it current (an index
    // outside the rows only clears the selection); then, unless ScrollToSelection is off,
    // scrolls by CursorPosition: 0 just into view, 1 to the top, 2 to the middle, 3 to the
    // bottom of the view, where the table is long enough; a selected row always ends in view.
    // An open editor is closed with saving first, as it is by every change of the rows.
    void doSelect(TData& d, uint16_t index);
    void doCursorPosition(TData& d, uint16_t index);  // 0..3
    void doSelectEvents(TData& d, uint16_t index);    // non-zero: on
    // Replaces columns and rows by a table file, named by FileNamePoint or else FileName
    // (relative to the current folder). A file that cannot be read raises onError and
    // changes nothing. Otherwise the first line is the header: without ColorDelimiter it is the
    // column list; with it, its first four fields are TextColor, TextBkColor, BkColor and a
    // fourth colour (decimal; applied only when all four are given, the fourth has no use
    // here) and the rest is the column list. In the column list ColorDelimiter characters are
    // dropped and Delimiter characters separate the captions. Every further line is a row.
    void doLoad(TData& d, uint16_t index);

    // ---- Value points --------------------------------------------------------------------------
    void SelectedIndex(TData& d, uint16_t index);  // Integer: the first selected row, or -1
    // String: the selected row's cells joined by Delimiter, without colour prefix; empty when
    // no row is selected.
    void Row(TData& d, uint16_t index);
    void Count(TData& d, uint16_t index);  // Integer: the number of rows
    // Array over the rows: get gives a row as Row does; set rewrites a row from a row string
    // (cells not given keep their text); add appends as doAdd.
    void Array(TData& d, uint16_t index);

    // The rows themselves, for what keeps other state in step with them.
    TStringTableRows& Rows() { return rows_; }
    // Paints at once the rows changed since the last paint (StringTableView::PaintPendingRows).
    void PaintPendingRows();
    // Closes an open row editor, writing what was typed into its row.
    void CloseEditor();

    // ---- Properties ----------------------------------------------------------------------------
    Bytes Columns;            // captions, one per line; a caption ends at its first '='
    Bytes ColumnWidth = "50";  // decimal pixels, every column
    uint8_t ColumnAlign = 0;  // 0 left, 1 right, 2 centre
    Bytes Delimiter;          // first character used; empty: " "
    Bytes ColorDelimiter;     // first character used; empty: "#"
    bool ColorPrefix = false;
    Bytes FileName;
    // 3 report view, 4 report view without header. The icon and list views (0..2) are shown
    // as report views too.
    uint8_t ViewStyle = 3;
    bool GridLines = false;
    bool RowSelect = false;  // whole-row selection highlight
    bool HotTrack = false;   // hover selection
    // Kept as the schemes set it; Qt's scroll bars have no flat variant.
    bool FlatScrollBars = false;
    bool HeaderDragDrop = false;  // columns can be reordered by dragging their captions
    bool CheckBoxes = false;      // a check box in the first column of every row
    bool MultiSelect = false;
    bool Editable = false;  // the in-place row editor (TListEdit)
    bool ScrollToSelection = true;
    uint8_t CursorPosition = 0;
    bool SelectEvents = true;
    bool ClearColumns = false;
    uint8_t ColumnClickMode = 0;  // onColumnClick carries 0 the caption, 1 the index
    uint32_t TextColor = 0xFF000008;
    uint32_t TextBkColor = 0xFF000005;
    uint32_t BkColor = 0xFF000005;

    // ---- Data and event points -----------------------------------------------------------------
    THI_Event Str;
    THI_Event FileNamePoint;
    THI_Event onSelect;       // Integer row
    THI_Event onColumnClick;  // String caption or Integer index, by ColumnClickMode
    THI_Event onBeginEdit;    // Integer row, before the editor's boxes appear
    THI_Event onEndEdit;      // Integer row, posted after the editor closed with saving
    THI_Event onCheck;        // Integer row whose check box was checked
    THI_Event onUncheck;      // Integer row whose check box was cleared
    THI_Event onError;        // NULL: doLoad found no file
    // Added: Integer row, a cell of the selected row changed (an edit, an undo), which selecting
    // that row again would not tell.
    THI_Event onSelectedRowChanged;

protected:
    void KeyDown(int& key) override;
    void MouseDown(int button) override;

private:
    StringTableView* View() const;
    void ApplyColors();
    void SetColumns(const Bytes& lines);
    Bytes ColumnList(std::string_view header);
    void RowsSelected(const QItemSelection& selected);
    void RowsChanged(int first, int last);
    void RowPressed(int row);
    void ColumnClicked(int column);
    void ScrollToRow(int row);

    TStringTableRows rows_;
    std::unique_ptr<StringTableModel> model_;
    std::unique_ptr<QObject> signalContext_;  // ends the view's connections before the model goes
    std::unique_ptr<TListEdit> editor_;
    std::unique_ptr<TableHoverSelect> hover_;
    unsigned selectionChanges_ = 0;       // counts the selection changes ...
    unsigned selectionChangesAtPress_ = 0;  // ... to tell whether a press changed it
};
