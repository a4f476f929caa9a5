#include "objlib/qt/QtText.h"

#include <algorithm>

#include "objlib/Cp1251.h"

namespace {

bool IsAscii(std::string_view s) {
    return std::all_of(s.begin(), s.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

}  // namespace

QString ToQString(std::string_view cp1251) {
    // Most table cells are plain ASCII (names, numbers): skip the detour through UTF-8.
    if (IsAscii(cp1251)) return QString::fromLatin1(cp1251.data(), static_cast<qsizetype>(cp1251.size()));
    const std::string utf8 = Cp1251ToUtf8(cp1251);
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

bool FromQString(const QString& text, std::string& cp1251) {
    const QByteArray utf8 = text.toUtf8();
    return Utf8ToCp1251(std::string_view(utf8.constData(), static_cast<size_t>(utf8.size())), cp1251);
}

bool CanWriteCp1251(char32_t character) {
    std::string unused;
    return FromQString(QString::fromUcs4(&character, 1), unused);
}
