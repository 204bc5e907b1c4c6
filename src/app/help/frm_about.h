#pragma once
// The About box: the program's title, version, maker and legal notice, with
// OK and "System Info". "System Info" finds the system-information program
// through a SystemRegistry and starts it with a ProgramStarter; both are
// injected so that tests can stand in for the platform. Lifting and restoring
// the companions' keep-on-top state around the box is the caller's
// (ShellCommands::mnuAbout_Click).
//
// Use:
//   FrmAbout box(calculatorWindow);   // this platform's registry and starter
//   box.exec();                       // modal; OK or Escape closes it
// The version shown is QCoreApplication::applicationVersion() (set by main),
// as major.minor.patch.

#include <QDialog>
#include <functional>
#include <memory>

#include "app/help/program_starter.h"
#include "app/help/system_registry.h"

class QLabel;
class QPushButton;
class QFrame;

namespace mezura {

/// Shown when no system-information program can be found or started.
inline constexpr const char* kSysInfoUnavailable = "System Information Is Unavailable At This Time";
/// The application title and the box's caption.
inline constexpr const char* kApplicationTitle = "Brellin Calculator";
inline constexpr const char* kAboutCaption = "About Brellin Calculator";

class FrmAbout : public QDialog {
  Q_OBJECT

 public:
  /// With this platform's registry and program starter.
  explicit FrmAbout(QWidget* parent = nullptr);
  /// With injected ones (not owned; they must outlive the box).
  FrmAbout(const SystemRegistry& registry, ProgramStarter& starter, QWidget* parent = nullptr);
  ~FrmAbout() override;

  /// Shows messages; a message box by default, tests record them instead.
  void SetMessageHandler(std::function<void(const QString&)> handler) { m_showMessage = std::move(handler); }

  /// Reads value `valueName` of `keyName` under `root` into `keyValue`:
  /// a string without its closing NUL, a 32-bit number in decimal; other
  /// types leave `keyValue` as it was. A missing key or value gives false
  /// and an empty `keyValue`.
  bool GetKeyValue(RegistryRoot root, const QString& keyName, const QString& valueName, QString& keyValue) const;
  /// Starts the system-information program, or says that there is none.
  void StartSysInfo();

  /// "Version " + major.minor.patch of `version` (missing parts are 0).
  static QString VersionText(const QString& version);

 private:
  void BuildControls();
  void Form_Load();
  void cmdOK_Click();
  void cmdSysInfo_Click();

  std::unique_ptr<SystemRegistry> m_ownRegistry;
  std::unique_ptr<ProgramStarter> m_ownStarter;
  const SystemRegistry& m_registry;
  ProgramStarter& m_starter;
  std::function<void(const QString&)> m_showMessage;

  QLabel* m_picIcon = nullptr;
  QLabel* m_lblTitle = nullptr;
  QLabel* m_lblVersion = nullptr;
  QLabel* m_lblDescription = nullptr;
  QLabel* m_lblDisclaimer = nullptr;
  QFrame* m_line1Grey = nullptr;
  QFrame* m_line1White = nullptr;
  QPushButton* m_cmdOK = nullptr;
  QPushButton* m_cmdSysInfo = nullptr;
};

}  // namespace mezura
