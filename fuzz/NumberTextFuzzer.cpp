// Reads the input as text with every text-to-number conversion, and its first bytes as a
// 32-bit integer and a double: nothing may crash or invoke undefined behaviour, each result
// is the same however the text reaches the conversion, and the properties below hold.
#include <bit>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

#include "fuzz/FuzzCheck.h"
#include "runtime/Data.h"

using namespace std::literals;

namespace {

bool SameBits(double a, double b) { return std::bit_cast<uint64_t>(a) == std::bit_cast<uint64_t>(b); }

void CheckText(std::string_view text) {
    const int32_t integer = StrToInteger(text);
    const double real = StrToReal(text);
    FUZZ_CHECK(StrToInteger(text) == integer);
    FUZZ_CHECK(SameBits(StrToReal(text), real));

    TData value;
    SetString(value, Bytes(text));
    FUZZ_CHECK(ToInteger(value) == integer);
    FUZZ_CHECK(SameBits(ToReal(value), real));
    const int32_t index = ToIndex(value);
    FUZZ_CHECK(index == integer || index == -1);

    // The number ends at the first byte that is not a digit, so nothing after it counts.
    for (std::string_view tail : {"x"sv, " 12"sv, ".5"sv, "\0" "7"sv})
        FUZZ_CHECK(StrToInteger(std::string(text) + std::string(tail)) == integer);
    // "-" negates what follows, wrapping at 32 bits.
    if (text.empty() || (text[0] != '-' && text[0] != '+')) {
        FUZZ_CHECK(StrToInteger("-" + std::string(text)) == static_cast<int32_t>(0u - static_cast<uint32_t>(integer)));
        FUZZ_CHECK(StrToInteger("+" + std::string(text)) == integer);
        FUZZ_CHECK(SameBits(StrToReal("-" + std::string(text)), -real));
    }
}

void CheckInteger(int32_t i) {
    const Bytes text = IntToBytes(i);
    FUZZ_CHECK(StrToInteger(text) == i);
    FUZZ_CHECK(StrToReal(text) == static_cast<double>(i));
    FUZZ_CHECK(RoundToInteger(static_cast<double>(i)) == i);
    FUZZ_CHECK(StrToInteger(std::to_string(static_cast<uint32_t>(i))) == i);  // the same 32 bits
}

void CheckReal(double r) {
    const int32_t rounded = RoundToInteger(r);
    FUZZ_CHECK(RoundToInteger(r) == rounded);
    FUZZ_CHECK(RoundToInteger(-r) == static_cast<int32_t>(0u - static_cast<uint32_t>(rounded)));
    if (!std::isfinite(r)) FUZZ_CHECK(rounded == 0);
    if (std::fabs(r) < 2147483647.0) FUZZ_CHECK(rounded == static_cast<int32_t>(std::nearbyint(r)));

    TData value;
    SetReal(value, r);
    FUZZ_CHECK(ToInteger(value) == rounded);
    FUZZ_CHECK(ToIndex(value) == rounded);
    FUZZ_CHECK(SameBits(ToReal(value), r));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    CheckText(std::string_view(reinterpret_cast<const char*>(data), size));
    if (size >= sizeof(int32_t)) {
        int32_t i;
        std::memcpy(&i, data, sizeof i);
        CheckInteger(i);
    }
    if (size >= sizeof(double)) {
        double r;
        std::memcpy(&r, data, sizeof r);
        CheckReal(r);
    }
    return 0;
}
