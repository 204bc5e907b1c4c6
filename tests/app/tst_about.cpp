// The About box: its texts, that it fits, the system-information lookup over a
// stand-in registry, and the About command's keep-on-top hooks.
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <map>

#include "app/help/frm_about.h"
#include "app/help/linux_system_registry.h"
#include "app/help/shell_commands.h"

namespace mezura {
namespace {

class FakeRegistry : public SystemRegistry {
 public:
  std::map<QString, std::map<QString, RegistryValue>> keys;  // under LocalMachine only

  void SetString(const QString& key, const QString& name, const QByteArray& bytes) {
    keys[key][name] = RegistryValue{RegistryValueType::String, bytes};
  }
  bool HasKey(RegistryRoot root, const QString& key) const override {
    return root == RegistryRoot::LocalMachine && keys.count(key) > 0;
  }
  std::optional<RegistryValue> Value(RegistryRoot root, const QString& key, const QString& name) const override {
    if (!HasKey(root, key)) return std::nullopt;
    const auto& values = keys.at(key);
    const auto it = values.find(name);
    if (it == values.end()) return std::nullopt;
    return it->second;
  }
};

class FakeStarter : public ProgramStarter {
 public:
  bool succeed = true;
  QStringList started;
  bool Start(const QString& program) override {
    started << program;
    return succeed;
  }
};

const QString kInfoKey = QString::fromLatin1(kSysInfoKey);
const QString kLocationKey = QString::fromLatin1(kSysInfoLocationKey);

}  // namespace

class TstAbout : public QObject {
  Q_OBJECT

 private slots:
  void init() { QCoreApplication::setApplicationVersion(QStringLiteral("1.0.0")); }
  void cleanup() { QVERIFY(QApplication::topLevelWidgets().isEmpty()); }

  void texts() {
    FakeRegistry registry;
    FakeStarter starter;
    FrmAbout box(registry, starter);
    QCOMPARE(box.windowTitle(), QStringLiteral("About Brellin Calculator"));
    QCOMPARE(box.findChild<QLabel*>("lblTitle")->text(), QStringLiteral("Brellin Calculator"));
    QVERIFY(box.findChild<QLabel*>("lblTitle")->font().bold());
    QCOMPARE(box.findChild<QLabel*>("lblVersion")->text(), QStringLiteral("Version 1.0.0"));

    const QStringList lines = box.findChild<QLabel*>("lblDescription")->text().split(QLatin1Char('\n'));
    QCOMPARE(lines.size(), 6);  // maker, street, town, empty line, e-mail, web
    QVERIFY(lines[0].contains(QStringLiteral("Mezura")));
    QVERIFY(lines[3].isEmpty());
    QVERIFY(lines[4].contains(QLatin1Char('@')));
    QVERIFY(lines[5].startsWith(QStringLiteral("https://")));

    auto* disclaimer = box.findChild<QLabel*>("lblDisclaimer");
    QVERIFY(disclaimer->wordWrap());
    QVERIFY(disclaimer->text().contains(QStringLiteral("without our written permission")));
    // The notice must fit its label: several lines, none cut off.
    QVERIFY(disclaimer->heightForWidth(disclaimer->width()) <= disclaimer->height());
    QVERIFY(!box.findChild<QLabel*>("picIcon")->pixmap().isNull());

    auto* ok = box.findChild<QPushButton*>("cmdOK");
    QCOMPARE(ok->text(), QStringLiteral("OK"));
    QVERIFY(ok->isDefault());
    QCOMPARE(box.findChild<QPushButton*>("cmdSysInfo")->text(), QStringLiteral("&System Info"));
  }

  void versionText_data() {
    QTest::addColumn<QString>("version");
    QTest::addColumn<QString>("expected");
    QTest::newRow("full") << "3.0.3" << "Version 3.0.3";
    QTest::newRow("two parts") << "2.1" << "Version 2.1.0";
    QTest::newRow("suffix") << "1.2.3-beta" << "Version 1.2.3";
    QTest::newRow("empty") << "" << "Version 0.0.0";
  }
  void versionText() {
    QFETCH(QString, version);
    QFETCH(QString, expected);
    QCOMPARE(FrmAbout::VersionText(version), expected);
  }

