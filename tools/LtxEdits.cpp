#include "tools/LtxEdits.h"

#include <string>
#include <vector>

namespace {

constexpr int kKind = 0, kName = 1, kValue = 2;

bool SameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
        if (lower(a[i]) != lower(b[i])) return false;
    }
    return true;
}

bool IsKind(const TStringTableRows& rows, int row, std::string_view kind) { return rows.Cell(row, kKind).view() == kind; }

// The section a header names: the text between its first "[" and the "]" after it.
bool NamesSection(const TStringTableRows& rows, int row, std::string_view section) {
    const Bytes header = rows.Cell(row, kName);
    const std::string_view text = header.view();
    const size_t open = text.find('[');
    if (open == std::string_view::npos) return false;
    const size_t close = text.find(']', open + 1);
    if (close == std::string_view::npos) return false;
    return SameName(text.substr(open + 1, close - open - 1), section);
}

// A section's rows: its header and the rows before the next header.
struct Section {
    int header, end;
};

std::vector<Section> SectionsNamed(const TStringTableRows& rows, std::string_view section) {
    std::vector<Section> found;
    for (int row = 0; row < rows.Count(); ++row) {
        if (!IsKind(rows, row, "sec")) continue;
        if (!found.empty() && found.back().end < 0) found.back().end = row;
        if (NamesSection(rows, row, section)) found.push_back({row, -1});
    }
    if (!found.empty() && found.back().end < 0) found.back().end = rows.Count();
    return found;
}

bool IsKeyRow(const TStringTableRows& rows, int row, std::string_view key) {
    return IsKind(rows, row, "key") && rows.Cell(row, kName).view() == key;
}

int LastKeyRow(const TStringTableRows& rows, const std::vector<Section>& sections, std::string_view key) {
    for (auto s = sections.rbegin(); s != sections.rend(); ++s)
        for (int row = s->end - 1; row > s->header; --row)
            if (IsKeyRow(rows, row, key)) return row;
    return -1;
}

std::string KeyRowString(std::string_view key, std::string_view value) {
    return "0#0\tkey\t" + std::string(key) + "\t" + std::string(value) + "\t";
}

}  // namespace

bool FindValue(const TStringTableRows& rows, std::string_view section, std::string_view key, Bytes& value) {
    const int row = LastKeyRow(rows, SectionsNamed(rows, section), key);
    if (row < 0) return false;
    value = rows.Cell(row, kValue);
    return true;
}

void SetValue(TStringTableRows& rows, std::string_view section, std::string_view key, std::string_view value) {
    const std::vector<Section> sections = SectionsNamed(rows, section);
    const int row = LastKeyRow(rows, sections, key);
    if (row >= 0) {
        rows.SetCell(row, kValue, value);
        return;
    }
    if (sections.empty()) {
        rows.AddOrReplace("0#16707055\tsec\t[" + std::string(section) + "]\t\t", -1, false);
        rows.AddOrReplace(KeyRowString(key, value), -1, false);
        return;
    }
    const Section& last = sections.back();
    int after = last.header;
    for (int r = last.header + 1; r < last.end; ++r)
        if (IsKind(rows, r, "key")) after = r;
    rows.AddOrReplace(KeyRowString(key, value), after + 1, false);
}

bool DeleteKey(TStringTableRows& rows, std::string_view section, std::string_view key) {
    const std::vector<Section> sections = SectionsNamed(rows, section);
    bool deleted = false;
    for (auto s = sections.rbegin(); s != sections.rend(); ++s)
        for (int row = s->end - 1; row > s->header; --row)
            if (IsKeyRow(rows, row, key)) {
                rows.Delete(row);
                deleted = true;
            }
    return deleted;
}

bool DeleteSection(TStringTableRows& rows, std::string_view section) {
    const std::vector<Section> sections = SectionsNamed(rows, section);
    for (auto s = sections.rbegin(); s != sections.rend(); ++s)
        for (int row = s->end - 1; row >= s->header; --row) rows.Delete(row);
    return !sections.empty();
}
