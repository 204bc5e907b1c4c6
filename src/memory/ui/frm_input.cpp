#include "memory/ui/frm_input.h"

#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

#include "measure/twips.h"
#include "tape/ui/design_metrics.h"

namespace mezura {
namespace {

QRect Twips(int left, int top, int width, int height) {
  return QRect(TwipsToPixels(left), TwipsToPixels(top), TwipsToPixels(width), TwipsToPixels(height));
}

}  // namespace

frmInput::frmInput(QWidget* parent)
    : QDialog(parent),
      m_label(new QLabel(tr("Enter a name for this memory cell:"), this)),
      m_text(new QLineEdit(this)),
      m_ok(new QPushButton(tr("OK"), this)),
      m_cancel(new QPushButton(tr("Cancel"), this)) {
  setObjectName(QStringLiteral("frmInput"));
  setWindowTitle(tr("Named Memory"));
  // A fixed dialog: a caption and a close box, nothing to minimize or maximize.
  setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowCloseButtonHint);
  setModal(true);
  setFixedSize(TwipsToPixels(3255), TwipsToPixels(1350));
  // Its fixed layout is made for the design's font, not the desktop's.
  setFont(DesignFont(8.25));
  m_label->setObjectName(QStringLiteral("Label1"));
  m_text->setObjectName(QStringLiteral("txtText1"));
  m_ok->setObjectName(QStringLiteral("Command1"));
  m_cancel->setObjectName(QStringLiteral("Command2"));
  m_label->setGeometry(Twips(120, 150, 2895, 225));
  m_text->setGeometry(Twips(90, 450, 3075, 285));
  m_ok->setGeometry(Twips(90, 840, 1485, 405));
  m_cancel->setGeometry(Twips(1680, 840, 1485, 405));
  m_ok->setDefault(true);
  m_ok->setAutoDefault(true);
  m_cancel->setAutoDefault(false);
  connect(m_ok, &QPushButton::clicked, this, &frmInput::Command1_Click);
  connect(m_cancel, &QPushButton::clicked, this, &frmInput::Command2_Click);
  // Escape and the close box count as Cancel.
  connect(this, &QDialog::rejected, this, [this] { m_result.clear(); });
}

void frmInput::changeEvent(QEvent* event) {
  QDialog::changeEvent(event);
  // Some window managers offer to minimize any dialog; a modal one out of
  // sight would leave the program waiting for an answer nobody can give.
  if (event->type() == QEvent::WindowStateChange && isMinimized())
    QTimer::singleShot(0, this, [this] { setWindowState(windowState() & ~Qt::WindowMinimized); });
}

void frmInput::SetText(const QString& text) {
  m_text->setText(text);
  m_text->setSelection(0, static_cast<int>(text.size()));
  m_text->setFocus();
}

void frmInput::Command1_Click() {
  m_result = m_text->text();
  accept();
}

void frmInput::Command2_Click() {
  m_result.clear();
  reject();
}

QString frmInput::Ask(QWidget* parent, const QString& initial) {
  frmInput dialog(parent);
  dialog.SetText(initial);
  if (const QScreen* screen = parent ? parent->screen() : QGuiApplication::primaryScreen()) {
    const QRect area = screen->geometry();
    dialog.move(area.x() + (area.width() - dialog.width()) / 2, area.y() + (area.height() - dialog.height()) / 2);
  }
  dialog.exec();
  return dialog.InputResult();
}

}  // namespace mezura
