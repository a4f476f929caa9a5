// A mark on an edit box (a single-line box or a memo) that tells the user at once why the last
// input had no effect: a pale red background and a tooltip with the reason, shown at the box.
// The mark stays until the text changes, and the box then gets its own background and tooltip
// back.
#pragma once

class QWidget;
class QString;

void MarkBox(QWidget& box, const QString& reason);
// The same while the box is still changing: the mark stays while the box holds `text`.
void MarkBox(QWidget& box, const QString& reason, const QString& text);
bool IsBoxMarked(const QWidget& box);
// Takes the mark off at once; an unmarked box stays as it is.
void UnmarkBox(QWidget& box);
