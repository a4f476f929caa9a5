#include "components/text/StrOps.h"

#include <algorithm>

int32_t Pos(std::string_view sub, std::string_view s) { return PosFrom(sub, s, 1); }

int32_t PosFromScan(std::string_view sub, std::string_view s, size_t start) {
    size_t found = s.find(sub, start);
    return found == std::string_view::npos ? 0 : static_cast<int32_t>(found + 1);
}

Bytes DeleteStr(const Bytes& s, int32_t index, int32_t count) {
    if (index < 1 || count <= 0 || static_cast<size_t>(index) > s.size()) return s;
    size_t start = static_cast<size_t>(index) - 1;
    size_t end = start + std::min(static_cast<size_t>(count), s.size() - start);
    if (start == 0) return s.substr(end);
    if (end == s.size()) return s.substr(0, start);
    return Bytes::Concat({s.view().substr(0, start), s.view().substr(end)});
}

Bytes InsertStr(std::string_view t, const Bytes& s, int32_t index) {
    if (t.empty()) return s;
    size_t at = index < 1 ? 0 : std::min(static_cast<size_t>(index) - 1, s.size());
    return Bytes::Concat({s.view().substr(0, at), t, s.view().substr(at)});
}
