// Whole-file reading and writing, and path tests, for cp1251 paths.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "runtime/Bytes.h"

// Paths are the system's cp1251 text; each call converts them to the platform's UTF-8 form.
// None of these functions reports anything to the user; the results say what happened.

// The platform form (UTF-8) of a cp1251 path.
std::string NativePath(std::string_view cp1251Path);

// True when the path names an existing entry (a symbolic link counts by what it points to).
bool PathExists(std::string_view path);
bool IsDirectory(std::string_view path);

// Reads the whole of a regular file into `content` (one block). False, with `content`
// untouched, when the file is missing, unreadable, a folder or another non-regular entry.
bool ReadWholeFile(std::string_view path, Bytes& content);

// Replaces the file's content in one step: the text goes to a new file beside the target,
// is flushed to disk and then renamed over the target, so a reader sees either the old file
// or the new one, never a half-written one. The target keeps its permission bits (and, where
// allowed, its owner); a new file gets 0666 less the umask. A symbolic link stays a link: the
// file it points to is replaced. On any failure (no folder, no write access, disk full, file
// size limit, a target that is not a regular file) the old file stays exactly as it was, no
// temporary file is left behind, and the answer is false.
bool WriteWholeFile(std::string_view path, std::string_view content);
// The same for a text given as lines, each followed by `lineEnd`, written as they come.
bool WriteWholeLines(std::string_view path, const std::vector<Bytes>& lines, std::string_view lineEnd);
