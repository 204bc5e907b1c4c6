#pragma once
// The help window: the help file (HTML, named "mezura.hlp"; LocateHelpFile
// says where it is) in a browser with a find box. It owns only the viewing;
// the text is the file's, the menu command that opens it is ShellCommands'.
//
// Use:
//   auto* help = new HelpWindow(calculatorWindow);   // created at first use
//   help->ShowContents();   // loads the file at its contents and shows the
//                           // window; a message when the file is missing

#include <QWidget>
#include <functional>

#include "app/help/help_file.h"

class QLineEdit;
class QTextBrowser;

namespace mezura {

class HelpWindow : public QWidget {
  Q_OBJECT

 public:
  /// The anchor of the contents section at the top of the help file.
  static constexpr const char* kContentsAnchor = "contents";

  /// A window of its own, above `owner`, reading `helpFile`.
  explicit HelpWindow(QWidget* owner = nullptr, QString helpFile = LocateHelpFile());

  /// Shows the help file at its contents. When the file is missing the user
  /// is told so and false comes back.
  bool ShowContents();
  /// Selects the next match of `text` after the cursor, starting over at the
  /// top once; false when the page does not contain it.
  bool FindNext(const QString& text);

  QTextBrowser* Browser() const { return m_browser; }
  QLineEdit* FindBox() const { return m_findBox; }
  QString HelpFile() const { return m_helpFile; }
  /// Shows messages; a message box by default, tests record them instead.
  void SetMessageHandler(std::function<void(const QString&)> handler) { m_showMessage = std::move(handler); }

 private:
  void txtFind_ReturnPressed();

  QString m_helpFile;
  QTextBrowser* m_browser = nullptr;
  QLineEdit* m_findBox = nullptr;
  std::function<void(const QString&)> m_showMessage;
};

}  // namespace mezura
