// The program's resources: the two icons and the About text in the layout the About window
// shows.
#include <gtest/gtest.h>

#include <QFile>

#include "objlib/qt/Application.h"

namespace {

TEST(Resources, IconsLoad) {
    for (const char* name : {":/ICON0", ":/ICON1"}) {
        SCOPED_TRACE(name);
        const QIcon icon = LoadIcon(name);
        ASSERT_FALSE(icon.isNull());
        EXPECT_FALSE(icon.pixmap(32, 32).isNull());
    }
    EXPECT_TRUE(LoadIcon(":/NoSuchIcon").isNull());
}

TEST(Resources, AboutTextIsElevenCrLfLinesAndOneZeroByteInRussianAndInEnglish) {
    for (const char* path : {":/Str1", ":/en/Str1"}) {
        SCOPED_TRACE(path);
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QByteArray raw = file.readAll();
        ASSERT_TRUE(raw.endsWith(QByteArray("\r\n\0", 3)));
        EXPECT_EQ(raw.count('\0'), 1);
        EXPECT_EQ(raw.count("\r\n"), 11);
        EXPECT_EQ(raw.count('\r'), 11);
        EXPECT_EQ(raw.count('\n'), 11);

        const QList<QByteArray> lines = raw.chopped(3).split('\n');
        ASSERT_EQ(lines.size(), 11);
        for (int empty : {1, 4, 9}) EXPECT_EQ(lines[empty], "\r") << empty;
        EXPECT_TRUE(lines[0].startsWith("Morvane") && lines[0].contains("1.0"));
        for (int withAddress : {2, 3}) EXPECT_TRUE(lines[withAddress].contains("http://")) << withAddress;

        const Bytes text = LoadTextResource(path);
        EXPECT_EQ(text.size(), static_cast<size_t>(raw.size() - 1));
    }
}

}  // namespace
