// The interface in the user's language. Its texts are Russian, as the schemes and the window
// components write them; with English chosen they are shown from the English translation built
// into the program (translations/morvane_en.ts). Only interface texts pass through here:
// captions, hints, menu items and messages; never rows, file names, or the templates that
// become rows (their placeholder words are written into files).
//
// A new interface text is named where the build gathers it from: a window component writes it
// as Morvane::tr("…"), a scheme's "…"_cp1251 text gets its line in translations/SchemeTexts.h.
// The build then lists it in translations/morvane_en.ts, where its English goes.
#pragma once

#include <QCoreApplication>
#include <QString>
#include <string_view>

#include "objlib/InterfaceLanguage.h"

// The translation context of every interface text: Morvane::tr("Отмена").
class Morvane {
    Q_DECLARE_TR_FUNCTIONS(Morvane)
};

// Shows the windows built from now on in `language`, Qt's own texts (standard buttons, the line
// edit's menu, the file dialog) included: Russian from Qt's translations where they are
// installed, English as Qt writes them. False when the English translation could not be
// loaded; the interface then stays Russian.
bool UseInterfaceLanguage(InterfaceLanguage language);

InterfaceLanguage InterfaceLanguageInUse();

// A caption, hint, menu item or message of a scheme (cp1251 bytes) as shown: its English when
// English is in use and the translation has it, otherwise the text itself.
QString InterfaceText(std::string_view cp1251);

// The resource at `path` (":/Name") in the interface's language: with English in use the one
// at ":/en/Name" when there is one, otherwise `path`.
QString InterfaceResource(const QString& path);
