#include "objlib/qt/QtColor.h"

#include <QGuiApplication>
#include <QPalette>

namespace {

struct SystemColor {
    uint8_t index;
    QPalette::ColorGroup group;
    QPalette::ColorRole role;
};

// The platform's system colour numbers and the palette entries that play their part in Qt.
constexpr SystemColor kSystemColors[] = {
    {0x00, QPalette::Active, QPalette::Mid},              // scroll bar
    {0x01, QPalette::Active, QPalette::Window},           // desktop
    {0x02, QPalette::Active, QPalette::Highlight},        // active caption
    {0x03, QPalette::Inactive, QPalette::Highlight},      // inactive caption
    {0x04, QPalette::Active, QPalette::Window},           // menu
    {0x05, QPalette::Active, QPalette::Base},             // window background
    {0x06, QPalette::Active, QPalette::Shadow},           // window frame
    {0x07, QPalette::Active, QPalette::WindowText},       // menu text
    {0x08, QPalette::Active, QPalette::Text},             // window text
    {0x09, QPalette::Active, QPalette::HighlightedText},  // caption text
    {0x0D, QPalette::Active, QPalette::Highlight},        // highlight
    {0x0E, QPalette::Active, QPalette::HighlightedText},  // highlight text
    {0x0F, QPalette::Active, QPalette::Button},           // button face
    {0x10, QPalette::Active, QPalette::Dark},             // button shadow
    {0x11, QPalette::Disabled, QPalette::Text},           // grey text
    {0x12, QPalette::Active, QPalette::ButtonText},       // button text
    {0x14, QPalette::Active, QPalette::Light},            // button highlight
    {0x15, QPalette::Active, QPalette::Shadow},           // 3D dark shadow
    {0x16, QPalette::Active, QPalette::Midlight},         // 3D light
    {0x17, QPalette::Active, QPalette::ToolTipText},      // tooltip text
    {0x18, QPalette::Active, QPalette::ToolTipBase},      // tooltip background
};

}  // namespace

QColor ToQColor(uint32_t color) {
    if ((color & SystemColorFlag) == SystemColorFlag) {
        const uint8_t index = color & 0xFF;
        const QPalette palette = QGuiApplication::palette();
        for (const SystemColor& s : kSystemColors)
            if (s.index == index) return palette.color(s.group, s.role);
        return palette.color(QPalette::Active, QPalette::Window);
    }
    return QColor(color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF);
}
