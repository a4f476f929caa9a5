#include "objlib/qt/BoxMark.h"

#include <QLineEdit>
#include <QToolTip>

namespace {

const char* const kMarkedText = "morvaneMarkedText";
const char* const kOwnToolTip = "morvaneOwnToolTip";
const char* const kOwnBase = "morvaneOwnBase";
const char* const kWatched = "morvaneMarkWatched";

const QColor kMarkColor(255, 215, 215);

void Restore(QLineEdit& box) {
    QPalette palette = box.palette();
    palette.setColor(QPalette::Base, box.property(kOwnBase).value<QColor>());
    box.setPalette(palette);
    box.setToolTip(box.property(kOwnToolTip).toString());
    box.setProperty(kMarkedText, QVariant());
    QToolTip::hideText();
}

}  // namespace

void MarkBox(QLineEdit& box, const QString& reason) { MarkBox(box, reason, box.text()); }

void MarkBox(QLineEdit& box, const QString& reason, const QString& text) {
    if (!IsBoxMarked(box)) {
        box.setProperty(kOwnToolTip, box.toolTip());
        box.setProperty(kOwnBase, box.palette().color(QPalette::Base));
    }
    if (!box.property(kWatched).toBool()) {
        box.setProperty(kWatched, true);
        QObject::connect(&box, &QLineEdit::textChanged, &box, [&box](const QString& text) {
            if (IsBoxMarked(box) && text != box.property(kMarkedText).toString()) Restore(box);
        });
    }
    box.setProperty(kMarkedText, text);
    QPalette palette = box.palette();
    palette.setColor(QPalette::Base, kMarkColor);
    box.setPalette(palette);
    box.setToolTip(reason);
    QToolTip::showText(box.mapToGlobal(QPoint(0, box.height())), reason, &box);
}

bool IsBoxMarked(const QLineEdit& box) { return box.property(kMarkedText).isValid(); }

void UnmarkBox(QLineEdit& box) {
    if (IsBoxMarked(box)) Restore(box);
}
