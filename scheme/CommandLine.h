// The program's one command-line switch.
#pragma once

#include <string_view>

// True when the first argument is exactly "/ih" (case matters, nothing else counts): the
// program then only shows what it was built with, and creates no editor window.
inline bool AsksForBuildInfo(int argc, const char* const* argv) {
    return argc > 1 && argv[1] && std::string_view(argv[1]) == "/ih";
}
