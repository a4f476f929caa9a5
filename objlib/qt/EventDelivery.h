// Handing an event to a widget from inside an event filter.
#pragma once

#include <QEvent>
#include <QObject>

// Gives `event` to the receiver's own handler and marks it accepted, so that Qt offers it to
// no parent widget afterwards; the filter that calls this then returns true. The call goes
// through QObject, where event() is public (a widget's override is protected).
inline void DeliverHere(QObject* receiver, QEvent* event) {
    receiver->event(event);
    event->accept();
}
