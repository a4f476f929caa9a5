// The section-row builder: turns a header line into the sec row and reports the names between
// its brackets.
//
// Container points: method #0 (build from the line read through data point #0); events #0 the
// row string, #1 a section name (once per bracket block, before the row).
//
// The game reads parents only after the exact bytes "]:", so spaces between a "]" and a ":"
// are not all removed: one stays, and [a] : b keeps having no parent once it is written back.
#pragma once

#include "components/text/THIBlockFind.h"
#include "components/text/THIFormatStr.h"
#include "components/text/THIReplace.h"
#include "components/text/THIStrPart.h"
#include "runtime/MultiElement.h"
#include "runtime/THIDoData.h"
#include "runtime/THIHub.h"
#include "runtime/THIMemory.h"

class TClassMultiElementEx_12D63D0 : public TScheme {
public:
    explicit TClassMultiElementEx_12D63D0(TControl* parent);

    THIEditMultiEx View;
    THIDoData LineReader;
    THIHub SplitHub;          // split and store, then format
    THIStrPart CommentCut;    // ";"
    THIReplace ParentGapMark;  // added: a space right after "]" becomes a TAB, which no line holds
    THIReplace HeaderSpaces;   // every space out of the header
    THIReplace ParentGapKeep;  // added: a marked gap before ":" keeps one space, so no "]:" appears
    THIReplace MarkDrop;       // added: the other marks go, as their spaces would have
    THIHub HeaderHub;         // store the header, then find its names
    THIBlockFind NameFinder;  // "[" ... "]"
    THIMemory HeaderMemory;
    THIMemory CommentMemory;
    THIFormatStr SectionRow;
    THIHub DoneHub;           // clear both memories, then send the row
};
