#include "objlib/FileSystem.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdint>
#include <random>
#include <vector>

#include "objlib/Cp1251.h"

namespace {

// Closes a descriptor when it goes out of scope, unless released.
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

bool StatNative(const std::string& native, struct stat& st) { return ::stat(native.c_str(), &st) == 0; }

std::string DirectoryOf(const std::string& path) {
    size_t slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    if (slash == 0) return "/";
    return path.substr(0, slash);
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
        if (n <= 0) return false;
        content.remove_prefix(static_cast<size_t>(n));
    }
    return true;
}

// Creates a new, empty file with a name not yet taken beside `target`. Created with 0666 so
// that the umask gives it the mode a new file would get.
int CreateTemporary(const std::string& target, std::string& name) {
    static std::minstd_rand random{std::random_device{}()};
    const std::string directory = DirectoryOf(target);
    std::string base = target.substr(target.rfind('/') + 1);
    if (base.size() > 200) base.resize(200);  // leave room for the suffix within NAME_MAX
    for (int attempt = 0; attempt < 100; ++attempt) {
        name = directory + "/." + base + ".tmp" + std::to_string(random() % 1000000);
        int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    return -1;
}

// Gives the new file the old one's owner (where the process may) and permission bits.
bool TakeOverAttributes(int fd, const struct stat& old) {
    if (old.st_uid != ::geteuid() || old.st_gid != ::getegid()) {
        // Only root or the owner of a group may hand a file on; otherwise it stays ours.
        [[maybe_unused]] int ignored = ::fchown(fd, old.st_uid, old.st_gid);
    }
    return ::fchmod(fd, old.st_mode & 07777) == 0;
}

// Makes the rename itself durable; a failure here cannot undo it, so it is not reported.
void SyncDirectory(const std::string& directory) {
    int fd = ::open(directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

// Writes lines, each followed by `lineEnd`, through one buffer: the whole text is never
// built in memory.
bool WriteLines(int fd, const std::vector<Bytes>& lines, std::string_view lineEnd) {
    std::string buffer;
    buffer.reserve(1 << 16);
    for (const Bytes& line : lines) {
        if (buffer.size() + line.size() + lineEnd.size() > buffer.capacity()) {
            if (!WriteAll(fd, buffer)) return false;
            buffer.clear();
        }
        if (line.size() >= buffer.capacity()) {
            if (!WriteAll(fd, line.view())) return false;
        } else {
            buffer.append(line.view());
        }
        buffer.append(lineEnd);
    }
    return WriteAll(fd, buffer);
}

// Gives the temporary file its content and attributes, flushes and closes it; false on any
// failure.
template <class Fill>
bool FillTemporary(int fd, Fill fill, const struct stat* old) {
    FileDescriptor file(fd);
    if (old && !TakeOverAttributes(fd, *old)) return false;
    if (!fill(fd)) return false;
    if (::fsync(fd) != 0) return false;
    return file.Close();
}

// Replaces the file at `path` with what `fill` writes to a descriptor.
template <class Fill>
bool ReplaceFile(std::string_view path, Fill fill) {
    if (path.empty()) return false;
    std::string target = NativePath(path);
    if (!ResolveLinks(target)) return false;
    struct stat old;
    const bool exists = StatNative(target, old);
    if (exists && !S_ISREG(old.st_mode)) return false;

    std::string temporary;
    int fd = CreateTemporary(target, temporary);
    if (fd < 0) return false;
    if (!FillTemporary(fd, fill, exists ? &old : nullptr) || ::rename(temporary.c_str(), target.c_str()) != 0) {
        ::unlink(temporary.c_str());
        return false;
    }
    SyncDirectory(DirectoryOf(target));
    return true;
}

}  // namespace

std::string NativePath(std::string_view cp1251Path) { return Cp1251ToUtf8(cp1251Path); }

bool PathExists(std::string_view path) {
    struct stat st;
    return !path.empty() && StatNative(NativePath(path), st);
}

bool IsDirectory(std::string_view path) {
    struct stat st;
    return !path.empty() && StatNative(NativePath(path), st) && S_ISDIR(st.st_mode);
}

bool ReadWholeFile(std::string_view path, Bytes& content) {
    if (path.empty()) return false;
    // Non-blocking, so that opening a FIFO cannot hang; it is refused below as not regular.
    FileDescriptor file(::open(NativePath(path).c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY));
    if (file.get() < 0) return false;
    struct stat st;
    if (::fstat(file.get(), &st) != 0 || !S_ISREG(st.st_mode)) return false;

    char* out = nullptr;
    Bytes block = Bytes::Uninitialized(static_cast<size_t>(st.st_size), out);
    size_t got = 0;
    if (!ReadAll(file.get(), out, block.size(), got)) return false;
    if (got < block.size()) {  // the file shrank since fstat
        content = block.substr(0, got);
        return true;
    }
    // The file may hold more than its reported size (it grew, or the file system does not
    // know its size in advance); read on to the end.
    std::string rest;
    char chunk[65536];
    for (;;) {
        size_t n = 0;
        if (!ReadAll(file.get(), chunk, sizeof chunk, n)) return false;
        rest.append(chunk, n);
        if (n < sizeof chunk) break;
    }
    content = rest.empty() ? block : Bytes::Concat({block.view(), rest});
    return true;
}

bool WriteWholeFile(std::string_view path, std::string_view content) {
    return ReplaceFile(path, [content](int fd) { return WriteAll(fd, content); });
}

bool WriteWholeLines(std::string_view path, const std::vector<Bytes>& lines, std::string_view lineEnd) {
    return ReplaceFile(path, [&](int fd) { return WriteLines(fd, lines, lineEnd); });
}
