// The one text boundary between cp1251 and Qt.
#include <gtest/gtest.h>

#include "objlib/qt/FileText.h"
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

TEST(QtText, TheOpenFilesTextGoesThroughItsOwnEncoding) {
    struct Case {
        TextEncoding encoding;
        std::string bytes;
        const char* shown;  // UTF-8
        bool writesCheckMark;
    };
    const Case cases[] = {
        {TextEncoding::Cp1251, "\xCF\xF0\xE8\xE2\xE5\xF2", "Привет", false},
        {TextEncoding::Utf8, "Привет ✓", "Привет ✓", true},
        {TextEncoding::Utf8, "a\xCF b", "a\uFFFD b", true},  // no UTF-8: shown, never typed back
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.shown);
        SetFileTextEncoding(c.encoding);
        EXPECT_EQ(FileTextToQString(c.bytes), QString::fromUtf8(c.shown));
        std::string typed;
        ASSERT_TRUE(FileTextFromQString(QString::fromUtf8("Привет"), typed));
        EXPECT_EQ(typed, c.encoding == TextEncoding::Utf8 ? "Привет" : "\xCF\xF0\xE8\xE2\xE5\xF2");
        EXPECT_EQ(CanWriteFileText(U'✓'), c.writesCheckMark);
        EXPECT_EQ(FileTextFromQString(QString::fromUtf8("✓"), typed), c.writesCheckMark);
    }
    SetFileTextEncoding(TextEncoding::Cp1251);
}

}  // namespace
