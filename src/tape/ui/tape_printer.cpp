// Printing of tapes on the default printer, or into a PDF file when there is
// no printer (see the header).
#include "tape/ui/tape_printer.h"

#include <QBuffer>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFont>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QMessageBox>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QStandardPaths>
#include <algorithm>

#include "storage/io/atomic_file_writer.h"
#include "tape/tape_store.h"

namespace mezura {

namespace {

constexpr qreal kPreferredPointSize = 10.0;  // an adding-machine roll's figures, readable
constexpr qreal kSmallestPointSize = 4.0;    // below this a line is clipped rather than unreadable

QString ToQString(const std::string& text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

QString DocumentName(const TapePrintText& doc) {
  return QStringLiteral("Tape - %1").arg(ToQString(doc.title));
}

// The tape is set in Liberation Mono, the metric twin of Courier, which the
// project installs (fonts-liberation2): a font chosen by name rather than
// whatever the platform's fixed font resolves to, so that the page looks the
// same on every machine. Only where it is missing does the platform's fixed
// font stand in, or failing that any monospace family.
QFont FixedPitchFont() {
  const QString printFamily = QStringLiteral("Liberation Mono");
  if (QFontDatabase::hasFamily(printFamily)) {
    QFont font(printFamily);
    font.setFixedPitch(true);
    return font;
  }
  QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
  if (!QFontInfo(font).fixedPitch()) {
    font.setFamilies({QStringLiteral("DejaVu Sans Mono"), QStringLiteral("Noto Mono"), QStringLiteral("monospace")});
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
  }
  return font;
}

// The largest size up to the preferred one at which the document's widest
// line still fits across the printable width.
QFont FontFor(const TapePrintText& doc, QPaintDevice& device) {
  QFont font = FixedPitchFont();
  font.setPointSizeF(kPreferredPointSize);
  const QFontMetricsF metrics(font, &device);
  const qreal lineWidth = metrics.horizontalAdvance(QString(std::max(doc.width, 1), QLatin1Char('0')));
  const qreal pageWidth = device.width();
  if (lineWidth > pageWidth && pageWidth > 0) {
    // A little under the exact ratio: glyph advances do not scale perfectly.
    const qreal fitted = kPreferredPointSize * pageWidth / lineWidth * 0.97;
    font.setPointSizeF(std::max(kSmallestPointSize, fitted));
  }
  return font;
}

QString SafeFileName(const std::string& title) {
  QString name = ToQString(title).trimmed();
  for (QChar bad : {QLatin1Char('/'), QLatin1Char('\\'), QLatin1Char(':')}) name.replace(bad, QLatin1Char('-'));
  return name.isEmpty() ? QStringLiteral("Tape") : name;
}

}  // namespace

// ---- the desktop host ------------------------------------------------------

QString DesktopTapePrintHost::DefaultPrinterName() {
  const QPrinterInfo info = QPrinterInfo::defaultPrinter();
  return info.isNull() ? QString() : info.printerName();
}

QString DesktopTapePrintHost::SubmitJob(const QString& printerName, const TapePrintText& doc) {
  const QPrinterInfo info = QPrinterInfo::printerInfo(printerName);
  // Without this check QPrinter quietly turns into a PDF printer with no file.
  if (info.isNull()) return QStringLiteral("The printer \"%1\" is not available.").arg(printerName);
  QPrinter printer(info, QPrinter::HighResolution);
  printer.setDocName(DocumentName(doc));
  if (printer.printerName().isEmpty() || !TapePrinter::Render(printer, {doc})) {
    return QStringLiteral("The printer \"%1\" could not print the tape \"%2\".")
        .arg(printerName, ToQString(doc.title));
  }
  return {};
}

bool DesktopTapePrintHost::OfferPdf(const QString& question) {
  return QMessageBox::question(m_owner, QStringLiteral("Print"), question, QMessageBox::Yes | QMessageBox::No,
                               QMessageBox::Yes) == QMessageBox::Yes;
}

QString DesktopTapePrintHost::AskPdfPath(const QString& suggestedPath) {
  return QFileDialog::getSaveFileName(m_owner, QStringLiteral("Save Tape as PDF"), suggestedPath,
                                      QStringLiteral("PDF files (*.pdf)"));
}

void DesktopTapePrintHost::ShowError(const QString& text) {
  QMessageBox::warning(m_owner, QStringLiteral("Print"), text, QMessageBox::Ok);
}

// ---- the printer -----------------------------------------------------------

TapePrinter::TapePrinter(TapeStore& store, QWidget* owner)
    : m_store(store), m_ownHost(std::make_unique<DesktopTapePrintHost>(owner)), m_host(*m_ownHost) {}

TapePrinter::TapePrinter(TapeStore& store, TapePrintHost& host) : m_store(store), m_host(host) {}

bool TapePrinter::PrintTape(int tape) {
  if (tape < 0 || tape >= m_store.TapeSlots()) return false;
  m_store.SetCursor(tape, m_store.CursorRow());
  return Print({TapePrintText::For(m_store, tape)});
}

bool TapePrinter::PrintCurrentTape() { return PrintTape(m_store.CursorColumn()); }

bool TapePrinter::PrintAllTapes() {
  if (m_store.TapeSlots() < 1) return false;
  // Printing reads each tape through the write cursor, which is left on the last one.
  m_store.SetCursor(m_store.TapeSlots() - 1, m_store.CursorRow());
  return Print(TapePrintText::AllTapes(m_store));
}

bool TapePrinter::Print(const std::vector<TapePrintText>& docs) {
  const QString printerName = m_host.DefaultPrinterName();
  if (printerName.isEmpty()) return SaveAsPdf(docs);
  for (const TapePrintText& doc : docs) {
    const QString error = m_host.SubmitJob(printerName, doc);
    if (!error.isEmpty()) {
      m_host.ShowError(error);
      return false;
    }
  }
  return true;
}

bool TapePrinter::SaveAsPdf(const std::vector<TapePrintText>& docs) {
  if (docs.empty()) return false;
  const bool one = docs.size() == 1;
  const QString question =
      one ? QStringLiteral("No printer is set up on this computer, so the tape \"%1\" cannot be printed.\n\n"
                           "Save it as a PDF file instead?")
                .arg(ToQString(docs.front().title))
          : QStringLiteral("No printer is set up on this computer, so the %1 tapes cannot be printed.\n\n"
                           "Save them as one PDF file instead, each tape starting on a new page?")
                .arg(docs.size());
  if (!m_host.OfferPdf(question)) return false;

  QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  if (folder.isEmpty()) folder = QDir::homePath();
  const QString name = one ? SafeFileName(docs.front().title) : QStringLiteral("Tapes");
  QString path = m_host.AskPdfPath(QDir(folder).filePath(name + QStringLiteral(".pdf")));
  if (path.isEmpty()) return false;
  if (QFileInfo(path).suffix().isEmpty()) path += QStringLiteral(".pdf");

  const QString error = WritePdf(path, docs);
  if (!error.isEmpty()) {
    m_host.ShowError(error);
    return false;
  }
  return true;
}

QString TapePrinter::WritePdf(const QString& path, const std::vector<TapePrintText>& docs) {
  // Rendered in memory first, then written as every file of ours is: a
  // failed write leaves an older PDF of that name whole.
  QBuffer pdf;
  pdf.open(QIODevice::WriteOnly);
  {
    QPdfWriter writer(&pdf);
    // The page the printer's own PDF output would give: the default paper,
    // margins and resolution.
    const QPrinter defaults(QPrinter::HighResolution);
    writer.setResolution(defaults.resolution());
    writer.setPageLayout(defaults.pageLayout());
    writer.setCreator(QStringLiteral("Mezura"));
    if (!docs.empty()) writer.setTitle(docs.size() == 1 ? DocumentName(docs.front()) : QStringLiteral("Tapes"));
    if (!Render(writer, docs)) {
      return QStringLiteral("Cannot save \"%1\": the tape could not be laid out as PDF.")
          .arg(QDir::toNativeSeparators(path));
    }
  }
  return WriteFileAtomically(path, pdf.data());
}

bool TapePrinter::Render(QPagedPaintDevice& printer, const std::vector<TapePrintText>& docs) {
  QPainter painter;
  if (!painter.begin(&printer)) return false;
  bool firstDoc = true;
  for (const TapePrintText& doc : docs) {
    if (doc.lines.empty()) continue;
    if (!firstDoc && !printer.newPage()) {
      painter.end();
      return false;
    }
    firstDoc = false;
    painter.setFont(FontFor(doc, printer));
    const QFontMetricsF metrics(painter.font(), &printer);
    const qreal pageHeight = printer.height();
    qreal top = 0;
    for (const std::string& line : doc.lines) {
      // A tape longer than a page simply continues on the next one.
      if (top > 0 && top + metrics.height() > pageHeight) {
        if (!printer.newPage()) {
          painter.end();
          return false;
        }
        top = 0;
      }
      painter.drawText(QPointF(0, top + metrics.ascent()), ToQString(line));
      top += metrics.lineSpacing();
    }
  }
  return painter.end();
}

}  // namespace mezura
