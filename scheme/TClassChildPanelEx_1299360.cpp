#include "scheme/TClassChildPanelEx_1299360.h"

#include "objlib/Cp1251Literal.h"
#include "scheme/TClassChildPanel_1B60E80.h"
#include "scheme/TClassMultiElementEx_1B35490.h"
#include "scheme/TClassMultiElementEx_1B5D100.h"

// The components are set up in the order of creation, each with its settings and then its
// connections. Two steps keep an order of their own: the panel is initialised before the
// components on it are created (CreatePanel, from the member initialisers), since their windows
// are its children; and the controls' Init calls and the containers' factories come last, last
// created first (InitControls), since Init creates a control's window, the search panel's factory
// builds its strip at once, and the docking and the TAB order follow the order of the windows.
TClassChildPanelEx_1299360::TClassChildPanelEx_1299360(TControl* parent)
    : TablesPanel(parent),
      PanelWindow(CreatePanel()),
      MainTable(PanelWindow),
      ContentsTable(PanelWindow),
      CommentBox(PanelWindow),
      RowMenu(PanelWindow),
      Writer(PanelWindow),
      ContentsFollower(PanelWindow),
      SearchPanel(PanelWindow) {
    PanelPoints.SetWorkCount(6);
    PanelPoints.WorkPoints[0] = Point<&THIFormatStr::doString>(ContentsEntry);
    PanelPoints.WorkPoints[1] = Point<&THIHub::doEvent>(AddRowHub);
    PanelPoints.WorkPoints[2] = Point<&THIHub::doEvent>(ClearHub);
    PanelPoints.WorkPoints[3] = Point<&ThiStringTable::doCursorPosition>(MainTable);
    PanelPoints.WorkPoints[4] = Point<&THIMultiElementEx::doWork>(Writer, 0);
    PanelPoints.WorkPoints[5] = Point<&THIHub::doEvent>(LoadHub);
    PanelPoints.Scheme = this;

    MainTable.SetPlacement(1, 1, 515, 551);
    MainTable.Align = Align::Client;
    MainTable.Columns = "тип\r\nпараметр\r\nзначение\r\nкоментарий"_cp1251;
    MainTable.ColumnWidth = "165";
    MainTable.ColumnAlign = 0;
    MainTable.Delimiter = "\t";
    MainTable.ColorDelimiter = "#";
    MainTable.ColorPrefix = true;
    MainTable.FileName = "main_table.ini";
    MainTable.ViewStyle = 3;
    MainTable.GridLines = true;
    MainTable.RowSelect = true;
    MainTable.HotTrack = true;
    MainTable.FlatScrollBars = true;
    MainTable.Editable = true;
    MainTable.ScrollToSelection = true;
    MainTable.CursorPosition = 2;
    MainTable.SelectEvents = true;
    MainTable.ClearColumns = false;
    MainTable.ColumnClickMode = 0;
    MainTable.TextColor = 0xFF000008;
    MainTable.TextBkColor = 0xFF000005;
    MainTable.BkColor = 0xFF000005;
    MainTable.Str = Point<&THIMemory::Value>(RowText);
    MainTable.onSelect = Point<&THIHub::doEvent>(MainSelectHub);
    MainTable.onMouseUp = Point<&THIIf_else::doCompare>(RightButton);
    // Added: the comment box follows an edit or an undo of the selected row, too.
    MainTable.onSelectedRowChanged = Point<&THIStrPart::doSplit>(CommentSplit1);

    ContentsTable.SetPlacement(516, 1, 135, 551);
    ContentsTable.Align = Align::Right;
    ContentsTable.Splitter = TSplitterRec{4, 0xFF00000F, 130, 400};
    ContentsTable.Columns = "индекс\r\nсекция"_cp1251;
    ContentsTable.ColumnWidth = "80";
    ContentsTable.ColumnAlign = 0;
    ContentsTable.Delimiter = "+";
    ContentsTable.ColorDelimiter = "#";
    ContentsTable.ColorPrefix = false;
    ContentsTable.FileName = "section_table.ini";
    ContentsTable.ViewStyle = 3;
    ContentsTable.GridLines = false;
    ContentsTable.RowSelect = true;
    ContentsTable.HotTrack = false;
    ContentsTable.FlatScrollBars = true;
    ContentsTable.Editable = false;
    ContentsTable.ScrollToSelection = true;
    ContentsTable.CursorPosition = 0;
    ContentsTable.SelectEvents = true;
    ContentsTable.ClearColumns = false;
    ContentsTable.ColumnClickMode = 0;
    ContentsTable.TextColor = 0xFF000008;
    ContentsTable.TextBkColor = 0xFF000005;
    ContentsTable.BkColor = 0xFF000005;
    ContentsTable.onSelect = Point<&THIDoData::doData>(ContentsPick);

    CommentBox.SetPlacement(1, 552, 650, 20);
    CommentBox.Align = Align::Bottom;
    CommentBox.ReadOnly = true;
    CommentBox.Text = "";
    CommentBox.Color = 0xFF000005;
    CommentBox.FileText = true;  // added: a comment of the open file, in its encoding

    RowMenu.Items = "Добавить коментарий\r\nДобавить секцию\r\nДобавить параметр\r\nУдалить строку"_cp1251;
    RowMenu.onClick = Point<&THIIndexToChanel::doEvent>(MenuChannels);

    RightButton.Type = Compare::Equal;
    SetInteger(RightButton.Op2, 1);
    RightButton.onTrue = Point<&THIPopupMenu::doPopup>(RowMenu);

    MenuChannels.SetCount(4);
    MenuChannels.onEvent[0] = Point<&THIDoData::doData>(CommentTemplate);
    MenuChannels.onEvent[1] = Point<&THIDoData::doData>(SectionTemplate);
    MenuChannels.onEvent[2] = Point<&THIDoData::doData>(ParameterTemplate);
    MenuChannels.onEvent[3] = Point<&THIDoData::doData>(DeleteAtSelection);

    SetString(CommentTemplate.Data, "0#15466238\tcom\t\t\tкоментарий"_cp1251);
    CommentTemplate.onEventData = Point<&THIHub::doEvent>(InsertHub, 0);
    SetString(SectionTemplate.Data, "0#16707055\tsec\tсекция\t\tкоментарий"_cp1251);
    SectionTemplate.onEventData = Point<&THIHub::doEvent>(InsertHub, 1);
    SetString(ParameterTemplate.Data, "0#0\tkey\tпараметр\tзначение\tкоментарий"_cp1251);
    ParameterTemplate.onEventData = Point<&THIHub::doEvent>(InsertHub, 2);

    InsertHub.SetOutCount(2);
    InsertHub.onEvent[0] = Point<&THIMemory::doValue>(RowText);
    InsertHub.onEvent[1] = Point<&THIDoData::doData>(InsertAtSelection);

    InsertAtSelection.DataPoint = Point<&ThiStringTable::SelectedIndex>(MainTable);
    InsertAtSelection.onEventData = Point<&ThiStringTable::doInsert>(MainTable);

    DeleteAtSelection.DataPoint = Point<&ThiStringTable::SelectedIndex>(MainTable);
    DeleteAtSelection.onEventData = Point<&ThiStringTable::doDelete>(MainTable);

    AddRowHub.SetOutCount(2);
    AddRowHub.onEvent[0] = Point<&THIMemory::doValue>(RowText);
    AddRowHub.onEvent[1] = Point<&ThiStringTable::doAdd>(MainTable);

    // Str2 stays unconnected: %2 takes the section name that came with the call.
    ContentsEntry.Mask = "%1+%2";
    ContentsEntry.SetDataCount(2);
    ContentsEntry.SkipInserted = 1;
    ContentsEntry.Str[0] = Point<&ThiStringTable::Count>(MainTable);
    ContentsEntry.onFString = Point<&ThiStringTable::doAdd>(ContentsTable);

    ClearHub.SetOutCount(4);
    ClearHub.onEvent[0] = Point<&ThiStringTable::doClear>(MainTable);
    ClearHub.onEvent[1] = Point<&ThiStringTable::doClear>(ContentsTable);
    ClearHub.onEvent[2] = Point<&THIMultiElementEx::doWork>(Writer, 1);
    // Without it the comment of the last file's selected row would stay in the box.
    ClearHub.onEvent[3] = Point<&THIDoData::doData>(EmptyComment);
    SetString(EmptyComment.Data, "");
    EmptyComment.onEventData = Point<&THIEdit::doText>(CommentBox);

    LoadHub.SetOutCount(2);
    LoadHub.onEvent[0] = Point<&ThiStringTable::doLoad>(ContentsTable);
    LoadHub.onEvent[1] = Point<&ThiStringTable::doLoad>(MainTable);

    ContentsPick.DataPoint = Point<&ThiStringTable::Row>(ContentsTable);
    ContentsPick.onEventData = Point<&THIStrPart::doSplit>(ContentsIndex);

    ContentsIndex.Char = "+";
    ContentsIndex.onSplit = Point<&ThiStringTable::doSelect>(MainTable);

    MainSelectHub.SetOutCount(2);
    MainSelectHub.onEvent[0] = Point<&THIMultiElementEx::doWork>(ContentsFollower, 0);
    MainSelectHub.onEvent[1] = Point<&THIStrPart::doSplit>(CommentSplit1);

    CommentSplit1.Char = "\t";
    CommentSplit1.Str = Point<&ThiStringTable::Row>(MainTable);
    CommentSplit1.onPart = Point<&THIStrPart::doSplit>(CommentSplit2);

    CommentSplit2.Char = "\t";
    CommentSplit2.onPart = Point<&THIStrPart::doSplit>(CommentSplit3);

    CommentSplit3.Char = "\t";
    CommentSplit3.onPart = Point<&THIEdit::doText>(CommentBox);

    Writer.SetDataCount(2);  // changed: one more, for the mark
    Writer.DataPoints[0] = Point<&ThiStringTable::Array>(MainTable);
    Writer.DataPoints[1] = Point<&THIEditMultiBase::Data>(PanelPoints, 0);  // added: the file's mark

    ContentsFollower.SetEventCount(2);
    ContentsFollower.SetDataCount(1);
    ContentsFollower.EventPoints[0] = Point<&ThiStringTable::doSelect>(ContentsTable);
    ContentsFollower.EventPoints[1] = Point<&ThiStringTable::doSelectEvents>(ContentsTable);
    ContentsFollower.DataPoints[0] = Point<&ThiStringTable::Array>(ContentsTable);

    SearchPanel.CreateOnDemand = false;
    SearchPanel.SetEventCount(1);
    SearchPanel.SetDataCount(3);
    SearchPanel.EventPoints[0] = Point<&ThiStringTable::doSelect>(MainTable);
    SearchPanel.DataPoints[0] = Point<&ThiStringTable::Array>(MainTable);
    SearchPanel.DataPoints[1] = Point<&ThiStringTable::SelectedIndex>(MainTable);
    SearchPanel.DataPoints[2] = Point<&ThiStringTable::Count>(MainTable);

    InitControls();
}

TControl* TClassChildPanelEx_1299360::CreatePanel() {
    TablesPanel.SetPlacement(140, 0, 652, 573);
    TablesPanel.Align = Align::Client;
    TablesPanel.Color = 0xFF00000F;
    TablesPanel.Init();
    return TablesPanel.Control.get();
}

void TClassChildPanelEx_1299360::InitControls() {
    SearchPanel.SetFactory(&MakeScheme<TClassChildPanel_1B60E80>);
    ContentsFollower.SetFactory(&MakeScheme<TClassMultiElementEx_1B5D100>);
    Writer.SetFactory(&MakeScheme<TClassMultiElementEx_1B35490>);
    CommentBox.Init();
    ContentsTable.Init();
    MainTable.Init();
}
