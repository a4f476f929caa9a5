#include "components/window/THIMemo.h"

#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextCursor>

#include "objlib/qt/Cp1251Input.h"
#include "objlib/qt/QtText.h"

QPlainTextEdit* THIMemo::Memo() const { return Control ? Control->As<QPlainTextEdit>() : nullptr; }

void THIMemo::Init() {
    auto* memo = new QPlainTextEdit;
    const bool horizontal = ScrollBars == 1 || ScrollBars == 3;
    const bool vertical = ScrollBars == 2 || ScrollBars == 3;
    memo->setHorizontalScrollBarPolicy(horizontal ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
    memo->setVerticalScrollBarPolicy(vertical ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
    memo->setLineWrapMode(horizontal ? QPlainTextEdit::NoWrap : QPlainTextEdit::WidgetWidth);
    if (ReadOnly == 0) {
        memo->setReadOnly(true);
        // Read-only still lets the caret move and the text be selected and copied.
        memo->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    }
    Control = std::make_unique<TControl>(ParentControl, memo);
    Control->SetFrame(1);
    // Refused characters go before the change is reported.
    if (ReadOnly != 0) AcceptCp1251Only(*memo);
    QObject::connect(memo, &QPlainTextEdit::textChanged, memo, [this] { UserChanged(); });
    THIWin::Init();
    const auto guard = ChangingItself();
    memo->setPlainText(ToQString(Text));
}

void THIMemo::UserChanged() {
    QString text = Memo()->toPlainText();
    // A refused character leaves the text as it was, though Qt reports the round as a change.
    const bool same = text == reportedText_;
    reportedText_ = text;
    if (IsChangingItself() || same) return;
    text.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
    std::string cp1251;
    if (FromQString(text, cp1251)) RaiseString(onChange, Bytes(cp1251));
}

void THIMemo::AddItem(const Bytes& text, const Bytes&) {
    const auto guard = ChangingItself();
    QPlainTextEdit* memo = Memo();
    QTextCursor cursor(memo->document());
    cursor.movePosition(QTextCursor::End);
    if (!cursor.block().text().isEmpty()) cursor.insertBlock();
    cursor.insertText(ToQString(text));
}

void THIMemo::ClearItems() {
    const auto guard = ChangingItself();
    Memo()->clear();
}

int THIMemo::ItemCount() const { return Memo()->document()->blockCount(); }

void THIMemo::SelectItem(int) {
    QPlainTextEdit* memo = Memo();
    memo->moveCursor(QTextCursor::End);
    memo->ensureCursorVisible();
}
