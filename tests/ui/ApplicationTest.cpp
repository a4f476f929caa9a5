// The application helpers: the display check made before Qt starts, and the information box.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>

#include "objlib/qt/Application.h"

namespace {

TEST(DisplayCheck, QtIsStartedOnlyWhereItCanReachADisplay) {
    struct Case {
        const char* platform;
        const char* display;
        const char* wayland;
        bool available;
    };
    const Case cases[] = {
        {nullptr, nullptr, nullptr, false}, {"", "", "", false},          {nullptr, ":0", nullptr, true},
        {nullptr, nullptr, "wayland-0", true}, {"xcb", nullptr, "wayland-0", false}, {"xcb", ":1", nullptr, true},
        {"wayland", ":0", nullptr, false},  {"offscreen", nullptr, nullptr, true}, {"minimal", nullptr, nullptr, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.platform ? c.platform : "unset") + " / " + (c.display ? c.display : "unset"));
        std::string reason;
        EXPECT_EQ(DisplayAvailable(c.platform, c.display, c.wayland, reason), c.available);
        EXPECT_EQ(reason.empty(), c.available);
        EXPECT_EQ(reason.find('\n'), std::string::npos);
    }
}

TEST(InfoBox, ShowsTheCp1251TitleAndTextAndReturnsOnOk) {
    QString title, text;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        title = box->windowTitle();
        text = box->text();
        box->button(QMessageBox::Ok)->click();
    });
    ShowInfoBox("Morvane", "\xD0\xE5\xE4\xE0\xEA\xF2\xEE\xF0");
    EXPECT_EQ(title, QString("Morvane"));
    EXPECT_EQ(text, QString::fromUtf8("Редактор"));
}

}  // namespace
