// The key-row builder: turns a key line into the key row.
//
// Container points: method #0 (build from the line read through data point #0); event #0 the
// row string. The key is the part before the first "=", the value the part up to the next
// ";", the comment the rest; key and value lose their leading and trailing spaces only, so
// values such as "physics\hanging lamp" or condition lists keep their inner spaces.
#pragma once

#include "components/text/THIFormatStr.h"
#include "components/text/THIStrPart.h"
#include "components/text/THITrim.h"
#include "runtime/MultiElement.h"
#include "runtime/THIDoData.h"
#include "runtime/THIHub.h"
#include "runtime/THIMemory.h"

class TClassMultiElementEx_12D7E14 : public TScheme {
public:
    explicit TClassMultiElementEx_12D7E14(TControl* parent);

    THIEditMultiEx View;
    THIDoData LineReader;
    THIHub SplitHub;        // split and store, then format
    THIStrPart EqualsCut;   // "="
    THITrim KeyTrimmer;
    THIStrPart CommentCut;  // ";"
    THITrim ValueTrimmer;
    THIMemory KeyMemory;
    THIMemory ValueMemory;
    THIMemory CommentMemory;
    THIFormatStr KeyRow;
    THIHub DoneHub;         // clear the three memories, then send the row
};
