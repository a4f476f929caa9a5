#include "game/GameRowsText.h"

#include <algorithm>

#include "layout/LineParts.h"
#include "layout/SourceLines.h"

namespace {

constexpr size_t kSample = 64;

}  // namespace

std::string GameTextOfRows(std::string_view original, const TStringTableRows& rows) {
    return GameRowsText().Of(original, rows);
}

bool GameRowsText::Holds(std::string_view original) const {
    return split_ && original.data() == original_.data() && original.size() == original_.size() &&
           original.substr(0, kSample) == head_ && original.substr(original.size() - end_.size()) == end_;
}

void GameRowsText::Split(std::string_view original) {
    Forget();
    SourceLineReader reader(original);
    for (SourceLine line; reader.Next(line);) lines_.push_back(line.text);
    mark_ = reader.Mark();
    original_ = original;
    head_ = original.substr(0, kSample);
    end_ = original.substr(original.size() - std::min(original.size(), kSample));
    split_ = true;
}

void GameRowsText::Forget() {
    lines_ = {};
    original_ = mark_ = {};
    head_.clear();
    end_.clear();
    split_ = false;
}

std::string GameRowsText::Of(std::string_view original, const TStringTableRows& rows) {
    if (!Holds(original)) Split(original);
    std::string text(mark_);  // the game reads the mark as bytes of the first line
    text.reserve(original.size());
    const int count = rows.Count();
    const int lines = static_cast<int>(lines_.size());
    for (int row = 0; row < count; ++row) {
        if (row) text += '\n';
        const int origin = rows.Origin(row);
        if (origin >= 0 && origin < lines && !rows.Changed(row)) {
            text += lines_[origin];
            continue;
        }
        const RowCells cells = CellsOfRowString(rows.RowString(row).view());
        const std::string line = origin >= 0 && origin < lines ? LineParts(lines_[origin]).WithCells(cells) : std::string();
        text += line.empty() || !ReadsLikeFreshLine(line, cells) ? FreshLine(cells) : line;
    }
    return text;
}
