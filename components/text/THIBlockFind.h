// THIBlockFind: finds the blocks of text between a start and an end delimiter.
#pragma once

#include "runtime/Dispatch.h"

// doFind reads Str and walks it from left to right: each StartBlock followed by an EndBlock
// makes a block, raised through onFind at once (with its delimiters when WithBounds is set,
// else the text strictly between them, possibly empty). A StartBlock without an EndBlock
// behind it ends the walk. With CutBlocks clear the search goes on behind the end delimiter.
// With CutBlocks set and UseCheck clear, or Check pulled non-zero, the block is cut out of the
// text, ReplaceStr is put in its place and the search goes on behind it; when Check answers 0
// the block stays and the search goes on at the end delimiter. The text, cut or not, then
// leaves through onResult on return. Empty delimiters find nothing.
//
// Points: method doFind; data points Check, Str; events onResult, onFind.
class THIBlockFind {
public:
    void doFind(TData& d, uint16_t index);

    uint8_t WithBounds = 0;
    uint8_t CutBlocks = 0;
    Bytes ReplaceStr;
    uint8_t UseCheck = 0;
    Bytes StartBlock;
    Bytes EndBlock;
    THI_Event Check;
    THI_Event Str;
    THI_Event onResult;
    THI_Event onFind;
};
