// The help window (see the header).
#include "app/help/help_window.h"

#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QShortcut>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

#include "app/help/frm_about.h"

namespace mezura {

HelpWindow::HelpWindow(QWidget* owner, QString helpFile) : QWidget(owner, Qt::Window), m_helpFile(std::move(helpFile)) {
  setObjectName(QStringLiteral("HelpWindow"));
  setWindowTitle(QStringLiteral("%1 Help").arg(QString::fromLatin1(kApplicationTitle)));
  resize(620, 640);
  m_showMessage = [this](const QString& text) {
    QMessageBox::warning(parentWidget() ? parentWidget() : this, windowTitle(), text, QMessageBox::Ok);
  };

  m_browser = new QTextBrowser(this);
  m_browser->setObjectName(QStringLiteral("Browser"));
  m_browser->setOpenExternalLinks(true);

  auto* findLabel = new QLabel(QStringLiteral("&Find:"), this);
  m_findBox = new QLineEdit(this);
  m_findBox->setObjectName(QStringLiteral("txtFind"));
  m_findBox->setClearButtonEnabled(true);
  findLabel->setBuddy(m_findBox);
  auto* findNext = new QPushButton(QStringLiteral("&Next"), this);
  findNext->setObjectName(QStringLiteral("cmdFindNext"));
  auto* contents = new QPushButton(QStringLiteral("&Contents"), this);
  contents->setObjectName(QStringLiteral("cmdContents"));

  auto* bar = new QHBoxLayout;
  bar->addWidget(contents);
  bar->addStretch();
  bar->addWidget(findLabel);
  bar->addWidget(m_findBox);
  bar->addWidget(findNext);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(bar);
  layout->addWidget(m_browser);

  connect(m_findBox, &QLineEdit::returnPressed, this, &HelpWindow::txtFind_ReturnPressed);
  connect(findNext, &QPushButton::clicked, this, &HelpWindow::txtFind_ReturnPressed);
  connect(contents, &QPushButton::clicked, this, &HelpWindow::ShowContents);
  // The usual keys of a find box: Ctrl+F to type a word, F3 for the next match.
  connect(new QShortcut(QKeySequence::Find, this), &QShortcut::activated, this, [this] {
    m_findBox->setFocus(Qt::ShortcutFocusReason);
    m_findBox->selectAll();
  });
  connect(new QShortcut(QKeySequence::FindNext, this), &QShortcut::activated, this, &HelpWindow::txtFind_ReturnPressed);
}

bool HelpWindow::ShowContents() {
  const QFileInfo file(m_helpFile);
  if (!file.isFile()) {
    m_showMessage(QStringLiteral("The help file \"%1\" could not be found.").arg(QDir::toNativeSeparators(m_helpFile)));
    return false;
  }
  QUrl url = QUrl::fromLocalFile(file.absoluteFilePath());
  url.setFragment(QString::fromLatin1(kContentsAnchor));
  // The file's name does not say that it holds HTML, so the type is given.
  // Only a different file is loaded; the same one just scrolls to the anchor.
  m_browser->setSource(url, QTextDocument::HtmlResource);
  show();
  raise();
  activateWindow();
  return true;
}

bool HelpWindow::FindNext(const QString& text) {
  if (text.isEmpty()) return false;
  if (m_browser->find(text)) return true;
  // Not found below the cursor: once more from the top.
  QTextCursor cursor = m_browser->textCursor();
  cursor.movePosition(QTextCursor::Start);
  m_browser->setTextCursor(cursor);
  return m_browser->find(text);
}

void HelpWindow::txtFind_ReturnPressed() { FindNext(m_findBox->text()); }

}  // namespace mezura
