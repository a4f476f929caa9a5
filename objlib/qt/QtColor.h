// Colours of component properties as Qt colours.
//
// A property colour is 0x00BBGGRR (red in the low byte), or 0xFF000000 plus the number of a
// system colour, which is taken from the application palette (0x0F button face, 0x05 window,
// 0x08 window text, 0x0D/0x0E highlight and its text, ...).
#pragma once

#include <QColor>
#include <cstdint>

constexpr uint32_t SystemColorFlag = 0xFF000000;

QColor ToQColor(uint32_t color);
