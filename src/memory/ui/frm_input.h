#pragma once
// The "Named Memory" dialog that asks for a memory cell's name. It only
// collects the text; creating or renaming the cell is the controller's job.

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

namespace mezura {

class frmInput : public QDialog {
  Q_OBJECT

 public:
  explicit frmInput(QWidget* parent = nullptr);

  /// Prefills the text box and selects all of it.
  void SetText(const QString& text);
  /// The text after OK, "" after Cancel (or while the dialog is open).
  QString InputResult() const { return m_result; }

  QLineEdit* txtText1() const { return m_text; }
  QPushButton* Command1() const { return m_ok; }
  QPushButton* Command2() const { return m_cancel; }

  /// Shows the dialog modally with `initial` selected; returns InputResult().
  static QString Ask(QWidget* parent, const QString& initial);

 protected:
  void changeEvent(QEvent* event) override;

 private:
  void Command1_Click();
  void Command2_Click();

  QLabel* m_label;
  QLineEdit* m_text;
  QPushButton* m_ok;
  QPushButton* m_cancel;
  QString m_result;
};

}  // namespace mezura
