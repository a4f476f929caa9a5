// Buttons, labels and panels, the base's key and mouse events, and hints.
#include <QHelpEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QToolTip>

#include "UiTestSupport.h"
#include "components/window/THIButton.h"
#include "components/window/THIEdit.h"
#include "components/window/THILabel.h"
#include "components/window/THIListBox.h"
#include "components/window/THIPanel.h"

namespace {

template <class C>
void Place(C& c, int left, int top, int width, int height) {
    c.Left = left;
    c.Top = top;
    c.Width = width;
    c.Height = height;
}

class SimpleControlsTest : public UiTest {
protected:
    void SetUp() override {
        UiTest::SetUp();
        Place(panel, 0, 0, 140, 573);
        panel.onClick = log.At(0);
        panel.onKeyDown = log.At(1);
        panel.Init();
    }
    void Click(QWidget* w, QPoint at = QPoint(-1, -1)) {
        const QPoint local = at.x() < 0 ? w->rect().center() : at;
        QTest::mouseClick(form.Window(), Qt::LeftButton, {}, w->mapTo(form.Widget(), local));
    }

    TestForm form;
    THIPanel panel{form.Parent()};
    Recorder log;
};

TEST_F(SimpleControlsTest, ButtonClickRaisesItsDataAndReachesNoParent) {
    THIButton save(panel.Control.get()), saveAs(panel.Control.get());
    Place(save, 5, 540, 130, 30);
    Place(saveAs, 5, 505, 130, 30);
    save.Caption = Cp("Сохранить файл");
    SetInteger(save.Data, 7);
    save.onClick = log.At(2);
    saveAs.Enabled = false;
    saveAs.onClick = log.At(3);
    save.Init();
    saveAs.Init();
    ASSERT_TRUE(form.Start());
    EXPECT_EQ(save.Control->As<QPushButton>()->text(), QString::fromUtf8("Сохранить файл"));
    Click(save.Control->Widget());
    Click(saveAs.Control->Widget());
    EXPECT_EQ(log.Trace(), (std::vector<std::string>{"2:7"}));
}

TEST_F(SimpleControlsTest, LabelAndPanelReportTheirOwnClicks) {
    THILabel label(panel.Control.get());
    Place(label, 15, 310, 106, 17);
    label.Caption = Cp("Положение курсора");
    label.AutoSize = true;
    label.onClick = log.At(2);
    label.Init();
    ASSERT_TRUE(form.Start());
    QLabel* widget = label.Control->As<QLabel>();
    EXPECT_EQ(widget->text(), QString::fromUtf8("Положение курсора"));
    EXPECT_EQ(widget->size(), widget->sizeHint());
    Click(widget);
    Click(panel.Control->Widget(), QPoint(70, 100));
    EXPECT_EQ(log.Trace(), (std::vector<std::string>{"2:-", "0:-"}));
}

TEST_F(SimpleControlsTest, KeysRaiseVirtualKeyCodesOnceParentFirst) {
    THIButton button(panel.Control.get());
    THIEdit edit(panel.Control.get());
    Place(button, 5, 5, 60, 20);
    Place(edit, 5, 30, 130, 20);
    button.onKeyDown = log.At(2);
    edit.onKeyDown = log.At(3);
    edit.onKeyPress = log.At(4);
    button.Init();
    edit.Init();
    ASSERT_TRUE(form.Start());

    struct Case {
        Qt::Key key;
        const char* down;
    };
    // The button takes none of these keys, so Qt would hand them on to the panel as well.
    const Case cases[] = {{Qt::Key_Return, "13"}, {Qt::Key_Escape, "27"}, {Qt::Key_Left, "37"},
                          {Qt::Key_Down, "40"},   {Qt::Key_A, "65"},      {Qt::Key_5, "53"},
                          {Qt::Key_F1, "112"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.down);
        log.calls.clear();
        QTest::keyPress(button.Control->Widget(), c.key);
        EXPECT_EQ(log.Trace(), (std::vector<std::string>{std::string("1:") + c.down, std::string("2:") + c.down}));
        QTest::keyRelease(button.Control->Widget(), c.key);
    }

    // A letter of the Russian layout reports the key it lies on, and then its character.
    const Case typed[] = {{Qt::Key_unknown, "186"}, {Qt::Key_unknown, "81"}, {Qt::Key_unknown, "231"}};
    const char* characters[] = {"ж", "Й", "§"};
    for (size_t i = 0; i < std::size(typed); ++i) {
        SCOPED_TRACE(characters[i]);
        log.calls.clear();
        QTest::sendKeyEvent(QTest::Press, edit.Control->Widget(), typed[i].key, QString::fromUtf8(characters[i]),
                            Qt::NoModifier);
        ASSERT_EQ(log.Count(), 3u);
        EXPECT_EQ(log.calls[0].index, 1);
        EXPECT_EQ(log.calls[1].index, 3);
        EXPECT_EQ(ToString(log.calls[1].value).str(), typed[i].down);
        EXPECT_EQ(log.calls[2].index, 4);
        EXPECT_EQ(ToString(log.calls[2].value), Cp(characters[i]));
    }
}

TEST_F(SimpleControlsTest, HintShowsOverTheControlAndItsItems) {
    THIListBox files(panel.Control.get());
    Place(files, 5, 1, 130, 250);
    files.Strings = "a.ltx\r\nb.ltx";
    files.Hint = Cp("Бросьте сюда нужные файлы.");
    files.Init();
    ASSERT_TRUE(form.Start());
    QListWidget* list = files.Control->As<QListWidget>();
    const QPoint places[] = {list->visualItemRect(list->item(0)).center(), QPoint(60, 200)};
    for (const QPoint& at : places) {
        SCOPED_TRACE(at.y());
        QHelpEvent help(QEvent::ToolTip, at, list->viewport()->mapToGlobal(at));
        QApplication::sendEvent(list->viewport(), &help);
        EXPECT_EQ(QToolTip::text(), QString::fromUtf8("Бросьте сюда нужные файлы."));
        QToolTip::hideText();
    }
}

TEST_F(SimpleControlsTest, ControlWhoseWindowWentWithItsParentIsDestroyedSafely) {
    auto inner = std::make_unique<THIPanel>(panel.Control.get());
    inner->Align = Align::Client;
    inner->Init();
    auto button = std::make_unique<THIButton>(inner->Control.get());
    button->onClick = log.At(2);
    button->Init();
    ASSERT_TRUE(form.Start());
    inner.reset();  // takes the button's window with it
    EXPECT_FALSE(button->Control->Exists());
    button.reset();
    EXPECT_EQ(log.Count(), 0u);
}

}  // namespace
