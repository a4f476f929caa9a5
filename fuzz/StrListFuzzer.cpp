// Splits two texts into string lists and joins them again, against the line-end rules: a
// line ends at CR, LF or CR LF, a final line end adds no empty line, the text ends at its
// first NUL byte, and Text() writes CR LF after every line.
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

#include "fuzz/FuzzCheck.h"
#include "objlib/TStrListEx.h"

namespace {

// The lines of a text by the rules above, worked out by rewriting every line end as LF.
std::vector<std::string> ExpectedLines(std::string_view text) {
    text = text.substr(0, text.find('\0'));
    std::string unified;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;
        unified += text[i] == '\r' ? '\n' : text[i];
    }
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < unified.size()) {
        const size_t end = std::min(unified.find('\n', start), unified.size());
        lines.push_back(unified.substr(start, end - start));
        start = end + 1;
    }
    return lines;
}

std::vector<std::string> LinesOf(const TStrList& list) {
    std::vector<std::string> lines;
    for (int i = 0; i < list.Count(); ++i) lines.push_back(list.Get(i).str());
    return lines;
}

std::string Joined(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) text += line + "\r\n";
    return text;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider input(data, size);
    const std::string first = input.ConsumeRandomLengthString(size);
    const std::string second = input.ConsumeRemainingBytesAsString();
    const std::vector<std::string> firstLines = ExpectedLines(first);
    const std::vector<std::string> secondLines = ExpectedLines(second);

    TStrList list;
    list.SetText(Bytes(first), false);
    FUZZ_CHECK(LinesOf(list) == firstLines);
    FUZZ_CHECK(list.Get(-1).empty() && list.Get(list.Count()).empty());
    for (int i = 0; i < list.Count(); ++i) FUZZ_CHECK(list.IndexOf(list.Get(i)) <= i);

    const Bytes text = list.Text();
    FUZZ_CHECK(text == Joined(firstLines));
    TStrList reread;
    reread.SetText(text, false);
    FUZZ_CHECK(LinesOf(reread) == firstLines);

    // Appending keeps the values beside the lines that were there, and gives new lines none.
    TStrListEx paired;
    const TList::Item marker = 7;
    paired.AddObject(Bytes(second), marker);
    paired.SetText(Bytes(first), true);
    FUZZ_CHECK(paired.Count() == 1 + static_cast<int>(firstLines.size()));
    FUZZ_CHECK(paired.Get(0) == second.substr(0, second.find('\0')));
    FUZZ_CHECK(paired.Objects(0) == marker);
    for (int i = 1; i < paired.Count(); ++i) FUZZ_CHECK(paired.Objects(i) == 0);

    list.SetText(Bytes(second), true);
    std::vector<std::string> both = firstLines;
    both.insert(both.end(), secondLines.begin(), secondLines.end());
    FUZZ_CHECK(LinesOf(list) == both);
    list.SetText(Bytes(second), false);
    FUZZ_CHECK(LinesOf(list) == secondLines);
    return 0;
}
