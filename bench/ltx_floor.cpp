// The floor of `morvane-ltx save`: the same rows and the same saved bytes by the plainest
// program we can write. One read of the file, one pass over its bytes that keeps every row's
// cells in one block, the file's text let go, one pass over the rows into one output text, and
// the tool's own save (temporary file, fsync, rename). The benchmark runs it as a process, as it
// runs the tool, and checks that both write the same bytes.
//
//   ltx_floor INPUT OUTPUT
#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "objlib/FileSystem.h"
#include "runtime/Bytes.h"

namespace {

enum class Kind : uint8_t { Comment, Section, Key, Other };

// A row's cells as offsets into the rows' one block of bytes.
struct Row {
    Kind kind;
    uint32_t name, nameLength, value, valueLength, comment, commentLength;
};

struct Rows {
    std::string cells;
    std::vector<Row> rows;

    uint32_t Keep(std::string_view text) {
        uint32_t at = static_cast<uint32_t>(cells.size());
        cells.append(text);
        return at;
    }
    std::string_view Cell(uint32_t at, uint32_t length) const { return std::string_view(cells).substr(at, length); }
};

std::string_view TrimSpaces(std::string_view s) {
    size_t b = s.find_first_not_of(' ');
    if (b == std::string_view::npos) return {};
    return s.substr(b, s.find_last_not_of(' ') - b + 1);
}

// The parser's rules for one line: tabs go, a blank line makes no row, then a comment, a
// header (its spaces removed, the text after ";" its comment), a key (trimmed name and value
// before ";") or another line.
void AddRow(Rows& out, std::string_view raw, std::string& line) {
    line.clear();
    for (char c : raw)
        if (c != '\t') line += c;
    std::string_view whole = line;
    std::string_view trimmed = TrimSpaces(whole);
    if (trimmed.empty()) return;
    size_t semi = whole.find(';');
    std::string_view beforeSemi = whole.substr(0, semi);
    std::string_view comment = semi == std::string_view::npos ? std::string_view() : whole.substr(semi + 1);
    Row row{};
    auto keepName = [&](std::string_view name) {
        row.name = out.Keep(name);
        row.nameLength = static_cast<uint32_t>(name.size());
    };
    if (trimmed[0] == ';') {
        row.kind = Kind::Comment;
        comment = trimmed.substr(1);
    } else if (trimmed[0] == '[') {
        row.kind = Kind::Section;
        row.name = static_cast<uint32_t>(out.cells.size());
        for (char c : beforeSemi)
            if (c != ' ') out.cells += c;
        row.nameLength = static_cast<uint32_t>(out.cells.size() - row.name);
    } else if (size_t eq = beforeSemi.find('='); eq != std::string_view::npos) {
        row.kind = Kind::Key;
        std::string_view rest = whole.substr(eq + 1);
        size_t valueEnd = rest.find(';');
        keepName(TrimSpaces(whole.substr(0, eq)));
        std::string_view value = TrimSpaces(rest.substr(0, valueEnd));
        row.value = out.Keep(value);
        row.valueLength = static_cast<uint32_t>(value.size());
        comment = valueEnd == std::string_view::npos ? std::string_view() : rest.substr(valueEnd + 1);
    } else {
        row.kind = Kind::Other;
        keepName(beforeSemi);
    }
    row.comment = out.Keep(comment);
    row.commentLength = static_cast<uint32_t>(comment.size());
    out.rows.push_back(row);
}

Rows ReadRows(std::string_view text) {
    text = text.substr(0, text.find('\0'));
    Rows rows;
    rows.cells.reserve(text.size());
    std::string line;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find_first_of("\r\n", start);
        if (end == std::string_view::npos) end = text.size();
        AddRow(rows, text.substr(start, end - start), line);
        start = end;
        if (start < text.size() && text[start] == '\r') {
            ++start;
            if (start < text.size() && text[start] == '\n') ++start;
        } else if (start < text.size()) {
            ++start;  // a lone LF
        }
    }
    return rows;
}

// The writer's rules: one line a row, CR LF after each.
std::string WriteRows(const Rows& rows) {
    std::string out;
    out.reserve(rows.cells.size() + rows.rows.size() * 8);
    for (const Row& row : rows.rows) {
        std::string_view name = rows.Cell(row.name, row.nameLength);
        switch (row.kind) {
            case Kind::Comment: out += ';'; break;
            case Kind::Section: out += '\r'; out += name; out += "\t;"; break;
            case Kind::Other: out += name; out += "\t;"; break;
            case Kind::Key:
                out += '\t';
                out += name;
                out += " = ";
                out += rows.Cell(row.value, row.valueLength);
                out += "\t;";
                break;
        }
        out += rows.Cell(row.comment, row.commentLength);
        out += "\r\n";
    }
    return out;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: ltx_floor INPUT OUTPUT\n");
        return 2;
    }
    Rows rows;
    {
        Bytes text;
        if (!ReadWholeFile(argv[1], text)) return 1;
        rows = ReadRows(text.view());
    }  // the file's text ends here, as the parser's should
    return WriteWholeFile(argv[2], WriteRows(rows)) ? 0 : 1;
}
