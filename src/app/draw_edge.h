#pragma once
// The three-dimensional edge drawn around a control on its parent window (the
// display's sunken frame). The rectangle is the control's own grown by two
// pixels on every side.

class QPainter;
class QWidget;

namespace mezura {

inline constexpr int kEdgeRaised = 5;   ///< raised outer and inner border
inline constexpr int kEdgeSunken = 10;  ///< sunken outer and inner border

/// Paints the edge of `control` with `painter`, which paints on the control's
/// parent widget.
void DrawEdge(QPainter& painter, const QWidget& control, int edge = kEdgeSunken);

}  // namespace mezura
