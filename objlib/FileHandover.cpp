#include "objlib/FileHandover.h"

#include <utility>

namespace {

// One handover at a time, on the thread that reads: an open checks and parses on one thread.
struct Handed {
    const FileHandover* owner = nullptr;
    Bytes path;
    Bytes content;
    FileStamp stamp;
};
thread_local Handed handed;

}  // namespace

FileHandover::FileHandover(std::string_view path, Bytes content, const FileStamp& stamp) {
    handed.owner = this;
    handed.path = Bytes(path);
    handed.content = std::move(content);
    handed.stamp = stamp;
}

FileHandover::~FileHandover() {
    if (handed.owner == this) handed = Handed();
}

bool TakeHandedOverFile(std::string_view path, Bytes& content, FileStamp* stamp) {
    if (!handed.owner || handed.path.view() != path) return false;
    content = std::move(handed.content);
    if (stamp) *stamp = handed.stamp;
    handed = Handed();
    return true;
}
