#include "runtime/THIGlobalVar.h"

#include <string>
#include <unordered_map>

namespace {

// Keyed by the lower-cased name. Node-based, so a cell keeps its address however the map grows;
// allocated once and never destroyed, so no component can outlive its cell at exit.
std::unordered_map<std::string, TData>& GlobalVars() {
    static auto* cells = new std::unordered_map<std::string, TData>();
    return *cells;
}

std::string LowerAscii(std::string_view s) {
    std::string key(s);
    for (char& c : key)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return key;
}

}  // namespace

TData* LookupGlobal(const Bytes& s) {
    if (s.empty()) return nullptr;
    return &GlobalVars().try_emplace(LowerAscii(s)).first->second;
}

void THIGlobalVar::SetName(const Bytes& s) {
    Name = s;
    Storage = LookupGlobal(s);
}

void THIGlobalVar::doValue(TData& d, uint16_t) {
    if (Storage) CopyValue(*Storage, d);
}

void THIGlobalVar::Value(TData& d, uint16_t) {
    if (Storage)
        d = *Storage;
    else
        SetNull(d);
}
