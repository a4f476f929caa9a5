// THIEdit: a single-line edit box.
//
// onChange reports every change of the text except the initial text set by Init and the
// emptying after Enter. With onEnter connected, Enter raises onEnter with the text and then
// empties the box, unless the receiver set a text with doText meanwhile; the Enter key itself
// goes no further (no default button). The value point is TextValue (the property is Text).
// A typed character that the box's text cannot be stored with is refused and shown on the box
// (Cp1251Input.h), so the text always has a value. The text is code page 1251, or with FileText
// the open file's text, in that file's encoding (FileText.h).
#pragma once

#include <QString>

#include "components/window/THIWin.h"
#include "objlib/TextEncoding.h"

class QLineEdit;

class THIEdit : public THIWin {
public:
    // Produces the value of the box; false when there is none (the box is not created yet, or
    // its text holds a character its encoding cannot write).
    using TValueReader = bool (*)(THIEdit& edit, TData& value);
    // The current text as a String.
    static bool StringReader(THIEdit& edit, TData& value);

    using THIWin::THIWin;

    // Creates the box with Password, ReadOnly and Alignment, the base's Init, then sets Text.
    void Init() override;

    // Method point: the Str value (the incoming string when unconnected) becomes the text; the
    // caret stays where it was (at most at the end). onChange follows.
    void doText(TData& d, uint16_t index);
    // Value point: the value produced by ValueReader, NULL when it fails.
    void TextValue(TData& d, uint16_t index);
    // Method point: the box takes the focus with its whole text selected.
    void doFocus(TData& d, uint16_t index);
    // Method point: marks the box with the incoming string as the reason (BoxMark.h), shown in
    // the interface language, until its text changes; an empty string takes the mark off.
    void doMark(TData& d, uint16_t index);

    Bytes Text;
    uint8_t Alignment = 0;  // 0 left, 1 right, 2 centre
    bool Password = false;
    bool ReadOnly = false;
    bool FileText = false;  // shows, takes and gives the open file's text (set before Init)
    TValueReader ValueReader = &StringReader;

    THI_Event Str;       // data point for doText
    THI_Event onChange;  // the value, on a change of the text
    THI_Event onEnter;   // the value, on Enter

protected:
    void KeyDown(int& key) override;

private:
    QLineEdit* Edit() const;
    void TextChanged();
    QString Shown(const Bytes& text) const;
    // Converts the box's text once per change, so a read hands back the bytes already held.
    void HoldText(const QString& text);
    // HoldText of the box's current text.
    [[gnu::noinline]] void HoldBoxText();
    // StringReader's work: the held text, held again first when the file's encoding changed.
    bool ReadHeldText(TData& value);

    QString reportedText_;  // the text of the last change seen
    Bytes heldText_;        // the box's text as bytes; meaningful while heldStored_
    bool heldStored_ = false;  // whether the text could be stored in its encoding
    TextEncoding heldEncoding_ = TextEncoding::Cp1251;  // the open file's encoding heldText_ is in
    bool ReportChanges = false;
    bool ClearAfterEnter = false;
};
