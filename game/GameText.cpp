#include "game/GameText.h"

#include "game/GameNames.h"
#include "runtime/ByteScan.h"

#include <algorithm>
#include <bit>
#include <functional>
#include <utility>
#include <cstring>

namespace {

constexpr size_t kLongestLine = 4094;  // a line of 4095 bytes or more stops the game
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

bool IsTrimmed(char c) { return static_cast<unsigned char>(c) <= 0x20; }
// The characters the game drops from a value outside quotes (the C locale's white space).
bool IsValueSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

template <bool (*IsSpace)(char)>
std::string_view TrimWith(std::string_view text) {
    size_t begin = 0, end = text.size();
    while (begin < end && IsSpace(text[begin])) ++begin;
    while (end > begin && IsSpace(text[end - 1])) --end;
    return text.substr(begin, end - begin);
}

std::string_view Trim(std::string_view text) { return TrimWith<IsTrimmed>(text); }

size_t Find(std::string_view text, char c, size_t from = 0) {
    if (from >= text.size()) return std::string_view::npos;
    const void* hit = std::memchr(text.data() + from, c, text.size() - from);
    return hit ? static_cast<const char*>(hit) - text.data() : std::string_view::npos;
}

// The line without its comment: from the first ";", or from "//" when the line's first "/"
// begins one before that; unless the first pair of double quotes encloses that start.
std::string_view WithoutComment(std::string_view line) {
    size_t comment = Find(line, ';');
    const size_t slash = Find(line, '/');
    if (slash != std::string_view::npos && slash + 1 < line.size() && line[slash + 1] == '/' && slash < comment)
        comment = slash;
    if (comment == std::string_view::npos) return line;
    const size_t open = Find(line, '"');
    if (open < comment) {
        const size_t close = Find(line, '"', open + 1);
        if (close != std::string_view::npos && close > comment) return line;
    }
    return line.substr(0, comment);
}

// Walks the lines of a text: a line ends at CR, LF or CR LF.
class LineWalker {
public:
    // Starts at byte `from`, the start of line `line`.
    LineWalker(std::string_view text, size_t from, int line)
        : text_(text),
          hasNul_(Find(text, '\0') != std::string_view::npos),
          position_(from),
          number_(line - 1) {}

    bool Next(std::string_view& line) {
        if (position_ >= text_.size()) return false;
        const size_t start = position_;
        // Both ends looked for in one pass over the line: a text with no CR, or no LF at all, is
        // not searched to its end again for every line.
        const char* data = text_.data();
        const size_t end = static_cast<size_t>(FindEitherByte(data + start, data + text_.size(), '\r', '\n') - data);
        position_ = end;
        if (position_ < text_.size())
            position_ += (text_[end] == '\r' && end + 1 < text_.size() && text_[end + 1] == '\n') ? 2 : 1;
        ++number_;
        lineStart_ = start;
        rawLength_ = end - start;
        line = text_.substr(start, end - start);
        if (hasNul_) line = line.substr(0, std::min(line.size(), Find(line, '\0')));
        return true;
    }
    int Number() const { return number_; }
    size_t RawLength() const { return rawLength_; }
    size_t LineStart() const { return lineStart_; }  // of the line Next gave last

private:
    std::string_view text_;
    bool hasNul_;
    size_t position_;
    int number_;
    size_t lineStart_ = 0;
    size_t rawLength_ = 0;
};

// The key lines of one header by key, as indexes into GameText::keys: open addressing over
// the keys' hashes, emptied for the next header by a new round rather than slot by slot, so
// that a header costs no allocation and no sort.
class KeysSeen {
public:
    void Begin(size_t keys) {
        if (slots_.size() < keys * 2) slots_.assign(std::bit_ceil(std::max<size_t>(keys * 2, 16)), Slot());
        ++round_;
    }
    // The last key line given before with that key (-1: none); `index` takes its place.
    int64_t Swap(std::string_view key, uint32_t index, const std::vector<GameTextKey>& keys) {
        const size_t mask = slots_.size() - 1;
        const size_t hash = std::hash<std::string_view>()(key);
        for (size_t i = hash & mask;; i = (i + 1) & mask) {
            Slot& slot = slots_[i];
            if (slot.round != round_) {
                slot = {round_, hash, index};
                return -1;
            }
            if (slot.hash == hash && keys[slot.index].key == key) return std::exchange(slot.index, index);
        }
    }

private:
    struct Slot {
        uint64_t round = 0;
        size_t hash = 0;
        uint32_t index = 0;
    };
    std::vector<Slot> slots_;
    uint64_t round_ = 0;
};

class TextReader {
public:
    TextReader(std::string_view text, bool overlay, GameText& out, size_t from = 0, int line = 1)
        : lines_(text, from, line), overlay_(overlay), out_(out) {}

