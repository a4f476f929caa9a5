// Whole-file reading and writing, and path tests, for cp1251 paths.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "runtime/Bytes.h"

// Paths are the system's cp1251 text; each call converts them to the platform's UTF-8 form.
// None of these functions reports anything to the user; the results say what happened, and
// LastFileError says why the last read or write failed, for the places that tell the user.

// The platform form (UTF-8) of a cp1251 path.
std::string NativePath(std::string_view cp1251Path);

// True when the path names an existing entry (a symbolic link counts by what it points to).
bool PathExists(std::string_view path);
bool IsDirectory(std::string_view path);

// Why a whole-file read or write failed.
enum class FileError : uint8_t {
    None,
    NoPath,          // the path is empty
    NotFound,        // no such file, or no such folder on the way
    IsFolder,
    NotRegular,      // a device, a FIFO, a socket
    NoAccess,        // the user may not read (or write) it
    ReadOnlyVolume,  // the file system is mounted read-only
    NoSpace,         // the disk (or the user's quota) is full
    TooLarge,        // beyond the file-size limit of the process
    OutOfMemory,
    LinkLoop,
    InputOutput,     // any other failure of the system
};

// The reason of the last failed ReadWholeFile, WriteWholeFile or WriteWholeLines of this
// thread; None after one that succeeded.
FileError LastFileError();
// Sets LastFileError to None, so that a caller can tell afterwards whether a chain of calls
// that should have read or written a file failed.
void ClearFileError();
// The reason in a few plain English words ("permission denied"), for messages of the tool.
const char* DescribeFileError(FileError error);

// What identifies the content of a file on disk: the same stamp twice means nobody wrote it
// in between (a write changes the change time, a replacement the inode).
struct FileStamp {
    uint64_t device = 0;
    uint64_t inode = 0;
    uint64_t size = 0;
    int64_t modifiedNs = 0;
    int64_t changedNs = 0;
    bool operator==(const FileStamp&) const = default;
};

// The stamp of the file a path names now (a symbolic link counts by what it points to).
// False when there is no such entry.
bool StampOfFile(std::string_view path, FileStamp& stamp);

// Reads the whole of a regular file into `content` (one block), and its stamp as read into
// `stamp` when given. False, with `content` untouched, when the file is missing, unreadable, a
// folder or another non-regular entry.
bool ReadWholeFile(std::string_view path, Bytes& content, FileStamp* stamp = nullptr);

// Replaces the file's content. Where it can, it writes a new file beside the target, flushes
// it to disk and renames it over the target, so a reader sees either the old file or the new
// one. The file keeps its permission bits, owner and group; a symbolic link stays a link (the
// file it points to is written). A new file gets 0666 less the umask.
// A target the user may not open for writing is refused. Where a replacement would change the
// file itself (it has several hard links, or its owner or group could not be kept) or cannot
// be made (the folder is not writable), the text is written into the file in place, after the
// room for it was reserved; should that write still fail, the old text is put back.
// On any failure the answer is false, the old file stays as it was and no temporary file is
// left behind. A write beyond the process's file-size limit fails instead of ending it.
bool WriteWholeFile(std::string_view path, std::string_view content);
// Takes the pieces of a text in order, as a save writes them.
class TextSink {
public:
    // False when the piece could not be written; nothing more should be put then.
    virtual bool Put(std::string_view piece) = 0;

protected:
    ~TextSink() = default;
};
// A text handed over in pieces, so that it never has to be built whole in memory. Its size is
// known before the first byte is written.
class PiecewiseText {
public:
    virtual uint64_t Size() const = 0;
    // Puts every piece into the sink in order; false as soon as a Put fails.
    virtual bool WriteTo(TextSink& sink) const = 0;

protected:
    ~PiecewiseText() = default;
};
// The same for a text given in pieces; small pieces are gathered into larger writes.
bool WriteWholeText(std::string_view path, const PiecewiseText& text);
// The same for a text given as lines, each followed by `lineEnd`, written as they come.
bool WriteWholeLines(std::string_view path, const std::vector<Bytes>& lines, std::string_view lineEnd);
// Makes a write beyond the file-size limit fail from now on instead of ending the process,
// unless the program has its own use for SIGXFSZ. The writes here do it themselves; call it
// before anything else may write a file (the platform's dialogs keep settings in files).
void LetWritesBeyondTheSizeLimitFail();
