#pragma once
// Qt-side helpers shared by the windows: twip rectangles as pixel rectangles
// (through the one conversion in measure/twips.h), colour numbers as Qt's
// colours, and the design's fonts. The fonts the windows were drawn for do not
// exist here, so every window asks for Liberation Sans, falling back to
// DejaVu Sans, at the same point sizes. They are the fonts of the program's
// own windows only (each sets them on itself); dialogs, menus and the help
// keep the desktop's font.

#include <QColor>
#include <QFont>
#include <QFontMetricsF>
#include <QRect>
#include <QStringList>
#include <QWidget>
#include <QWindow>
#include <algorithm>
#include <cmath>
#include <cstdint>

#include "measure/colour_number.h"
#include "measure/twips.h"

namespace mezura {

inline QRect ToPixels(const TwipRect& r) {
  return {TwipsToPixels(r.left), TwipsToPixels(r.top), TwipsToPixels(r.width), TwipsToPixels(r.height)};
}
inline TwipRect ToTwips(const QRect& r) {
  return {static_cast<double>(PixelsToTwips(r.x())), static_cast<double>(PixelsToTwips(r.y())),
          static_cast<double>(PixelsToTwips(r.width())), static_cast<double>(PixelsToTwips(r.height()))};
}

inline QFont DesignFont(double pointSize, bool bold = false) {
  QFont font;
  font.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
  font.setPointSizeF(pointSize);
  font.setBold(bold);
  return font;
}

/// `font` made just small enough for `text` to fit `width` pixels: long
/// entries and tape lines shrink instead of losing digits to an edge.
inline QFont FitFontToWidth(QFont font, const QString& text, double width) {
  const double designSize = font.pointSizeF();
  double size = designSize;
  const double wide = QFontMetricsF(font).horizontalAdvance(text);
  if (wide <= width || width <= 0 || designSize <= 0) return font;
  // Text widths do not scale exactly with the size: start from the ratio and
  // step down until it fits.
  size = std::max(1.0, std::floor(designSize * width / wide * 4) / 4);
  font.setPointSizeF(size);
  while (size > 1 && QFontMetricsF(font).horizontalAdvance(text) > width) {
    size = std::max(1.0, size - 0.25);
    font.setPointSizeF(size);
  }
  return font;
}

/// The frame a window manager put around `window` (nothing before it did),
/// as the native window knows it: the widget's own copy can lag behind.
inline QMargins FrameMargins(const QWidget& window) {
  const QWindow* handle = window.windowHandle();
  return handle ? handle->frameMargins() : QMargins();
}

/// A window's place as the settings and the memory files keep it: the top-left
/// of its client area, in twips. The frame around it is the window manager's
/// and is known only once the window is mapped, so a place kept through the
/// frame would drift by the frame's size on every start.
inline QPoint ClientPlaceTwips(const QWidget& window) {
  return {PixelsToTwips(window.geometry().x()), PixelsToTwips(window.geometry().y())};
}
inline void PlaceClientAt(QWidget& window, double leftTwips, double topTwips) {
  window.setGeometry(QRect(QPoint(TwipsToPixels(leftTwips), TwipsToPixels(topTwips)), window.size()));
}

/// A colour number as Qt's colour, and back: the one place where they meet.
inline QColor ToQColor(ColourNumber colour) {
  return QColor(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF);
}
inline ColourNumber ToColourNumber(const QColor& colour) {
  return colour.red() + 256 * colour.green() + 65536 * colour.blue();
}

/// Fills `widget` with `colour` behind its contents.
inline void SetBackground(QWidget* widget, ColourNumber colour) {
  QPalette palette = widget->palette();
  palette.setColor(QPalette::Window, ToQColor(colour));
  widget->setPalette(palette);
  widget->setAutoFillBackground(true);
  widget->update();
}

}  // namespace mezura
