// TFontRec: the font description that window components carry as a property.
#pragma once

#include <cstdint>

#include "runtime/Bytes.h"

namespace FontStyle {
constexpr uint8_t Bold = 1;
constexpr uint8_t Italic = 2;
constexpr uint8_t Underline = 4;
constexpr uint8_t StrikeOut = 8;
}  // namespace FontStyle

struct TFontRec {
    Bytes Name = "MS Sans Serif";  // "MS Sans Serif" stands for the platform's sans-serif font
    uint8_t Size = 8;              // points
    uint8_t Style = 0;             // FontStyle bits
    uint32_t Color = 0;            // text colour, as the colour properties (0x00BBGGRR)
    uint8_t CharSet = 1;           // kept for the schemes; Qt's text is Unicode, so unused
};
