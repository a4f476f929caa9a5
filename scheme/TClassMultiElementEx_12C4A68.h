// The file list: the full paths of the remembered LTX files, their names for the file panel,
// the list file "filename.ini", and opening the entry chosen in the panel.
//
// Container points: methods #0 doAddFile (a path), #1 doShowList, #2 doSaveList,
// #3 doLoadList, #4 doRemoveCurrent, #5 doClearList, #6 doOpenCurrent; events #0 onShowName
// (one entry's name without folder and extension, its full path chained behind it for the
// name's tooltip), #1 onClearNames, #2 onOpenFile (a path).
// The current entry is the index in the global variable "FileIndex", set by the file panel.
// A blank line of the list file is shown as an empty name, so that every name stands at the
// index of its path and opening or removing a name acts on that name's own path.
#pragma once

#include "components/text/THIArrayEnum.h"
#include "components/text/THIArrayRW.h"
#include "components/text/THIFilePart.h"
#include "components/text/THIStrList.h"
#include "runtime/MultiElement.h"
#include "runtime/THIDoData.h"
#include "runtime/THIGlobalVar.h"
#include "runtime/THIHub.h"
#include "runtime/THIIf_else.h"

class TClassMultiElementEx_12C4A68 : public TScheme {
public:
    explicit TClassMultiElementEx_12C4A68(TControl* parent);

    THIEditMultiEx View;
    THIStrList List;            // full paths, saved to and loaded from "filename.ini"
    THIArrayEnum Enumerator;
    THIIf_else BlankTest;       // an empty path goes out as an empty name
    THIFilePart PathSplitter;
    THIArrayRW ArrayReader;
    THIGlobalVar FileIndexVar;  // "FileIndex"
    THIDoData DeleteIndex;
    THIDoData OpenIndex;
    THIHub ShowHub;             // empty the panel's list, then one name per entry
    THIHub LoadHub;             // clear, load the list file, show
    THIHub RemoveHub;           // delete the current entry, show
    THIHub ClearHub;            // clear, show
};
