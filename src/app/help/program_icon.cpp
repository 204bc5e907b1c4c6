// The program's icon (see the header).
#include "app/help/program_icon.h"

#include <algorithm>

#include <QColor>
#include <QPainter>
#include <QRectF>
#include <QXmlStreamWriter>

namespace mezura {

namespace {

const QColor kCaseYellow(0xF2, 0xC2, 0x1B);
const QColor kOutline(0x33, 0x33, 0x33);
const QColor kDrum(0x55, 0x55, 0x55);

// The case's shapes, in the units of whatever draws them.
struct CaseShapes {
  QRectF housing;
  qreal corner;
  QPointF centre;
  qreal drumRadius;
  qreal hubRadius;
  qreal pen;
};

CaseShapes CaseIn(const QRectF& housing, qreal penWidth) {
  const qreal w = housing.width();
  return {housing, w * 0.18, housing.center(), w * 0.28, w * 0.1, penWidth};
}

// The icon's case inside a square of `size`: the outline is centred on the
// housing's edge, so the housing stays half a pen inside the canvas (large
// sizes would otherwise cut the outline and the round corners off).
CaseShapes IconCase(int size) {
  const qreal pen = std::max(1, size / 24);
  const qreal inset = std::max<qreal>(1.0, pen / 2);
  return CaseIn(QRectF(inset, inset, size - 2 * inset, size - 2 * inset), pen);
}

void Draw(QPainter& p, const CaseShapes& c) {
  p.setBrush(kCaseYellow);
  p.setPen(QPen(kOutline, c.pen));
  p.drawRoundedRect(c.housing, c.corner, c.corner);
  p.setBrush(kDrum);
  p.drawEllipse(c.centre, c.drumRadius, c.drumRadius);
  p.setBrush(kCaseYellow);
  p.setPen(Qt::NoPen);
  p.drawEllipse(c.centre, c.hubRadius, c.hubRadius);
}

QString Number(qreal value) { return QString::number(value, 'g', 6); }

}  // namespace

void DrawCase(QPainter& painter, const QRectF& housing, qreal penWidth) { Draw(painter, CaseIn(housing, penWidth)); }

QImage ProgramIconImage(int size) {
  QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  Draw(p, IconCase(size));
  return image;
}

QPixmap ProgramIconPixmap(int size) { return QPixmap::fromImage(ProgramIconImage(size)); }

QIcon ProgramIcon() {
  QIcon icon;
  for (int size : kProgramIconSizes) icon.addPixmap(ProgramIconPixmap(size));
  return icon;
}

QByteArray ProgramIconSvg(int size) {
  const CaseShapes c = IconCase(size);
  const QString yellow = kCaseYellow.name();
  QByteArray svg;
  QXmlStreamWriter xml(&svg);
  xml.setAutoFormatting(true);
  xml.writeStartDocument();
  xml.writeStartElement(QStringLiteral("svg"));
  xml.writeDefaultNamespace(QStringLiteral("http://www.w3.org/2000/svg"));
  xml.writeAttribute(QStringLiteral("width"), QString::number(size));
  xml.writeAttribute(QStringLiteral("height"), QString::number(size));
  xml.writeAttribute(QStringLiteral("viewBox"), QStringLiteral("0 0 %1 %1").arg(size));

  xml.writeEmptyElement(QStringLiteral("rect"));
  xml.writeAttribute(QStringLiteral("x"), Number(c.housing.x()));
  xml.writeAttribute(QStringLiteral("y"), Number(c.housing.y()));
  xml.writeAttribute(QStringLiteral("width"), Number(c.housing.width()));
  xml.writeAttribute(QStringLiteral("height"), Number(c.housing.height()));
  xml.writeAttribute(QStringLiteral("rx"), Number(c.corner));
  xml.writeAttribute(QStringLiteral("ry"), Number(c.corner));
  xml.writeAttribute(QStringLiteral("fill"), yellow);
  xml.writeAttribute(QStringLiteral("stroke"), kOutline.name());
  xml.writeAttribute(QStringLiteral("stroke-width"), Number(c.pen));

  auto circle = [&](qreal radius, const QColor& fill, bool outlined) {
    xml.writeEmptyElement(QStringLiteral("circle"));
    xml.writeAttribute(QStringLiteral("cx"), Number(c.centre.x()));
    xml.writeAttribute(QStringLiteral("cy"), Number(c.centre.y()));
    xml.writeAttribute(QStringLiteral("r"), Number(radius));
    xml.writeAttribute(QStringLiteral("fill"), fill.name());
    if (outlined) {
      xml.writeAttribute(QStringLiteral("stroke"), kOutline.name());
      xml.writeAttribute(QStringLiteral("stroke-width"), Number(c.pen));
    }
  };
  circle(c.drumRadius, kDrum, true);
  circle(c.hubRadius, kCaseYellow, false);

  xml.writeEndElement();
  xml.writeEndDocument();
  return svg;
}

}  // namespace mezura
