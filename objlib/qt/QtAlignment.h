// Horizontal alignment properties (0 left, 1 right, 2 centre) as Qt alignment flags.
#pragma once

#include <QtGlobal>
#include <cstdint>

inline Qt::Alignment ToQtAlignment(uint8_t alignment) {
    switch (alignment) {
    case 1: return Qt::AlignRight;
    case 2: return Qt::AlignHCenter;
    default: return Qt::AlignLeft;
    }
}
