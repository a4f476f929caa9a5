#include "objlib/qt/FileText.h"

#include "objlib/qt/QtText.h"

namespace {

TextEncoding openEncoding = TextEncoding::Cp1251;

}  // namespace

void SetFileTextEncoding(TextEncoding encoding) { openEncoding = encoding; }

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

QString EncodingShown(TextEncoding encoding, bool mark) {
    if (encoding == TextEncoding::Cp1251) return QStringLiteral("cp1251");
    return mark ? QString::fromUtf8("UTF-8 с BOM") : QStringLiteral("UTF-8");
}
