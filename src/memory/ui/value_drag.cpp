#include "memory/ui/value_drag.h"

#include <QApplication>
#include <QDrag>
#include <QFont>
#include <QPainter>
#include <QWidget>

namespace mezura {
namespace {

constexpr char kReadoutId[] = "readout";
constexpr char kMemoryIdPrefix[] = "memory ";

// The value chip: a small yellow readout with a bar of text.
void PaintChip(QPainter& p, const QRect& r) {
  p.setPen(QColor(64, 64, 64));
  p.setBrush(QColor(255, 255, 128));
  p.drawRoundedRect(r.adjusted(0, 0, -1, -1), 3, 3);
  p.setPen(QPen(QColor(96, 96, 96), 2));
  p.drawLine(r.left() + 5, r.center().y(), r.right() - 5, r.center().y());
}

// A round badge with a drawn sign, so that no font can change its look.
void PaintBadge(QPainter& p, const QRect& r, DragImage image, const QColor& colour) {
  p.setPen(Qt::NoPen);
  p.setBrush(colour);
  p.drawEllipse(r);
  p.setPen(QPen(Qt::white, 2, Qt::SolidLine, Qt::RoundCap));
  p.setBrush(Qt::white);
  const QPointF c = QRectF(r).center();
  const qreal a = r.width() * 0.28;
  switch (image) {
    case DragImage::Add:
      p.drawLine(QPointF(c.x() - a, c.y()), QPointF(c.x() + a, c.y()));
      p.drawLine(QPointF(c.x(), c.y() - a), QPointF(c.x(), c.y() + a));
      break;
    case DragImage::Subtract:
      p.drawLine(QPointF(c.x() - a, c.y()), QPointF(c.x() + a, c.y()));
      break;
    case DragImage::Multiply:
      p.drawLine(QPointF(c.x() - a, c.y() - a), QPointF(c.x() + a, c.y() + a));
      p.drawLine(QPointF(c.x() - a, c.y() + a), QPointF(c.x() + a, c.y() - a));
      break;
    case DragImage::Divide:
      p.drawLine(QPointF(c.x() - a, c.y()), QPointF(c.x() + a, c.y()));
      p.setPen(Qt::NoPen);
      p.drawEllipse(QPointF(c.x(), c.y() - a * 0.8), 1.5, 1.5);
      p.drawEllipse(QPointF(c.x(), c.y() + a * 0.8), 1.5, 1.5);
      break;
    case DragImage::Plain:
      break;
  }
}

QColor BadgeColour(DragImage image) {
  switch (image) {
    case DragImage::Add: return QColor(0, 128, 0);
    case DragImage::Subtract: return QColor(192, 0, 0);
    case DragImage::Multiply:
    case DragImage::Divide: return QColor(0, 64, 160);
    case DragImage::Plain: break;
  }
  return Qt::transparent;
}

}  // namespace

QString SourceId(DragSource source) {
  switch (source.kind) {
    case DragSource::Kind::Readout: return QString::fromLatin1(kReadoutId);
    case DragSource::Kind::Cell: return QString::fromLatin1(kMemoryIdPrefix) + QString::number(source.cell);
    case DragSource::Kind::External: break;
  }
  return {};
}

DragSource SourceFromId(const QString& id) {
  const QString trimmed = id.trimmed();
  if (trimmed == QLatin1String(kReadoutId)) return DragSource::Readout();
  if (trimmed.startsWith(QLatin1String(kMemoryIdPrefix))) {
    bool ok = false;
    const int n = trimmed.mid(int(sizeof kMemoryIdPrefix) - 1).trimmed().toInt(&ok);
    if (ok && n > 0) return DragSource::Cell(n);
  }
  return DragSource::External();
}

QMimeData* EncodeValueDrag(const QString& value, DragSource source) {
  auto* mime = new QMimeData;
  mime->setData(QString::fromLatin1(kValueMimeType), value.toUtf8());
  mime->setData(QString::fromLatin1(kValueSourceMimeType), SourceId(source).toUtf8());
  mime->setData(QString::fromLatin1(kValueInstanceMimeType), QByteArray::number(QCoreApplication::applicationPid()));
  mime->setText(value);
  return mime;
}

std::optional<ValueDrag> DecodeValueDrag(const QMimeData* mime) {
  if (!mime) return std::nullopt;
  const QString valueType = QString::fromLatin1(kValueMimeType);
  if (mime->hasFormat(valueType)) {
    const QString source = QString::fromUtf8(mime->data(QString::fromLatin1(kValueSourceMimeType)));
    const QString instanceType = QString::fromLatin1(kValueInstanceMimeType);
    const bool otherProcess = mime->hasFormat(instanceType) &&
                              mime->data(instanceType) != QByteArray::number(QCoreApplication::applicationPid());
    // An unreadable source, or one in another process, is foreign text that
    // must pass the measurement check.
    const DragSource from = otherProcess ? DragSource::External() : SourceFromId(source);
    return ValueDrag{QString::fromUtf8(mime->data(valueType)), from};
  }
  if (mime->hasText()) return ValueDrag{mime->text(), DragSource::External()};
  return std::nullopt;
}

bool CarriesValue(const QMimeData* mime) {
  return mime && (mime->hasFormat(QString::fromLatin1(kValueMimeType)) || mime->hasText());
}

QPixmap DragImagePixmap(DragImage image) {
  const QSize size(36, 22);
  QPixmap pixmap(size);
  pixmap.fill(Qt::transparent);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  PaintChip(p, QRect(0, 2, 28, 16));
  if (image != DragImage::Plain) PaintBadge(p, QRect(20, 6, 15, 15), image, BadgeColour(image));
  return pixmap;
}

bool StartValueDrag(QWidget* source, QPoint pressPos, QPoint currentPos, const QString& value, DragSource from) {
  if (!source || (currentPos - pressPos).manhattanLength() < QApplication::startDragDistance()) return false;
  auto* drag = new QDrag(source);
  drag->setMimeData(EncodeValueDrag(value, from));
  drag->setPixmap(DragImagePixmap(DragImage::Plain));
  drag->setHotSpot(QPoint(14, 10));
  drag->exec(Qt::CopyAction, Qt::CopyAction);
  return true;
}

}  // namespace mezura
