#include "components/text/THIFormatStr.h"

#include <cstring>

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Reads the decimal digits of text from i on into a 16-bit number, leaving i behind them.
uint16_t ReadPlaceholderNumber(std::string_view text, size_t& i) {
    uint16_t n = 0;
    for (; i < text.size() && IsDigit(text[i]); ++i) n = static_cast<uint16_t>(n * 10 + (text[i] - '0'));
    return n;
}

}  // namespace

void THIFormatStr::SetDataCount(int32_t n) {
    DataCount = n;
    Str.resize(n > 0 ? static_cast<size_t>(n) : 0);
}

const THI_Event& THIFormatStr::Point(uint16_t n) const {
    static const THI_Event unconnected;
    // n >= 1; compared as addresses, so the list's size is not divided out of its byte length.
    const THI_Event* point = Str.data() + (n - 1);
    return point < Str.data() + Str.size() ? *point : unconnected;
}

namespace {

// Only a % before the last byte is ever examined; without one the mask is the result.
bool HasPlaceholderSign(std::string_view mask) {
    return mask.size() > 1 && std::memchr(mask.data(), '%', mask.size() - 1) != nullptr;
}

}  // namespace

inline const THIFormatStr::ParsedMask* THIFormatStr::FindParsed() {
    const char* data = Mask.data();
    const size_t size = Mask.size();
    auto same = [&](const ParsedMask& p) { return p.data == data && p.size == size && p.count == DataCount; };
    if (lastParsed_ && same(*lastParsed_)) return lastParsed_;
    for (ParsedMask& p : parsed_) {
        if (same(p)) {
            lastParsed_ = &p;
            return &p;
        }
    }
    return nullptr;
}

void THIFormatStr::doString(TData& d, uint16_t) {
    if (DataCount > 0 && SkipInserted && !filling_) {
        // The outermost fill: the mask's pieces are kept, and it builds in the kept block. The
        // kept entry holds the mask, so a doMask reached through a read changes nothing here.
        const ParsedMask* found = FindParsed();
        const ParsedMask& parsed = found ? *found : AddParsed(Mask);
        const Bytes& mask = parsed.mask;
        if (!parsed.fills) {
            RaiseString(onFString, mask);
            return;
        }
        // A fill reached again from inside a read builds in a block of its own (below), so the
        // text half built here is never written over, and leaves the kept pieces alone.
        Bytes result;
        {
            struct Filling {
                bool& flag;
                ~Filling() { flag = false; }  // a read that throws does not leave it set
            } filling{filling_ = true};
            FillOnce(mask, parsed.pieces, d, builder_);
            result = builder_.Finish();
        }
        RaiseString(onFString, std::move(result));
        return;
    }
    Bytes mask = Mask;  // a doMask reached through a read must not change the text being filled
    if (DataCount <= 0 || !HasPlaceholderSign(mask)) {
        RaiseString(onFString, mask);
        return;
    }
    Bytes result;
    if (SkipInserted) {
        std::vector<Piece> pieces;
        ParseMask(mask, pieces);
        BytesBuilder own;
        FillOnce(mask, pieces, d, own);
        result = own.Finish();
    } else {
        std::string text = std::move(buffer_);
        text.assign(mask.view());
        FillRescanning(text, d);
        result = Bytes(text);
        buffer_ = std::move(text);
    }
    RaiseString(onFString, std::move(result));
}

const THIFormatStr::ParsedMask& THIFormatStr::AddParsed(const Bytes& mask) {
    const char* data = mask.data();
    const size_t size = mask.size();
    ParsedMask* place;
    if (parsed_.size() < kParsedMasks) {
        parsed_.reserve(kParsedMasks);
        place = &parsed_.emplace_back();
    } else {
        place = &parsed_[nextReplaced_];
        nextReplaced_ = (nextReplaced_ + 1) % kParsedMasks;
    }
    lastParsed_ = place;
    ParsedMask& entry = *place;
    // Named only once its pieces are whole: a parse cut short by an exception matches no mask.
    entry.data = nullptr;
    entry.fills = HasPlaceholderSign(mask);
    entry.pieces.clear();
    if (entry.fills) ParseMask(mask, entry.pieces);
    entry.mask = mask;
    entry.data = data;
    entry.size = size;
    entry.count = DataCount;
    return entry;
}

