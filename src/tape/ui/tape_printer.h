#pragma once
// Sends tapes to the system's default printer, one print job per tape, in a
// fixed-pitch font so that the right-aligned figures line up. The lines come
// from TapePrintText (tape/tape_print_text.h); this module owns fonts, pages
// and the printer. When no printer is set up it says so and offers to save
// the tape(s) as one PDF file instead, each tape starting on a page of its
// own. The menus that call it belong to the calculator and tape windows.
//
// Use (the menu handlers):
//   TapePrinter printer(store, calculatorWindow);
//   printer.PrintCurrentTape();   // "&Print Current Tape": the write cursor's tape
//   printer.PrintTape(shown);     // "Print Tape" in the tape window: the tape shown
//   printer.PrintAllTapes();      // "Print All &Tapes": tapes 0..n-1, one job each
// Tests pass their own TapePrintHost to see the jobs and answer the dialogs.

#include <QString>
#include <memory>
#include <vector>

#include "tape/tape_print_text.h"

class QPagedPaintDevice;
class QWidget;

namespace mezura {

class TapeStore;

/// What printing asks of the desktop: the printer, the dialogs and the job
/// submission. The default (DesktopTapePrintHost) uses Qt's printer support
/// and message boxes; tests replace it.
class TapePrintHost {
 public:
  virtual ~TapePrintHost() = default;
  /// The default printer's name; empty when no printer is set up.
  virtual QString DefaultPrinterName() = 0;
  /// Prints one document on `printerName`; returns an error text, empty on success.
  virtual QString SubmitJob(const QString& printerName, const TapePrintText& doc) = 0;
  /// "No printer ... save as PDF?"; true when the user wants the PDF.
  virtual bool OfferPdf(const QString& question) = 0;
  /// The PDF file to write, proposed as `suggestedPath`; empty when cancelled.
  virtual QString AskPdfPath(const QString& suggestedPath) = 0;
  virtual void ShowError(const QString& text) = 0;
};

/// The real desktop: QPrinterInfo, QPrinter, QMessageBox, QFileDialog.
class DesktopTapePrintHost : public TapePrintHost {
 public:
  explicit DesktopTapePrintHost(QWidget* owner) : m_owner(owner) {}
  QString DefaultPrinterName() override;
  QString SubmitJob(const QString& printerName, const TapePrintText& doc) override;
  bool OfferPdf(const QString& question) override;
  QString AskPdfPath(const QString& suggestedPath) override;
  void ShowError(const QString& text) override;

 private:
  QWidget* m_owner;
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

  /// Renders the documents onto `printer` (a printer or a PDF writer), each
  /// starting on a new page: one tape line per printed line, a new page when
  /// the page is full. False when the printer could not be started.
  static bool Render(QPagedPaintDevice& printer, const std::vector<TapePrintText>& docs);
  /// Writes the documents to a PDF file at `path`, replacing any file there
  /// only when the whole PDF was written: an empty text on success,
  /// otherwise why, for the user.
  static QString WritePdf(const QString& path, const std::vector<TapePrintText>& docs);

 private:
  bool Print(const std::vector<TapePrintText>& docs);
  bool SaveAsPdf(const std::vector<TapePrintText>& docs);

  TapeStore& m_store;
  std::unique_ptr<TapePrintHost> m_ownHost;
  TapePrintHost& m_host;
};

}  // namespace mezura
