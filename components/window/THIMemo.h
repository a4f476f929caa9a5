// THIMemo: a multi-line edit box. Its text travels as cp1251 with CR LF line ends; a typed
// character that code page 1251 cannot write is refused and shown on the box (Cp1251Input.h).
#pragma once

#include <QString>
#include <string>

#include "components/window/THIWinList.h"

class QPlainTextEdit;

class THIMemo : public THIWinList {
public:
    using THIWinList::THIWinList;

    // Creates the box with ScrollBars and ReadOnly, the base's Init, then sets Text.
    void Init() override;

    Bytes Text;              // initial text
    uint8_t ScrollBars = 3;  // 0 none, 1 horizontal, 2 vertical, 3 both; without a horizontal
                             // bar long lines wrap at the right edge
    uint8_t ReadOnly = 1;    // an index: 0 read-only, anything else editable

    // onChange (of the base) also carries the whole text, CR LF line ends, whenever the user
    // changes it.

protected:
    // Appends as a new line: a line end first when the last line is not empty. A line has no
    // hint of its own.
    void AddItem(const Bytes& text, const Bytes& hint) override;
    void ClearItems() override;
    int ItemCount() const override;
    // Puts the caret at the end and scrolls it into view.
    void SelectItem(int index) override;

private:
    QPlainTextEdit* Memo() const;
    void UserChanged();

    QString reportedText_;  // the text of the last change seen
};