// Inserted text is never scanned, so the mask is read once into pieces and the result appended
// piece by piece, straight into the block the result is a slice of. "Below the length of the
// text" for the text being filled means before the last byte of the mask, since everything
// behind the scan position is still the mask's own text.
void THIFormatStr::ParseMask(std::string_view mask, std::vector<Piece>& pieces) const {
    pieces.clear();
    auto text = [&](size_t from, size_t to) {
        if (to == from) return;
        if (!pieces.empty() && pieces.back().n == 0 && pieces.back().offset + pieces.back().length == from)
            pieces.back().length += static_cast<uint32_t>(to - from);
        else
            pieces.push_back({static_cast<uint32_t>(from), static_cast<uint32_t>(to - from), 0});
    };
    size_t i = 0;
    while (i + 1 < mask.size()) {
        size_t percent = mask.find('%', i);
        if (percent == std::string_view::npos || percent + 1 >= mask.size()) break;
        text(i, percent);
        i = percent + 1;
        if (mask[i] == '%') {
            text(percent, percent + 1);  // a doubled % stands for its first
            ++i;
            continue;
        }
        uint16_t n = ReadPlaceholderNumber(mask, i);
        if (n == 0 || n > DataCount) {
            text(percent, i);
            continue;
        }
        pieces.push_back({0, 0, n});
    }
    text(i, mask.size());
}

// Appends what ReadString(d, point) answers. A connected point's string is appended from the
// answer record itself, instead of being handed out of it and then dropped. In line in the
// fill's loop, which calls it for every value of every line.
[[gnu::always_inline]] inline void THIFormatStr::AppendValue(TData& d, const THI_Event& point, BytesBuilder& out) {
    static const THI_Event unconnected;
    if (point.Method) {
        TData answer;
        ReadHook(point, answer);
        if (answer.Tag() == Tag::String) {
            out.Append(answer.StrValue.view());
            return;
        }
        if (answer.Tag() == Tag::Integer) {
            out.AppendDecimal(answer.IntValue);  // no string of its own, unlike ConvertedToString
            return;
        }
        if (answer.Tag() != Tag::Break) {
            out.Append(ConvertedToString(answer).view());
            return;
        }
    }
    out.Append(ReadString(d, unconnected));
}

// In line in doString: it runs once for every formatted line.
[[gnu::always_inline]] inline void THIFormatStr::FillOnce(std::string_view mask, const std::vector<Piece>& pieces, TData& d, BytesBuilder& out) {
    out.Start();
    for (const Piece& piece : pieces) {
        if (piece.n == 0)
            out.Append({mask.data() + piece.offset, piece.length});  // a piece lies within its mask
        else
            AppendValue(d, Point(piece.n), out);
    }
}

// Edits the text in place and scans inserted text again. Each expansion opens a span over its
// inserted text; spans nest, and a placeholder met inside the span of the same number is left
// as it is, which bounds the nesting by DataCount.
void THIFormatStr::FillRescanning(std::string& text, TData& d) {
    struct Span {
        size_t end;
        uint16_t n;
    };
    std::vector<Span> open;  // innermost last
    size_t i = 0;
    while (i + 1 < text.size()) {
        while (!open.empty() && i >= open.back().end) open.pop_back();
        if (text[i] != '%') {
            ++i;
            continue;
        }
        size_t start = i++;
        if (text[i] == '%') {
            text.erase(start, 1);  // i now points behind the remaining %
            for (Span& span : open) --span.end;
            continue;
        }
        uint16_t n = ReadPlaceholderNumber(text, i);
        bool ownSpan = false;
        for (const Span& span : open) ownSpan = ownSpan || span.n == n;
        if (n == 0 || n > DataCount || ownSpan) continue;
        Bytes value = ReadString(d, Point(n));
        text.replace(start, i - start, value.view());
        // The byte behind a span is never a digit (digits are read up to the first other byte),
        // so the placeholder lies wholly inside every open span and each moves by the same amount.
        for (Span& span : open) span.end = span.end - (i - start) + value.size();
        open.push_back({start + value.size(), n});
        i = start;
    }
}

void THIFormatStr::doMask(TData& d, uint16_t) {
    // ToString's rule, with a string shared straight into Mask rather than through a copy.
    if (d.Tag() == Tag::String)
        Mask = d.StrValue;
    else
        Mask = ConvertedToString(d);
}

void THIFormatStr::doMethod(TData& d, uint16_t index) {
    if (index == 0)
        doString(d, index);
    else
        doMask(d, index);
}
