#include "objlib/qt/Cp1251Input.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QSignalBlocker>
#include <QTextCursor>
#include <QValidator>
#include <vector>

#include "objlib/qt/BoxMark.h"
#include "objlib/qt/FileText.h"
#include "objlib/qt/QtText.h"
#include "objlib/qt/Translation.h"

namespace {

using CanWrite = bool (*)(char32_t character);

QString Refusal(char32_t refused) {
    return Morvane::tr("Символ «%1» нельзя записать в cp1251.").arg(QString::fromUcs4(&refused, 1));
}

// Calls refuse(position, length, character) for every character of `text` that cannot be written,
// in order.
template <class Refuse>
void ForEachRefused(const QString& text, CanWrite canWrite, Refuse refuse) {
    for (qsizetype i = 0; i < text.size();) {
        const bool pair = text[i].isHighSurrogate() && i + 1 < text.size();
        const char32_t character = pair ? QChar::surrogateToUcs4(text[i], text[i + 1]) : text[i].unicode();
        const qsizetype length = pair ? 2 : 1;
        if (character != U'\uFFFD' && !canWrite(character)) refuse(i, length, character);
        i += length;
    }
}

// The text without what cannot be written; `refused` is the first character left out (0:
// none), and `caret` moves back by what went before it.
QString Kept(const QString& text, CanWrite canWrite, char32_t& refused, int& caret) {
    QString kept;
    qsizetype from = 0;
    const int oldCaret = caret;
    ForEachRefused(text, canWrite, [&](qsizetype at, qsizetype length, char32_t character) {
        if (!refused) refused = character;
        kept += text.mid(from, at - from);
        from = at + length;
        if (at < oldCaret) caret -= static_cast<int>(length);
    });
    if (!refused) return text;
    return kept + text.mid(from);
}

class RefusingValidator : public QValidator {
public:
    RefusingValidator(QLineEdit& box, CanWrite canWrite) : QValidator(&box), box_(&box), canWrite_(canWrite) {}

    State validate(QString& input, int& caret) const override {
        char32_t refused = 0;
        input = Kept(input, canWrite_, refused, caret);
        if (refused && box_) MarkBox(*box_, Refusal(refused), input);
        return Acceptable;
    }

private:
    QPointer<QLineEdit> box_;
    CanWrite canWrite_;
};

// A memo has no validator: what was typed or pasted is taken out again at once, in the same
// step of its undo history.
void RefuseIn(QPlainTextEdit& memo) {
    const QString text = memo.toPlainText();
    std::vector<std::pair<qsizetype, qsizetype>> spans;
    char32_t refused = 0;
    ForEachRefused(text, &CanWriteCp1251, [&](qsizetype at, qsizetype length, char32_t character) {
        if (!refused) refused = character;
        spans.emplace_back(at, length);
    });
    if (spans.empty()) return;
    QTextCursor cursor(memo.document());
    cursor.joinPreviousEditBlock();
    for (auto span = spans.rbegin(); span != spans.rend(); ++span) {
        cursor.setPosition(static_cast<int>(span->first));
        cursor.setPosition(static_cast<int>(span->first + span->second), QTextCursor::KeepAnchor);
        cursor.removeSelectedText();
    }
    cursor.endEditBlock();
    MarkBox(memo, Refusal(refused));
}

std::vector<QPointer<QLineEdit>>& FileTextBoxes() {
    static std::vector<QPointer<QLineEdit>> boxes;
    return boxes;
}

}  // namespace

void AcceptCp1251Only(QLineEdit& box) { box.setValidator(new RefusingValidator(box, &CanWriteCp1251)); }

void AcceptCp1251Only(QPlainTextEdit& memo) {
    QObject::connect(&memo, &QPlainTextEdit::textChanged, &memo, [&memo] { RefuseIn(memo); });
}

void AcceptFileTextOnly(QLineEdit& box) {
    box.setValidator(new RefusingValidator(box, &CanWriteFileText));
    FileTextBoxes().emplace_back(&box);
}

void RecheckFileTextBoxes() {
    auto& boxes = FileTextBoxes();
    std::erase_if(boxes, [](const QPointer<QLineEdit>& box) { return box.isNull(); });
    for (const QPointer<QLineEdit>& box : boxes) {
        char32_t refused = 0;
        int caret = box->cursorPosition();
        const QString kept = Kept(box->text(), &CanWriteFileText, refused, caret);
        if (!refused) continue;
        {
            const QSignalBlocker quiet(box.data());
            box->setText(kept);
            box->setCursorPosition(caret);
        }
        MarkBox(*box, Refusal(refused), kept);
    }
}
