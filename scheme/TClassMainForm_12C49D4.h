// The main scheme: the main window and what hangs directly under it: the file list, the About
// window (built on its first use), the tables panel, the file-drop target, the file panel,
// the line parser and the start-up hub, wired together.
//
// Build it while the event hooks are inactive, then ActivateHooks and RunInitQueue: the main
// form raises onCreate (the file panel selects its default cursor position, then the tables
// panel loads its table files), then the window is shown and drops are accepted. The main
// window's close request switches the hooks off and ends the message loop; the scheme is then
// destroyed with nothing travelling.
#pragma once

#include "components/window/EditHistory.h"
#include "components/window/FileKeeper.h"
#include "components/window/GameWindow.h"
#include "components/window/THIDropFile.h"
#include "components/window/THIMainForm.h"
#include "components/window/THIShortcut.h"
#include "runtime/MultiElement.h"
#include "runtime/THIHub.h"

class TClassMainForm_12C49D4 : public TScheme {
public:
    TClassMainForm_12C49D4();

    THIMainForm MainForm;  // set up before the components placed on it are created
    THIMultiElementEx FileListBox;
    THIMultiElement AboutBox;
    THIMultiElementEx TablesBox;
    THIDropFile Drop;
    THIMultiElementEx FilePanelBox;
    THIMultiElementEx ParserBox;
    THIHub StartHub;
    FileKeeper Keeper;  // stands between the user's actions and the open file
    EditHistory History;  // undo and redo of the main table's edits, and whether they are saved
    THIShortcut SaveKeys{MainForm.Control.get()};  // Ctrl+S saves as "Сохранить файл" does
    GameWindow Game;  // the files as the game reads them: parameters, parents, problems

private:
    // Sets MainForm up and returns its window, the parent of the nested schemes' windows.
    TControl* InitMainForm();
    // Gives the containers their factories, last created first.
    void BuildInnerSchemes();
};
