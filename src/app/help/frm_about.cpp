// The About box and its "System Info" command (see the header).
#include "app/help/frm_about.h"

#include <algorithm>

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QFrame>
#include <QLabel>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QVersionNumber>

#include "app/help/linux_system_registry.h"
#include "app/help/program_icon.h"
#include "measure/twips.h"
#include "tape/ui/design_metrics.h"

namespace mezura {

namespace {

// Places in twips, as the box was drawn.
constexpr TwipRect kFormClient{0, 0, 5730, 4230};
constexpr TwipRect kPicIcon{180, 120, 915, 2220};
constexpr TwipRect kLblTitle{1290, 360, 3885, 300};
constexpr TwipRect kLblVersion{1290, 660, 3885, 225};
constexpr TwipRect kLblDescription{1290, 1125, 3885, 1170};
constexpr TwipRect kLblDisclaimer{255, 2625, 3870, 1275};
constexpr TwipRect kCmdOK{4245, 3105, 1260, 345};
constexpr TwipRect kCmdSysInfo{4260, 3555, 1245, 345};
// The etched separator: a grey line with a white one just below it.
constexpr TwipRect kLine1Grey{210, 2430, 5435 - 210, 15};
constexpr TwipRect kLine1White{240, 2445, 5450 - 240, 15};

// Used only until main() sets the application's version.
constexpr const char* kFallbackVersion = "1.0.0";

// The maker's emblem: a tape measure whose blade runs down the picture, with
// inch ticks and the hook at its end.
QPixmap DrawEmblem(QSize size, qreal devicePixelRatio) {
  QPixmap pixmap(size * devicePixelRatio);
  pixmap.setDevicePixelRatio(devicePixelRatio);
  pixmap.fill(Qt::transparent);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  const qreal w = size.width();
  const qreal h = size.height();
  const QColor yellow(0xF2, 0xC2, 0x1B);
  const QColor dark(0x33, 0x33, 0x33);

  // The blade, leaving the case at its bottom right and hanging down.
  const QRectF blade(w * 0.52, w * 0.7, w * 0.3, h - w * 0.7 - 8);
  p.setPen(QPen(dark, 1));
  p.setBrush(yellow);
  p.drawRect(blade);
  for (int i = 0; blade.top() + 6 + i * 5 < blade.bottom() - 2; ++i) {
    const qreal y = blade.top() + 6 + i * 5;
    const qreal tick = (i % 4 == 0) ? blade.width() * 0.7 : blade.width() * 0.35;
    p.drawLine(QPointF(blade.left(), y), QPointF(blade.left() + tick, y));
  }
  // The hook.
  p.setBrush(dark);
  p.drawRect(QRectF(blade.left() - 2, blade.bottom(), blade.width() + 4, 4));

  DrawCase(p, QRectF(2, 2, w - 4, w - 4), 2);
  return pixmap;
}

QFrame* EtchLine(QWidget* parent, const QString& name, const TwipRect& place, const QColor& colour) {
  auto* line = new QFrame(parent);
  line->setObjectName(name);
  line->setGeometry(ToPixels(place));
  line->setFixedHeight(1);
  line->setAutoFillBackground(true);
  QPalette palette = line->palette();
  palette.setColor(QPalette::Window, colour);
  line->setPalette(palette);
  return line;
}

}  // namespace

FrmAbout::FrmAbout(QWidget* parent)
    : QDialog(parent),
      m_ownRegistry(std::make_unique<LinuxSystemRegistry>()),
      m_ownStarter(std::make_unique<ProgramStarter>()),
      m_registry(*m_ownRegistry),
      m_starter(*m_ownStarter) {
  BuildControls();
  Form_Load();
}

FrmAbout::FrmAbout(const SystemRegistry& registry, ProgramStarter& starter, QWidget* parent)
    : QDialog(parent), m_registry(registry), m_starter(starter) {
  BuildControls();
  Form_Load();
}

FrmAbout::~FrmAbout() = default;

void FrmAbout::BuildControls() {
  setObjectName(QStringLiteral("frmAbout"));
  setWindowTitle(QString::fromLatin1(kAboutCaption));
  setModal(true);
  setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);
  setFixedSize(ToPixels(kFormClient).size());
  // The buttons too: the box is laid out for the design's font.
  setFont(DesignFont(8.25));
  m_showMessage = [this](const QString& text) {
    QMessageBox::information(this, windowTitle(), text, QMessageBox::Ok);
  };

  auto label = [this](const char* name, const TwipRect& place) {
    auto* l = new QLabel(this);
    l->setObjectName(QString::fromLatin1(name));
    l->setGeometry(ToPixels(place));
    l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return l;
  };
  m_picIcon = label("picIcon", kPicIcon);
  m_picIcon->setPixmap(DrawEmblem(m_picIcon->size(), devicePixelRatioF()));
  m_lblTitle = label("lblTitle", kLblTitle);
  m_lblTitle->setFont(DesignFont(9.75, true));
  m_lblVersion = label("lblVersion", kLblVersion);
  m_lblDescription = label("lblDescription", kLblDescription);
  m_lblDisclaimer = label("lblDisclaimer", kLblDisclaimer);
  m_lblDisclaimer->setWordWrap(true);
  m_lblDisclaimer->setFont(DesignFont(7.5));

