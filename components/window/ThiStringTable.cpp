#include "components/window/ThiStringTable.h"

#include <QHeaderView>
#include <QItemSelectionModel>
#include <algorithm>

#include "components/window/StringTableModel.h"
#include "components/window/StringTableView.h"
#include "components/window/TListEdit.h"
#include "components/window/TableFileHeader.h"
#include "components/window/TableHoverSelect.h"
#include "objlib/FileSystem.h"
#include "objlib/TStrList.h"
#include "objlib/qt/QtAlignment.h"
#include "objlib/qt/QtColor.h"

ThiStringTable::ThiStringTable(TControl* parent) : THIWin(parent) {}

ThiStringTable::~ThiStringTable() {
    editor_.reset();
    hover_.reset();
    signalContext_.reset();
    // The view, still alive until the base goes, falls back to an empty model.
    model_.reset();
}

// The widget is the view Init created (nil before Init and once the window is gone).
StringTableView* ThiStringTable::View() const {
    return Control ? static_cast<StringTableView*>(Control->Widget()) : nullptr;
}

void ThiStringTable::PaintPendingRows() {
    if (StringTableView* view = View()) view->PaintPendingRows();
}

void ThiStringTable::Init() {
    if (Delimiter.empty()) Delimiter = " ";
    if (ColorDelimiter.empty()) ColorDelimiter = "#";
    rows_.Delimiter = Delimiter[0];
    rows_.ColorDelimiter = ColorDelimiter[0];
    rows_.ColorPrefix = ColorPrefix;

    auto* view = new StringTableView;
    model_ = std::make_unique<StringTableModel>(rows_);
    model_->SetColumnAlignment(ToQtAlignment(ColumnAlign));
    model_->SetCheckBoxes(CheckBoxes, [this](int row, bool checked) { RaiseInteger(checked ? onCheck : onUncheck, row); });
    view->setModel(model_.get());
    view->setSelectionBehavior(RowSelect ? QAbstractItemView::SelectRows : QAbstractItemView::SelectItems);
    view->setSelectionMode(MultiSelect ? QAbstractItemView::ExtendedSelection : QAbstractItemView::SingleSelection);
    view->setShowGrid(GridLines);
    view->horizontalHeader()->setVisible(ViewStyle != 4);
    view->horizontalHeader()->setSectionsMovable(HeaderDragDrop);
    view->horizontalHeader()->setDefaultSectionSize(std::max(StrToInteger(ColumnWidth), 0));
    Control = std::make_unique<TControl>(ParentControl, view);
    THIWin::Init();
    view->FitRowHeightToFont();
    ApplyColors();
    SetColumns(Columns);

    signalContext_ = std::make_unique<QObject>();
    QObject::connect(view->selectionModel(), &QItemSelectionModel::selectionChanged, signalContext_.get(),
                     [this](const QItemSelection& selected) {
                         if (!selected.isEmpty()) RowsSelected(selected);
                     });
    QObject::connect(model_.get(), &QAbstractItemModel::dataChanged, signalContext_.get(),
                     [this](const QModelIndex& from, const QModelIndex& to) { RowsChanged(from.row(), to.row()); });
    QObject::connect(view, &QAbstractItemView::pressed, signalContext_.get(),
                     [this](const QModelIndex& index) { RowPressed(index.row()); });
    QObject::connect(view->horizontalHeader(), &QHeaderView::sectionClicked, signalContext_.get(),
                     [this](int column) { ColumnClicked(column); });
    if (Editable) editor_ = std::make_unique<TListEdit>(*view, *model_, rows_, onBeginEdit, onEndEdit);
    if (HotTrack)
        hover_ = std::make_unique<TableHoverSelect>(*view, [this] { return !editor_ || !editor_->IsOpen(); });
}

void ThiStringTable::ApplyColors() {
    StringTableView* view = View();
    if (!view) return;
    QPalette palette = view->palette();
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        palette.setColor(group, QPalette::Text, ToQColor(TextColor));
        palette.setColor(group, QPalette::Base, ToQColor(BkColor));
    }
    view->setPalette(palette);
    model_->SetDefaultBackground(ToQColor(TextBkColor));
    view->viewport()->update();
}

void ThiStringTable::SetColumns(const Bytes& lines) {
    const std::vector<Bytes> captions = ColumnCaptions(lines);
    if (model_) {
        model_->SetColumns(captions);
        return;
    }
    rows_.ClearColumns();
    for (const Bytes& caption : captions) rows_.AddColumn(caption);
}

void ThiStringTable::RowsSelected(const QItemSelection& selected) {
    ++selectionChanges_;
    int first = selected.first().top();
    for (const QItemSelectionRange& range : selected) first = std::min(first, range.top());
    if (SelectEvents) RaiseInteger(onSelect, first);
}

void ThiStringTable::RowsChanged(int first, int last) {
    StringTableView* view = View();
    const int selected = view ? view->FirstSelectedRow() : -1;
    if (selected >= first && selected <= last) RaiseInteger(onSelectedRowChanged, selected);
}

