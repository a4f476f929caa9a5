// Deterministic synthetic LTX text for benchmarks: sections with parent lists, keys with and
// without comments, comment lines, cp1251 text, includes, blank lines and tabs, CR LF ends.
// Lines average about 30 bytes, as in real configuration files (200k lines make about 6 MB).
#pragma once

#include <cstddef>
#include <string>

std::string SyntheticLtx(size_t lines);
