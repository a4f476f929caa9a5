#include "game/GameRowsText.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

#include "layout/LineParts.h"
#include "layout/SourceLines.h"

namespace {

constexpr size_t kSample = 64;
// A line's place packs its start (up to 2^40) and its length; a length of kLongSize or more is
// told by kLongSize and measured again when asked for.
constexpr unsigned kSizeBits = 24;
constexpr uint64_t kLongSize = (uint64_t{1} << kSizeBits) - 1;

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
    for (SourceLine line; reader.Next(line);) {
        const uint64_t at = line.text.empty() ? 0 : line.text.data() - original.data();  // an empty view may point nowhere
        lines_.push_back(at << kSizeBits | std::min<uint64_t>(line.text.size(), kLongSize));
    }
    mark_ = reader.Mark();
    const void* nul = std::memchr(original.data(), '\0', original.size());
    read_ = nul ? static_cast<const char*>(nul) - original.data() : original.size();
    original_ = original;
    head_ = original.substr(0, kSample);
    end_ = original.substr(original.size() - std::min(original.size(), kSample));
    split_ = true;
}

std::string_view GameRowsText::Line(int origin) const {
    const size_t at = lines_[origin] >> kSizeBits;
    size_t size = lines_[origin] & kLongSize;
    if (size == kLongSize) {  // a line this long ends where the reader ended it: at a line end or the read text's end
        const std::string_view rest = original_.substr(at, read_ - at);
        size = std::min(rest.find('\r'), rest.find('\n'));
        size = std::min(size, rest.size());
    }
    return original_.substr(at, size);
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
            text += Line(origin);
            continue;
        }
        const RowCells cells = CellsOfRowString(rows.RowString(row).view());
        const std::string line = origin >= 0 && origin < lines ? LineParts(Line(origin)).WithCells(cells) : std::string();
        text += line.empty() || !ReadsLikeFreshLine(line, cells) ? FreshLine(cells) : line;
    }
    return text;
}
