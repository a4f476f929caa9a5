#include "objlib/qt/Translation.h"

#include <QFile>
#include <QPointer>
#include <QTranslator>
#include <memory>
#include <string>

#include "objlib/Cp1251.h"

namespace {

QPointer<QTranslator> english;  // installed while English is in use

}  // namespace

// The compiled translation lives in the window layer's static library; Q_INIT_RESOURCE names a
// function outside any namespace.
static void LoadTranslationResource() { Q_INIT_RESOURCE(translations); }

bool UseInterfaceLanguage(InterfaceLanguage language) {
    if (language == InterfaceLanguage::Russian) {
        delete english.data();  // the translator takes itself out of the application
        return true;
    }
    if (english) return true;
    LoadTranslationResource();
    auto translator = std::make_unique<QTranslator>(QCoreApplication::instance());
    if (!translator->load(QStringLiteral(":/translations/morvane_en.qm"))) return false;
    QCoreApplication::installTranslator(translator.get());
    english = translator.release();
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
