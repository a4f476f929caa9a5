// FUZZ_CHECK: a property a harness holds its code to. A violation prints the property and
// aborts, which libFuzzer reports as a crash and saves the input behind it.
#pragma once

#include <cstdio>
#include <cstdlib>

[[noreturn]] inline void FuzzCheckFailed(const char* property, const char* file, int line) {
    std::fprintf(stderr, "%s:%d: property violated: %s\n", file, line, property);
    std::abort();
}

#define FUZZ_CHECK(property) ((property) ? void() : FuzzCheckFailed(#property, __FILE__, __LINE__))
