// The search strip above the main table: walks the main table's rows from the current one, up
// or down, and selects the first parameter row whose name starts with the typed text (or, with
// "По всей строке", whose line contains it), as the user types, on the button, and on F3
// (downwards) or Shift+F3 (upwards); Ctrl+F puts the cursor into the search box. A walk that
// finds nothing leaves the selection alone and marks the search box until its text changes.
//
// Container points: event #0 the row to select; data points #0 the rows (an array of row
// strings "kind TAB name TAB value TAB comment"), #1 the current row (-1: none), #2 the row
// count.
#pragma once

#include "components/text/THIArrayRW.h"
#include "components/text/THICopy.h"
#include "components/text/THILength.h"
#include "components/text/THIPosition.h"
#include "components/window/THIButton.h"
#include "components/window/THICheckBox.h"
#include "components/window/THIEdit.h"
#include "components/window/THIPanel.h"
#include "components/window/THIRadioButton.h"
#include "components/window/THIShortcut.h"
#include "runtime/MultiElement.h"
#include "runtime/THIDoData.h"
#include "runtime/THIFor.h"
#include "runtime/THIHub.h"
#include "runtime/THIIf_else.h"
#include "runtime/THIMath.h"
#include "runtime/THIMemory.h"

class TClassChildPanel_1B60E80 : public TScheme {
public:
    explicit TClassChildPanel_1B60E80(TControl* parent);

    THIPanel PanelBox;
    TControl* const PanelWindow;  // PanelBox's window, the parent of the controls below
    THIEditMulti View;
    THIEdit SearchBox;
    THIRadioButton UpRadio;
    THIRadioButton DownRadio;
    THICheckBox QuickSearchBox;
    THIButton SearchButton;
    THICheckBox WholeLineBox;
    THILength TextLength;
    THIHub TypeHub;        // choose the offset, then search
    THIIf_else ModeTest;   // quick search: start at the current row
    THIDoData ZeroOffset;
    THIMemory Offset;      // 0: from the current row, 1: from the next one
    THIHub ButtonHub;      // offset 1, then search
    THIHub DirectionHub;
    THIIf_else DirectionTest;
    THIFor DownLoop;
    THIFor UpLoop;
    THIMath DownIndex;
    THIMath UpIndex;
    THIHub DownHub;        // remember the index, then read the row
    THIHub UpHub;
    THIHub IndexHub;
    THIMemory RowIndex;
    THIArrayRW RowReader;
    THIPosition KeyFilter;  // parameter rows only
    THIIf_else WholeLineTest;
    THICopy NamePrefix;
    THIIf_else PrefixTest;
    THIPosition LineSearch;
    THIHub FoundHub;        // select, stop both walks, unmark the search box
    THIDoData SelectFound;
    THIDoData Found;            // takes the mark of an earlier failed walk off the search box
    THIDoData NotFound;         // marks the search box when a walk ends without a match
    THIShortcut FindKeys;       // Ctrl+F: into the search box
    THIShortcut NextKeys;       // F3: search downwards from the next row
    THIHub NextHub;
    THIShortcut PreviousKeys;   // Shift+F3: search upwards from the row before
    THIHub PreviousHub;

private:
    // Sets PanelBox up and initialises it: its window exists before the controls are created.
    TControl* CreatePanel();
    // Runs the controls' Init, last created first.
    void InitControls();
};
