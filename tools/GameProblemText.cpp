#include "tools/GameProblemText.h"

#include "objlib/Cp1251.h"

namespace {

bool IsUtf8(std::string_view bytes) {
    for (size_t i = 0; i < bytes.size();) {
        const unsigned char lead = static_cast<unsigned char>(bytes[i]);
        const size_t length = lead < 0x80 ? 1 : (lead >> 5) == 0x6 ? 2 : (lead >> 4) == 0xE ? 3 : (lead >> 3) == 0x1E ? 4 : 0;
        if (length == 0 || i + length > bytes.size()) return false;
        for (size_t k = 1; k < length; ++k)
            if ((static_cast<unsigned char>(bytes[i + k]) >> 6) != 0x2) return false;
        i += length;
    }
    return true;
}

std::string Quoted(std::string_view bytes) { return "'" + ShownText(bytes) + "'"; }

// Where an earlier line stands, seen from a problem's line: "line N" in the same file.
std::string Related(const GameModel& model, const GameProblem& problem) {
    if (problem.related.file == problem.at.file) return "line " + std::to_string(problem.related.line);
    return ShownLocation(model, problem.related);
}

std::string Message(const GameModel& model, const GameProblem& p) {
    const std::string subject = Quoted(p.subject), other = Quoted(p.other);
    switch (p.kind) {
    case GameProblemKind::RepeatedSection:
        return "section " + subject + " is defined again (first at " + Related(model, p) + "); the game stops at load";
    case GameProblemKind::MissingParent:
        return "section " + subject + " inherits from " + other + ", which is not defined";
    case GameProblemKind::ParentCycle:
        return "section " + subject + " inherits from itself: " + ShownText(p.other);
    case GameProblemKind::IncludeCycle:
        return "#include \"" + ShownText(p.subject) + "\" leads back to a file being read: " + ShownText(p.other);
    case GameProblemKind::MissingInclude:
        return "#include \"" + ShownText(p.subject) + "\": no file " + other;
    case GameProblemKind::LongLine:
        return "line of " + std::to_string(p.number) + " bytes; the game stops at lines of 4095 bytes or more";
    case GameProblemKind::ParentBelowChild:
        return "section " + subject + " inherits from " + other + ", which is defined below it (" + Related(model, p) +
               "); the game takes parents only from above";
    case GameProblemKind::RepeatedKey:
        return "key " + subject + " is given again in section " + other + " (first at " + Related(model, p) +
               "); the last one counts";
    case GameProblemKind::UnbalancedQuotes:
        return "the double quotes of " + subject + " do not balance: its value runs on to " +
               (p.number ? "line " + std::to_string(p.number) : std::string("the end of the file"));
    case GameProblemKind::ByteOrderMark:
        if (!p.subject.empty()) return "UTF-8 byte-order mark before the header: the game drops section " + subject;
        return "the file starts with a UTF-8 byte-order mark; the game would drop a section whose header came first";
    case GameProblemKind::SpaceBeforeColon:
        return "space between ']' and ':': the game reads no parents of section " + subject + " (" + other +
               " is ignored)";
    case GameProblemKind::OverlayOnMissingSection:
        return "'" + ShownText(p.other) + ShownText(p.subject) + "]' " + (p.other == "!![" ? "deletes" : "changes") +
               " a section that does not exist";
    }
    return {};
}

}  // namespace

std::string ShownText(std::string_view bytes) { return IsUtf8(bytes) ? std::string(bytes) : Cp1251ToUtf8(bytes); }

std::string ShownLocation(const GameModel& model, GameLocation at) {
    return ShownText(model.Files()[at.file].path) + ":" + std::to_string(at.line);
}

std::string ProblemLine(const GameModel& model, const GameProblem& problem) {
    return ShownLocation(model, problem.at) + (IsError(problem.kind) ? ": error: " : ": warning: ") +
           Message(model, problem);
}
