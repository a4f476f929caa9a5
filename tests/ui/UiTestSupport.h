// What the window tests share: hooks switched on per test, a recorder of raised events, and
// a shown main form to put controls on.
#pragma once

#include <gtest/gtest.h>

#include <QTest>
#include <QWidget>
#include <string>
#include <vector>

#include "components/window/THIMainForm.h"
#include "objlib/Cp1251.h"
#include "runtime/Dispatch.h"

// The cp1251 bytes of a UTF-8 literal (the tests are written in UTF-8, the system speaks cp1251).
inline Bytes Cp(const char* utf8) {
    std::string out;
    EXPECT_TRUE(Utf8ToCp1251(utf8, out)) << utf8;
    return Bytes(out);
}

inline TData StringData(const Bytes& s) {
    TData d;
    SetString(d, s);
    return d;
}

// Records every call it receives: the point's index (to tell sources apart) and the value.
struct Recorder {
    struct Call {
        uint16_t index;
        TData value;
    };
    std::vector<Call> calls;

    void doEvent(TData& d, uint16_t index) { calls.push_back({index, d}); }
    THI_Event At(uint16_t index = 0) { return Point<&Recorder::doEvent>(*this, index); }

    size_t Count() const { return calls.size(); }
    // "i:<value>" per call, the value as text (NULL shows as "-").
    std::vector<std::string> Trace() const {
        std::vector<std::string> out;
        for (const Call& c : calls)
            out.push_back(std::to_string(c.index) + ":" + (c.value.Tag() == Tag::Null ? "-" : ToString(c.value).str()));
        return out;
    }
};

class UiTest : public ::testing::Test {
protected:
    void SetUp() override { ActivateHooks(); }
    void TearDown() override { DeactivateHooks(); }
};

// A shown 800 x 600 main form, the parent of the controls under test. Construct it, put the
// controls on Form.Control, then call Start() (which runs the start-up queue: every test that
// creates a form must run it before the form is destroyed).
struct TestForm {
    THIMainForm Form{nullptr};

    TestForm() {
        Form.Width = 800;
        Form.Height = 600;
        Form.Init();
    }
    TControl* Parent() { return Form.Control.get(); }
    QWidget* Widget() { return Form.Control->Widget(); }
    QWindow* Window() { return Widget()->windowHandle(); }
    bool Start() {
        RunInitQueue();
        return QTest::qWaitForWindowExposed(Widget());
    }
    // The centre of a control in window coordinates, for the QWindow* overloads of QTest.
    QPoint CentreOf(const QWidget* w) { return w->mapTo(Widget(), w->rect().center()); }
};
