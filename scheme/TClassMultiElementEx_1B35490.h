// The writer: turns the main table's rows back into LTX lines and saves them.
//
// Container points: method #0 doWrite (build the lines from the rows read through data point
// #0 and save them to the stored path, the byte-order mark read through data point #1 before
// the first line), method #1 doFileName (store the path). Each row is
// "kind TAB name TAB value TAB comment"; the line is formed by the kind:
//   com  ";comment"
//   sec  CR "name" TAB ";comment"      (the lone CR reads back as one blank line)
//   nor  "name" TAB ";comment"
//   val  "name"                        (a line of a value of several lines, as it was read)
//   else TAB "name = value" TAB ";comment"
#pragma once

#include "components/text/ByteOrderMark.h"
#include "components/text/THIArrayEnum.h"
#include "components/text/THIFormatStr.h"
#include "components/text/THIStrList.h"
#include "components/text/THIStrPart.h"
#include "runtime/MultiElement.h"
#include "runtime/THIDoData.h"
#include "runtime/THIHub.h"
#include "runtime/THIIf_else.h"
#include "runtime/THIMemory.h"

class TClassMultiElementEx_1B35490 : public TScheme {
public:
    explicit TClassMultiElementEx_1B35490(TControl* parent);

    THIEditMultiEx View;
    THIHub EntryHub;        // clear the output, enumerate the rows (and save), release the output
    THIArrayEnum RowEnum;
    THIHub RowHub;          // split, choose the mask, format
    THIStrPart KindCut;
    THIStrPart NameCut;
    THIStrPart ValueCut;
    THIMemory CommentMemory;
    THIDoData KindReader;
    THIIf_else ComTest;
    THIIf_else SecTest;
    THIIf_else NorTest;
    THIIf_else ValTest;     // added: the lines of a value of several lines
    THIDoData ComMask;
    THIDoData SecMask;
    THIDoData NorMask;
    THIDoData KeyMask;
    THIDoData ValMask;      // added: such a line alone, with nothing around it
    ByteOrderMarkPut MarkPut;  // added: the open file's byte-order mark before the first line
    THIDoData PathSource;   // gives the stored path to the save
    THIHub MaskCollector;   // five inputs, one output to the formatter's mask
    THIFormatStr Formatter;
    THIMemory PathMemory;
    THIStrList Output;
};
