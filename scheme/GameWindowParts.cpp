#include "scheme/GameWindowParts.h"

#include <QListWidget>

#include "scheme/TClassChildPanelEx_1299360.h"
#include "scheme/TClassChildPanelEx_12B76E4.h"
#include "scheme/TClassMainForm_12C49D4.h"
#include "scheme/TClassMultiElementEx_12C4A68.h"

namespace {

// The file list container's points, as its scheme numbers them.
enum FileListPoint : uint16_t { AddFile = 0, ShowList = 1, OpenCurrent = 6 };
// The tables panel's points that take the parser's section names and rows.
enum TablesPoint : uint16_t { Section = 0, Row = 1 };

}  // namespace

void WatchTheGame(TClassMainForm_12C49D4& scheme) {
    auto& tables = *static_cast<TClassChildPanelEx_1299360*>(scheme.TablesBox.Inner->Scheme);
    auto& filePanel = *static_cast<TClassChildPanelEx_12B76E4*>(scheme.FilePanelBox.Inner->Scheme);
    auto& files = *static_cast<TClassMultiElementEx_12C4A68*>(scheme.FileListBox.Inner->Scheme);
    GameWindow& game = scheme.Game;

    scheme.ParserBox.EventPoints[1] = Point<&OverlayContentsEntries::doRow>(game.Overlays);
    game.Overlays.onSection = Point<&THIMultiElementEx::doWork>(scheme.TablesBox, Section);
    game.Overlays.onRow = Point<&THIMultiElementEx::doWork>(scheme.TablesBox, Row);

    GameWindow::Parts parts;
    parts.mainWindow = scheme.MainForm.Control.get();
    parts.keeper = &scheme.Keeper;
    parts.mainTable = &tables.MainTable;
    parts.tablesPanel = tables.PanelWindow;
    parts.filePanel = filePanel.PanelBox.Control.get();
    parts.fileNames = filePanel.FileList.Control->As<QListWidget>()->model();
    parts.listed = &files.List.Lines();
    parts.addFile = Point<&THIMultiElementEx::doWork>(scheme.FileListBox, AddFile);
    parts.showList = Point<&THIMultiElementEx::doWork>(scheme.FileListBox, ShowList);
    parts.openCurrent = Point<&THIMultiElementEx::doWork>(scheme.FileListBox, OpenCurrent);
    parts.rowMenu = &tables.RowMenu;
    parts.menuChannels = &tables.MenuChannels;
    game.Watch(parts);
}
