// The main form: start-up order, placement, font, modal display and the close request.
#include <QApplication>
#include <QFontInfo>
#include <QFontMetrics>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

#include "UiTestSupport.h"
#include "components/window/THIButton.h"
#include "objlib/qt/Application.h"

namespace {

// Notes whether the form was already visible when onCreate arrived.
struct VisibilityProbe {
    QWidget* form = nullptr;
    std::vector<bool> visibleAtCreate;
    void doEvent(TData&, uint16_t) { visibleAtCreate.push_back(form->isVisible()); }
};

using MainFormTest = UiTest;

TEST_F(MainFormTest, NothingShowsBeforeTheStartUpRunWhichRaisesCreateThenShows) {
    THIMainForm form(nullptr);
    form.Width = 800;
    form.Height = 600;
    form.Caption = Cp("Морвейн 1.0");
    VisibilityProbe probe{form.Control->Widget(), {}};
    form.onCreate = Point<&VisibilityProbe::doEvent>(probe);
    form.Init();
    EXPECT_TRUE(form.IsApplicationOwner);
    EXPECT_FALSE(form.Control->Widget()->isVisible());
    RunInitQueue();
    EXPECT_EQ(probe.visibleAtCreate, std::vector<bool>{false});
    EXPECT_TRUE(form.Control->Widget()->isVisible());
    EXPECT_EQ(form.Control->Widget()->windowTitle(), QString::fromUtf8("Морвейн 1.0"));
}

TEST_F(MainFormTest, OpensCentredOnThePrimaryScreenWhateverLeftAndTop) {
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    const QSize sizes[] = {{800, 600}, {300, 200}};
    for (const QSize& size : sizes) {
        SCOPED_TRACE(size.width());
        THIMainForm form(nullptr);
        form.Left = 200;
        form.Top = 100;
        form.Width = size.width();
        form.Height = size.height();
        form.Init();
        RunInitQueue();
        EXPECT_EQ(form.Control->Widget()->pos(),
                  QPoint((screen.width() - size.width()) / 2, (screen.height() - size.height()) / 2));
        EXPECT_EQ(form.Control->Widget()->size(), size);
    }
}

TEST_F(MainFormTest, FontSizeEightIsElevenPixelsAndDrawsCyrillic) {
    struct Case {
        uint8_t size;
        int pixels;
    };
    const Case cases[] = {{8, 11}, {10, 13}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.size);
        THIMainForm form(nullptr);
        form.Font.Size = c.size;
        form.Init();
        RunInitQueue();
        const QFont font = form.Control->Widget()->font();
        EXPECT_EQ(font.pixelSize(), c.pixels);
        EXPECT_FALSE(QFontInfo(font).family().isEmpty());
        EXPECT_TRUE(QFontMetrics(font).inFontUcs4(0x041F));  // П
    }
}

TEST_F(MainFormTest, FixedBorderStylesCannotBeResized) {
    struct Case {
        uint8_t style;
        bool sizeable;
    };
    const Case cases[] = {{2, true}, {3, false}, {4, false}, {7, true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(int(c.style));
        THIMainForm form(nullptr);
        form.Width = 400;
        form.Height = 300;
        form.BorderStyle = c.style;
        form.Init();
        RunInitQueue();
        QWidget* w = form.Control->Widget();
        EXPECT_EQ(w->minimumSize() != w->maximumSize(), c.sizeable);
        EXPECT_EQ(w->size(), QSize(400, 300));
    }
}

// A main form with a button, and a second form owned by it, as the About window is.
class TwoFormsTest : public UiTest {
protected:
    void SetUp() override {
        UiTest::SetUp();
        button.Left = 5;
        button.Top = 540;
        button.Width = 130;
        button.Height = 30;
        button.onClick = clicks.At();
        button.Init();
        second.Width = 400;
        second.Height = 300;
        second.BorderStyle = 3;
        second.Visible = false;
        second.Init();
        ASSERT_TRUE(main.Start());
    }
    void ClickButton() {
        QTest::mouseClick(main.Window(), Qt::LeftButton, {}, main.CentreOf(button.Control->Widget()));
    }

    TestForm main;
    THIButton button{main.Parent()};
    THIMainForm second{main.Parent()};
    Recorder clicks;
};

TEST_F(TwoFormsTest, ShowModalBlocksTheMainFormUntilClosedAndShowsTheSameWindowAgain) {
    EXPECT_FALSE(second.IsApplicationOwner);
    QWidget* shown[2] = {nullptr, nullptr};
    for (QWidget*& seen : shown) {
        QTimer::singleShot(0, [&] {
            seen = QApplication::activeModalWidget();
            ClickButton();  // blocked while the second form is modal
            EXPECT_EQ(clicks.Count(), 0u);
            second.Control->Widget()->close();
        });
        TData none;
        second.doShowModal(none, 0);
        EXPECT_FALSE(second.Control->Widget()->isVisible());
    }
    EXPECT_EQ(shown[0], second.Control->Widget());
    EXPECT_EQ(shown[1], second.Control->Widget());
    EXPECT_TRUE(HooksActive());
    ClickButton();
    EXPECT_EQ(clicks.Count(), 1u);
}

TEST_F(TwoFormsTest, AfterTheMainFormsCloseRequestNoEventTravels) {
    second.Control->Widget()->show();
    ClickButton();
    ASSERT_EQ(clicks.Count(), 1u);
    main.Widget()->close();
    EXPECT_FALSE(HooksActive());
    EXPECT_FALSE(second.Control->Widget()->isVisible());
    button.Control->As<QPushButton>()->click();
    EXPECT_EQ(clicks.Count(), 1u);
}

TEST_F(TwoFormsTest, MessageLoopEndsWhenTheMainFormCloses) {
    QTimer::singleShot(0, [&] { main.Widget()->close(); });
    RunMessageLoop();
    EXPECT_FALSE(main.Widget()->isVisible());
    EXPECT_FALSE(HooksActive());
}

}  // namespace
