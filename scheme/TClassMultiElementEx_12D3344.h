// The LTX line parser: reads a file, classifies every line and sends its section names and
// row strings, in file order.
//
// Container points: method #0 doParse (the path); events #0 onSection (a section name, before
// its header's row), #1 onRow (one row string), #2 onLoaded (the path, once, before any row).
//
// The lines of a value written over several lines ("key = <<END" ... "END", or unbalanced
// quotes) are taken aside before they are classified: each becomes a "val" row holding the
// line, blank ones included, so that none is read as a header or key and the writer can give
// each back as it was. A UTF-8 file's byte-order mark is taken off the first line first.
#pragma once

#include "components/text/ByteOrderMark.h"
#include "components/text/THIArrayEnum.h"
#include "components/text/THICopy.h"
#include "components/text/THIDelete.h"
#include "components/text/THIFormatStr.h"
#include "components/text/THIPosition.h"
#include "components/text/THIReplace.h"
#include "components/text/THIStrList.h"
#include "components/text/THIStrPart.h"
#include "components/text/THITrim.h"
#include "components/text/ValueLineFilter.h"
#include "runtime/MultiElement.h"
#include "runtime/THICase.h"
#include "runtime/THIHub.h"
#include "runtime/THIIf_else.h"
#include "runtime/THIMemory.h"

class TClassMultiElementEx_12D3344 : public TScheme {
public:
    explicit TClassMultiElementEx_12D3344(TControl* parent);

    THIEditMultiEx View;
    THIHub EntryHub;             // clear, load, onLoaded, forget an open value, enumerate, release
    THIStrList Lines;
    THIArrayEnum LineEnum;
    THIReplace TabRemover;       // every TAB out of the line
    THIHub LineHub;              // store the line, then classify it
    THIMemory LineMemory;        // the current line without its tabs
    THITrim SpaceTrimmer;
    THICopy FirstChar;
    THICase CommentTest;         // ";"
    THICase SectionTest;         // "["
    THITrim CommentTrimmer;
    THIDelete CommentMarkRemover;
    THIFormatStr CommentRow;
    THIMultiElementEx SectionBuilder;
    THIStrPart CommentCut;       // the part before the first ";" is searched for "="
    THIPosition EqualsSearch;
    THIIf_else KeyTest;          // an "=" found: a key line
    THIMultiElementEx KeyBuilder;
    THIHub OtherHub;             // split and store, format, clear
    THIStrPart OtherCut;
    THIMemory OtherNameMemory;
    THIMemory OtherCommentMemory;
    THIFormatStr OtherRow;
    THIHub RowCollector;         // five inputs, one output to onRow
    ValueLineFilter ValueFilter;  // added: the lines of a value of several lines go aside
    THIFormatStr ValueRow;        // added: such a line as a "val" row
    ByteOrderMarkCut MarkCut;     // added: the lines are read without the file's byte-order mark
};
