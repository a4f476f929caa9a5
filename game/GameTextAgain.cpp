// Reading a file's text again after an edit: a header line starts a reading afresh (no value
// runs on over it, and the lines under it belong to it alone), so the headers above the edit
// and from the first unchanged header below it on read as they did before, their lines moved.
#include <algorithm>
#include <cstdint>
#include <cstring>

#include "game/GameText.h"

namespace {

bool IsLineEnd(char c) { return c == '\r' || c == '\n'; }

// Where the line that holds byte `at` starts.
size_t LineStartOf(std::string_view text, size_t at) {
    while (at > 0 && !IsLineEnd(text[at - 1])) --at;
    return at;
}

constexpr size_t kChunk = 4096;  // compared with memcmp before byte by byte

// How many bytes (at most `limit`) a and b start with alike.
size_t CommonHead(std::string_view a, std::string_view b, size_t limit) {
    size_t same = 0;
    while (same + kChunk <= limit && std::memcmp(a.data() + same, b.data() + same, kChunk) == 0) same += kChunk;
    while (same < limit && a[same] == b[same]) ++same;
    return same;
}

// How many bytes (at most `limit`) a and b end with alike.
size_t CommonTail(std::string_view a, std::string_view b, size_t limit) {
    const char* endA = a.data() + a.size();
    const char* endB = b.data() + b.size();
    size_t same = 0;
    while (same + kChunk <= limit && std::memcmp(endA - same - kChunk, endB - same - kChunk, kChunk) == 0)
        same += kChunk;
    while (same < limit && endA[-1 - static_cast<ptrdiff_t>(same)] == endB[-1 - static_cast<ptrdiff_t>(same)]) ++same;
    return same;
}

class Splice {
public:
    Splice(std::string_view text, bool overlay, std::string_view earlierText, const GameText& earlier, GameText& out)
        : text_(text), overlay_(overlay), old_(earlierText), earlier_(earlier), out_(out) {}

    // False when it is no cheaper than reading the text whole.
    bool Read() {
        if (earlier_.readAsOverlay != overlay_ || earlier_.composedAgain > text_.size() / 4) return false;
        const size_t common = std::min(old_.size(), text_.size());
        same_ = CommonHead(old_, text_, common);
        sameFrom_ = text_.size() - CommonTail(old_, text_, common - same_);
        out_.headers.reserve(earlier_.headers.size() + 16);
        out_.keys.reserve(earlier_.keys.size() + 256);

        // The header read again first: the one before the last header whose line starts above the
        // edit, so that the whole of its line, and of the line before it, is unchanged.
        const int restart = HeaderStartingBefore(same_) - 1;
        out_.readAsOverlay = overlay_;
        out_.composed = earlier_.composed;
        out_.composedAgain = earlier_.composedAgain;
        size_t from = 0;
        int line = 1;
        if (restart >= 0) {
            from = HeaderLineStart(restart);
            line = earlier_.headers[restart].line;
            KeepAbove(restart);
        }
        const GameTextStop stop = ReadGameTextPart(text_, overlay_, from, line, {&Splice::Accepts, this}, out_);
        if (stop.line) KeepFrom(resumed_, stop.line - earlier_.headers[resumed_].line);
        FinishGameText(text_, out_);
        return true;
    }

private:
    size_t HeaderLineStart(int header) const {
        return LineStartOf(old_, earlier_.headers[header].name.data() - old_.data() - 1);  // from its "["
    }

    // The last header whose line starts before byte `at`, or -1.
    int HeaderStartingBefore(size_t at) const {
        int low = 0, high = static_cast<int>(earlier_.headers.size());  // the answer + 1 lies in [low, high]
        while (low < high) {
            const int middle = (low + high) / 2;
            if (HeaderLineStart(middle) < at) low = middle + 1;
            else high = middle;
        }
        return low - 1;
    }

    // A header line of the new text where the earlier reading can take over: it lies in the
    // unchanged end, and the earlier text had a header line starting at the same place.
    static bool Accepts(void* self, int, size_t at) {
        Splice& splice = *static_cast<Splice*>(self);
        if (at < splice.sameFrom_) return false;
        const size_t earlierAt = at - splice.text_.size() + splice.old_.size();
        const int header = splice.HeaderStartingBefore(earlierAt + 1);
        if (header < 0 || splice.HeaderLineStart(header) != earlierAt) return false;
        splice.resumed_ = header;
        return true;
    }

    // A view of the earlier text moved into the new one by `shift` bytes; others (composed
    // values) stay.
    std::string_view Moved(std::string_view view, ptrdiff_t shift) const {
        const auto at = reinterpret_cast<uintptr_t>(view.data());
        const auto begin = reinterpret_cast<uintptr_t>(old_.data());
        if (at < begin || at > begin + old_.size()) return view;
        return {text_.data() + (at - begin) + shift, view.size()};
    }

