// The edit box: change notifications, doText and Enter, through typed keys.
#include <QLineEdit>
#include <QToolTip>

#include "UiTestSupport.h"
#include "components/window/THIEdit.h"

namespace {

enum : uint16_t { Change, Enter, KeyDown };

class EditTest : public UiTest {
protected:
    void Build(const Bytes& text) {
        edit.Width = 170;
        edit.Height = 20;
        edit.Text = text;
        edit.onChange = log.At(Change);
        edit.onKeyDown = log.At(KeyDown);
        edit.Init();
        ASSERT_TRUE(form.Start());
        Widget()->setFocus();
    }
    QLineEdit* Widget() { return edit.Control->As<QLineEdit>(); }
    void Type(const char* utf8) {
        for (QChar c : QString::fromUtf8(utf8))
            QTest::sendKeyEvent(QTest::Click, Widget(), Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
    void SetText(const char* text) {
        TData d = StringData(Cp(text));
        edit.doText(d, 0);
    }

    TestForm form;
    THIEdit edit{form.Parent()};
    Recorder log;
};

// Calls doText on the edit from inside onEnter, as a receiver may.
struct TextOnEnter {
    THIEdit* edit;
    void doEvent(TData&, uint16_t) {
        TData d = StringData("kept");
        edit->doText(d, 0);
    }
};

using EditChangeTest = UiTest;

TEST_F(EditChangeTest, InitialTextRaisesNothingTypingRaisesTheWholeText) {
    struct Case {
        const char* initial;
        const char* typed;
        std::vector<std::string> changes;
    };
    const Case cases[] = {
        {"abc", "d", {"0:abcd"}},
        {"", "ab", {"0:a", "0:ab"}},  // an empty initial text must not swallow the first change
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.initial);
        TestForm caseForm;
        THIEdit caseEdit(caseForm.Parent());
        caseEdit.Width = 170;
        caseEdit.Height = 20;
        Recorder changes;
        caseEdit.Text = c.initial;
        caseEdit.onChange = changes.At();
        caseEdit.Init();
        ASSERT_TRUE(caseForm.Start());
        EXPECT_EQ(changes.Count(), 0u);
        QLineEdit* box = caseEdit.Control->As<QLineEdit>();
        box->end(false);
        for (QChar ch : QString::fromUtf8(c.typed))
            QTest::sendKeyEvent(QTest::Click, box, Qt::Key_unknown, QString(ch), Qt::NoModifier);
        EXPECT_EQ(changes.Trace(), c.changes);
    }
}

TEST_F(EditTest, TypedCyrillicArrivesAsCp1251) {
    Build("");
    Type("Жук");
    std::vector<std::string> changes;
    for (const Recorder::Call& c : log.calls)
        if (c.index == Change) changes.push_back(ToString(c.value).str());
    EXPECT_EQ(changes, (std::vector<std::string>{Cp("Ж").str(), Cp("Жу").str(), Cp("Жук").str()}));
    TData value;
    edit.TextValue(value, 0);
    EXPECT_EQ(ToString(value), Cp("Жук"));
}

TEST_F(EditTest, ACharacterCp1251CannotHoldIsRefusedAndShownUntilTheNextChange) {
    edit.Hint = Cp("подсказка");
    Build("");
    const QColor plain = Widget()->palette().color(QPalette::Base);
    Type("б✓");
    EXPECT_EQ(Widget()->text(), QString::fromUtf8("б"));
    EXPECT_EQ(Widget()->cursorPosition(), 1);
    EXPECT_NE(Widget()->palette().color(QPalette::Base), plain);
    EXPECT_TRUE(Widget()->toolTip().contains(QString::fromUtf8("✓"))) << Widget()->toolTip().toStdString();
    EXPECT_TRUE(QToolTip::isVisible());
    Type("в");
    EXPECT_EQ(ToString(log.calls.back().value), Cp("бв"));
    EXPECT_EQ(Widget()->palette().color(QPalette::Base), plain);
    EXPECT_EQ(Widget()->toolTip(), QString::fromUtf8("подсказка"));
}

TEST_F(EditTest, DoTextRaisesOnceAndKeepsTheCaret) {
    struct Case {
        int caret;
        const char* text;
        int caretAfter;
    };
    const Case cases[] = {{1, "xyz", 1}, {3, "q", 1}, {0, "long text", 0}};
    Build("abc");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        log.calls.clear();
        Widget()->setCursorPosition(c.caret);
        SetText(c.text);
        EXPECT_EQ(Widget()->text(), QString(c.text));
        EXPECT_EQ(Widget()->cursorPosition(), c.caretAfter);
        EXPECT_EQ(log.Trace(), std::vector<std::string>{std::string("0:") + c.text});
    }
}

TEST_F(EditTest, EnterRaisesTheTextAndEmptiesTheBoxWithoutChange) {
    edit.onEnter = log.At(Enter);
    Build("");
    Type("ammo");
    log.calls.clear();
    QTest::keyClick(Widget(), Qt::Key_Return);
    EXPECT_EQ(log.Trace(), (std::vector<std::string>{"1:ammo"}));
    EXPECT_EQ(Widget()->text(), QString());
    Type("b");
    EXPECT_EQ(log.Trace(), (std::vector<std::string>{"1:ammo", "2:66", "0:b"}));
}

TEST_F(EditTest, TextSetDuringEnterStays) {
    TextOnEnter receiver{&edit};
    edit.onEnter = Point<&TextOnEnter::doEvent>(receiver);
    Build("");
    Type("ammo");
    log.calls.clear();
    QTest::keyClick(Widget(), Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(Widget()->text(), QString("kept"));
    EXPECT_EQ(log.Trace(), (std::vector<std::string>{"0:kept"}));
}

TEST_F(EditTest, EnterWithoutReceiverIsAnOrdinaryKey) {
    Build("abc");
    QTest::keyClick(Widget(), Qt::Key_Return);
    EXPECT_EQ(Widget()->text(), QString("abc"));
    EXPECT_EQ(log.Trace(), (std::vector<std::string>{"2:13"}));
}

}  // namespace
