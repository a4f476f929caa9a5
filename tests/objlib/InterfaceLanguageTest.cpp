#include <gtest/gtest.h>

#include "objlib/InterfaceLanguage.h"

namespace {

constexpr InterfaceLanguage ru = InterfaceLanguage::Russian;
constexpr InterfaceLanguage en = InterfaceLanguage::English;

TEST(InterfaceLanguageTest, ChosenFromTheEnvironmentAsLanguageThenLcAllLcMessagesLang) {
    struct Case {
        const char* language;
        const char* lcAll;
        const char* lcMessages;
        const char* lang;
        InterfaceLanguage expected;
    } cases[] = {
        {nullptr, nullptr, nullptr, nullptr, ru},
        {nullptr, nullptr, nullptr, "en_US.UTF-8", en},
        {nullptr, nullptr, nullptr, "en", en},
        {nullptr, nullptr, nullptr, "en_GB@euro", en},
        {nullptr, nullptr, nullptr, "ru_RU.UTF-8", ru},
        {nullptr, nullptr, nullptr, "C", ru},
        {nullptr, nullptr, nullptr, "C.UTF-8", ru},
        {nullptr, nullptr, nullptr, "POSIX", ru},
        {nullptr, nullptr, nullptr, "de_DE.UTF-8", ru},
        {nullptr, nullptr, nullptr, "eng", ru},
        // LC_ALL before LC_MESSAGES before LANG; an empty value counts as unset.
        {nullptr, "ru_RU.UTF-8", nullptr, "en_US.UTF-8", ru},
        {nullptr, "C", "en_US.UTF-8", "en_US.UTF-8", ru},
        {nullptr, "", "en_US.UTF-8", "ru_RU.UTF-8", en},
        {nullptr, nullptr, "POSIX", "en_US.UTF-8", ru},
        {"", nullptr, nullptr, "en_US.UTF-8", en},
        // LANGUAGE before all of them: its first entry that names English or Russian.
        {"en", nullptr, nullptr, "ru_RU.UTF-8", en},
        {"en_GB:ru", "ru_RU.UTF-8", nullptr, nullptr, en},
        {"ru:en", nullptr, nullptr, "en_US.UTF-8", ru},
        {"de:fr:en", nullptr, nullptr, "ru_RU.UTF-8", en},
        {"::en_US", nullptr, nullptr, "C", en},
        {"C:en", nullptr, nullptr, "en_US.UTF-8", ru},
        {"de", nullptr, nullptr, "en_US.UTF-8", en},
        {"de", nullptr, nullptr, "ru_RU.UTF-8", ru},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string("LANGUAGE=") + (c.language ? c.language : "-") + " LC_ALL=" +
                     (c.lcAll ? c.lcAll : "-") + " LC_MESSAGES=" + (c.lcMessages ? c.lcMessages : "-") +
                     " LANG=" + (c.lang ? c.lang : "-"));
        EXPECT_EQ(ChooseInterfaceLanguage(c.language, c.lcAll, c.lcMessages, c.lang), c.expected);
    }
}

}  // namespace
