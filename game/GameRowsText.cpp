#include "game/GameRowsText.h"

#include "layout/LineParts.h"
#include "layout/SourceLines.h"

std::string GameTextOfRows(std::string_view original, const TStringTableRows& rows) {
    // The lines the rows were read from, by origin.
    std::vector<std::string_view> lines;
    SourceLineReader reader(original);
    for (SourceLine line; reader.Next(line);) lines.push_back(line.text);

    std::string text;
    text.reserve(original.size());
    for (int row = 0; row < rows.Count(); ++row) {
        if (row) text += '\n';
        const int origin = rows.Origin(row);
        if (origin >= 0 && origin < static_cast<int>(lines.size()) && !rows.Changed(row)) {
            text += lines[origin];
            continue;
        }
        const RowCells cells = CellsOfRowString(rows.RowString(row).view());
        const std::string line = origin >= 0 && origin < static_cast<int>(lines.size())
                                     ? LineParts(lines[origin]).WithCells(cells)
                                     : std::string();
        text += line.empty() || !ReadsLikeFreshLine(line, cells) ? FreshLine(cells) : line;
    }
    return text;
}