    void TakeProblem(const GameProblem& problem, int lines) {
        if (problem.kind == GameProblemKind::ByteOrderMark) return;  // told again at the end
        GameProblem& taken = out_.problems.emplace_back(problem);
        taken.at.line += lines;
        if (taken.related.line) taken.related.line += lines;
        if (taken.kind == GameProblemKind::UnbalancedQuotes && taken.number) taken.number += lines;
    }

    // What the earlier reading made of the lines above header `end`.
    void KeepAbove(int end) {
        const GameText& old = earlier_;
        const GameTextHeader& first = old.headers[end];
        for (int h = 0; h < end; ++h) {
            GameTextHeader& header = out_.headers.emplace_back(old.headers[h]);
            header.name = Moved(header.name, 0);
            out_.overlaySyntax = out_.overlaySyntax || header.overlaySyntax;
        }
        for (uint32_t k = 0; k < first.keyBegin; ++k) {
            GameTextKey& key = out_.keys.emplace_back(old.keys[k]);
            key.key = Moved(key.key, 0);
            key.value = Moved(key.value, 0);
        }
        for (uint32_t p = 0; p < first.parentBegin; ++p)
            out_.parents.push_back({Moved(old.parents[p].name, 0), old.parents[p].removed});
        for (const GameTextInclude& include : old.includes)
            if (include.line < first.line) out_.includes.push_back({include.line, Moved(include.name, 0)});
        for (int32_t step : old.steps) {
            if (step == end) break;
            out_.steps.push_back(step);
        }
        for (const GameProblem& problem : old.problems)
            if (problem.at.line < first.line) TakeProblem(problem, 0);
    }

    // What the earlier reading made of header `begin` and the lines below it, moved by `lines`.
    void KeepFrom(int begin, int lines) {
        const GameText& old = earlier_;
        const GameTextHeader& first = old.headers[begin];
        const ptrdiff_t shift = static_cast<ptrdiff_t>(text_.size()) - static_cast<ptrdiff_t>(old_.size());
        const int32_t headers = static_cast<int32_t>(out_.headers.size()) - begin;
        const uint32_t keys = static_cast<uint32_t>(out_.keys.size()) - first.keyBegin;
        const uint32_t parents = static_cast<uint32_t>(out_.parents.size()) - first.parentBegin;
        const auto firstInclude = std::find_if(old.includes.begin(), old.includes.end(),
                                               [&](const GameTextInclude& include) { return include.line >= first.line; });
        const int32_t includes = static_cast<int32_t>(out_.includes.size() - (firstInclude - old.includes.begin()));
        for (size_t h = begin; h < old.headers.size(); ++h) {
            GameTextHeader& header = out_.headers.emplace_back(old.headers[h]);
            header.line += lines;
            header.name = Moved(header.name, shift);
            header.parentBegin += parents;
            header.parentEnd += parents;
            header.keyBegin += keys;
            header.keyEnd += keys;
            out_.overlaySyntax = out_.overlaySyntax || header.overlaySyntax;
        }
        for (size_t k = first.keyBegin; k < old.keys.size(); ++k) {
            GameTextKey& key = out_.keys.emplace_back(old.keys[k]);
            key.line += lines;
            key.key = Moved(key.key, shift);
            key.value = Moved(key.value, shift);
        }
        for (size_t p = first.parentBegin; p < old.parents.size(); ++p)
            out_.parents.push_back({Moved(old.parents[p].name, shift), old.parents[p].removed});
        for (auto include = firstInclude; include != old.includes.end(); ++include)
            out_.includes.push_back({include->line + lines, Moved(include->name, shift)});
        const auto firstStep = std::find(old.steps.begin(), old.steps.end(), begin);
        for (auto step = firstStep; step != old.steps.end(); ++step)
            out_.steps.push_back(*step >= 0 ? *step + headers : ~(~*step + includes));
        for (const GameProblem& problem : old.problems)
            if (problem.at.line >= first.line) TakeProblem(problem, lines);
    }

    std::string_view text_;
    bool overlay_;
    std::string_view old_;
    const GameText& earlier_;
    GameText& out_;
    size_t same_ = 0;      // the bytes both texts start with
    size_t sameFrom_ = 0;  // where the bytes both texts end with begin in the new one
    int resumed_ = -1;     // the earlier header the new reading stopped at
};

}  // namespace

void ReadGameTextAgain(std::string_view text, bool overlay, std::string_view earlierText, const GameText& earlier,
                       GameText& out) {
    if (!Splice(text, overlay, earlierText, earlier, out).Read()) ReadGameText(text, overlay, out);
}