    // Reads on to the end, or up to a header line `stop` accepts (the line is not read).
    GameTextStop Read(GameTextStopTest stop = {}) {
        std::string_view line;
        while (NextLine(line)) {
            const std::string_view text = WithoutComment(Trim(line));
            if (text.empty()) continue;
            if (text[0] == '#' && text.find("#include") != std::string_view::npos) {
                Include(text);
            } else if (GameHeaderMark mark; IsHeader(text, mark)) {
                if (stop.Accepts && stop.Accepts(stop.target, lines_.Number(), lines_.LineStart())) {
                    // The line is left to the reading that takes over, its length too.
                    if (lines_.RawLength() > kLongestLine) out_.problems.pop_back();
                    CloseHeader();
                    return {lines_.Number(), lines_.LineStart()};
                }
                Header(text, mark);
            } else if (current_ >= 0) {
                Key(text);  // key lines before the first header belong to no section
            }
        }
        CloseHeader();
        return {};
    }

    // Values composed from now on get blocks of their own size rather than shares of a pool:
    // a text read again in part keeps its old blocks, and should not add a pool each time.
    void ComposeExactly() { exact_ = true; }

private:
    // The next line, telling a line too long for the game.
    bool NextLine(std::string_view& line) {
        if (!lines_.Next(line)) return false;
        if (lines_.RawLength() > kLongestLine)
            Problem(GameProblemKind::LongLine, lines_.Number(), {}, {}).number =
                static_cast<int64_t>(lines_.RawLength());
        return true;
    }

    GameProblem& Problem(GameProblemKind kind, int line, std::string_view subject, std::string_view other) {
        GameProblem& problem = out_.problems.emplace_back();
        problem.kind = kind;
        problem.at.line = line;
        problem.subject = subject;
        problem.other = other;
        return problem;
    }

    bool IsHeader(std::string_view text, GameHeaderMark& mark) {
        mark = GameHeaderMark::None;
        if (text[0] == '[') return true;
        if (!overlay_) return false;
        if (text.starts_with("![")) {
            mark = GameHeaderMark::Override;
        } else if (text.starts_with("!![")) {
            mark = GameHeaderMark::Delete;
        } else if (text.starts_with("@[")) {
            mark = GameHeaderMark::CreateOrOverride;
        } else {
            return false;
        }
        return true;
    }

    void Include(std::string_view text) {
        const size_t open = Find(text, '"');
        if (open == std::string_view::npos) return;  // the game finds no name and reads on
        const size_t close = Find(text, '"', open + 1);
        const size_t end = close == std::string_view::npos ? text.size() : close;
        out_.includes.push_back({lines_.Number(), text.substr(open + 1, end - open - 1)});
        out_.steps.push_back(~static_cast<int32_t>(out_.includes.size() - 1));
    }

