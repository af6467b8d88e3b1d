#pragma once
// Colour words are 0x00BBGGRR, red in the low byte.

#include <QColor>

#include "layout/lamp.h"

namespace vx {

inline QColor toQColor(ColorWord word) {
    return QColor(static_cast<int>(word & 0xFFu), static_cast<int>((word >> 8) & 0xFFu),
                  static_cast<int>((word >> 16) & 0xFFu));
}

}  // namespace vx
