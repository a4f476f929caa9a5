// Whether a file can be opened as text whole, looked at before its lines are parsed.
#pragma once

#include <cstdint>
#include <string_view>

#include "objlib/FileSystem.h"

struct TextFileCheck {
    FileError error = FileError::None;  // why the file cannot be read
    FileStamp stamp;                     // the file as it was read
    int64_t nulOffset = -1;              // the first NUL byte: a text ends there
    Bytes content;                       // the file's bytes as read (empty when unreadable)

    bool Readable() const { return error == FileError::None; }
    // Readable, and nothing of it would be lost to a NUL byte.
    bool Whole() const { return Readable() && nulOffset < 0; }
};

// Reads the file once to see whether it can be opened and what it is now, and keeps its bytes
// for a save that writes the unchanged lines back as they were.
TextFileCheck CheckTextFile(std::string_view path);
