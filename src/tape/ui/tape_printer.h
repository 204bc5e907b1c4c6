#pragma once
// Sends tapes to a printer, one print job per tape, in a fixed-pitch font so
// that the right-aligned figures line up. The lines come from TapePrintText
// (tape/tape_print_text.h); this module owns fonts, pages and the printer.
// Every print goes through the print dialog, where the user picks the printer
// or a PDF file; a PDF, however it is asked for, is written through the
// atomic writer and holds every tape printed, each on a page of its own.
// When no printer is set up the user is told so and offered the PDF instead.
// The print preview shows one tape and prints it the same way. The menus
// that call it belong to the calculator and tape windows.
//
// Use (the menu handlers):
//   TapePrinter printer(store, calculatorWindow);
//   printer.PrintCurrentTape();   // "&Print Current Tape": the write cursor's tape
//   printer.PrintTape(shown);     // "Print Tape" in the tape window: the tape shown
//   printer.PrintAllTapes();      // "Print All &Tapes": tapes 0..n-1, one job each
//   printer.PreviewTape(shown);   // "Print Preview..." in the tape window
// Tests pass their own TapePrintHost to see the jobs and answer the dialogs.

#include <QPageLayout>
#include <QString>
#include <memory>
#include <optional>
#include <vector>

#include "tape/tape_print_text.h"

class QPagedPaintDevice;
class QPrinter;
class QWidget;

namespace mezura {

class TapeStore;

/// Where the print dialog sends the tapes.
struct PrintTarget {
  enum class Kind { Cancelled, Printer, PdfFile };
  Kind kind = Kind::Cancelled;
  QString name;                           ///< the printer's name, or the PDF file's path
  std::optional<QPageLayout> pageLayout;  ///< the paper chosen for a PDF, if any
};

/// What printing asks of the desktop: the printer, the dialogs and the job
/// submission. The default (DesktopTapePrintHost) uses Qt's printer support
/// and message boxes; tests replace it.
class TapePrintHost {
 public:
  virtual ~TapePrintHost() = default;
  /// The default printer's name (or, without a default, the first printer's);
  /// empty when no printer is set up.
  virtual QString DefaultPrinterName() = 0;
  /// The print dialog for the document `documentName` ("Tape - Calculator",
  /// "Tapes"), opened on `printerName`.
  virtual PrintTarget AskPrintTarget(const QString& printerName, const QString& documentName) = 0;
  /// Prints one document on `printerName`, as the print dialog last set it
  /// up; returns an error text, empty on success.
  virtual QString SubmitJob(const QString& printerName, const TapePrintText& doc) = 0;
  /// The print preview of `docs`, from which the user may print them.
  virtual void ShowPreview(const std::vector<TapePrintText>& docs) = 0;
  /// "No printer ... save as PDF?"; true when the user wants the PDF.
  virtual bool OfferPdf(const QString& question) = 0;
  /// The PDF file to write, proposed as `suggestedPath`; empty when cancelled.
  virtual QString AskPdfPath(const QString& suggestedPath) = 0;
  virtual void ShowError(const QString& text) = 0;
};

/// The real desktop: QPrinterInfo, QPrintDialog, QPrintPreviewDialog,
/// QPrinter, QMessageBox, QFileDialog.
class DesktopTapePrintHost : public TapePrintHost {
 public:
  explicit DesktopTapePrintHost(QWidget* owner);
  ~DesktopTapePrintHost() override;
  QString DefaultPrinterName() override;
  PrintTarget AskPrintTarget(const QString& printerName, const QString& documentName) override;
  QString SubmitJob(const QString& printerName, const TapePrintText& doc) override;
  void ShowPreview(const std::vector<TapePrintText>& docs) override;
  bool OfferPdf(const QString& question) override;
  QString AskPdfPath(const QString& suggestedPath) override;
  void ShowError(const QString& text) override;

 private:
  QWidget* m_owner;
  std::unique_ptr<QPrinter> m_chosen;  // as the last print dialog left it: copies, paper, ...
};

class TapePrinter {
 public:
  /// Prints through the desktop, with `owner` as the dialogs' parent.
  TapePrinter(TapeStore& store, QWidget* owner);
  /// Prints through `host` (not owned; must outlive the printer).
  TapePrinter(TapeStore& store, TapePrintHost& host);

  /// Prints one tape as one job; the write cursor moves to its column, as the
  /// cells are read through it. False when nothing was printed or saved.
  bool PrintTape(int tape);
  /// Prints the tape in the write cursor's column.
  bool PrintCurrentTape();
  /// One job per tape, tape 0 first; stops at the first job that fails.
  bool PrintAllTapes();
  /// Shows one tape in the print preview; false for an unknown tape.
  bool PreviewTape(int tape);

  /// Renders the documents onto `printer` (a printer or a PDF writer), each
  /// starting on a new page: one tape line per printed line, a new page when
  /// the page is full. False when the printer could not be started.
  static bool Render(QPagedPaintDevice& printer, const std::vector<TapePrintText>& docs);
  /// Writes the documents to a PDF file at `path`, replacing any file there
  /// only when the whole PDF was written: an empty text on success,
  /// otherwise why, for the user. The page is the printer's default unless
  /// `pageLayout` is given.
  static QString WritePdf(const QString& path, const std::vector<TapePrintText>& docs,
                          const std::optional<QPageLayout>& pageLayout = std::nullopt);
  /// Prints the documents on `printer` as a dialog left it. A printer set to
  /// write a PDF file does not write it itself: the file is written through
  /// WritePdf at the printer's page. An empty text on success, otherwise why.
  static QString PrintOnto(QPrinter& printer, const std::vector<TapePrintText>& docs);

 private:
  bool Print(const std::vector<TapePrintText>& docs);
  bool SaveAsPdf(const std::vector<TapePrintText>& docs);
  bool WritePdfTold(const QString& path, const std::vector<TapePrintText>& docs,
                    const std::optional<QPageLayout>& pageLayout);

  TapeStore& m_store;
  std::unique_ptr<TapePrintHost> m_ownHost;
  TapePrintHost& m_host;
};

}  // namespace mezura
