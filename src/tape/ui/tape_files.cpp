// Saving a tape to a file (see the header).
#include "tape/ui/tape_files.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QStandardPaths>

#include "storage/io/atomic_file_writer.h"

namespace mezura {

namespace {

constexpr char kTextFilter[] = "Text (*.txt)";
constexpr char kCsvFilter[] = "CSV (*.csv)";

QString Suffix(TapeFileFormat format) {
  return format == TapeFileFormat::Csv ? QStringLiteral("csv") : QStringLiteral("txt");
}

}  // namespace

TapeFileDialogs DesktopTapeFileDialogs(QWidget* owner) {
  TapeFileDialogs dialogs;
  dialogs.saveFile = [owner](const QString& suggestedPath) {
    const QFileInfo suggested(suggestedPath);
    QFileDialog dialog(owner, QStringLiteral("Save Tape As"), suggested.absolutePath());
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilters({QLatin1String(kTextFilter), QLatin1String(kCsvFilter)});
    dialog.setDefaultSuffix(Suffix(TapeFileFormat::Text));
    // The dialog adds the suffix itself, so that it asks before replacing
    // the file that will really be written.
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [&dialog](const QString& filter) {
      dialog.setDefaultSuffix(
          Suffix(filter == QLatin1String(kCsvFilter) ? TapeFileFormat::Csv : TapeFileFormat::Text));
    });
    dialog.selectFile(suggested.fileName());
    TapeFileChoice choice;
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return choice;
    choice.path = dialog.selectedFiles().first();
    choice.format = dialog.selectedNameFilter() == QLatin1String(kCsvFilter) ? TapeFileFormat::Csv : TapeFileFormat::Text;
    return choice;
  };
  dialogs.showError = [owner](const QString& text) {
    QMessageBox::warning(owner, QStringLiteral("Save Tape As"), text, QMessageBox::Ok);
  };
  return dialogs;
}

QString DocumentsFolder() {
  // The location is named even where the folder was never made.
  const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  if (!documents.isEmpty() && QFileInfo(documents).isDir()) return documents;
  return QDir::homePath();
}

QString TapeFileBaseName(const std::string& title) {
  QString name = QString::fromUtf8(title.data(), static_cast<qsizetype>(title.size())).trimmed();
  for (QChar bad : {QLatin1Char('/'), QLatin1Char('\\'), QLatin1Char(':')}) name.replace(bad, QLatin1Char('-'));
  return name.isEmpty() ? QStringLiteral("Tape") : name;
}

QString SuggestedTapePath(const std::string& title, TapeFileFormat format) {
  return QDir(DocumentsFolder()).filePath(TapeFileBaseName(title) + QLatin1Char('.') + Suffix(format));
}

TapeFileChoice WithTapeFileSuffix(TapeFileChoice choice) {
  const QString suffix = QFileInfo(choice.path).suffix().toLower();
  if (suffix == Suffix(TapeFileFormat::Csv)) {
    choice.format = TapeFileFormat::Csv;
  } else if (suffix == Suffix(TapeFileFormat::Text)) {
    choice.format = TapeFileFormat::Text;
  } else if (suffix.isEmpty() && !choice.path.isEmpty()) {
    choice.path += QLatin1Char('.') + Suffix(choice.format);
  }
  return choice;
}

QString SaveTapeFile(const TapeStore& store, int tape, const TapeFileChoice& choice) {
  const std::string contents = TapeFileContents(store, tape, choice.format);
  return WriteFileAtomically(choice.path, QByteArray(contents.data(), static_cast<qsizetype>(contents.size())));
}

}  // namespace mezura