void ThiStringTable::MouseDown(int button) {
    selectionChangesAtPress_ = selectionChanges_;
    THIWin::MouseDown(button);
}

// A press on the row that is already selected changes no selection, yet the user chose that
// row: the table of contents must jump again to a section it already highlights.
void ThiStringTable::RowPressed(int row) {
    if (selectionChanges_ != selectionChangesAtPress_) return;
    StringTableView* view = View();
    if (SelectEvents && view && view->FirstSelectedRow() == row) RaiseInteger(onSelect, row);
}

void ThiStringTable::ColumnClicked(int column) {
    if (ColumnClickMode == 1)
        RaiseInteger(onColumnClick, column);
    else
        RaiseString(onColumnClick, rows_.ColumnCaption(column));
}

void ThiStringTable::CloseEditor() {
    if (editor_) editor_->CloseSaving();
}

void ThiStringTable::KeyDown(int& key) {
    THIWin::KeyDown(key);
    if (key != 0 && editor_) editor_->ListKeyDown(key);
}

// ---- Method points -------------------------------------------------------------------------

void ThiStringTable::doAdd(TData& d, uint16_t) { rows_.AddOrReplace(ReadString(d, Str), -1, false); }

void ThiStringTable::doInsert(TData& d, uint16_t) {
    const int index = ToInteger(d);
    CloseEditor();
    rows_.AddOrReplace(PullString(Str), index, false);
}

void ThiStringTable::doDelete(TData& d, uint16_t) {
    CloseEditor();
    rows_.Delete(ToInteger(d));
}

void ThiStringTable::doClear(TData&, uint16_t) {
    CloseEditor();
    rows_.Clear();
    if (ClearColumns) SetColumns(Bytes());
    // The view lays itself out again only after the next rows arrived, keeping the old scroll
    // position for them: a table filled anew starts at its first row.
    if (StringTableView* view = View()) view->scrollToTop();
}

void ThiStringTable::doSelect(TData& d, uint16_t) {
    const int row = ToInteger(d);
    StringTableView* view = View();
    if (!view) return;
    CloseEditor();
    model_->Publish();
    view->SelectRowAlone(row);
    if (ScrollToSelection) ScrollToRow(row);
}

// Each step makes one row visible, scrolling no further than needed, so two steps put the
// row at the top, the middle or the bottom of the view.
void ThiStringTable::ScrollToRow(int row) {
    StringTableView& view = *View();
    const int perPage = view.RowsPerPage();
    const int last = model_->rowCount() - 1;
    switch (CursorPosition) {
    case 1: {
        const int below = std::min(row + perPage, last);
        view.MakeRowVisible(below);
        view.MakeRowVisible(below - perPage);
        break;
    }
    case 2: {
        const int below = std::min(row + perPage / 2, last);
        view.MakeRowVisible(below);
        view.MakeRowVisible(std::max(below - perPage, 0));
        break;
    }
    case 3:
        view.MakeRowVisible(std::max(row - perPage, 0));
        break;
    default:
        break;
    }
    // Near the end of the table the steps above stop one row short of the last one, which
    // would leave a selected last row below the view; this step moves nothing otherwise.
    view.MakeRowVisible(row);
}

void ThiStringTable::doCursorPosition(TData& d, uint16_t) { CursorPosition = static_cast<uint8_t>(ToInteger(d)); }

void ThiStringTable::doSelectEvents(TData& d, uint16_t) { SelectEvents = IsNonZero(d); }

void ThiStringTable::doLoad(TData& d, uint16_t) {
    const Bytes path = ReadString(d, FileNamePoint, FileName);
    Bytes content;
    if (!ReadWholeFile(path, content)) {
        RaiseNull(onError);
        return;
    }
    TStrList lines;
    lines.SetText(content, false);
    CloseEditor();
    rows_.Clear();
    SetColumns(lines.Count() > 0 ? ColumnList(lines.Get(0)) : Bytes());
    for (int i = 1; i < lines.Count(); ++i) rows_.AddOrReplace(lines.Get(i), -1, false);
}

// Applies the colours of a table file's header line and answers its column list, one
// caption per line.
Bytes ThiStringTable::ColumnList(std::string_view header) {
    const TableFileHeader read = ReadTableFileHeader(header, rows_.Delimiter, rows_.ColorDelimiter);
    if (read.HasColors) {
        TextColor = read.TextColor;
        TextBkColor = read.TextBkColor;
        BkColor = read.BkColor;
        ApplyColors();
    }
    return read.ColumnList;
}

// ---- Value points --------------------------------------------------------------------------

void ThiStringTable::SelectedIndex(TData& d, uint16_t) {
    StringTableView* view = View();
    SetInteger(d, view ? view->FirstSelectedRow() : -1);
}

void ThiStringTable::Row(TData& d, uint16_t) {
    StringTableView* view = View();
    SetString(d, rows_.RowString(view ? view->FirstSelectedRow() : -1));
}

void ThiStringTable::Count(TData& d, uint16_t) { SetInteger(d, rows_.Count()); }

void ThiStringTable::Array(TData& d, uint16_t) { SetArray(d, rows_.Array()); }
