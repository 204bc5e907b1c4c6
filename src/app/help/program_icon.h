#pragma once
// The program's icon: the tape-measure case of the About box's emblem. It is
// drawn with QPainter for the window icon and the emblem, and written as SVG
// for the desktop's icon theme; both come from one description of the shapes,
// so the launcher shows the same picture as the window.
//
// Use:
//   QApplication::setWindowIcon(ProgramIcon());
//   ProgramIconImage(48).save("48.png");       // no QGuiApplication needed
//   file.write(ProgramIconSvg(256));

#include <QByteArray>
#include <QIcon>
#include <QImage>
#include <QPixmap>

class QPainter;
class QRectF;

namespace mezura {

/// The pixel sizes drawn for the window icon and installed in the icon theme.
inline constexpr int kProgramIconSizes[] = {16, 22, 24, 32, 48, 64, 128, 256};

/// Draws the case (a rounded square with its winding drum) filling `housing`,
/// outlined `penWidth` pixels wide, centred on the housing's edge.
void DrawCase(QPainter& painter, const QRectF& housing, qreal penWidth);

/// The icon, `size` pixels square, transparent around the case.
QImage ProgramIconImage(int size);
/// The same as a pixmap (needs a QGuiApplication).
QPixmap ProgramIconPixmap(int size);
/// Every size of kProgramIconSizes in one icon (needs a QGuiApplication).
QIcon ProgramIcon();
/// The icon as an SVG document on a `size` square canvas; at a size of
/// kProgramIconSizes it draws what ProgramIconImage(size) draws.
QByteArray ProgramIconSvg(int size);

}  // namespace mezura
