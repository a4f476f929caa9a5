// A straightforward single-pass LTX reader and writer of the editor's rules, written directly
// in C++: the yardstick the component schemes are measured against.
#pragma once

#include <string>
#include <vector>

// Reads the text, turns every non-blank line into its row string and keeps the rows.
std::vector<std::string> DirectParse(const std::string& text);
// Turns rows (with their colour prefix) back into the saved text, CR LF after each line.
std::string DirectWrite(const std::vector<std::string>& rows);
