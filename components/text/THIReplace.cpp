#include "components/text/THIReplace.h"

#include <cstddef>
#include <cstring>

#include "runtime/ReadDataRef.h"

namespace {

// The first occurrence of sub in the input at or after `from`, or npos. A single byte, as a
// TAB removed from every line, is looked for straight with memchr: the TAB is mostly absent,
// and over a whole line memchr costs less than the short-span finder. In line: it runs once or
// twice a line.
[[gnu::always_inline]] inline size_t FindFrom(std::string_view input, std::string_view sub, size_t from) {
    if (from >= input.size()) return std::string_view::npos;
    if (sub.size() != 1) return input.find(sub, from);
    if (input[from] == sub[0]) return from;  // the next of a run, as TABs that line up a value
    const void* found = std::memchr(input.data() + from, sub[0], input.size() - from);
    return found ? static_cast<size_t>(static_cast<const char*>(found) - input.data()) : std::string_view::npos;
}

// The input with dst in place of the subSize bytes at each offset: `size` bytes in one block.
Bytes Assemble(std::string_view input, const std::vector<size_t>& offsets, size_t subSize, std::string_view dst,
               size_t size) {
    char* out = nullptr;
    Bytes built = Bytes::Uninitialized(size, out);
    size_t copied = 0;
    for (size_t offset : offsets) {
        // Occurrences side by side, as a run of TABs, leave nothing between them to copy.
        if (offset > copied) std::memcpy(out, input.data() + copied, offset - copied);
        out += offset - copied;
        if (!dst.empty()) std::memcpy(out, dst.data(), dst.size());
        out += dst.size();
        copied = offset + subSize;
    }
    std::memcpy(out, input.data() + copied, input.size() - copied);
    return built;
}

}  // namespace

void THIReplace::doReplace(TData& d, uint16_t) {
    // Locals rather than Result: a Skip read may come back into this component.
    Bytes result = ReadString(d, Str);
    // The properties, which most schemes leave to answer, are looked at where they are.
    Bytes subSpare, dstSpare;
    const Bytes& sub = ReadStringRef(d, SubStrPoint, SubStr, subSpare);
    const Bytes& dst = ReadStringRef(d, DestStrPoint, DestStr, dstSpare);
    std::string_view input = result.view();  // result keeps the input alive until replaced
    // Most lines hold no occurrence: they leave as they came, without the offsets' list.
    size_t found = input.empty() || sub.empty() ? std::string_view::npos : FindFrom(input, sub.view(), 0);
    if (found != std::string_view::npos) {
        // Behind a replacement or a kept occurrence the text is still the input's own, so the
        // occurrences are found in the input and the result is assembled afterwards.
        std::vector<size_t> offsets = std::move(replaced_);  // a re-entering call finds it empty
        offsets.clear();
        ptrdiff_t shift = 0;  // how far the text being built has moved behind the replacements
        do {
            Position = static_cast<int32_t>(static_cast<ptrdiff_t>(found) + shift + 1);
            size_t next = found + 1;
            if (!Skip.Connected() || PullInteger(Skip) == 0) {  // unconnected, it answers 0
                offsets.push_back(found);
                shift += static_cast<ptrdiff_t>(dst.size()) - static_cast<ptrdiff_t>(sub.size());
                next = found + sub.size();
            }
            found = FindFrom(input, sub.view(), next);
        } while (found != std::string_view::npos);
        size_t size = static_cast<size_t>(static_cast<ptrdiff_t>(input.size()) + shift);
        if (!offsets.empty()) result = size == 0 ? Bytes() : Assemble(input, offsets, sub.size(), dst, size);
        replaced_ = std::move(offsets);
    }
    Result = result;
    ForwardString(d, onReplace, std::move(result));
}