  // Exact places come straight from the layout table; what can go wrong is a
  // control pushed outside the box or onto the notice.
  void controlsFitInsideTheBox() {
    FakeRegistry registry;
    FakeStarter starter;
    FrmAbout box(registry, starter);
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    for (const char* name : {"picIcon", "lblTitle", "lblVersion", "lblDescription", "lblDisclaimer", "cmdOK",
                             "cmdSysInfo", "Line1(0)", "Line1(1)"}) {
      auto* control = box.findChild<QWidget*>(QString::fromLatin1(name));
      QVERIFY2(control, name);
      QVERIFY2(box.rect().contains(control->geometry()), name);
    }
  }

  void okAndEscapeClose() {
    FakeRegistry registry;
    FakeStarter starter;
    FrmAbout box(registry, starter);
    box.show();
    QTest::mouseClick(box.findChild<QPushButton*>("cmdOK"), Qt::LeftButton);
    QVERIFY(!box.isVisible());
    QCOMPARE(box.result(), int(QDialog::Accepted));
    box.show();
    QTest::keyClick(&box, Qt::Key_Escape);
    QVERIFY(!box.isVisible());
  }

  void getKeyValue_data() {
    QTest::addColumn<int>("type");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("found");
    QTest::addColumn<QString>("expected");
    QTest::newRow("string ending in NUL") << int(RegistryValueType::String) << QByteArray("C:\\Info\0", 8) << true
                                          << "C:\\Info";
    QTest::newRow("string without NUL") << int(RegistryValueType::String) << QByteArray("abc") << true << "abc";
    QTest::newRow("only one NUL dropped") << int(RegistryValueType::String) << QByteArray("ab\0\0", 4) << true
                                          << QString::fromLatin1("ab\0", 3);
    QTest::newRow("empty string") << int(RegistryValueType::String) << QByteArray("\0", 1) << true << "";
    QTest::newRow("utf-8 string") << int(RegistryValueType::String) << QByteArray("/opt/m\xC3\xA4\0", 9) << true
                                  << QString::fromUtf8("/opt/m\xC3\xA4");
    QTest::newRow("number 5") << int(RegistryValueType::Number32) << QByteArray("\x05\0\0\0", 4) << true << "5";
    QTest::newRow("number, bytes low first") << int(RegistryValueType::Number32) << QByteArray("\x78\x56\x34\x12", 4)
                                             << true << "305419896";
    QTest::newRow("largest number") << int(RegistryValueType::Number32) << QByteArray("\xFF\xFF\xFF\xFF", 4) << true
                                    << "4294967295";
    QTest::newRow("other type keeps the text") << int(RegistryValueType::Other) << QByteArray("xyz") << true
                                               << "previous";
  }
  void getKeyValue() {
    QFETCH(int, type);
    QFETCH(QByteArray, bytes);
    QFETCH(bool, found);
    QFETCH(QString, expected);
    FakeRegistry registry;
    registry.keys[QStringLiteral("K")][QStringLiteral("V")] = RegistryValue{RegistryValueType(type), bytes};
    FakeStarter starter;
    FrmAbout box(registry, starter);
    QString text = QStringLiteral("previous");
    QCOMPARE(box.GetKeyValue(RegistryRoot::LocalMachine, QStringLiteral("K"), QStringLiteral("V"), text), found);
    QCOMPARE(text, expected);
  }

  void getKeyValueMissingGivesEmptyText() {
    FakeRegistry registry;
    registry.SetString(QStringLiteral("K"), QStringLiteral("V"), "x");
    FakeStarter starter;
    FrmAbout box(registry, starter);
    QString text = QStringLiteral("previous");
    QVERIFY(!box.GetKeyValue(RegistryRoot::LocalMachine, QStringLiteral("Nope"), QStringLiteral("V"), text));
    QCOMPARE(text, QString());
    text = QStringLiteral("previous");
    QVERIFY(!box.GetKeyValue(RegistryRoot::LocalMachine, QStringLiteral("K"), QStringLiteral("Nope"), text));
    QCOMPARE(text, QString());
    QVERIFY(!box.GetKeyValue(RegistryRoot::CurrentUser, QStringLiteral("K"), QStringLiteral("V"), text));
  }

