// The popup menu: choosing an item and dismissing the menu, driven through the shown menu.
#include <QApplication>
#include <QMenu>
#include <QTimer>
#include <functional>

#include "UiTestSupport.h"
#include "components/window/THIPopupMenu.h"

namespace {

enum : uint16_t { Click, PopupEnd };

class PopupMenuTest : public UiTest {
protected:
    void SetUp() override {
        UiTest::SetUp();
        menu.onClick = log.At(Click);
        menu.onPopupEnd = log.At(PopupEnd);
        ASSERT_TRUE(form.Start());
    }
    // Shows the menu; `act` runs on the shown menu inside its event loop.
    void Popup(const std::function<void(QMenu*)>& act) {
        QTimer::singleShot(0, [act] {
            if (auto* shown = qobject_cast<QMenu*>(QApplication::activePopupWidget()))
                act(shown);
            else
                ADD_FAILURE() << "no menu shown";
        });
        TData none;
        menu.doPopup(none, 0);
    }
    static void Pick(QMenu* shown, int downs) {
        for (int i = 0; i < downs; ++i) QTest::keyClick(shown, Qt::Key_Down);
        QTest::keyClick(shown, Qt::Key_Return);
    }

    TestForm form;
    THIPopupMenu menu{form.Parent()};
    Recorder log;
};

TEST_F(PopupMenuTest, ChoosingTheThirdItemRaisesClickTwoAfterTheMenuHasClosed) {
    menu.Items = Cp("Добавить коментарий\r\nДобавить секцию\r\nДобавить параметр\r\nУдалить строку");
    QStringList captions;
    Popup([&](QMenu* shown) {
        for (QAction* action : shown->actions()) captions << action->text();
        Pick(shown, 3);
    });
    EXPECT_EQ(captions, (QStringList{QString::fromUtf8("Добавить коментарий"), QString::fromUtf8("Добавить секцию"),
                                     QString::fromUtf8("Добавить параметр"), QString::fromUtf8("Удалить строку")}));
    EXPECT_EQ(log.Trace(), (std::vector<std::string>{"1:-"}));
    QCoreApplication::processEvents();
    EXPECT_EQ(log.Trace(), (std::vector<std::string>{"1:-", "0:2"}));
    QCoreApplication::processEvents();
    EXPECT_EQ(log.Count(), 2u);
}

TEST_F(PopupMenuTest, EscRaisesOnlyPopupEnd) {
    menu.Items = "a\r\nb";
    Popup([](QMenu* shown) { QTest::keyClick(shown, Qt::Key_Escape); });
    QCoreApplication::processEvents();
    EXPECT_EQ(log.Trace(), (std::vector<std::string>{"1:-"}));
}

TEST_F(PopupMenuTest, SeparatorsTakeNoIndex) {
    menu.Items = "a\r\n-\r\nb\r\nc";
    for (int downs : {1, 2, 3}) {
        SCOPED_TRACE(downs);
        log.calls.clear();
        Popup([downs](QMenu* shown) { Pick(shown, downs); });
        QCoreApplication::processEvents();
        EXPECT_EQ(log.Trace(), (std::vector<std::string>{"1:-", "0:" + std::to_string(downs - 1)}));
    }
}

}  // namespace
