#include "components/window/GameFileText.h"

#include "objlib/qt/QtText.h"

QString GameFileText(const GameModel& model, int file, std::string_view bytes) {
    const bool utf8 = file >= 0 && file < static_cast<int>(model.Files().size()) &&
                      model.Files()[file].encoding == TextEncoding::Utf8;
    if (!utf8) return ToQString(bytes);
    return QString::fromUtf8(bytes.data(), static_cast<qsizetype>(bytes.size()));
}
