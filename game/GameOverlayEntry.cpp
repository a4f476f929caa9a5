#include "game/GameOverlayEntry.h"

#include <array>

#include "runtime/ByteScan.h"

namespace {

// The row string's field `n` (0-based, TAB-separated), or empty. Asked of every row as the file
// opens, so the TABs are looked for in line.
std::string_view Field(std::string_view row, int n) {
    for (; n > 0; --n) {
        const size_t tab = FindByte(row, '\t');
        if (tab == row.size()) return {};
        row.remove_prefix(tab + 1);
    }
    return row.substr(0, FindByte(row, '\t'));
}

std::string_view Trimmed(std::string_view text) {
    while (!text.empty() && static_cast<unsigned char>(text.front()) <= ' ') text.remove_prefix(1);
    while (!text.empty() && static_cast<unsigned char>(text.back()) <= ' ') text.remove_suffix(1);
    return text;
}

}  // namespace

std::string OverlayEntryName(std::string_view rowString) {
    if (Field(rowString, 1) != "nor") return {};
    const std::string_view line = Trimmed(Field(rowString, 2));
    // The longest operator first: "!![" also starts with "!".
    for (std::string_view op : std::array<std::string_view, 3>{"!!", "!", "@"}) {
        if (!line.starts_with(op) || line.substr(op.size(), 1) != "[") continue;
        const std::string_view rest = line.substr(op.size() + 1);
        const size_t close = rest.find(']');
        if (close == std::string_view::npos) return {};
        return std::string(op) + std::string(Trimmed(rest.substr(0, close)));
    }
    return {};
}

