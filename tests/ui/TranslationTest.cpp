// The English translation: every interface text in translations/morvane_en.ts has its English,
// the program carries that file as it is, and the texts are found by their Russian, whether a
// window component writes them in UTF-8 or a scheme in cp1251.
#include <gtest/gtest.h>

#include <QFile>
#include <QRegularExpression>
#include <QXmlStreamReader>
#include <map>

#include "InterfaceWalk.h"
#include "objlib/Cp1251.h"
#include "objlib/qt/Translation.h"
#include "translations/SchemeTexts.h"

namespace {

struct Message {
    QString source;
    QString translation;
    bool finished;
};

std::vector<Message> ReadTranslationFile() {
    QFile file(QStringLiteral(MORVANE_SOURCE_DIR "/translations/morvane_en.ts"));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    std::vector<Message> messages;
    QXmlStreamReader xml(&file);
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) continue;
        if (xml.name() == u"source") {
            messages.push_back({xml.readElementText(), QString(), false});
        } else if (xml.name() == u"translation" && !messages.empty()) {
            messages.back().finished = !xml.attributes().hasAttribute(QStringLiteral("type"));  // unfinished, vanished
            messages.back().translation = xml.readElementText();
        }
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    return messages;
}

QStringList Placeholders(const QString& text) {
    QStringList found;
    for (const QRegularExpressionMatch& m : QRegularExpression(QStringLiteral("%\\d+")).globalMatch(text))
        found.append(m.captured());
    found.sort();
    return found;
}

std::string Cp1251(const char* utf8) {
    std::string bytes;
    EXPECT_TRUE(Utf8ToCp1251(utf8, bytes)) << utf8;
    return bytes;
}

class TranslationTest : public ::testing::Test {
protected:
    void TearDown() override { UseInterfaceLanguage(InterfaceLanguage::Russian); }
};

TEST_F(TranslationTest, EveryTextOfTheTranslationFileHasItsEnglish) {
    const std::vector<Message> messages = ReadTranslationFile();
    ASSERT_GE(messages.size(), std::size(kSchemeTexts));
    for (const Message& m : messages) {
        SCOPED_TRACE(m.source.toStdString());
        EXPECT_TRUE(m.finished && !m.translation.isEmpty()) << "write its English in translations/morvane_en.ts";
        EXPECT_FALSE(HasCyrillic(m.translation)) << m.translation.toStdString();
        EXPECT_EQ(Placeholders(m.translation), Placeholders(m.source)) << m.translation.toStdString();
    }
}

TEST_F(TranslationTest, TextsAreFoundByTheirRussianInEnglishAndShownAsWrittenInRussian) {
    std::map<QString, QString> english;
    for (const Message& m : ReadTranslationFile()) english[m.source] = m.translation;

    ASSERT_TRUE(UseInterfaceLanguage(InterfaceLanguage::English));
    EXPECT_EQ(InterfaceLanguageInUse(), InterfaceLanguage::English);
    for (const auto& [source, translation] : english)
        EXPECT_EQ(Morvane::tr(source.toUtf8().constData()), translation) << source.toStdString();
    for (const char* text : kSchemeTexts) {
        SCOPED_TRACE(text);
        ASSERT_EQ(english.count(QString::fromUtf8(text)), 1u);
        EXPECT_EQ(InterfaceText(Cp1251(text)), english[QString::fromUtf8(text)]);
    }
    // What the translation does not hold shows as it is: the main window's caption, a name.
    EXPECT_EQ(InterfaceText("Morvane 1.0 by Dovrin"), QString("Morvane 1.0 by Dovrin"));
    EXPECT_EQ(InterfaceText(Cp1251("Оружие.ltx")), QString::fromUtf8("Оружие.ltx"));
    EXPECT_EQ(InterfaceResource(":/Str1"), QString(":/en/Str1"));
    EXPECT_EQ(InterfaceResource(":/ICON0"), QString(":/ICON0"));

    ASSERT_TRUE(UseInterfaceLanguage(InterfaceLanguage::Russian));
    EXPECT_EQ(InterfaceLanguageInUse(), InterfaceLanguage::Russian);
    for (const char* text : kSchemeTexts) EXPECT_EQ(InterfaceText(Cp1251(text)), QString::fromUtf8(text));
    EXPECT_EQ(Morvane::tr("Отмена"), QString::fromUtf8("Отмена"));
    EXPECT_EQ(InterfaceResource(":/Str1"), QString(":/Str1"));
}

}  // namespace
