#include "objlib/qt/FileText.h"

#include <map>

#include "objlib/qt/QtText.h"
#include "objlib/qt/Translation.h"

namespace {

TextEncoding openEncoding = TextEncoding::Cp1251;

struct ReadIn {
    TextEncoding encoding;
    bool mark;
};

// By path, as the list holds it; a handful of entries in a session.
std::map<std::string, ReadIn, std::less<>>& EncodingsReadIn() {
    static std::map<std::string, ReadIn, std::less<>> files;
    return files;
}

}  // namespace

void SetFileTextEncoding(TextEncoding encoding) { openEncoding = encoding; }
TextEncoding FileTextEncoding() { return openEncoding; }

QString FileTextToQString(std::string_view bytes) {
    if (openEncoding == TextEncoding::Cp1251) return ToQString(bytes);
    return QString::fromUtf8(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

bool FileTextFromQString(const QString& text, std::string& bytes) {
    if (openEncoding == TextEncoding::Cp1251) return FromQString(text, bytes);
    const QByteArray utf8 = text.toUtf8();
    bytes.assign(utf8.constData(), static_cast<size_t>(utf8.size()));
    return true;
}

bool CanWriteFileText(char32_t character) {
    return openEncoding == TextEncoding::Utf8 || CanWriteCp1251(character);
}

void NoteEncodingReadIn(std::string_view path, TextEncoding encoding, bool mark) {
    EncodingsReadIn().insert_or_assign(std::string(path), ReadIn{encoding, mark});
}

QString FileToolTip(std::string_view path) {
    QString tip = ToQString(path);
    const auto& files = EncodingsReadIn();
    if (const auto found = files.find(path); found != files.end())
        tip += "\n" + Morvane::tr("Кодировка: %1").arg(EncodingShown(found->second.encoding, found->second.mark));
    return tip;
}

QString EncodingShown(TextEncoding encoding, bool mark) {
    if (encoding == TextEncoding::Cp1251) return QStringLiteral("cp1251");
    return mark ? Morvane::tr("UTF-8 с BOM") : QStringLiteral("UTF-8");
}
