#include "objlib/InterfaceLanguage.h"

#include <cstdlib>
#include <optional>
#include <string_view>

namespace {

bool IsSet(const char* value) { return value && *value; }

// The language a locale or language name stands for, when it is one of the interface's: the
// name up to its territory, code set or modifier ("en" of "en_US.UTF-8@euro").
std::optional<InterfaceLanguage> LanguageNamed(std::string_view name) {
    const std::string_view language = name.substr(0, name.find_first_of("_.@"));
    if (language == "en") return InterfaceLanguage::English;
    if (language == "ru" || language == "C" || language == "POSIX") return InterfaceLanguage::Russian;
    return std::nullopt;
}

}  // namespace

InterfaceLanguage ChooseInterfaceLanguage(const char* language, const char* lcAll, const char* lcMessages,
                                          const char* lang) {
    if (IsSet(language)) {
        std::string_view preferences(language);
        while (!preferences.empty()) {
            const size_t colon = preferences.find(':');
            if (const auto chosen = LanguageNamed(preferences.substr(0, colon))) return *chosen;
            preferences = colon == std::string_view::npos ? std::string_view() : preferences.substr(colon + 1);
        }
    }
    for (const char* locale : {lcAll, lcMessages, lang})
        if (IsSet(locale)) return LanguageNamed(locale).value_or(InterfaceLanguage::Russian);
    return InterfaceLanguage::Russian;
}

InterfaceLanguage SystemInterfaceLanguage() {
    return ChooseInterfaceLanguage(std::getenv("LANGUAGE"), std::getenv("LC_ALL"), std::getenv("LC_MESSAGES"),
                                   std::getenv("LANG"));
}
