#include "components/window/THIEdit.h"

#include <QLineEdit>
#include <algorithm>

#include "objlib/qt/BoxMark.h"
#include "objlib/qt/Cp1251Input.h"
#include "objlib/qt/FileText.h"
#include "objlib/qt/QtAlignment.h"
#include "objlib/qt/QtText.h"
#include "objlib/qt/Translation.h"
#include "objlib/qt/VirtualKey.h"

// Inline into TextValue: a search reads the box's text for every row it walks.
inline bool THIEdit::ReadHeldText(TData& value) {
    if (!Control) return false;
    // The open file's encoding changes without a change of the text being reported.
    if (FileText && heldEncoding_ != FileTextEncoding()) HoldBoxText();
    if (!heldStored_) return false;
    SetString(value, heldText_);
    return true;
}

bool THIEdit::StringReader(THIEdit& edit, TData& value) { return edit.ReadHeldText(value); }

// Out of line: the conversion is rare and would give every read its frame.
void THIEdit::HoldBoxText() { HoldText(Edit()->text()); }

void THIEdit::HoldText(const QString& text) {
    std::string bytes;
    heldStored_ = FileText ? FileTextFromQString(text, bytes) : FromQString(text, bytes);
    heldText_ = heldStored_ ? Bytes(bytes) : Bytes();
    heldEncoding_ = FileTextEncoding();
}

QLineEdit* THIEdit::Edit() const { return Control ? Control->As<QLineEdit>() : nullptr; }

void THIEdit::Init() {
    auto* box = new QLineEdit;
    box->setEchoMode(Password ? QLineEdit::Password : QLineEdit::Normal);
    box->setReadOnly(ReadOnly);
    box->setAlignment(ToQtAlignment(Alignment) | Qt::AlignVCenter);
    if (FileText)
        AcceptFileTextOnly(*box);
    else
        AcceptCp1251Only(*box);
    Control = std::make_unique<TControl>(ParentControl, box);
    THIWin::Init();
    // A refused character leaves the text as it was, though Qt reports the round as a change.
    QObject::connect(box, &QLineEdit::textChanged, box, [this](const QString& text) {
        HoldText(text);
        if (ReportChanges && text == reportedText_) return;
        reportedText_ = text;
        TextChanged();
    });
    box->setText(Shown(Text));
    HoldText(box->text());  // also when setting the initial text reported no change
    // Qt reports no change when the initial text equals the empty one; either way every
    // change from now on is reported.
    ReportChanges = true;
}

void THIEdit::TextChanged() {
    if (ReportChanges) {
        TData value;
        if (ValueReader(*this, value)) CallEvent(onChange, value);
    }
    ReportChanges = true;
}

void THIEdit::doText(TData& d, uint16_t) {
    ClearAfterEnter = false;
    const Bytes text = ReadString(d, Str);
    QLineEdit* box = Edit();
    if (!box) return;
    const int caret = box->cursorPosition();
    const QString shown = Shown(text);
    // Setting the text always counts as a change, even when it is the same text.
    if (shown == box->text())
        TextChanged();
    else
        box->setText(shown);
    box->setCursorPosition(std::min<int>(caret, static_cast<int>(shown.size())));
}

QString THIEdit::Shown(const Bytes& text) const {
    return FileText ? FileTextToQString(text.view()) : ToQString(text.view());
}

void THIEdit::TextValue(TData& d, uint16_t) {
    // The usual reader is called in line rather than through its pointer.
    const bool read = ValueReader == &StringReader ? ReadHeldText(d) : ValueReader(*this, d);
    if (!read) SetNull(d);
}

void THIEdit::doFocus(TData&, uint16_t) {
    QLineEdit* box = Edit();
    if (!box) return;
    box->setFocus(Qt::ShortcutFocusReason);
    box->selectAll();
}

void THIEdit::doMark(TData& d, uint16_t) {
    QLineEdit* box = Edit();
    if (!box) return;
    const Bytes reason = ToString(d);
    if (reason.empty())
        UnmarkBox(*box);
    else
        MarkBox(*box, InterfaceText(reason));
}

void THIEdit::KeyDown(int& key) {
    if (key != VirtualKey::Enter || !onEnter.Connected()) {
        THIWin::KeyDown(key);
        return;
    }
    key = 0;
    TData value;
    if (!ValueReader(*this, value)) return;
    ClearAfterEnter = true;
    CallEvent(onEnter, value);
    if (ClearAfterEnter && Edit()) {
        ReportChanges = false;
        Edit()->clear();
        ReportChanges = true;
    }
}