    void Header(std::string_view text, GameHeaderMark mark) {
        CloseHeader();
        const std::string_view body = text.substr(text.find('['));
        const size_t close = Find(body, ']');
        GameTextHeader& header = out_.headers.emplace_back();
        header.line = lines_.Number();
        header.mark = mark;
        header.name = body.substr(1, close == std::string_view::npos ? std::string_view::npos : close - 1);
        header.nameHash = GameNameHash(header.name);
        header.parentBegin = header.parentEnd = static_cast<uint32_t>(out_.parents.size());
        header.keyBegin = static_cast<uint32_t>(out_.keys.size());
        current_ = static_cast<int>(out_.headers.size() - 1);
        if (mark != GameHeaderMark::None) OverlaySyntax();
        const size_t colon = text.find("]:");
        if (colon != std::string_view::npos) {
            Parents(text.substr(colon + 2));
            header.parentEnd = static_cast<uint32_t>(out_.parents.size());
        } else if (close != std::string_view::npos) {
            // "[a] : b": the game needs "]:" exactly, so b is no parent.
            size_t after = close + 1;
            while (after < body.size() && IsTrimmed(body[after])) ++after;
            if (after > close + 1 && after < body.size() && body[after] == ':')
                Problem(GameProblemKind::SpaceBeforeColon, header.line, header.name, Trim(body.substr(after + 1)));
        }
        out_.steps.push_back(current_);
    }

    void Parents(std::string_view list) {
        while (!list.empty()) {
            const size_t comma = Find(list, ',');
            std::string_view item = Trim(list.substr(0, comma));
            list = comma == std::string_view::npos ? std::string_view() : list.substr(comma + 1);
            bool removed = false;
            if (overlay_ && !item.empty() && item[0] == '!') {
                removed = true;
                item = Trim(item.substr(1));
                OverlaySyntax();
            }
            if (!item.empty()) out_.parents.push_back({item, removed});
        }
    }

    void Key(std::string_view text) {
        const size_t equals = Find(text, '=');
        std::string_view key = Trim(text.substr(0, equals));
        GameKeyOp op = GameKeyOp::Set;
        if (overlay_ && !key.empty() && (key[0] == '!' || key[0] == '>' || key[0] == '<')) {
            op = key[0] == '!' ? GameKeyOp::Delete : key[0] == '>' ? GameKeyOp::Append : GameKeyOp::Remove;
            key = Trim(key.substr(1));
            OverlaySyntax();
        }
        const int line = lines_.Number();
        const std::string_view value =
            equals == std::string_view::npos ? std::string_view() : Value(text.substr(equals + 1), key);
        if (key.empty() && (value.empty() || op == GameKeyOp::Delete)) return;  // the game keeps nothing
        out_.keys.push_back({line, op, key, value});
    }

    // The value as the game keeps it: white space outside double quotes dropped; while the
    // quotes do not balance, the following lines belong to it, joined by CR LF.
    std::string_view Value(std::string_view raw, std::string_view key) {
        const std::string_view trimmed = TrimWith<IsValueSpace>(raw);
        bool plain = Find(trimmed, '"') == std::string_view::npos;
        for (size_t i = 0; plain && i < trimmed.size(); ++i) plain = !IsValueSpace(trimmed[i]);
        if (plain) return trimmed;

        const int first = lines_.Number();
        scratch_.clear();
        bool quoted = AppendValue(raw, false);
        std::string_view line;
        while (quoted && NextLine(line)) {
            scratch_ += "\r\n";
            quoted = AppendValue(line, true);
        }
        if (quoted || lines_.Number() != first)
            Problem(GameProblemKind::UnbalancedQuotes, first, key, {}).number = quoted ? 0 : lines_.Number();
        return Compose(scratch_);
    }

    bool AppendValue(std::string_view raw, bool quoted) {
        const size_t from = scratch_.size();
        scratch_.resize(from + raw.size());  // written through a pointer: no growth check per byte
        char* out = scratch_.data() + from;
        for (char c : raw) {
            if (!quoted && IsValueSpace(c)) continue;
            if (c == '"') quoted = !quoted;
            *out++ = c;
        }
        scratch_.resize(out - scratch_.data());
        return quoted;
    }

