// The file panel: the strip on the left of the main window with the names of the remembered
// files, the buttons that manage that list, the cursor-position choice for jumps from the
// table of contents, and the buttons that write the current file and open the About window.
// It decides nothing itself: every user action leaves through one of its event points.
//
// Container points: methods #0 add a file name to the list, #1 empty the list, #2 select the
// default cursor position ("в центре", raising nothing); events #0 save the list, #1 load the
// list, #2 remove the current file, #3 clear the list, #4 open the file double-clicked (the
// mouse button; its index is stored in the global variable "FileIndex" first), #5 the cursor
// position picked by the user (0..3), #6 write the current file, #7 show the About window,
// #8 save the current file under another name.
// KeepLinesBox tells the file keeper, through its value point, how "Сохранить файл" writes.
#pragma once

#include "components/window/THIButton.h"
#include "components/window/THICheckBox.h"
#include "components/window/THIComboBox.h"
#include "components/window/THILabel.h"
#include "components/window/THIListBox.h"
#include "components/window/THIPanel.h"
#include "runtime/MultiElement.h"
#include "runtime/THIDoData.h"
#include "runtime/THIGlobalVar.h"
#include "runtime/THIHub.h"

class TClassChildPanelEx_12B76E4 : public TScheme {
public:
    explicit TClassChildPanelEx_12B76E4(TControl* parent);

    THIPanel PanelBox;  // set up before the controls placed on it are created
    THIEditMultiEx View;
    THIButton RemoveButton;
    THIButton LoadListButton;
    THIButton SaveListButton;
    THIButton ClearButton;
    THIListBox FileList;
    THIComboBox CursorCombo;
    THILabel CursorLabel;
    THIButton SaveFileButton;
    THIButton AboutButton;
    THIButton SaveAsButton;
    // Added beside the panel's first controls: whether a save keeps the lines as read. Off at start.
    THICheckBox KeepLinesBox;
    THIDoData CursorDefault;
    THIHub OpenHub;          // store the index, then open
    THIDoData StoreIndex;    // FileList's current index into "FileIndex"
    THIGlobalVar FileIndexVar;

private:
    // Sets PanelBox up and returns its window, the parent of the controls.
    TControl* InitPanel();
    // Runs the controls' Init, last created first.
    void InitControls();
};
