#pragma once
// A TapePrintHost for tests: it records what printing asked for (dialogs,
// jobs, previews, questions, errors) and answers the dialogs as told, so that
// nothing modal opens and no printer is needed.
//
//   FakePrintHost host;
//   host.printerName = "Office";           // empty: no printer set up
//   TapePrinter printer(store, host);

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

#include "tape/ui/tape_printer.h"

namespace mezura::testing {

class FakePrintHost : public TapePrintHost {
 public:
  QString printerName;
  /// The print dialog's answer; unset, it prints on the printer it was opened on.
  std::optional<PrintTarget> dialogAnswer;
  QString failJobTitled;  ///< SubmitJob fails for this tape title
  bool acceptPdf = true;  ///< the answer to "no printer, save a PDF?"
  QString pdfPath;        ///< the answer to the PDF file dialog

  QStringList dialogs;    ///< "printer:document" per print dialog
  QStringList jobs;       ///< "printer:title" per job
  QStringList previews;   ///< the titles of each preview, joined by ","
  QStringList questions;
  QStringList suggestedPaths;
  QStringList errors;

  QString DefaultPrinterName() override { return printerName; }
  PrintTarget AskPrintTarget(const QString& printer, const QString& documentName) override {
    dialogs << printer + QLatin1Char(':') + documentName;
    return dialogAnswer.value_or(PrintTarget{PrintTarget::Kind::Printer, printer, std::nullopt});
  }
  QString SubmitJob(const QString& printer, const TapePrintText& doc) override {
    const QString title = QString::fromStdString(doc.title);
    jobs << printer + QLatin1Char(':') + title;
    return title == failJobTitled ? QStringLiteral("printer jammed") : QString();
  }
  void ShowPreview(const std::vector<TapePrintText>& docs) override {
    QStringList titles;
    for (const TapePrintText& doc : docs) titles << QString::fromStdString(doc.title);
    previews << titles.join(QLatin1Char(','));
  }
  bool OfferPdf(const QString& question) override {
    questions << question;
    return acceptPdf;
  }
  QString AskPdfPath(const QString& suggested) override {
    suggestedPaths << suggested;
    return pdfPath;
  }
  void ShowError(const QString& text) override { errors << text; }
};

}  // namespace mezura::testing
