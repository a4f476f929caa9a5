// Which language the interface speaks, as the user's environment asks for it. The interface is
// written in Russian; English is the one translation.
#pragma once

enum class InterfaceLanguage { Russian, English };

// Chooses from the values of LANGUAGE, LC_ALL, LC_MESSAGES and LANG (nil or empty when unset),
// in that order of precedence. LANGUAGE lists languages by preference, separated by ":"; its
// first entry that names English or Russian decides ("en", "en_GB", "ru_RU.UTF-8"; "C" and
// "POSIX" stand for the texts as written), and entries naming other languages are passed over.
// Otherwise the first of LC_ALL, LC_MESSAGES and LANG that is set decides: English when its
// language is "en", Russian for every other locale, C and POSIX included, and with none set.
InterfaceLanguage ChooseInterfaceLanguage(const char* language, const char* lcAll, const char* lcMessages,
                                          const char* lang);

// The same for the process's own environment.
InterfaceLanguage SystemInterfaceLanguage();
