#include "objlib/FileSystem.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <new>
#include <random>

#include "objlib/Cp1251.h"
#include "objlib/FileHandover.h"

namespace {

thread_local FileError lastError = FileError::None;

FileError ErrorOf(int error) {
    switch (error) {
    case ENOENT:
    case ENOTDIR:
    case ENAMETOOLONG:
        return FileError::NotFound;
    case EACCES:
    case EPERM:
    case ETXTBSY:
        return FileError::NoAccess;
    case EROFS:
        return FileError::ReadOnlyVolume;
    case ENOSPC:
    case EDQUOT:
        return FileError::NoSpace;
    case EFBIG:
        return FileError::TooLarge;
    case ENOMEM:
        return FileError::OutOfMemory;
    case ELOOP:
        return FileError::LinkLoop;
    case EISDIR:
        return FileError::IsFolder;
    default:
        return FileError::InputOutput;
    }
}

bool Fail(FileError error) {
    lastError = error;
    return false;
}

bool FailWith(int error) { return Fail(ErrorOf(error)); }

bool Succeed() {
    lastError = FileError::None;
    return true;
}

// Closes a descriptor when it goes out of scope, unless closed before.
class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : fd_(fd) {}
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    ~FileDescriptor() {
        if (fd_ >= 0) ::close(fd_);
    }
    int get() const { return fd_; }
    // Closes now; false when the close reports an error (a delayed write failure).
    bool Close() {
        int fd = fd_;
        fd_ = -1;
        return ::close(fd) == 0;
    }

private:
    int fd_;
};

// A temporary file beside the target, removed again unless it was renamed over the target.
class TemporaryFile {
public:
    TemporaryFile() = default;
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;
    ~TemporaryFile() {
        if (!name_.empty()) ::unlink(name_.c_str());
    }
    // Creates a new, empty file with a name not yet taken beside `target`, with 0666 so that
    // the umask gives it the mode a new file would get. Answers the descriptor, or -1.
    int Create(const std::string& target);
    bool RenameOver(const std::string& target) {
        if (::rename(name_.c_str(), target.c_str()) != 0) return false;
        name_.clear();
        return true;
    }

private:
    std::string name_;
};

std::string DirectoryOf(const std::string& path) {
    size_t slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    if (slash == 0) return "/";
    return path.substr(0, slash);
}

int TemporaryFile::Create(const std::string& target) {
    static std::minstd_rand random{std::random_device{}()};
    const std::string directory = DirectoryOf(target);
    std::string base = target.substr(target.rfind('/') + 1);
    if (base.size() > 200) base.resize(200);  // leave room for the suffix within NAME_MAX
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::string name = directory + "/." + base + ".tmp" + std::to_string(random() % 1000000);
        int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0) name_ = name;
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    return -1;
}