  // setup: 0 nothing, 1 first key, 2 second key with the program in its
  // folder, 3 second key with an empty folder, 4 first key but the start fails,
  // 5 first key without its value and second key with the program.
  void startSysInfo_data() {
    QTest::addColumn<int>("setup");
    QTest::addColumn<bool>("started");
    QTest::newRow("neither key") << 0 << false;
    QTest::newRow("first key") << 1 << true;
    QTest::newRow("second key, program present") << 2 << true;
    QTest::newRow("second key, no MSINFO32.EXE") << 3 << false;
    QTest::newRow("first key, start fails") << 4 << false;
    QTest::newRow("first key without value, second key") << 5 << true;
  }
  void startSysInfo() {
    QFETCH(int, setup);
    QFETCH(bool, started);
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QString program = folder.filePath(QStringLiteral("MSINFO32.EXE"));
    FakeRegistry registry;
    FakeStarter starter;
    QString expectedProgram;
    if (setup == 1 || setup == 4) {
      registry.SetString(kInfoKey, QStringLiteral("PATH"), QByteArray("/usr/bin/sysinfo\0", 17));
      expectedProgram = QStringLiteral("/usr/bin/sysinfo");
      starter.succeed = setup == 1;
    }
    if (setup == 2 || setup == 3 || setup == 5) {
      registry.SetString(kLocationKey, QStringLiteral("MSINFO"), folder.path().toUtf8() + '\0');
      if (setup != 3) {
        QFile file(program);
        QVERIFY(file.open(QIODevice::WriteOnly));
        expectedProgram = program;
      }
    }
    if (setup == 5) registry.keys[kInfoKey];  // the key exists, its value does not

    FrmAbout box(registry, starter);
    QStringList messages;
    box.SetMessageHandler([&](const QString& text) { messages << text; });
    QTest::mouseClick(box.findChild<QPushButton*>("cmdSysInfo"), Qt::LeftButton);

    if (started) {
      QCOMPARE(starter.started, QStringList{expectedProgram});
      QVERIFY(messages.isEmpty());
    } else {
      QCOMPARE(messages, QStringList{QStringLiteral("System Information Is Unavailable At This Time")});
      QCOMPARE(starter.started.isEmpty(), expectedProgram.isEmpty());
    }
  }

  void linuxRegistryFindsTheFirstInstalledProgram() {
    QTemporaryDir bin;
    QVERIFY(bin.isValid());
    for (const char* name : {"second-info", "third-info"}) {
      QFile file(bin.filePath(QString::fromLatin1(name)));
      QVERIFY(file.open(QIODevice::WriteOnly));
      file.write("#!/bin/sh\n");
      file.close();
      QVERIFY(file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    }
    const LinuxSystemRegistry registry({"missing-info", "second-info", "third-info"}, {bin.path()});
    QVERIFY(registry.HasKey(RegistryRoot::LocalMachine, kInfoKey));
    QVERIFY(!registry.HasKey(RegistryRoot::LocalMachine, kLocationKey));
    QVERIFY(!registry.Value(RegistryRoot::LocalMachine, kInfoKey, QStringLiteral("Other")));

    FakeStarter starter;
    FrmAbout box(registry, starter);
    QString path;
    QVERIFY(box.GetKeyValue(RegistryRoot::LocalMachine, kInfoKey, QStringLiteral("PATH"), path));
    QCOMPARE(path, bin.filePath(QStringLiteral("second-info")));
    box.StartSysInfo();
    QCOMPARE(starter.started, QStringList{path});

    const LinuxSystemRegistry none({"missing-info"}, {bin.path()});
    QVERIFY(!none.HasKey(RegistryRoot::LocalMachine, kInfoKey));
  }

  void aboutCommandLiftsAndRestoresTopmost() {
    QWidget calculator;
    ShellCommands commands(&calculator);
    QStringList steps;
    commands.liftTopmost = [&] { steps << QStringLiteral("lift"); };
    commands.restoreTopmost = [&] { steps << QStringLiteral("restore"); };
    // The box is modal: close it from inside its own loop.
    QTimer::singleShot(0, [&] {
      auto* box = qobject_cast<FrmAbout*>(QApplication::activeModalWidget());
      steps << (box ? QStringLiteral("shown") : QStringLiteral("no box"));
      if (box) {
        QCOMPARE(box->parentWidget(), &calculator);
        box->findChild<QPushButton*>("cmdOK")->click();
      }
    });
    commands.mnuAbout_Click();
    QCOMPARE(steps, QStringList({"lift", "shown", "restore"}));
  }
};

}  // namespace mezura

QTEST_MAIN(mezura::TstAbout)
#include "tst_about.moc"
