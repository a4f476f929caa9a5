#include "scheme/TClassMainForm_12C49D4.h"

#include "objlib/qt/Application.h"
#include "objlib/qt/TabOrderByPlace.h"
#include "objlib/qt/Translation.h"
#include "scheme/GameWindowParts.h"
#include "scheme/TClassChildForm_130C0D8.h"
#include "scheme/TClassChildPanelEx_1299360.h"
#include "scheme/TClassChildPanelEx_12B76E4.h"
#include "scheme/TClassMultiElementEx_12C4A68.h"
#include "scheme/TClassMultiElementEx_12D3344.h"

// The components are set up in the order of creation, each with its settings and then its
// connections. Three steps keep an order of their own: the main form is initialised before the
// components on it are created (InitMainForm, from the member initialisers), since the nested
// schemes' windows are its children; the containers receive their factories last, last created
// first (BuildInnerSchemes), since a factory builds its inner scheme, windows included, at once,
// and the docking and the TAB order follow the order of the windows; and the file keeper comes
// after both, since it watches the tables panel's main table and takes over connections made
// above.
TClassMainForm_12C49D4::TClassMainForm_12C49D4()
    : MainForm(nullptr),
      FileListBox(InitMainForm()),
      AboutBox(MainForm.Control.get()),
      TablesBox(MainForm.Control.get()),
      Drop(MainForm.Control.get()),
      FilePanelBox(MainForm.Control.get()),
      ParserBox(nullptr) {
    MainForm.onCreate = Point<&THIHub::doEvent>(StartHub);
    // TAB and Shift+TAB move the focus between the main window's TAB stops: Qt's own focus
    // chain does this for every top-level window.

    FileListBox.SetEventCount(3);
    FileListBox.SetDataCount(0);
    FileListBox.EventPoints[0] = Point<&THIMultiElementEx::doWork>(FilePanelBox, 0);
    FileListBox.EventPoints[1] = Point<&THIMultiElementEx::doWork>(FilePanelBox, 1);
    FileListBox.EventPoints[2] = Point<&THIMultiElementEx::doWork>(ParserBox, 0);

    AboutBox.CreateOnDemand = true;
    AboutBox.SetEventCount(0);
    AboutBox.SetDataCount(0);

    TablesBox.SetEventCount(0);
    TablesBox.SetDataCount(0);

    Drop.onDropFile = Point<&THIMultiElementEx::doWork>(FileListBox, 0);
    Drop.onEndDrop = Point<&THIMultiElementEx::doWork>(FileListBox, 1);

    FilePanelBox.SetEventCount(9);  // #8: "Сохранить как...", taken by the keeper below
    FilePanelBox.SetDataCount(0);
    FilePanelBox.EventPoints[0] = Point<&THIMultiElementEx::doWork>(FileListBox, 2);
    FilePanelBox.EventPoints[1] = Point<&THIMultiElementEx::doWork>(FileListBox, 3);
    FilePanelBox.EventPoints[2] = Point<&THIMultiElementEx::doWork>(FileListBox, 4);
    FilePanelBox.EventPoints[3] = Point<&THIMultiElementEx::doWork>(FileListBox, 5);
    FilePanelBox.EventPoints[4] = Point<&THIMultiElementEx::doWork>(FileListBox, 6);
    FilePanelBox.EventPoints[5] = Point<&THIMultiElementEx::doWork>(TablesBox, 3);
    FilePanelBox.EventPoints[6] = Point<&THIMultiElementEx::doWork>(TablesBox, 4);
    FilePanelBox.EventPoints[7] = Point<&THIMultiElement::doWork>(AboutBox, 0);

    ParserBox.SetEventCount(3);
    ParserBox.SetDataCount(0);
    ParserBox.EventPoints[0] = Point<&THIMultiElementEx::doWork>(TablesBox, 0);
    ParserBox.EventPoints[1] = Point<&THIMultiElementEx::doWork>(TablesBox, 1);
    ParserBox.EventPoints[2] = Point<&THIMultiElementEx::doWork>(TablesBox, 2);

    StartHub.SetOutCount(2);
    StartHub.onEvent[0] = Point<&THIMultiElementEx::doWork>(FilePanelBox, 2);
    StartHub.onEvent[1] = Point<&THIMultiElementEx::doWork>(TablesBox, 5);

    BuildInnerSchemes();

    // The keeper takes over the actions that could lose edits or write over a file that was
    // not read whole: it asks or refuses first, then passes each on where it went before.
    auto& tables = *static_cast<TClassChildPanelEx_1299360*>(TablesBox.Inner->Scheme);
    Keeper.Watch(MainForm.Control->Widget(), InterfaceText(MainForm.Caption), tables.MainTable);
    FileListBox.EventPoints[2] = Point<&FileKeeper::doOpen>(Keeper);
    Keeper.onOpen = Point<&THIMultiElementEx::doWork>(ParserBox, 0);
    Keeper.onNothingOpen = Point<&THIMultiElementEx::doWork>(TablesBox, 2);
    FilePanelBox.EventPoints[6] = Point<&FileKeeper::doSave>(Keeper);
    Keeper.onSave = Point<&THIMultiElementEx::doWork>(TablesBox, 4);
    TablesBox.SetDataCount(1);  // the writer puts the open file's byte-order mark back
    TablesBox.DataPoints[0] = Point<&FileKeeper::ByteOrderMark>(Keeper);
    SaveKeys.Keys = "Ctrl+S";
    SaveKeys.onShortcut = Point<&FileKeeper::doSave>(Keeper);
    SaveKeys.Init();
    // The file panel's box chooses, at each save, between the tables' writer and keeping the lines.
    Keeper.KeepLines = Point<&THICheckBox::CheckedValue>(
        static_cast<TClassChildPanelEx_12B76E4*>(FilePanelBox.Inner->Scheme)->KeepLinesBox);
    for (uint16_t i = 0; i < 3; ++i) {  // the list's load, remove and clear
        FilePanelBox.EventPoints[1 + i] = Point<&FileKeeper::doAskFirst>(Keeper, i);
        Keeper.onGoAhead[i] = Point<&THIMultiElementEx::doWork>(FileListBox, 3 + i);
    }
    // "Сохранить как...": the keeper writes where the writer is pointed, then lists the file as a
    // drop does and makes its entry the current one, as a double click does.
    auto& fileList = *static_cast<TClassMultiElementEx_12C4A68*>(FileListBox.Inner->Scheme);
    FilePanelBox.EventPoints[8] = Point<&FileKeeper::doSaveAs>(Keeper);
    Keeper.onWriteTo = Point<&THIMultiElementEx::doWork>(tables.Writer, 1);
    Keeper.Files = Point<&THIStrList::Array>(fileList.List);
    Keeper.onAddFile = Point<&THIMultiElementEx::doWork>(FileListBox, 0);
    Keeper.onShowFiles = Point<&THIMultiElementEx::doWork>(FileListBox, 1);
    Keeper.onFileIndex = Point<&THIGlobalVar::doValue>(fileList.FileIndexVar);

    // The history keeps the main table's edits for Ctrl+Z and Ctrl+Shift+Z / Ctrl+Y; whether the
    // table is saved is whether the history stands where it stood at the last open or save.
    History.Watch(MainForm.Control->Widget(), tables.MainTable, tables.ContentsTable.Rows());
    tables.MainTable.onBeginEdit = Point<&EditHistory::doEditBegins>(History);  // one step per opening
    Keeper.Unsaved = Point<&EditHistory::Unsaved>(History);
    Keeper.onSaved = Point<&EditHistory::doSaved>(History);
    History.onUnsavedChanged = Point<&FileKeeper::doShowUnsaved>(Keeper);

    // Beyond the tables: the game's reading of the files, which also lists overlay headers.
    WatchTheGame(*this);
    // TAB follows the screen, not the order in which the windows above were created.
    OrderTabStopsByPlace(*MainForm.Control);
}

