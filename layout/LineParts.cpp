#include "layout/LineParts.h"

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// The bytes of [begin, end) without those in `dropped`.
std::string Without(std::string_view line, size_t begin, size_t end, std::string_view dropped) {
    std::string kept;
    for (size_t i = begin; i < end; ++i)
        if (dropped.find(line[i]) == std::string_view::npos) kept += line[i];
    return kept;
}

// [begin, end) without the bytes of `trimmed` at both ends. When nothing is left, an empty
// span after one space at the start, so that a text put there stands where a writer puts it.
void Trim(std::string_view line, size_t& begin, size_t& end, std::string_view trimmed) {
    size_t b = begin, e = end;
    while (b < e && trimmed.find(line[b]) != std::string_view::npos) ++b;
    while (e > b && trimmed.find(line[e - 1]) != std::string_view::npos) --e;
    if (b == e) {
        b = e = (begin < end && line[begin] == ' ') ? begin + 1 : begin;
    }
    begin = b;
    end = e;
}

// The text without its spaces at both ends.
std::string TrimSpaces(std::string text) {
    const size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos) return std::string();
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// Every occurrence of `from` in the text replaced by `to`, left to right.
std::string ReplaceAll(std::string text, std::string_view from, std::string_view to) {
    for (size_t at = 0; (at = text.find(from, at)) != std::string::npos; at += to.size()) text.replace(at, from.size(), to);
    return text;
}

// A header as the section-row builder keeps it: spaces out, but a gap between "]" and ":"
// stays one space wide (marked with a TAB, which the line no longer holds).
std::string HeaderWithoutSpaces(std::string header) {
    header = ReplaceAll(std::move(header), "] ", "]\t");
    header = ReplaceAll(std::move(header), " ", "");
    header = ReplaceAll(std::move(header), "\t:", " :");
    return ReplaceAll(std::move(header), "\t", "");
}

}  // namespace

RowCells CellsOfRowString(std::string_view row) {
    RowCells cells;
    std::string* fields[] = {&cells.kind, &cells.name, &cells.value, &cells.comment};
    size_t start = 0;
    for (int i = 0; i < 4 && start <= row.size(); ++i) {
        size_t end = i == 3 ? std::string_view::npos : row.find('\t', start);
        if (end == std::string_view::npos) end = row.size();
        fields[i]->assign(row.substr(start, end - start));
        start = end + 1;
    }
    return cells;
}

RowCells CarriedCells(RowCells cells) {
    if (cells.kind != "com" && cells.kind != "sec" && cells.kind != "nor" && cells.kind != "val") cells.kind = "key";
    if (cells.kind != "key") cells.value.clear();
    if (cells.kind == "com") cells.name.clear();
    if (cells.kind == "val") cells.comment.clear();
    return cells;
}

LineParts::LineParts(std::string_view line) : line_(line) {
    const size_t size = line.size();
    size_t first = 0;
    while (first < size && IsBlank(line[first])) ++first;
    if (first == size) return;

    const size_t semicolon = std::min(line.find(';'), size);
    comment_ = {semicolon + 1, size, semicolon < size};
    if (line[first] == ';') {
        // The line lost its spaces at both ends, then its ";".
        cells_.kind = "com";
        size_t last = size;
        while (last > first && IsBlank(line[last - 1])) --last;
        comment_ = {first + 1, last};
        cells_.comment = Without(line, comment_.begin, comment_.end, "\t");
        return;
    }
    if (comment_.present) cells_.comment = Without(line, comment_.begin, comment_.end, "\t");
    if (line[first] == '[') {
        cells_.kind = "sec";
        name_ = {0, semicolon};
        Trim(line, name_.begin, name_.end, " \t");
        cells_.name = HeaderWithoutSpaces(Without(line, 0, semicolon, "\t"));
        return;
    }
    const size_t equals = line.substr(0, semicolon).find('=');
    if (equals != std::string_view::npos) {
        cells_.kind = "key";
        equals_ = equals;
        name_ = {0, equals};
        Trim(line, name_.begin, name_.end, " \t");
        value_ = {equals + 1, semicolon};
        Trim(line, value_.begin, value_.end, " \t");
        cells_.name = TrimSpaces(Without(line, 0, equals, "\t"));
        cells_.value = TrimSpaces(Without(line, equals + 1, semicolon, "\t"));
        return;
    }
    // Spaces belong to the text of an other line; only its TABs go.
    cells_.kind = "nor";
    name_ = {0, semicolon};
    Trim(line, name_.begin, name_.end, "\t");
    cells_.name = Without(line, 0, semicolon, "\t");
}

std::string LineParts::WithCells(const RowCells& given) const {
    const RowCells cells = CarriedCells(given);
    if (!IsRow() || cells.kind != cells_.kind) return std::string();
    struct Replacement {
        const Span& span;
        const std::string& own;
        const std::string& wanted;
    };
    const Replacement replacements[] = {
        {name_, cells_.name, cells.name}, {value_, cells_.value, cells.value}, {comment_, cells_.comment, cells.comment}};
    std::string line;
    size_t copied = 0;
    for (const Replacement& r : replacements) {
        if (r.own == r.wanted || !r.span.present) continue;
        line.append(line_.substr(copied, r.span.begin - copied));
        line.append(r.wanted);
        copied = r.span.end;
    }
    line.append(line_.substr(copied));
    if (!comment_.present && !cells.comment.empty()) {
        // A comment for a line that had none: a key's value or a header ends at a blank
        // anyway, an other line's text would take it in.
        if (cells.kind != "nor" && !line.empty() && !IsBlank(line.back())) line += ' ';
        line += ';';
        line.append(cells.comment);
    }
    return line;
}

std::string FreshLine(const RowCells& given) {
    const RowCells cells = CarriedCells(given);
    std::string line;
    if (cells.kind == "com") return ";" + cells.comment;
    if (cells.kind == "val") return cells.name;
    if (cells.kind == "sec" || cells.kind == "nor") {
        line = cells.name;
    } else {
        line = cells.name + " = " + cells.value;
    }
    if (!cells.comment.empty()) line += ";" + cells.comment;
    return line;
}

std::string LineParts::KeyLineLike(const RowCells& given) const {
    const RowCells cells = CarriedCells(given);
    if (cells_.kind != "key" || cells.kind != "key") return std::string();
    std::string line(line_.substr(0, name_.begin));
    line.append(cells.name);
    const std::string_view gap = line_.substr(name_.end, equals_ - name_.end);
    if (gap.size() > 1 && gap.find_first_not_of(' ') == std::string_view::npos) {
        const size_t column = equals_ - name_.begin;
        line.append(column > cells.name.size() + 1 ? column - cells.name.size() : 1, ' ');
    } else {
        line.append(gap);
    }
    line.append(line_.substr(equals_, value_.begin - equals_));
    line.append(cells.value);
    if (!cells.comment.empty()) {
        line.append(comment_.present ? line_.substr(value_.end, comment_.begin - value_.end) : " ;");
        line.append(cells.comment);
    }
    return line;
}

bool ReadsLikeFreshLine(std::string_view line, const RowCells& cells) {
    return LineParts(line).Cells() == LineParts(FreshLine(cells)).Cells();
}
