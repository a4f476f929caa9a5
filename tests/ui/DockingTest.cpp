// Docking in creation order, re-layout on resize, and the splitter bar's limits, as the
// main window and the tables panel use them.
#include "UiTestSupport.h"
#include "components/window/THIEdit.h"
#include "components/window/THIListBox.h"
#include "components/window/THIPanel.h"

namespace {

template <class C>
std::unique_ptr<C> Docked(TControl* parent, uint8_t align, int width, int height,
                          const TSplitterRec& splitter = TSplitterRec{}) {
    auto c = std::make_unique<C>(parent);
    c->Width = width;
    c->Height = height;
    c->Align = align;
    c->Splitter = splitter;
    c->Init();
    return c;
}

QRect Geometry(const std::unique_ptr<THIWin>& c) { return c->Control->Widget()->geometry(); }

// The main window's layout: a file strip on the left and the tables panel filling the rest,
// which holds a search strip on top, a comment box at the bottom, the table of contents on
// the right (with its splitter bar) and the main table in the middle.
class DockingTest : public UiTest {
protected:
    void SetUp() override {
        UiTest::SetUp();
        files = Docked<THIPanel>(form.Parent(), Align::Left, 140, 573);
        tables = Docked<THIPanel>(form.Parent(), Align::Client, 652, 573);
        TControl* inner = tables->Control.get();
        search = Docked<THIPanel>(inner, Align::Top, 650, 40);
        comment = Docked<THIEdit>(inner, Align::Bottom, 650, 20);
        contents = Docked<THIListBox>(inner, Align::Right, 135, 551, TSplitterRec{4, 0xFF00000F, 130, 400});
        main = Docked<THIListBox>(inner, Align::Client, 515, 551);
        ASSERT_TRUE(form.Start());
    }
    // Drags the splitter bar sideways with the mouse, through the window.
    void DragBar(int dx) {
        const QRect table = Geometry(contents);
        const QPoint start = tables->Control->Widget()->mapTo(form.Widget(), QPoint(table.x() - 2, table.center().y()));
        QTest::mousePress(form.Window(), Qt::LeftButton, {}, start);
        QTest::mouseMove(form.Window(), start + QPoint(dx, 0));
        QTest::mouseRelease(form.Window(), Qt::LeftButton, {}, start + QPoint(dx, 0));
    }

    TestForm form;
    std::unique_ptr<THIWin> files, tables, search, comment, contents, main;
};

TEST_F(DockingTest, DockedWindowsShareTheClientAreaInCreationOrder) {
    EXPECT_EQ(Geometry(files), QRect(0, 0, 140, 600));
    EXPECT_EQ(Geometry(tables), QRect(140, 0, 660, 600));
    EXPECT_EQ(Geometry(search), QRect(0, 0, 660, 40));
    EXPECT_EQ(Geometry(comment), QRect(0, 580, 660, 20));
    EXPECT_EQ(Geometry(contents), QRect(525, 40, 135, 540));
    EXPECT_EQ(Geometry(main), QRect(0, 40, 521, 540));  // 4 pixels left for the bar

    form.Widget()->resize(1000, 700);
    EXPECT_EQ(Geometry(tables), QRect(140, 0, 860, 700));
    EXPECT_EQ(Geometry(contents), QRect(725, 40, 135, 640));
    EXPECT_EQ(Geometry(main), QRect(0, 40, 721, 640));
}

TEST_F(DockingTest, SplitterBarResizesWithinBothMinimums) {
    struct Case {
        int dx;     // drag of the bar, from where the previous drag left it
        int width;  // the table of contents afterwards
    };
    const Case cases[] = {
        {-50, 185},   // wider
        {-300, 256},  // stops where 400 pixels remain for the rest: 660 - 4 - 400
        {400, 130},   // narrower, down to its own minimum
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.dx);
        DragBar(c.dx);
        EXPECT_EQ(Geometry(contents).width(), c.width);
        EXPECT_EQ(Geometry(main).width(), 660 - 4 - c.width);
    }
}

TEST_F(DockingTest, HiddenDockedWindowGivesUpItsPlace) {
    comment->Control->SetVisible(false);
    EXPECT_EQ(Geometry(contents), QRect(525, 40, 135, 560));
    EXPECT_EQ(Geometry(main), QRect(0, 40, 521, 560));
}

}  // namespace
