#include "objlib/TextFileCheck.h"

#include <cstring>

TextFileCheck CheckTextFile(std::string_view path) {
    TextFileCheck check;
    Bytes& content = check.content;
    if (!ReadWholeFile(path, content, &check.stamp)) {
        check.error = LastFileError();
        return check;
    }
    if (const void* nul = std::memchr(content.data(), '\0', content.size()))
        check.nulOffset = static_cast<const char*>(nul) - content.data();
    return check;
}
