// Reading a text again after an edit gives what reading it whole gives: random texts in the
// game's syntax (overlay marks, values running on over lines, includes, byte-order marks, NUL
// bytes, mixed line ends), edited line by line again and again, each reading taken in part from
// the one before.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "game/GameText.h"

namespace {

struct Random {
    uint32_t state;
    uint32_t Next(uint32_t bound) {
        state = state * 1664525u + 1013904223u;
        return (state >> 8) % bound;
    }
};

std::string RandomLine(Random& random) {
    const std::string n = std::to_string(random.Next(6));
    const std::string m = std::to_string(random.Next(6));
    switch (random.Next(24)) {
    case 0: return "[s" + n + "]";
    case 1: return "[s" + n + "]:s" + m + ", base";
    case 2: return "  [s" + n + "] : s" + m;
    case 3: return "![s" + n + "]";
    case 4: return "!![s" + n + "]";
    case 5: return "@[s" + n + "]:!s" + m + ",s" + n;
    case 6: return "k" + n + " = " + m;
    case 7: return "k" + n + " = a b ; note";
    case 8: return "!k" + n;
    case 9: return ">k" + n + " = x, y";
    case 10: return "<k" + n + " = x";
    case 11: return "q" + n + " = \"opens";
    case 12: return "closes\" ; [s" + m + "]";
    case 13: return "\"";
    case 14: return "v = \"a;b\" // c";
    case 15: return "; comment";
    case 16: return "";
    case 17: return " \t ";
    case 18: return "#include \"f" + n + ".ltx\"";
    case 19: return "! =";
    case 20: return std::string("n\0ul = 1 ; [s", 13) + n + "]";
    case 21: return "[s" + n + "]" + std::string(4100, 'x');
    case 22: return "[unclosed" + n;
    default: return "k" + n + "=" + m;
    }
}

std::string LineEnd(Random& random) {
    const uint32_t pick = random.Next(10);
    return pick < 6 ? "\n" : pick < 9 ? "\r\n" : "\r";
}

// Everything a reading holds, views by their bytes and by where they point.
std::string Dump(const GameText& text, std::string_view bytes) {
    std::string dump;
    auto view = [&](std::string_view v) {
        const auto at = reinterpret_cast<uintptr_t>(v.data());
        const auto begin = reinterpret_cast<uintptr_t>(bytes.data());
        dump += "'" + std::string(v) + "'";
        if (!v.empty()) dump += at >= begin && at <= begin + bytes.size() ? "@" + std::to_string(at - begin) : "@composed";
        dump += ' ';
    };
    dump += "steps";
    for (int32_t step : text.steps) dump += ' ' + std::to_string(step);
    dump += "\n";
    for (const GameTextHeader& h : text.headers) {
        dump += "header " + std::to_string(h.line) + ' ' + std::to_string(static_cast<int>(h.mark)) + ' ';
        view(h.name);
        dump += std::to_string(h.nameHash) + ' ' + std::to_string(h.parentBegin) + '-' + std::to_string(h.parentEnd) +
                ' ' + std::to_string(h.keyBegin) + '-' + std::to_string(h.keyEnd) + (h.overlaySyntax ? " overlay" : "") +
                "\n";
    }
    for (const GameTextKey& k : text.keys) {
        dump += "key " + std::to_string(k.line) + ' ' + std::to_string(static_cast<int>(k.op)) + ' ';
        view(k.key);
        view(k.value);
        dump += "\n";
    }
    for (const GameTextParent& p : text.parents) {
        dump += "parent ";
        view(p.name);
        dump += p.removed ? "removed\n" : "\n";
    }
    for (const GameTextInclude& i : text.includes) {
        dump += "include " + std::to_string(i.line) + ' ';
        view(i.name);
        dump += "\n";
    }
    for (const GameProblem& p : text.problems)
        dump += "problem " + std::to_string(static_cast<int>(p.kind)) + ' ' + std::to_string(p.at.line) + " '" +
                p.subject + "' '" + p.other + "' " + std::to_string(p.related.line) + ' ' + std::to_string(p.number) + "\n";
    dump += text.overlaySyntax ? "overlay syntax\n" : "";
    dump += text.readAsOverlay ? "read as overlay\n" : "";
    return dump;
}

std::string Join(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) text += line;
    return text;
}

TEST(GameTextAgainTest, ReadingAgainAfterEditsEqualsReadingWhole) {
    for (uint32_t seed = 1; seed <= 300; ++seed) {
        Random random{seed};
        const bool overlay = seed % 3 != 0;
        std::vector<std::string> lines;  // each with its line end
        if (seed % 5 == 0) lines.push_back("\xEF\xBB\xBF");
        for (uint32_t i = random.Next(60); i > 0; --i) lines.push_back(RandomLine(random) + LineEnd(random));
        auto earlier = std::make_unique<GameText>();
        earlier->ownBytes = Join(lines);
        ReadGameText(earlier->ownBytes, overlay, *earlier);
        for (int edit = 0; edit < 12; ++edit) {
            const uint32_t at = random.Next(static_cast<uint32_t>(lines.size()) + 1);
            const uint32_t what = random.Next(4);
            if (what == 0 && at < lines.size()) lines.erase(lines.begin() + at);
            else if (what == 1) lines.insert(lines.begin() + at, RandomLine(random) + LineEnd(random));
            else if (what == 2 && at < lines.size()) lines[at] = RandomLine(random) + LineEnd(random);
            else if (at < lines.size()) lines[at] += "x";  // joins the line to the next, or lengthens the last
            auto again = std::make_unique<GameText>();
            again->ownBytes = Join(lines);
            ReadGameTextAgain(again->ownBytes, overlay, earlier->ownBytes, *earlier, *again);
            GameText whole;
            ReadGameText(again->ownBytes, overlay, whole);
            SCOPED_TRACE("seed " + std::to_string(seed) + ", edit " + std::to_string(edit));
            ASSERT_EQ(Dump(*again, again->ownBytes), Dump(whole, again->ownBytes));
            earlier = std::move(again);  // the composed values it shares outlive it
        }
    }
}

TEST(GameTextAgainTest, AReadingOfTheOtherDialectIsNotTakenOver) {
    GameText earlier;
    earlier.ownBytes = "[a]\n!k = 1\n";
    ReadGameText(earlier.ownBytes, false, earlier);
    GameText again;
    again.ownBytes = "[a]\n!k = 1\n[b]\n";
    ReadGameTextAgain(again.ownBytes, true, earlier.ownBytes, earlier, again);
    ASSERT_EQ(again.keys.size(), 1u);
    EXPECT_EQ(again.keys[0].op, GameKeyOp::Delete);
    EXPECT_TRUE(again.overlaySyntax);
}

}  // namespace
