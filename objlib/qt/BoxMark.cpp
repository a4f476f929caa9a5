#include "objlib/qt/BoxMark.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QToolTip>

namespace {

const char* const kMarkedText = "morvaneMarkedText";
const char* const kOwnToolTip = "morvaneOwnToolTip";
const char* const kOwnBase = "morvaneOwnBase";
const char* const kWatched = "morvaneMarkWatched";

const QColor kMarkColor(255, 215, 215);

QString TextOf(const QWidget& box) {
    if (const auto* line = qobject_cast<const QLineEdit*>(&box)) return line->text();
    if (const auto* memo = qobject_cast<const QPlainTextEdit*>(&box)) return memo->toPlainText();
    return QString();
}

void Restore(QWidget& box) {
    QPalette palette = box.palette();
    palette.setColor(QPalette::Base, box.property(kOwnBase).value<QColor>());
    box.setPalette(palette);
    box.setToolTip(box.property(kOwnToolTip).toString());
    box.setProperty(kMarkedText, QVariant());
    QToolTip::hideText();
}

void TextChanged(QWidget& box) {
    if (IsBoxMarked(box) && TextOf(box) != box.property(kMarkedText).toString()) Restore(box);
}

// Takes the mark off once the text is no longer the one it was put on.
void Watch(QWidget& box) {
    if (box.property(kWatched).toBool()) return;
    box.setProperty(kWatched, true);
    if (auto* line = qobject_cast<QLineEdit*>(&box))
        QObject::connect(line, &QLineEdit::textChanged, line, [line] { TextChanged(*line); });
    else if (auto* memo = qobject_cast<QPlainTextEdit*>(&box))
        QObject::connect(memo, &QPlainTextEdit::textChanged, memo, [memo] { TextChanged(*memo); });
}

}  // namespace

void MarkBox(QWidget& box, const QString& reason) { MarkBox(box, reason, TextOf(box)); }

void MarkBox(QWidget& box, const QString& reason, const QString& text) {
    if (!IsBoxMarked(box)) {
        box.setProperty(kOwnToolTip, box.toolTip());
        box.setProperty(kOwnBase, box.palette().color(QPalette::Base));
    }
    Watch(box);
    box.setProperty(kMarkedText, text);
    QPalette palette = box.palette();
    palette.setColor(QPalette::Base, kMarkColor);
    box.setPalette(palette);
    box.setToolTip(reason);
    QToolTip::showText(box.mapToGlobal(QPoint(0, box.height())), reason, &box);
}

bool IsBoxMarked(const QWidget& box) { return box.property(kMarkedText).isValid(); }

void UnmarkBox(QWidget& box) {
    if (IsBoxMarked(box)) Restore(box);
}
