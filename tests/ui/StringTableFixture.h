// What the string table tests share: the two tables of the tables panel as the editor sets
// them up, on a shown form, and readers of the table's value points.
#pragma once

#include <QCoreApplication>
#include <QTableView>

#include "UiTestSupport.h"
#include "components/window/ThiStringTable.h"

// The main table: kind, parameter, value and comment, coloured rows, hover selection, editor.
inline void ConfigureMainTable(ThiStringTable& table) {
    table.Left = 1;
    table.Top = 1;
    table.Width = 515;
    table.Height = 551;
    table.Columns = Cp("тип\r\nпараметр\r\nзначение\r\nкоментарий");
    table.ColumnWidth = "165";
    table.Delimiter = "\t";
    table.ColorDelimiter = "#";
    table.ColorPrefix = true;
    table.FileName = "main_table.ini";
    table.GridLines = true;
    table.RowSelect = true;
    table.HotTrack = true;
    table.FlatScrollBars = true;
    table.Editable = true;
    table.ScrollToSelection = true;
    table.CursorPosition = 2;
    table.SelectEvents = true;
}

// The table of contents: index and section, no colours, no hover selection, no editor.
inline void ConfigureContentsTable(ThiStringTable& table) {
    table.Left = 520;
    table.Top = 1;
    table.Width = 250;
    table.Height = 551;
    table.Columns = Cp("индекс\r\nсекция");
    table.ColumnWidth = "80";
    table.Delimiter = "+";
    table.ColorDelimiter = "#";
    table.FileName = "section_table.ini";
    table.RowSelect = true;
    table.FlatScrollBars = true;
    table.ScrollToSelection = true;
    table.CursorPosition = 0;
    table.SelectEvents = true;
}

// Lets posted work (the batched publishing of rows, posted events) run.
inline void Settle() { QCoreApplication::processEvents(); }

inline void Call(ThiStringTable& table, void (ThiStringTable::*method)(TData&, uint16_t), TData d) {
    (table.*method)(d, 0);
}
inline void Call(ThiStringTable& table, void (ThiStringTable::*method)(TData&, uint16_t), int32_t value) {
    TData d;
    SetInteger(d, value);
    (table.*method)(d, 0);
}
inline void AddRow(ThiStringTable& table, const Bytes& row) { Call(table, &ThiStringTable::doAdd, StringData(row)); }

inline int32_t SelectedIndex(ThiStringTable& table) { return PullInteger(Point<&ThiStringTable::SelectedIndex>(table)); }
inline Bytes SelectedRow(ThiStringTable& table) { return PullString(Point<&ThiStringTable::Row>(table)); }

// Every row as the Array value gives it.
inline std::vector<std::string> AllRows(ThiStringTable& table) {
    TArrayIntf* array = ReadArray(Point<&ThiStringTable::Array>(table));
    std::vector<std::string> rows;
    if (!array) return rows;
    for (int32_t i = 0; i < ArrayCount(*array); ++i) {
        TData index, item;
        SetInteger(index, i);
        if (ArrayGet(*array, index, item)) rows.push_back(ToString(item).str());
    }
    return rows;
}

inline QTableView* ViewOf(ThiStringTable& table) { return table.Control->As<QTableView>(); }

// The centre of a cell's visible part in window coordinates, for the QWindow* overloads of QTest.
inline QPoint CellPos(TestForm& form, ThiStringTable& table, int row, int column) {
    QTableView* view = ViewOf(table);
    const QRect cell = view->visualRect(view->model()->index(row, column)) & view->viewport()->rect();
    return view->viewport()->mapTo(form.Widget(), cell.center());
}