    // Marks the text, and the header being read, as written in the overlay dialect.
    void OverlaySyntax() {
        out_.overlaySyntax = true;
        if (current_ >= 0) out_.headers[current_].overlaySyntax = true;
    }

    std::string_view Compose(std::string_view text) {
        if (text.empty()) return {};
        constexpr size_t kBlock = 64 * 1024;
        if (exact_) out_.composedAgain += text.size();
        if (exact_ || text.size() > kBlock / 4) {
            out_.composed.emplace_back(new char[text.size()]);
            std::memcpy(out_.composed.back().get(), text.data(), text.size());
            return {out_.composed.back().get(), text.size()};
        }
        if (poolUsed_ + text.size() > kBlock) {
            pool_ = out_.composed.emplace_back(new char[kBlock]).get();
            poolUsed_ = 0;
        }
        char* at = pool_ + poolUsed_;
        std::memcpy(at, text.data(), text.size());
        poolUsed_ += text.size();
        return {at, text.size()};
    }

    // Ends the key lines of the open header and tells the keys it gives twice: each repeat
    // names the line of the one before it.
    void CloseHeader() {
        if (current_ < 0) return;
        GameTextHeader& header = out_.headers[current_];
        header.keyEnd = static_cast<uint32_t>(out_.keys.size());
        seen_.Begin(header.keyEnd - header.keyBegin);
        for (uint32_t k = header.keyBegin; k < header.keyEnd; ++k) {
            const GameTextKey& repeat = out_.keys[k];
            if (repeat.op != GameKeyOp::Set) continue;
            const int64_t earlier = seen_.Swap(repeat.key, k, out_.keys);
            if (earlier >= 0)
                Problem(GameProblemKind::RepeatedKey, repeat.line, repeat.key, header.name).related.line =
                    out_.keys[earlier].line;
        }
        current_ = -1;
    }

    LineWalker lines_;
    bool overlay_;
    GameText& out_;
    int current_ = -1;  // the header whose key lines are being read
    std::string scratch_;
    KeysSeen seen_;
    char* pool_ = nullptr;
    size_t poolUsed_ = 64 * 1024;
    bool exact_ = false;
};

// The warning for a byte-order mark: the game reads no header on its line.
void TellByteOrderMark(std::string_view text, GameText& out) {
    if (!text.starts_with(kByteOrderMark)) return;
    const std::string_view rest = text.substr(kByteOrderMark.size());
    const std::string_view line = Trim(rest.substr(0, rest.find_first_of("\r\n")));
    std::string_view dropped;
    if (!line.empty() && line[0] == '[') dropped = line.substr(1, line.find(']') - 1);
    else if (out.headers.empty()) return;  // no header for it to stand before
    GameProblem problem;
    problem.kind = GameProblemKind::ByteOrderMark;
    problem.at.line = 1;
    problem.subject = dropped;
    out.problems.insert(out.problems.begin(), problem);
}

}  // namespace

void ReadGameText(std::string_view text, bool overlay, GameText& out) {
    out.readAsOverlay = overlay;
    out.keys.reserve(text.size() / 32);  // about one key line per 30 bytes in configuration files
    TextReader(text, overlay, out).Read();
    FinishGameText(text, out);
}

GameTextStop ReadGameTextPart(std::string_view text, bool overlay, size_t from, int line, GameTextStopTest stop,
                              GameText& out) {
    TextReader reader(text, overlay, out, from, line);
    reader.ComposeExactly();
    return reader.Read(stop);
}

void FinishGameText(std::string_view text, GameText& out) {
    TellByteOrderMark(text, out);
    auto byLine = [](const GameProblem& a, const GameProblem& b) { return a.at.line < b.at.line; };
    // Mostly in order already: only repeated keys come after the other problems of their header.
    if (!std::is_sorted(out.problems.begin(), out.problems.end(), byLine))
        std::stable_sort(out.problems.begin(), out.problems.end(), byLine);
}
