// The byte-order mark of a UTF-8 file is no text of its first line: the line parser takes it
// off the lines it read, so the first line is classified as it reads, and the writer puts the
// open file's mark back before the lines it writes, so a file read with a mark keeps it.
#pragma once

#include "runtime/Dispatch.h"

// Points:
//   doCut (0)  takes the UTF-8 byte-order mark off the first line of Array when that line starts
//              with one. Raises nothing.
//   Array      data: the lines as read.
class ByteOrderMarkCut {
public:
    void doCut(TData& d, uint16_t index);

    THI_Event Array;
};

// Points:
//   doPut (0)  puts the bytes read through Mark before the first line of Array (no lines, or an
//              empty mark: nothing changes), then passes the incoming value on to onPut. Without
//              a mark, a first line that starts with the mark's bytes gets a TAB before it, so
//              that it is not read back as a marked file.
//   Array      data: the lines to be written.
//   Mark       data: the byte-order mark of the file the lines were read from, or empty.
class ByteOrderMarkPut {
public:
    void doPut(TData& d, uint16_t index);

    THI_Event Array;
    THI_Event Mark;
    THI_Event onPut;
};