  m_line1Grey = EtchLine(this, QStringLiteral("Line1(1)"), kLine1Grey, QColor(0x80, 0x80, 0x80));
  m_line1White = EtchLine(this, QStringLiteral("Line1(0)"), kLine1White, Qt::white);

  m_cmdOK = new QPushButton(QStringLiteral("OK"), this);
  m_cmdOK->setObjectName(QStringLiteral("cmdOK"));
  m_cmdOK->setGeometry(ToPixels(kCmdOK));
  m_cmdOK->setDefault(true);  // Enter; Escape closes the dialog the same way
  m_cmdSysInfo = new QPushButton(QStringLiteral("&System Info"), this);
  m_cmdSysInfo->setObjectName(QStringLiteral("cmdSysInfo"));
  m_cmdSysInfo->setGeometry(ToPixels(kCmdSysInfo));
  m_cmdSysInfo->setAutoDefault(false);

  connect(m_cmdOK, &QPushButton::clicked, this, &FrmAbout::cmdOK_Click);
  connect(m_cmdSysInfo, &QPushButton::clicked, this, &FrmAbout::cmdSysInfo_Click);
}

QString FrmAbout::VersionText(const QString& version) {
  const QVersionNumber number = QVersionNumber::fromString(version);
  return QStringLiteral("Version %1.%2.%3")
      .arg(number.majorVersion())
      .arg(number.minorVersion())
      .arg(number.microVersion());
}

void FrmAbout::Form_Load() {
  QString version = QCoreApplication::applicationVersion();
  if (version.isEmpty()) version = QString::fromLatin1(kFallbackVersion);
  m_lblVersion->setText(VersionText(version));
  m_lblTitle->setText(QString::fromLatin1(kApplicationTitle));
  m_lblDescription->setText(QStringList{
      QStringLiteral("The Mezura Team"),
      QStringLiteral("1428 Larkspur Lane, Suite 3"),
      QStringLiteral("Maple Falls, OR 97431"),
      QString(),
      QStringLiteral("support@mezura-calc.example"),
      QStringLiteral("https://www.mezura-calc.example"),
  }.join(QLatin1Char('\n')));
  m_lblDisclaimer->setText(QStringLiteral(
      "Copyright \u00A9 2026 The Mezura Team. All rights reserved.\n"
      "This program is protected by copyright law. Copying, distributing, renting "
      "or selling it, in whole or in part, without our written permission is "
      "prohibited and will be pursued under civil and criminal law."));
}

void FrmAbout::cmdOK_Click() { accept(); }

void FrmAbout::cmdSysInfo_Click() { StartSysInfo(); }

bool FrmAbout::GetKeyValue(RegistryRoot root, const QString& keyName, const QString& valueName,
                           QString& keyValue) const {
  if (!m_registry.HasKey(root, keyName)) {
    keyValue.clear();
    return false;
  }
  const std::optional<RegistryValue> value = m_registry.Value(root, keyName, valueName);
  if (!value) {
    keyValue.clear();
    return false;
  }
  QByteArray bytes = value->data;
  // Stored strings usually carry their closing NUL; it is not part of the text.
  if (bytes.endsWith('\0')) bytes.chop(1);
  switch (value->type) {
    case RegistryValueType::String:
      keyValue = QString::fromUtf8(bytes);
      break;
    case RegistryValueType::Number32: {
      // Least significant byte first; a chopped high NUL byte is a zero anyway.
      quint32 number = 0;
      for (qsizetype i = 0; i < std::min<qsizetype>(bytes.size(), 4); ++i)
        number |= static_cast<quint32>(static_cast<unsigned char>(bytes[i])) << (8 * i);
      keyValue = QString::number(number);
      break;
    }
    case RegistryValueType::Other:
      break;
  }
  return true;
}

void FrmAbout::StartSysInfo() {
  QString sysInfoPath;
  if (GetKeyValue(RegistryRoot::LocalMachine, QString::fromLatin1(kSysInfoKey), QString::fromLatin1(kSysInfoValue),
                  sysInfoPath)) {
    if (m_starter.Start(sysInfoPath)) return;
  } else if (GetKeyValue(RegistryRoot::LocalMachine, QString::fromLatin1(kSysInfoLocationKey),
                         QString::fromLatin1(kSysInfoLocationValue), sysInfoPath)) {
    const QString program = QDir(sysInfoPath).filePath(QString::fromLatin1(kSysInfoProgramName));
    if (QFileInfo(program).isFile() && m_starter.Start(program)) return;
  }
  // Nothing found, or what was found would not start.
  m_showMessage(QString::fromLatin1(kSysInfoUnavailable));
}

}  // namespace mezura