TControl* TClassMainForm_12C49D4::InitMainForm() {
    MainForm.SetPlacement(200, 100, 800, 600);  // left and top give way: the form is centred in Init
    MainForm.MinWidth = 430;   // the file panel, the search strip whole, the tables side by side
    MainForm.MinHeight = 573;  // the file panel down to its last button
    MainForm.Align = Align::None;
    MainForm.Color = 0xFF00000F;
    MainForm.Font = TFontRec{"MS Sans Serif", 8, 0, 0, 1};
    MainForm.AlphaBlend = 255;
    MainForm.Caption = "Morvane 1.0 by Dovrin";
    MainForm.BorderStyle = 2;
    MainForm.Icon = LoadIcon(QStringLiteral(":/ICON0"));
    MainForm.Visible = true;
    MainForm.MouseCapture = false;
    MainForm.Cursor = 0;
    MainForm.Init();
    return MainForm.Control.get();
}

void TClassMainForm_12C49D4::BuildInnerSchemes() {
    ParserBox.SetFactory(&MakeScheme<TClassMultiElementEx_12D3344>);
    FilePanelBox.SetFactory(&MakeScheme<TClassChildPanelEx_12B76E4>);
    TablesBox.SetFactory(&MakeScheme<TClassChildPanelEx_1299360>);
    AboutBox.SetFactory(&MakeScheme<TClassChildForm_130C0D8>);  // built on its first call
    FileListBox.SetFactory(&MakeScheme<TClassMultiElementEx_12C4A68>);
}
