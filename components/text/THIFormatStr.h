// THIFormatStr: fills the placeholders %1 to %N of a mask with the values of its data points.
#pragma once

#include <string>
#include <vector>

#include "runtime/BytesBuilder.h"
#include "runtime/Dispatch.h"

// doString scans Mask from left to right: a doubled % becomes one %; %n with 1 <= n <=
// DataCount (n read as decimal digits, held in 16 bits) is replaced by the value read from
// Str[n - 1] at the moment the placeholder is met, so unconnected points take the successive
// values of the incoming chain; other % signs and a % in the last position stay as they are.
// With SkipInserted set the inserted text is not scanned again; with it clear scanning resumes
// at the start of the inserted text, except that a placeholder is never expanded inside the
// text inserted for that same placeholder (a value naming its own placeholder would otherwise
// expand forever). DataCount 0 or less raises the mask untouched. The result is raised through
// onFString at once. doMask stores the incoming value, converted to a string, as Mask.
//
// Method points: doString (index 0), doMask (index 1), and doMethod, which takes either by
// index for a scheme that connects one method point with two indexes. Data points: Str, sized
// by SetDataCount; Str[0] fills %1. Event: onFString.
class THIFormatStr {
public:
    void doString(TData& d, uint16_t index);
    void doMask(TData& d, uint16_t index);
    void doMethod(TData& d, uint16_t index);

    // Sets DataCount and sizes Str to it; called before the points are connected.
    void SetDataCount(int32_t n);

    int32_t DataCount = 0;
    std::vector<THI_Event> Str;
    Bytes Mask;
    uint8_t SkipInserted = 0;
    THI_Event onFString;

private:
    const THI_Event& Point(uint16_t n) const;
    // A piece of a parsed mask: the mask's bytes [offset, offset + length) when n is 0, else
    // the value of placeholder n.
    struct Piece {
        uint32_t offset;
        uint32_t length;
        uint16_t n;
    };
    void ParseMask(std::string_view mask, std::vector<Piece>& pieces) const;
    void FillOnce(std::string_view mask, const std::vector<Piece>& pieces, TData& d, BytesBuilder& out);
    void FillRescanning(std::string& text, TData& d);
    static void AppendValue(TData& d, const THI_Event& point, BytesBuilder& out);

    // A mask read once into pieces, with whether it has a placeholder to fill at all.
    struct ParsedMask {
        Bytes mask;  // keeps its block alive, so the same data pointer means the same bytes
        const char* data = nullptr;  // mask.data(), looked up without a call
        size_t size = 0;
        int32_t count = 0;
        bool fills = false;
        std::vector<Piece> pieces;
    };
    // The outermost fill's Mask among the few masks read into pieces before, the one found
    // last looked at first, or null: a scheme switches between a handful of masks (one per
    // kind of line) from line to line. In line: it runs for every formatted line.
    const ParsedMask* FindParsed();
    // Reads a mask FindParsed did not find into pieces, in a place of its own or the oldest.
    const ParsedMask& AddParsed(const Bytes& mask);
    static constexpr size_t kParsedMasks = 8;

    // Kept between calls: a filled mask is a slice of the builder's block, allocating nothing
    // of its own; the rescanning fill edits the buffer in place.
    BytesBuilder builder_;
    bool filling_ = false;  // builder_ holds a text being built
    std::string buffer_;
    std::vector<ParsedMask> parsed_;  // room for kParsedMasks kept, so lastParsed_ stays valid
    const ParsedMask* lastParsed_ = nullptr;  // the mask found last, looked at first
    size_t nextReplaced_ = 0;  // with every place taken, the one a new mask takes next
};
