// The one text boundary between cp1251 and Qt.
#include <gtest/gtest.h>

#include "objlib/qt/QtText.h"

namespace {

TEST(QtText, Cp1251BytesBecomeTheirCharactersAndBack) {
    struct Case {
        std::string cp1251;
        const char* utf8;
    };
    const Case cases[] = {
        {"key\tammo = 5", "key\tammo = 5"},
        {"\xCF\xF0\xE8\xE2\xE5\xF2", "Привет"},
        {"\xA8\xB8\xB9", "Ёё№"},
        {"", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.utf8);
        const QString shown = ToQString(c.cp1251);
        EXPECT_EQ(shown, QString::fromUtf8(c.utf8));
        std::string back;
        ASSERT_TRUE(FromQString(shown, back));
        EXPECT_EQ(back, c.cp1251);
    }
}

TEST(QtText, CharactersOutsideCp1251AreRefused) {
    std::string out;
    EXPECT_FALSE(FromQString(QString::fromUtf8("設定"), out));
    EXPECT_FALSE(FromQString(QString::fromUtf8("a\u00E9"), out));  // é has no place in cp1251
    EXPECT_EQ(ToQString("\x98"), QString(QChar(0xFFFD)));         // the one unassigned byte
}

}  // namespace
