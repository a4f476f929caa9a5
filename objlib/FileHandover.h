// A file's bytes, just read whole, handed to the next whole read of the same path.
//
// Opening a file reads it once to check it and keeps those bytes for a save that writes the
// unchanged lines back; then the parser loads the file. Handed over, the load takes the checked
// bytes instead of reading the file a second time: the rows are built from exactly the bytes
// that were checked and kept, and the file is read and held once.
#pragma once

#include <string_view>

#include "objlib/FileSystem.h"

// While it lives, the first ReadWholeFile of `path` on this thread answers `content` and
// `stamp` without reading the file; what was not taken is let go with it.
class FileHandover {
public:
    FileHandover(std::string_view path, Bytes content, const FileStamp& stamp);
    ~FileHandover();
    FileHandover(const FileHandover&) = delete;
    FileHandover& operator=(const FileHandover&) = delete;
};

// Moves the bytes handed over for `path` into `content` (and their stamp into `stamp` when
// given): true once, for the read that takes them.
bool TakeHandedOverFile(std::string_view path, Bytes& content, FileStamp* stamp);