// Follows symbolic links (also dangling ones) to the entry that is finally written. False on a
// link loop or an unreadable link.
bool ResolveLinks(std::string& path) {
    for (int hops = 0; hops < 40; ++hops) {
        struct stat st;
        if (::lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return true;
        std::vector<char> buffer(PATH_MAX);
        ssize_t length = ::readlink(path.c_str(), buffer.data(), buffer.size());
        if (length <= 0 || static_cast<size_t>(length) >= buffer.size()) return false;
        std::string link(buffer.data(), static_cast<size_t>(length));
        path = link[0] == '/' ? link : DirectoryOf(path) + "/" + link;
    }
    return false;
}

FileStamp StampOf(const struct stat& st) {
    FileStamp stamp;
    stamp.device = st.st_dev;
    stamp.inode = st.st_ino;
    stamp.size = static_cast<uint64_t>(st.st_size);
    stamp.modifiedNs = st.st_mtim.tv_sec * 1000000000LL + st.st_mtim.tv_nsec;
    stamp.changedNs = st.st_ctim.tv_sec * 1000000000LL + st.st_ctim.tv_nsec;
    return stamp;
}

bool ReadAll(int fd, char* out, size_t size, size_t& got) {
    got = 0;
    while (got < size) {
        ssize_t n = ::read(fd, out + got, size - got);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return false;
        if (n == 0) break;
        got += static_cast<size_t>(n);
    }
    return true;
}

bool WriteAll(int fd, std::string_view content) {
    while (!content.empty()) {
        ssize_t n = ::write(fd, content.data(), content.size());
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return false;
        if (n == 0) {
            errno = ENOSPC;
            return false;
        }
        content.remove_prefix(static_cast<size_t>(n));
    }
    return true;
}

// The texts a save writes: the size is known before the first byte is written.
struct WholeText {
    std::string_view content;
    uint64_t Size() const { return content.size(); }
    bool WriteTo(int fd) const { return WriteAll(fd, content); }
};

// Gathers small pieces into one buffer; a large piece goes to the file as it is.
class BufferedFile final : public TextSink {
public:
    explicit BufferedFile(int fd) : fd_(fd) { buffer_.reserve(kCapacity); }
    bool Put(std::string_view piece) override {
        if (piece.size() >= kCapacity / 4) return Flush() && WriteAll(fd_, piece);
        if (buffer_.size() + piece.size() > kCapacity && !Flush()) return false;
        buffer_.append(piece);
        return true;
    }
    bool Flush() {
        const bool written = WriteAll(fd_, buffer_);
        buffer_.clear();
        return written;
    }

private:
    static constexpr size_t kCapacity = 1 << 16;
    int fd_;
    std::string buffer_;
};

struct PiecesText {
    const PiecewiseText& text;
    uint64_t Size() const { return text.Size(); }
    bool WriteTo(int fd) const {
        BufferedFile file(fd);
        return text.WriteTo(file) && file.Flush();
    }
};

class LinesText final : public PiecewiseText {
public:
    LinesText(const std::vector<Bytes>& lines, std::string_view lineEnd) : lines_(lines), lineEnd_(lineEnd) {}
    uint64_t Size() const override {
        uint64_t size = 0;
        for (const Bytes& line : lines_) size += line.size() + lineEnd_.size();
        return size;
    }
    bool WriteTo(TextSink& sink) const override {
        for (const Bytes& line : lines_)
            if (!sink.Put(line.view()) || !sink.Put(lineEnd_)) return false;
        return true;
    }

private:
    const std::vector<Bytes>& lines_;
    std::string_view lineEnd_;
};

bool WithinFileSizeLimit(uint64_t size) {
    struct rlimit limit {};
    return ::getrlimit(RLIMIT_FSIZE, &limit) != 0 || limit.rlim_cur == RLIM_INFINITY || size <= limit.rlim_cur;
}

// Makes the rename itself durable; a failure here cannot undo it, so it is not reported.
void SyncDirectory(const std::string& directory) {
    int fd = ::open(directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

enum class Replacement { Done, Failed, NotPossible };

// Writes the text into a temporary file with the old file's owner, group and mode, and renames
// it over the target. NotPossible, with nothing changed, when the folder takes no new file or
// the owner or group cannot be kept.
template <class Text>
Replacement ReplaceByRename(const std::string& target, const Text& text, const struct stat* old) {
    TemporaryFile temporary;
    FileDescriptor file(temporary.Create(target));
    if (file.get() < 0) {
        const int error = errno;
        if (old && (error == EACCES || error == EPERM || error == EROFS)) return Replacement::NotPossible;
        FailWith(error);
        return Replacement::Failed;
    }
    if (old) {
        if ((old->st_uid != ::geteuid() || old->st_gid != ::getegid()) &&
            ::fchown(file.get(), old->st_uid, old->st_gid) != 0)
            return Replacement::NotPossible;
        if (::fchmod(file.get(), old->st_mode & 07777) != 0) {
            FailWith(errno);
            return Replacement::Failed;
        }
    }
    if (!text.WriteTo(file.get()) || ::fsync(file.get()) != 0 || !file.Close()) {
        FailWith(errno);
        return Replacement::Failed;
    }
    if (!temporary.RenameOver(target)) {
        const int error = errno;
        if (old && (error == EACCES || error == EPERM)) return Replacement::NotPossible;
        FailWith(error);
        return Replacement::Failed;
    }
    SyncDirectory(DirectoryOf(target));
    return Replacement::Done;
}

// Reserves the disk room for `size` bytes without changing the file, so that a full disk is
// found before the first old byte is overwritten.
bool ReserveRoom(int fd, uint64_t size, uint64_t oldSize) {
    if (size == 0) return true;
    if (::fallocate(fd, FALLOC_FL_KEEP_SIZE, 0, static_cast<off_t>(size)) == 0) return true;
    if (errno != EOPNOTSUPP && errno != ENOSYS) return FailWith(errno);
    // A file system that cannot reserve: at least the free room must hold the growth.
    struct statvfs volume {};
    if (size > oldSize && ::fstatvfs(fd, &volume) == 0 &&
        static_cast<uint64_t>(volume.f_bavail) * volume.f_frsize < size - oldSize)
        return Fail(FileError::NoSpace);
    return true;
}

bool WriteFromStart(int fd, std::string_view text) {
    return ::lseek(fd, 0, SEEK_SET) == 0 && WriteAll(fd, text) && ::ftruncate(fd, static_cast<off_t>(text.size())) == 0;
}

// Writes the text into the file itself: the file stays the same file for all its names and
// keeps everything about it but its content. Should the write fail half-way, the old text,
// read first where the user may read it, is put back.
template <class Text>
bool WriteInPlace(const std::string& target, const Text& text, const struct stat& old) {
    int fd = ::open(target.c_str(), O_RDWR | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    const bool readable = fd >= 0;
    if (!readable) fd = ::open(target.c_str(), O_WRONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    FileDescriptor file(fd);
    if (fd < 0) return FailWith(errno);

    std::string backup;
    bool haveBackup = false;
    if (readable) {
        backup.resize(static_cast<size_t>(old.st_size));
        size_t got = 0;
        haveBackup = ReadAll(fd, backup.data(), backup.size(), got) && got == backup.size();
    }
    const uint64_t size = text.Size();
    if (!ReserveRoom(fd, size, static_cast<uint64_t>(old.st_size))) return false;
    if (::lseek(fd, 0, SEEK_SET) == 0 && text.WriteTo(fd) && ::ftruncate(fd, static_cast<off_t>(size)) == 0 &&
        ::fsync(fd) == 0 && file.Close())
        return true;
    const int error = errno;
    if (haveBackup && file.get() >= 0 && WriteFromStart(fd, backup)) ::fsync(fd);
    return FailWith(error);
}

template <class Text>
bool ReplaceFile(std::string_view path, const Text& text) {
    if (path.empty()) return Fail(FileError::NoPath);
    LetWritesBeyondTheSizeLimitFail();
    std::string target = NativePath(path);
    if (!ResolveLinks(target)) return Fail(FileError::LinkLoop);
    if (!WithinFileSizeLimit(text.Size())) return Fail(FileError::TooLarge);

    struct stat old;
    if (::stat(target.c_str(), &old) != 0) {
        if (errno != ENOENT) return FailWith(errno);
        return ReplaceByRename(target, text, nullptr) == Replacement::Done && Succeed();
    }
    if (S_ISDIR(old.st_mode)) return Fail(FileError::IsFolder);
    if (!S_ISREG(old.st_mode)) return Fail(FileError::NotRegular);
    // As the trusted savers do: a file the user may not open for writing is not replaced
    // either, though the folder would allow it.
    FileDescriptor probe(::open(target.c_str(), O_WRONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (probe.get() < 0) return FailWith(errno);

    if (old.st_nlink == 1) {
        const Replacement replaced = ReplaceByRename(target, text, &old);
        if (replaced != Replacement::NotPossible) return replaced == Replacement::Done && Succeed();
    }
    return WriteInPlace(target, text, old) && Succeed();
}

}  // namespace

// By default a write beyond the file-size limit ends the process with SIGXFSZ, which would
// close the editor with the user's edits; ignored, the write fails with EFBIG and is reported.
void LetWritesBeyondTheSizeLimitFail() {
    struct sigaction current {};
    if (::sigaction(SIGXFSZ, nullptr, &current) == 0 && current.sa_handler == SIG_DFL) ::signal(SIGXFSZ, SIG_IGN);
}

FileError LastFileError() { return lastError; }

void ClearFileError() { lastError = FileError::None; }

const char* DescribeFileError(FileError error) {
    switch (error) {
    case FileError::None:
        return "no error";
    case FileError::NoPath:
        return "no file name";
    case FileError::NotFound:
        return "no such file";
    case FileError::IsFolder:
        return "is a directory";
    case FileError::NotRegular:
        return "not a regular file";
    case FileError::NoAccess:
        return "permission denied";
    case FileError::ReadOnlyVolume:
        return "read-only file system";
    case FileError::NoSpace:
        return "no space left on the disk";
    case FileError::TooLarge:
        return "beyond the file size limit";
    case FileError::OutOfMemory:
        return "out of memory";
    case FileError::LinkLoop:
        return "too many levels of symbolic links";
    case FileError::InputOutput:
        break;
    }
    return "input/output error";
}

std::string NativePath(std::string_view cp1251Path) { return Cp1251ToUtf8(cp1251Path); }

bool PathExists(std::string_view path) {
    struct stat st;
    return !path.empty() && ::stat(NativePath(path).c_str(), &st) == 0;
}

bool IsDirectory(std::string_view path) {
    struct stat st;
    return !path.empty() && ::stat(NativePath(path).c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool StampOfFile(std::string_view path, FileStamp& stamp) {
    struct stat st;
    if (path.empty() || ::stat(NativePath(path).c_str(), &st) != 0) return false;
    stamp = StampOf(st);
    return true;
}

bool ReadWholeFile(std::string_view path, Bytes& content, FileStamp* stamp) {
    if (path.empty()) return Fail(FileError::NoPath);
    if (TakeHandedOverFile(path, content, stamp)) return Succeed();  // read a moment ago by an open
    // Non-blocking, so that opening a FIFO cannot hang; it is refused below as not regular.
    FileDescriptor file(::open(NativePath(path).c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY));
    if (file.get() < 0) return FailWith(errno);
    struct stat st;
    if (::fstat(file.get(), &st) != 0) return FailWith(errno);
    if (S_ISDIR(st.st_mode)) return Fail(FileError::IsFolder);
    if (!S_ISREG(st.st_mode)) return Fail(FileError::NotRegular);

    try {
        char* out = nullptr;
        Bytes block = Bytes::Uninitialized(static_cast<size_t>(st.st_size), out);
        size_t got = 0;
        if (!ReadAll(file.get(), out, block.size(), got)) return FailWith(errno);
        if (got < block.size()) {  // the file shrank since fstat
            block = block.substr(0, got);
        } else {
            // The file may hold more than its reported size (it grew, or the file system does
            // not know its size in advance); read on to the end.
            std::string rest;
            char chunk[65536];
            for (;;) {
                size_t n = 0;
                if (!ReadAll(file.get(), chunk, sizeof chunk, n)) return FailWith(errno);
                rest.append(chunk, n);
                if (n < sizeof chunk) break;
            }
            if (!rest.empty()) block = Bytes::Concat({block.view(), rest});
        }
        if (stamp && ::fstat(file.get(), &st) == 0) *stamp = StampOf(st);
        content = block;
    } catch (const std::bad_alloc&) {
        return Fail(FileError::OutOfMemory);
    }
    return Succeed();
}

bool WriteWholeFile(std::string_view path, std::string_view content) { return ReplaceFile(path, WholeText{content}); }

bool WriteWholeText(std::string_view path, const PiecewiseText& text) { return ReplaceFile(path, PiecesText{text}); }

bool WriteWholeLines(std::string_view path, const std::vector<Bytes>& lines, std::string_view lineEnd) {
    return WriteWholeText(path, LinesText(lines, lineEnd));
}
