#include "memory/ui/value_drag.h"

#include <QApplication>
#include <QDrag>
#include <QFont>
#include <QPainter>
#include <QWidget>

namespace mezura {
namespace {

// Only one drag runs at a time, and Qt's drag loop can still deliver input
// while it ends: the press and moves of a quick next drag arrive before exec()
// has returned, and a QDrag started then makes Qt refuse it with
// "QDragManager::drag in possibly invalid state". The mark is kept on the
// application object, which every window that drags values shares.
constexpr char kValueDragRunning[] = "mezuraValueDragRunning";

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

QMimeData* EncodeValueDrag(const QString& value, DragSource source) {
  auto* mime = new QMimeData;
  mime->setData(QString::fromLatin1(kValueMimeType), value.toUtf8());
  mime->setData(QString::fromLatin1(kValueSourceMimeType), QByteArray::fromStdString(SourceId(source)));
  mime->setData(QString::fromLatin1(kValueInstanceMimeType),
                QByteArray::fromStdString(InstanceId(QCoreApplication::applicationPid())));
  mime->setText(value);
  return mime;
}

std::optional<ValueDrag> DecodeValueDrag(const QMimeData* mime) {
  if (!mime) return std::nullopt;
  // The views below point into these.
  QByteArray value, source, instance, text;
  ValueDragFormats formats;
  const auto take = [&](const char* type, QByteArray& bytes, std::optional<std::string_view>& format) {
    if (!mime->hasFormat(QString::fromLatin1(type))) return;
    bytes = mime->data(QString::fromLatin1(type));
    format = std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size()));
  };
  take(kValueMimeType, value, formats.value);
  take(kValueSourceMimeType, source, formats.source);
  take(kValueInstanceMimeType, instance, formats.instance);
  // Qt finds the text among the platform's text formats and charsets.
  if (mime->hasText()) {
    text = mime->text().toUtf8();
    formats.text = std::string_view(text.constData(), static_cast<std::size_t>(text.size()));
  }
  return DecodeValueDrag(formats, QCoreApplication::applicationPid());
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

bool ValueDragRunning() {
  const QCoreApplication* app = QCoreApplication::instance();
  return app && app->property(kValueDragRunning).toBool();
}

bool StartValueDrag(QWidget* source, QPoint pressPos, QPoint currentPos, const QString& value, DragSource from,
                    const DragRunner& run) {
  if (!source || (currentPos - pressPos).manhattanLength() < QApplication::startDragDistance()) return false;
  if (ValueDragRunning()) return false;
  auto* drag = new QDrag(source);
  drag->setMimeData(EncodeValueDrag(value, from));
  drag->setPixmap(DragImagePixmap(DragImage::Plain));
  drag->setHotSpot(QPoint(14, 10));
  QCoreApplication* app = QCoreApplication::instance();
  app->setProperty(kValueDragRunning, true);
  if (run)
    run(*drag);
  else
    drag->exec(Qt::CopyAction, Qt::CopyAction);
  app->setProperty(kValueDragRunning, false);
  return true;
}

}  // namespace mezura
