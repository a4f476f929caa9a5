#include "layout/ValueLines.h"

#include <algorithm>

namespace {

std::string_view TrimSpaces(std::string_view text) {
    const size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return std::string_view();
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// Whether the quotes of the text leave one open, starting inside quotes or not; a ";" outside
// quotes ends the text.
bool EndsInQuotes(std::string_view text, bool inQuotes) {
    for (char c : text) {
        if (c == '"') inQuotes = !inQuotes;
        if (c == ';' && !inQuotes) break;
    }
    return inQuotes;
}

}  // namespace

bool ValueLines::Take(std::string_view line) {
    switch (state_) {
    case State::UpToWord:
        if (TrimSpaces(line) == word_) state_ = State::Outside;
        return true;
    case State::InQuotes:
        if (!EndsInQuotes(line, true)) state_ = State::Outside;
        return true;
    case State::Outside:
        break;
    }
    // Most lines hold neither '<' nor '"' and open no value: they are not taken apart.
    if (!Matters(line)) return false;
    // Only a key line opens a value: the parser's rule, an "=" before the first ";".
    const std::string_view text = TrimSpaces(line);
    if (text.empty() || text[0] == ';' || text[0] == '[') return false;
    const size_t cut = std::min(line.find(';'), line.size());
    const size_t equals = line.substr(0, cut).find('=');
    if (equals == std::string_view::npos) return false;
    const std::string_view value = TrimSpaces(line.substr(equals + 1, cut - equals - 1));
    if (value.substr(0, 2) == "<<" && !TrimSpaces(value.substr(2)).empty()) {
        word_ = std::string(TrimSpaces(value.substr(2)));
        state_ = State::UpToWord;
        return true;
    }
    if (EndsInQuotes(line.substr(equals + 1), false)) {
        state_ = State::InQuotes;
        return true;
    }
    return false;
}
