// Colour properties as Qt colours: RGB with red in the low byte, or the palette's system colours.
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QPalette>

#include "objlib/qt/QtColor.h"

namespace {

TEST(QtColor, PropertyColoursAreRgbWithRedLowOrSystemColours) {
    EXPECT_EQ(ToQColor(0xFEEDEF), QColor(0xEF, 0xED, 0xFE));
    EXPECT_EQ(ToQColor(0x0000FF), QColor(Qt::red));
    const QPalette palette = QGuiApplication::palette();
    EXPECT_EQ(ToQColor(0xFF00000F), palette.color(QPalette::Active, QPalette::Button));
    EXPECT_EQ(ToQColor(0xFF000005), palette.color(QPalette::Active, QPalette::Base));
    EXPECT_EQ(ToQColor(0xFF000008), palette.color(QPalette::Active, QPalette::Text));
    EXPECT_EQ(ToQColor(0xFF00000D), palette.color(QPalette::Active, QPalette::Highlight));
}

}  // namespace
