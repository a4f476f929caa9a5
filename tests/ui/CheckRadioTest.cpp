// Check boxes and radio buttons: Checked as an index, the value point, clicks and groups.
#include <QCheckBox>
#include <QRadioButton>

#include "UiTestSupport.h"
#include "components/window/THICheckBox.h"
#include "components/window/THIPanel.h"
#include "components/window/THIRadioButton.h"

namespace {

template <class C>
int32_t CheckedOf(C& control) {
    TData d;
    control.CheckedValue(d, 0);
    return d.IntValue;
}

template <class C>
void Place(C& control, int left, int top) {
    control.Left = left;
    control.Top = top;
    control.Width = 105;
    control.Height = 20;
}

class CheckRadioTest : public UiTest {
protected:
    void SetUp() override {
        UiTest::SetUp();
        panel.Width = 650;
        panel.Height = 40;
        panel.Init();
    }
    // Clicks the box or button itself, at the left end of the control (Qt takes clicks on the
    // indicator and the caption only).
    void Click(QWidget* w) {
        QTest::mouseClick(form.Window(), Qt::LeftButton, {}, w->mapTo(form.Widget(), QPoint(6, w->height() / 2)));
    }

    TestForm form;
    THIPanel panel{form.Parent()};
    Recorder log;
};

TEST_F(CheckRadioTest, CheckedIndexZeroMeansChecked) {
    THICheckBox on(panel.Control.get()), off(panel.Control.get());
    Place(on, 0, 0);
    Place(off, 110, 0);
    on.Caption = Cp("Быстрый поиск");
    on.Checked = 0;
    off.Checked = 1;
    on.Init();
    off.Init();
    ASSERT_TRUE(form.Start());
    EXPECT_TRUE(on.Control->As<QCheckBox>()->isChecked());
    EXPECT_EQ(CheckedOf(on), 1);
    EXPECT_EQ(on.Control->As<QCheckBox>()->text(), QString::fromUtf8("Быстрый поиск"));
    EXPECT_FALSE(off.Control->As<QCheckBox>()->isChecked());
    EXPECT_EQ(CheckedOf(off), 0);
}

TEST_F(CheckRadioTest, ClickTogglesThenRaisesCheckAndClickWithTheNewState) {
    THICheckBox box(panel.Control.get());
    Place(box, 0, 0);
    box.Checked = 0;
    box.onCheck = log.At(0);
    box.onClick = log.At(1);
    box.Init();
    ASSERT_TRUE(form.Start());
    Click(box.Control->Widget());
    EXPECT_EQ(CheckedOf(box), 0);
    Click(box.Control->Widget());
    EXPECT_EQ(log.Trace(), (std::vector<std::string>{"0:0", "1:0", "0:1", "1:1"}));
}

TEST_F(CheckRadioTest, ValueFollowsTheControlWhateverChangesItAndEndsWithIt) {
    THIPanel inner(panel.Control.get());
    inner.Width = 650;
    inner.Height = 40;
    inner.Init();
    THICheckBox box(inner.Control.get());
    Place(box, 0, 0);
    box.Checked = 1;
    box.Init();
    ASSERT_TRUE(form.Start());
    auto* widget = box.Control->As<QCheckBox>();
    widget->setChecked(true);
    EXPECT_EQ(CheckedOf(box), 1);
    widget->setChecked(false);
    EXPECT_EQ(CheckedOf(box), 0);
    Click(widget);
    EXPECT_EQ(CheckedOf(box), 1);
    inner.Control.reset();  // the box goes with its parent's widget
    EXPECT_FALSE(box.Control->Exists());
    EXPECT_EQ(CheckedOf(box), 0);
}

TEST_F(CheckRadioTest, RadioButtonsOfOneParentFormOneGroup) {
    THIRadioButton up(panel.Control.get()), down(panel.Control.get());
    THIRadioButton elsewhere(form.Parent());  // first of its own parent: starts checked
    Place(up, 220, 0);
    Place(down, 220, 20);
    Place(elsewhere, 300, 100);
    up.Checked = 1;
    down.Checked = 0;
    up.onClick = log.At(0);
    up.Init();
    down.Init();
    elsewhere.Init();
    ASSERT_TRUE(form.Start());
    EXPECT_EQ(CheckedOf(up), 0);
    EXPECT_EQ(CheckedOf(down), 1);
    EXPECT_EQ(CheckedOf(elsewhere), 1);

    Click(up.Control->Widget());
    EXPECT_EQ(CheckedOf(up), 1);
    EXPECT_EQ(CheckedOf(down), 0);
    EXPECT_EQ(CheckedOf(elsewhere), 1);
    Click(up.Control->Widget());  // clicking the checked one keeps it checked
    EXPECT_EQ(CheckedOf(up), 1);
    EXPECT_EQ(log.Trace(), (std::vector<std::string>{"0:-", "0:-"}));
}

TEST_F(CheckRadioTest, SchemeMayLeaveAGroupWithNothingChecked) {
    THIRadioButton first(panel.Control.get()), second(panel.Control.get());
    Place(first, 0, 0);
    Place(second, 0, 20);
    first.Checked = 1;
    second.Checked = 1;
    first.Init();
    second.Init();
    ASSERT_TRUE(form.Start());
    EXPECT_EQ(CheckedOf(first), 0);
    EXPECT_EQ(CheckedOf(second), 0);
}

}  // namespace
