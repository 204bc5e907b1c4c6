#pragma once
// Qt-side helpers shared by the windows: twip rectangles as pixel rectangles
// (through the one conversion in tape/twips.h) and the design's fonts. The
// fonts the windows were drawn for do not exist here, so every window asks for
// Liberation Sans, falling back to DejaVu Sans, at the same point sizes.

#include <QFont>
#include <QRect>
#include <QStringList>

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

}  // namespace mezura
