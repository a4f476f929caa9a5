#include "objlib/qt/Translation.h"

#include <QFile>
#include <QLibraryInfo>
#include <QPointer>
#include <QTranslator>
#include <memory>
#include <string>

#include "objlib/Cp1251.h"

namespace {

QPointer<QTranslator> english;    // installed while English is in use
QPointer<QTranslator> qtRussian;  // Qt's own texts, installed while Russian is in use

// Qt's own texts (its message boxes' buttons, the line edit's menu, its file dialog) in Russian
// too, from the translations Qt is installed with (Debian's qt6-translations-l10n). Where they
// are missing those texts stay English and nothing else changes: the program starts and works.
void UseQtsOwnRussian() {
    if (qtRussian) return;
    auto translator = std::make_unique<QTranslator>(QCoreApplication::instance());
    if (!translator->load(QStringLiteral("qtbase_ru"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) return;
    QCoreApplication::installTranslator(translator.get());
    qtRussian = translator.release();
}

}  // namespace

// The compiled translation lives in the window layer's static library; Q_INIT_RESOURCE names a
// function outside any namespace.
static void LoadTranslationResource() { Q_INIT_RESOURCE(translations); }

bool UseInterfaceLanguage(InterfaceLanguage language) {
    if (language == InterfaceLanguage::Russian) {
        delete english.data();  // the translator takes itself out of the application
        UseQtsOwnRussian();
        return true;
    }
    if (!english) {
        LoadTranslationResource();
        auto translator = std::make_unique<QTranslator>(QCoreApplication::instance());
        if (!translator->load(QStringLiteral(":/translations/morvane_en.qm"))) return false;
        QCoreApplication::installTranslator(translator.get());
        english = translator.release();
    }
    delete qtRussian.data();  // Qt's own texts are written in English
    return true;
}

InterfaceLanguage InterfaceLanguageInUse() {
    return english ? InterfaceLanguage::English : InterfaceLanguage::Russian;
}

QString InterfaceText(std::string_view cp1251) {
    const std::string utf8 = Cp1251ToUtf8(cp1251);
    return QCoreApplication::translate("Morvane", utf8.c_str());
}

QString InterfaceResource(const QString& path) {
    if (!english || !path.startsWith(QStringLiteral(":/"))) return path;
    const QString translated = QStringLiteral(":/en/") + path.mid(2);
    return QFile::exists(translated) ? translated : path;
}
