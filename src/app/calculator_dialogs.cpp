#include "app/calculator_dialogs.h"

#include <QColorDialog>
#include <QFileDialog>
#include <QMessageBox>

namespace mezura {

CalculatorDialogs DesktopDialogs(QWidget* owner) {
  const QString title = QStringLiteral("Brellin Calculator");
  CalculatorDialogs dialogs;
  dialogs.confirm = [owner, title](const QString& text) {
    QMessageBox box(QMessageBox::Warning, title, text, QMessageBox::Ok | QMessageBox::Cancel, owner);
    return box.exec() == QMessageBox::Ok;
  };
  dialogs.openFile = [owner](const QString& folder) {
    return QFileDialog::getOpenFileName(owner, QString(), folder, QString::fromLatin1(kMemoryFileFilter));
  };
  dialogs.saveFile = [owner](const QString& folder) {
    QFileDialog dialog(owner, QStringLiteral("Save As"), folder, QString::fromLatin1(kMemoryFileFilter));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("mem"));
    return dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty() ? dialog.selectedFiles().first()
                                                                                   : QString();
  };
  dialogs.chooseColour = [owner]() -> std::optional<QColor> {
    const QColor colour = QColorDialog::getColor(QColor(255, 0, 0), owner, QStringLiteral("Colors"));
    if (!colour.isValid()) return std::nullopt;
    return colour;
  };
  dialogs.inform = [owner, title](const QString& text) { QMessageBox::information(owner, title, text); };
  return dialogs;
}

}  // namespace mezura
