// Printing of tapes through the print dialog, or into a PDF file when there
// is no printer (see the header).
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
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <algorithm>

#include "storage/io/atomic_file_writer.h"
#include "tape/tape_store.h"
#include "tape/ui/tape_files.h"

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

// A PDF path the user typed without a suffix gets one.
QString PdfPath(QString path) {
  if (QFileInfo(path).suffix().isEmpty()) path += QStringLiteral(".pdf");
  return path;
}

// What a print of `docs` is called: a single job's name, or one for them all.
QString PrintName(const std::vector<TapePrintText>& docs) {
  return docs.size() == 1 ? DocumentName(docs.front()) : QStringLiteral("Tapes");
}

}  // namespace

// ---- the desktop host ------------------------------------------------------

DesktopTapePrintHost::DesktopTapePrintHost(QWidget* owner) : m_owner(owner) {}

DesktopTapePrintHost::~DesktopTapePrintHost() = default;

QString DesktopTapePrintHost::DefaultPrinterName() {
  const QPrinterInfo info = QPrinterInfo::defaultPrinter();
  if (!info.isNull()) return info.printerName();
  // Printers without a default are still printers: the dialog lets the user pick.
  const QStringList names = QPrinterInfo::availablePrinterNames();
  return names.isEmpty() ? QString() : names.first();
}

PrintTarget DesktopTapePrintHost::AskPrintTarget(const QString& printerName, const QString& documentName) {
  auto printer = std::make_unique<QPrinter>(QPrinterInfo::printerInfo(printerName), QPrinter::HighResolution);
  // The dialog proposes the PDF file under the document's name.
  printer->setDocName(documentName);
  QPrintDialog dialog(printer.get(), m_owner);
  dialog.setWindowTitle(QStringLiteral("Print %1").arg(documentName));
  // Pages are laid out from the tape, so there is no range or selection to choose.
  dialog.setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintShowPageSize |
                    QAbstractPrintDialog::PrintCollateCopies);
  PrintTarget target;
  if (dialog.exec() != QDialog::Accepted) return target;
  if (printer->outputFormat() == QPrinter::PdfFormat) {
    target.kind = PrintTarget::Kind::PdfFile;
    target.name = printer->outputFileName();
    target.pageLayout = printer->pageLayout();
    if (target.name.isEmpty()) target.kind = PrintTarget::Kind::Cancelled;
  } else {
    target.kind = PrintTarget::Kind::Printer;
    target.name = printer->printerName();
    m_chosen = std::move(printer);
  }
  return target;
}

QString DesktopTapePrintHost::SubmitJob(const QString& printerName, const TapePrintText& doc) {
  std::unique_ptr<QPrinter> fresh;
  QPrinter* printer = m_chosen.get();
  if (!printer || printer->outputFormat() != QPrinter::NativeFormat || printer->printerName() != printerName) {
    const QPrinterInfo info = QPrinterInfo::printerInfo(printerName);
    // Without this check QPrinter quietly turns into a PDF printer with no file.
    if (info.isNull()) return QStringLiteral("The printer \"%1\" is not available.").arg(printerName);
    fresh = std::make_unique<QPrinter>(info, QPrinter::HighResolution);
    printer = fresh.get();
  }
  printer->setDocName(DocumentName(doc));
  if (printer->printerName().isEmpty() || !TapePrinter::Render(*printer, {doc})) {
    return QStringLiteral("The printer \"%1\" could not print the tape \"%2\".")
        .arg(printerName, ToQString(doc.title));
  }
  return {};
}

void DesktopTapePrintHost::ShowPreview(const std::vector<TapePrintText>& docs) {
  if (docs.empty()) return;
  const QString printerName = DefaultPrinterName();
  // Without a printer QPrinter previews on its PDF page; printing from the
  // preview then offers only the PDF file.
  QPrinter printer(QPrinterInfo::printerInfo(printerName), QPrinter::HighResolution);
  printer.setDocName(DocumentName(docs.front()));
  QPrintPreviewDialog dialog(&printer, m_owner);
  dialog.setWindowTitle(QStringLiteral("Print Preview - %1").arg(ToQString(docs.front().title)));
  QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog, [this, &docs](QPrinter* target) {
    const QString error = TapePrinter::PrintOnto(*target, docs);
    if (!error.isEmpty()) ShowError(error);
  });
  dialog.exec();
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

bool TapePrinter::PreviewTape(int tape) {
  if (tape < 0 || tape >= m_store.TapeSlots()) return false;
  m_host.ShowPreview({TapePrintText::For(m_store, tape)});
  return true;
}

bool TapePrinter::Print(const std::vector<TapePrintText>& docs) {
  if (docs.empty()) return false;
  const QString printerName = m_host.DefaultPrinterName();
  if (printerName.isEmpty()) return SaveAsPdf(docs);
  const PrintTarget target = m_host.AskPrintTarget(printerName, PrintName(docs));
  switch (target.kind) {
    case PrintTarget::Kind::Cancelled: return false;
    // One file for all the tapes: a job per tape would write each over the last.
    case PrintTarget::Kind::PdfFile: return WritePdfTold(PdfPath(target.name), docs, target.pageLayout);
    case PrintTarget::Kind::Printer: break;
  }
  for (const TapePrintText& doc : docs) {
    const QString error = m_host.SubmitJob(target.name, doc);
    if (!error.isEmpty()) {
      m_host.ShowError(error);
      return false;
    }
  }
  return true;
}

bool TapePrinter::WritePdfTold(const QString& path, const std::vector<TapePrintText>& docs,
                               const std::optional<QPageLayout>& pageLayout) {
  const QString error = WritePdf(path, docs, pageLayout);
  if (error.isEmpty()) return true;
  m_host.ShowError(error);
  return false;
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

  const QString name = one ? TapeFileBaseName(docs.front().title) : QStringLiteral("Tapes");
  const QString path = m_host.AskPdfPath(QDir(DocumentsFolder()).filePath(name + QStringLiteral(".pdf")));
  if (path.isEmpty()) return false;
  return WritePdfTold(PdfPath(path), docs, std::nullopt);
}

QString TapePrinter::PrintOnto(QPrinter& printer, const std::vector<TapePrintText>& docs) {
  if (printer.outputFormat() == QPrinter::PdfFormat && !printer.outputFileName().isEmpty())
    return WritePdf(PdfPath(printer.outputFileName()), docs, printer.pageLayout());
  if (Render(printer, docs)) return {};
  if (printer.printerName().isEmpty()) return QStringLiteral("The printer could not print the tape.");
  return QStringLiteral("The printer \"%1\" could not print the tape.").arg(printer.printerName());
}

QString TapePrinter::WritePdf(const QString& path, const std::vector<TapePrintText>& docs,
                              const std::optional<QPageLayout>& pageLayout) {
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
    writer.setPageLayout(pageLayout.value_or(defaults.pageLayout()));
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
