#include <gtest/gtest.h>

#include "objlib/Cp1251.h"
#include "objlib/Cp1251Literal.h"

namespace {

TEST(Cp1251Test, EveryAssignedByteRoundTrips) {
    for (int c = 1; c < 256; ++c) {
        if (c == 0x98) continue;
        std::string byte(1, static_cast<char>(c)), back;
        SCOPED_TRACE(c);
        ASSERT_TRUE(Utf8ToCp1251(Cp1251ToUtf8(byte), back));
        EXPECT_EQ(back, byte);
    }
}

TEST(Cp1251Test, CyrillicAndUnwritableText) {
    EXPECT_EQ(Cp1251ToUtf8("\xCF\xF0\xE8\xE2\xE5\xF2"), "Привет");
    EXPECT_EQ(Cp1251ToUtf8("\x98"), "\xEF\xBF\xBD");
    std::string out;
    EXPECT_TRUE(Utf8ToCp1251("Ёё№ test", out));
    EXPECT_EQ(out, "\xA8\xB8\xB9 test");
    EXPECT_FALSE(Utf8ToCp1251("日本", out));
    EXPECT_FALSE(Utf8ToCp1251("\xC3", out));  // cut sequence
}

TEST(Cp1251Test, LiteralsAreConvertedAtCompileTimeAsAtRunTime) {
    static_assert("Удалить"_cp1251 == "\xD3\xE4\xE0\xEB\xE8\xF2\xFC");
    struct Case {
        std::string_view compiled;
        const char* utf8;
    };
    const Case cases[] = {
        {"Сохранить как..."_cp1251, "Сохранить как..."},
        {"стандарт\r\nсверху"_cp1251, "стандарт\r\nсверху"},
        {"Ёё№ «»—"_cp1251, "Ёё№ «»—"},
        {""_cp1251, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.utf8);
        std::string runtime;
        ASSERT_TRUE(Utf8ToCp1251(c.utf8, runtime));
        EXPECT_EQ(c.compiled, runtime);
    }
}

}  // namespace
