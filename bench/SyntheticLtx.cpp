#include "SyntheticLtx.h"

#include <cstdint>

namespace {

// A small linear congruential generator: the same text on every machine and run.
struct Random {
    uint32_t state = 12345;
    uint32_t Next(uint32_t bound) {
        state = state * 1664525u + 1013904223u;
        return (state >> 8) % bound;
    }
};

const char* const kCyrillic[] = {"\xEF\xE0\xF2\xF0\xEE\xED\xFB", "\xE4\xEB\xFF \xF1\xF2\xE0\xEB\xEA\xE5\xF0\xE0",
                                 "\xED\xE5 \xF2\xF0\xEE\xE3\xE0\xF2\xFC", "\xF3\xF0\xEE\xED"};

}  // namespace

std::string SyntheticLtx(size_t lines) {
    Random random;
    std::string text;
    text.reserve(lines * 32);
    size_t section = 0;
    for (size_t i = 0; i < lines; ++i) {
        uint32_t pick = random.Next(100);
        if (i % 40 == 0) {
            text += "[section_" + std::to_string(section) + "]";
            if (section > 0) text += ":section_" + std::to_string(random.Next(uint32_t(section))) + ", base";
            if (pick < 30) text += " ; header note";
            ++section;
        } else if (pick < 45) {
            text += "hit_power_" + std::to_string(i % 977) + " = 0." + std::to_string(random.Next(100000)) + ", 0." +
                    std::to_string(random.Next(1000));
        } else if (pick < 60) {
            text += "\tname_" + std::to_string(i % 313) + "\t= value with spaces ; " + kCyrillic[pick % 4];
        } else if (pick < 70) {
            text += "; " + std::string(kCyrillic[pick % 4]) + " comment " + std::to_string(i);
        } else if (pick < 75) {
            text += "#include \"file_" + std::to_string(i % 50) + ".ltx\"";
        } else if (pick < 82) {
            text += "";  // a blank line
        } else if (pick < 90) {
            text += "    cond = {+info_" + std::to_string(i % 97) + " -x} walker, patrol %=f(x)%";
        } else {
            text += "models\\weapons\\item_" + std::to_string(i % 211) + ".ogf";
        }
        text += "\r\n";
    }
    return text;
}
