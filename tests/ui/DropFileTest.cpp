// Files dropped on the main window, delivered as a real drop through the window.
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>

#include "UiTestSupport.h"
#include "components/window/THIDropFile.h"
#include "components/window/THIListBox.h"
#include "objlib/Cp1251.h"

namespace {

enum Point : uint16_t { Start, File, End };

class DropFileTest : public UiTest {
protected:
    void SetUp() override {
        UiTest::SetUp();
        drop.onStartDrop = log.At(Start);
        drop.onDropFile = log.At(File);
        drop.onEndDrop = log.At(End);
        list.Left = 5;
        list.Top = 5;
        list.Width = 130;
        list.Height = 250;
        list.Init();
    }

    // Drags the files over the list box (which takes no drops itself) and drops them.
    bool DropFiles(const QStringList& paths) {
        QList<QUrl> urls;
        for (const QString& p : paths) urls.append(QUrl::fromLocalFile(p));
        QMimeData mime;
        mime.setUrls(urls);
        const QPoint pos = form.CentreOf(list.Control->Widget());
        QDragEnterEvent enter(pos, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(form.Window(), &enter);
        if (!enter.isAccepted()) return false;
        QDropEvent dropEvent(pos, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(form.Window(), &dropEvent);
        return true;
    }

    TestForm form;
    THIListBox list{form.Parent()};
    THIDropFile drop{form.Parent()};
    Recorder log;
};

TEST_F(DropFileTest, TwoFilesRaiseStartBothPathsInOrderThenEnd) {
    ASSERT_TRUE(form.Start());
    ASSERT_TRUE(DropFiles({"/tmp/b.ltx", "/tmp/a dir/a#1.ltx"}));
    EXPECT_EQ(log.Trace(), (std::vector<std::string>{"0:-", "1:/tmp/b.ltx", "1:/tmp/a dir/a#1.ltx", "2:-"}));
}

TEST_F(DropFileTest, CyrillicPathArrivesAsCp1251) {
    ASSERT_TRUE(form.Start());
    ASSERT_TRUE(DropFiles({QString::fromUtf8("/tmp/Оружие/ammo.ltx")}));
    ASSERT_EQ(log.Count(), 3u);
    std::string expected;
    ASSERT_TRUE(Utf8ToCp1251("/tmp/Оружие/ammo.ltx", expected));
    EXPECT_EQ(ToString(log.calls[1].value).str(), expected);
}

TEST_F(DropFileTest, PathCodePage1251CannotWriteIsLeftOut) {
    ASSERT_TRUE(form.Start());
    testing::internal::CaptureStderr();
    ASSERT_TRUE(DropFiles({"/tmp/one.ltx", QString::fromUtf8("/tmp/設定.ltx"), "/tmp/two.ltx"}));
    const std::string errors = testing::internal::GetCapturedStderr();
    EXPECT_EQ(log.Trace(), (std::vector<std::string>{"0:-", "1:/tmp/one.ltx", "1:/tmp/two.ltx", "2:-"}));
    EXPECT_NE(errors.find("/tmp/設定.ltx"), std::string::npos) << errors;
    EXPECT_EQ(std::count(errors.begin(), errors.end(), '\n'), 1) << errors;
}

TEST_F(DropFileTest, DropsAreRefusedUntilTheStartUpRun) {
    form.Widget()->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.Widget()));
    EXPECT_FALSE(DropFiles({"/tmp/a.ltx"}));
    ASSERT_TRUE(form.Start());
    EXPECT_TRUE(DropFiles({"/tmp/a.ltx"}));
    EXPECT_EQ(log.Trace(), (std::vector<std::string>{"0:-", "1:/tmp/a.ltx", "2:-"}));
}

TEST_F(DropFileTest, DragOfNonFileUrlsIsRefused) {
    ASSERT_TRUE(form.Start());
    QMimeData mime;
    mime.setUrls({QUrl("https://example.org/a.ltx")});
    QDragEnterEvent enter(QPoint(400, 300), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(form.Window(), &enter);
    EXPECT_FALSE(enter.isAccepted());
    EXPECT_EQ(log.Count(), 0u);
}

}  // namespace
