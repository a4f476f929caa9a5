#include "DirectLtx.h"

#include <string_view>

namespace {

std::string_view Trim(std::string_view s) {
    size_t b = s.find_first_not_of(' ');
    if (b == std::string_view::npos) return {};
    size_t e = s.find_last_not_of(' ');
    return s.substr(b, e - b + 1);
}

std::string WithoutSpaces(std::string_view s) {
    std::string out;
    for (char c : s)
        if (c != ' ') out += c;
    return out;
}

void AddRow(std::vector<std::string>& rows, std::string_view line) {
    std::string clean;
    for (char c : line)
        if (c != '\t') clean += c;
    std::string_view l1 = clean;
    std::string_view l2 = Trim(l1);
    if (l2.empty()) return;
    size_t semi = l1.find(';');
    std::string_view beforeSemi = l1.substr(0, semi);
    std::string_view comment = semi == std::string_view::npos ? std::string_view() : l1.substr(semi + 1);
    std::string row;
    if (l2[0] == ';') {
        row = "0#15466238\tcom\t\t\t";
        row += l2.substr(1);
    } else if (l2[0] == '[') {
        row = "0#16707055\tsec\t" + WithoutSpaces(beforeSemi) + "\t\t";
        row += comment;
    } else if (size_t eq = beforeSemi.find('='); eq != std::string_view::npos) {
        std::string_view rest = l1.substr(eq + 1);
        size_t valueEnd = rest.find(';');
        row = "0#0\tkey\t";
        row += Trim(l1.substr(0, eq));
        row += '\t';
        row += Trim(rest.substr(0, valueEnd));
        row += '\t';
        if (valueEnd != std::string_view::npos) row += rest.substr(valueEnd + 1);
    } else {
        row = "0#15532017\tnor\t";
        row += beforeSemi;
        row += "\t\t";
        row += comment;
    }
    rows.push_back(std::move(row));
}

}  // namespace

std::vector<std::string> DirectParse(const std::string& text) {
    std::vector<std::string> rows;
    std::string_view all(text.data(), text.find('\0') == std::string::npos ? text.size() : text.find('\0'));
    size_t start = 0;
    while (start < all.size()) {
        size_t end = all.find_first_of("\r\n", start);
        if (end == std::string_view::npos) end = all.size();
        AddRow(rows, all.substr(start, end - start));
        start = end;
        if (start < all.size() && all[start] == '\r') {
            ++start;
            if (start < all.size() && all[start] == '\n') ++start;
        } else if (start < all.size()) {
            ++start;  // a lone LF
        }
    }
    return rows;
}

std::string DirectWrite(const std::vector<std::string>& rows) {
    std::string out;
    for (const std::string& row : rows) {
        std::string_view r = row;
        r = r.substr(r.find('\t') + 1);  // the colour prefix
        size_t a = r.find('\t'), b = r.find('\t', a + 1), c = r.find('\t', b + 1);
        std::string_view kind = r.substr(0, a), name = r.substr(a + 1, b - a - 1),
                         value = r.substr(b + 1, c - b - 1), comment = r.substr(c + 1);
        if (kind == "com") {
            out += ';';
        } else if (kind == "sec") {
            out += '\r';
            out += name;
            out += "\t;";
        } else if (kind == "nor") {
            out += name;
            out += "\t;";
        } else {
            out += '\t';
            out += name;
            out += " = ";
            out += value;
            out += "\t;";
        }
        out += comment;
        out += "\r\n";
    }
    return out;
}
