#include "layout/KeepLinesWriter.h"

#include "layout/LineParts.h"
#include "layout/SourceLines.h"
#include "objlib/FileSystem.h"

namespace {

// Appends lines to the text; a line that follows the last line of the original, which had no
// line end, first gives it one.
class TextBuilder {
public:
    TextBuilder(std::string& text, std::string_view lineEnd) : text_(text), lineEnd_(lineEnd) {}

    void Append(std::string_view bytes) {
        if (open_ && !bytes.empty()) {
            text_.append(lineEnd_);
            open_ = false;
        }
        text_.append(bytes);
    }
    void AppendLine(std::string_view line, std::string_view end) {
        Append(line);
        if (end.empty()) {
            open_ = true;
        } else {
            text_.append(end);
        }
    }

private:
    std::string& text_;
    std::string_view lineEnd_;
    bool open_ = false;
};

// The line of a changed row, in the layout of its own line when that reads back as the row.
std::string ChangedLine(std::string_view own, const RowCells& cells) {
    std::string line = LineParts(own).WithCells(cells);
    if (!line.empty() && ReadsLikeFreshLine(line, cells)) return line;
    return FreshLine(cells);
}

// The line of a new row: a key laid out like the key line written last, when there is one.
std::string NewLine(std::string_view lastKeyLine, const RowCells& cells) {
    if (!lastKeyLine.empty()) {
        std::string line = LineParts(lastKeyLine).KeyLineLike(cells);
        if (!line.empty() && ReadsLikeFreshLine(line, cells)) return line;
    }
    return FreshLine(cells);
}

bool IsKeyRow(const Bytes& rowString) { return rowString.view().substr(0, 4) == "key\t"; }

}  // namespace

std::string KeepLinesText(std::string_view original, const TStringTableRows& rows) {
    std::string text;
    text.reserve(original.size() + original.size() / 16);
    const std::string_view lineEnd = PrevailingLineEnd(original);
    TextBuilder out(text, lineEnd);
    SourceLineReader reader(original);
    out.Append(reader.Mark());
    SourceLine line;
    int next = 0;  // the origin of the next line to read
    bool more = true;
    std::string_view lastKeyLine;  // of the file, the last one written
    for (int row = 0; row < rows.Count(); ++row) {
        const int origin = rows.Origin(row);
        if (origin >= next) {
            // The lines between are those of deleted rows: only their blank lines stay.
            while (more && next < origin) {
                more = reader.Next(line);
                if (more) out.Append(line.blanks);
                ++next;
            }
            more = more && reader.Next(line);
            ++next;
            if (more) {
                out.Append(line.blanks);
                const Bytes cells = rows.RowString(row);
                if (!rows.Changed(row)) {
                    out.AppendLine(line.text, line.end);
                } else {
                    out.AppendLine(ChangedLine(line.text, CellsOfRowString(cells.view())), line.end);
                }
                if (IsKeyRow(cells)) lastKeyLine = line.text;
                continue;
            }
        }
        const Bytes cells = rows.RowString(row);
        out.AppendLine(NewLine(lastKeyLine, CellsOfRowString(cells.view())), lineEnd);
    }
    while (more && (more = reader.Next(line))) out.Append(line.blanks);
    out.Append(reader.Tail());
    return text;
}

bool SaveKeepingLines(std::string_view path, std::string_view original, const TStringTableRows& rows) {
    return WriteWholeFile(path, KeepLinesText(original, rows));
}
