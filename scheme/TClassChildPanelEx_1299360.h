// The working area: the main table (one row per LTX line), the table of contents (one row per
// section), the comment of the selected row, the main table's context menu, the writer, the
// table-of-contents follower and the search strip.
//
// Container points (methods): #0 a section name (add a contents entry "row+name"), #1 a row
// string (add a main-table row), #2 the path of a file just read (empty both tables, give the
// path to the writer), #3 the cursor position for jumps (0 standard, 1 top, 2 centre,
// 3 bottom), #4 write the main table to the file, #5 load both tables from their table files.
// Data point #0: the byte-order mark of the file the main table was read from, for the writer.
#pragma once

#include "components/text/THIFormatStr.h"
#include "components/text/THIStrPart.h"
#include "components/window/ContentsEntryKeeper.h"
#include "components/window/THIEdit.h"
#include "components/window/THIPanel.h"
#include "components/window/THIPopupMenu.h"
#include "components/window/ThiStringTable.h"
#include "runtime/MultiElement.h"
#include "runtime/THIDoData.h"
#include "runtime/THIHub.h"
#include "runtime/THIIf_else.h"
#include "runtime/THIIndexToChanel.h"
#include "runtime/THIMemory.h"

class TClassChildPanelEx_1299360 : public TScheme {
public:
    explicit TClassChildPanelEx_1299360(TControl* parent);

    THIPanel TablesPanel;
    TControl* const PanelWindow;  // TablesPanel's window, the parent of everything below
    THIEditMultiEx PanelPoints;
    ThiStringTable MainTable;
    ThiStringTable ContentsTable;
    THIEdit CommentBox;
    THIPopupMenu RowMenu;
    THIIf_else RightButton;          // the right mouse button was released
    THIIndexToChanel MenuChannels;   // one output per menu item
    THIDoData CommentTemplate;
    THIDoData SectionTemplate;
    THIDoData ParameterTemplate;
    THIHub InsertHub;                // store the new row's text, then insert it
    THIMemory RowText;               // the text the main table reads for a new row
    THIDoData InsertAtSelection;
    THIDoData DeleteAtSelection;
    THIHub AddRowHub;                // store the row's text, then add it
    THIFormatStr ContentsEntry;      // "%1+%2": the header's row index and the section name
    THIHub ClearHub;                 // empty both tables, then give the path to the writer
    THIHub LoadHub;                  // the contents table file, then the main table file
    THIDoData ContentsPick;
    THIStrPart ContentsIndex;        // the row index before "+"
    THIHub MainSelectHub;            // follow in the contents, then show the comment
    THIStrPart CommentSplit1;
    THIStrPart CommentSplit2;
    THIStrPart CommentSplit3;
    THIMultiElementEx Writer;
    THIMultiElementEx ContentsFollower;
    THIMultiElement SearchPanel;
    THIDoData EmptyComment;  // a newly opened file starts with an empty comment box
    // The contents entries follow their header rows through inserted and deleted rows.
    ContentsEntryKeeper ContentsFollowsRows{MainTable.Rows(), ContentsTable.Rows()};

    THIEditMultiEx& View = PanelPoints;  // the name the scheme factory looks for

private:
    // Sets TablesPanel up and initialises it: its window exists before the rest is created.
    TControl* CreatePanel();
    // Runs the controls' Init and gives the containers their factories, last created first.
    void InitControls();
};
