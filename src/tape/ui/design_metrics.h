#pragma once
// Qt-side helpers shared by the windows: twip rectangles as pixel rectangles
// (through the one conversion in tape/twips.h) and the design's fonts. The
// fonts the windows were drawn for do not exist here, so every window asks for
// Liberation Sans, falling back to DejaVu Sans, at the same point sizes. They
// are the fonts of the program's own windows only (each sets them on itself);
// dialogs, menus and the help keep the desktop's font.

#include <QColor>
#include <QFont>
#include <QRect>
#include <QStringList>
#include <cstdint>

#include "tape/twips.h"

namespace mezura {

inline QRect ToPixels(const TwipRect& r) {
  return {TwipsToPixels(r.left), TwipsToPixels(r.top), TwipsToPixels(r.width), TwipsToPixels(r.height)};
}

inline QFont DesignFont(double pointSize, bool bold = false) {
  QFont font;
  font.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
  font.setPointSizeF(pointSize);
  font.setBold(bold);
  return font;
}

/// Colours are stored as colour numbers: red + 256 * green + 65536 * blue.
inline QColor ColourFromNumber(std::int32_t colour) {
  return QColor(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF);
}
inline std::int32_t ColourNumber(const QColor& colour) {
  return colour.red() + 256 * colour.green() + 65536 * colour.blue();
}

}  // namespace mezura
