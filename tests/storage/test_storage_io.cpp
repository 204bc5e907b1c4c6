// The INI settings store, the memory files and the atomic writer under them,
// through real files: faults injected at each step of a write, and a real
// disk that fills up (a tmpfs, where the tests may mount one).
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileDevice>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSettings>
#include <QTemporaryDir>
#include <ostream>

#include "storage/io/atomic_file_writer.h"
#include "storage/io/kept_cells.h"
#include "storage/io/memory_file_io.h"
#include "storage/io/settings_store.h"
#include "support/settings_fixture.h"
#include "support/tiny_tmpfs.h"

QT_BEGIN_NAMESPACE
void PrintTo(const QString& text, std::ostream* os) { *os << '"' << text.toStdString() << '"'; }
QT_END_NAMESPACE

namespace mezura {
namespace {

SettingsContext Context() { return testing::TestSettingsContext(); }

void WriteFile(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
  ASSERT_EQ(file.write(bytes), bytes.size());
}

QByteArray ReadFile(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return {};
  return file.readAll();
}

enum class Step { Open, Write, Flush, Commit };

// A writer whose step `failAt` fails the way the disk would make it fail:
// nothing opened, a short write, a flush that does not get through, a
// rename that does not happen.
class FailingFileWriter : public AtomicFileWriter {
 public:
  FailingFileWriter(const QString& path, Step failAt) : AtomicFileWriter(path), m_failAt(failAt) {}

 protected:
  bool Open() override { return m_failAt != Step::Open && AtomicFileWriter::Open(); }
  qint64 WriteData(const QByteArray& bytes) override {
    if (m_failAt != Step::Write) return AtomicFileWriter::WriteData(bytes);
    AtomicFileWriter::WriteData(bytes.left(bytes.size() / 2));
    return -1;
  }
  bool Flush() override { return AtomicFileWriter::Flush() && m_failAt != Step::Flush; }
  bool Commit() override { return m_failAt != Step::Commit && AtomicFileWriter::Commit(); }
  QString Reason() const override { return QStringLiteral("injected fault"); }

 private:
  Step m_failAt;
};

class StorageIo : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(m_dir.isValid()); }
  QString Path(const QString& name) const { return m_dir.filePath(name); }
  QTemporaryDir m_dir;
};

TEST_F(StorageIo, FirstRunGivesTheDefaults) {
  const SettingsStore store(Path("Mezura.ini"));
  EXPECT_EQ(store.Load(Context()), DefaultSettings(Context()));
  EXPECT_EQ(store.Read("Settings", "Zoom"), std::nullopt);
}

TEST_F(StorageIo, DefaultStoreLivesInTheUsersConfigurationFolder) {
  const SettingsStore store;
  EXPECT_TRUE(store.FilePath().endsWith("Mezura/Mezura.ini")) << store.FilePath().toStdString();
  // The file QSettings itself would use for the application.
  EXPECT_EQ(store.FilePath(), QSettings(QSettings::IniFormat, QSettings::UserScope, "Mezura", "Mezura").fileName());
}

TEST_F(StorageIo, AnIniOverOneMebibyteIsMovedAsideUnread) {
  for (const qint64 size : {SettingsStore::kMaxFileBytes, SettingsStore::kMaxFileBytes + 1}) {
    SCOPED_TRACE(size);
    const bool tooLarge = size > SettingsStore::kMaxFileBytes;
    for (const QString& name : QDir(m_dir.path()).entryList(QDir::Files)) QFile::remove(Path(name));
    QByteArray ini = "[Settings]\nZoom=True\n;";
    ini += QByteArray(size - ini.size() - 1, 'x') + '\n';
    WriteFile(Path("Mezura.ini"), ini);

    SettingsStore store(Path("Mezura.ini"));
    EXPECT_EQ(store.Load(Context()).choices.zoomSmall, !tooLarge);
    const QStringList aside = QDir(m_dir.path()).entryList({"Mezura.ini.*"});
    const QString notice = store.TakeStartNotice();
    EXPECT_EQ(store.TakeStartNotice(), QString());  // told once
    if (!tooLarge) {
      EXPECT_EQ(aside, QStringList());
      EXPECT_EQ(notice, QString());
      continue;
    }
    ASSERT_EQ(aside.size(), 1);
    EXPECT_TRUE(QRegularExpression(R"(^Mezura\.ini\.\d{4}-\d\d-\d\d-\d{6}\.too-large$)").match(aside.first()).hasMatch())
        << aside.first().toStdString();
    EXPECT_EQ(ReadFile(Path(aside.first())), ini);
    EXPECT_TRUE(notice.contains(aside.first())) << notice.toStdString();
    // The next exit writes fresh settings of the usual size.
    EXPECT_EQ(store.Save(DefaultSettings(Context())), QString());
    EXPECT_LT(QFileInfo(Path("Mezura.ini")).size(), 1024);
  }
}

TEST_F(StorageIo, EveryKeyRoundTripsThroughANewSettingsObject) {
  Settings s = testing::SettingsWithEveryKeyChanged();
  s.choices.accuracy = kAccuracy64;  // kept in the denominator key, "True" in the older one
  {
    SettingsStore store(Path("Mezura.ini"));
    ASSERT_EQ(store.Save(s), QString());
  }
  // A QSettings of its own, as the next run would open the file.
  QSettings raw(Path("Mezura.ini"), QSettings::IniFormat);
  for (const SettingsEntry& e : SettingsEntries(s)) {
    const QString key = QString::fromStdString(e.section + "/" + e.key);
    EXPECT_EQ(raw.value(key).toString(), QString::fromStdString(e.text)) << e.key;
  }
  const SettingsStore reread(Path("Mezura.ini"));
  EXPECT_EQ(reread.Load(Context()), s);
}

TEST_F(StorageIo, KeysAndSectionsMatchWithoutRegardToCase) {
  WriteFile(Path("Mezura.ini"),
            "[colors]\ncalcbackground=\" 65280\"\nREADOUTBACKGROUND=255\n"
            "[SETTINGS]\naccuracy=True\nCALCTOP=1440\n");
  const SettingsStore store(Path("Mezura.ini"));
  EXPECT_EQ(store.Read("Colors", "CalcBackGround"), " 65280");
  const Settings s = store.Load(Context());
  EXPECT_EQ(s.calcBackground, 65280);
  EXPECT_EQ(s.readoutBackground, 255);
  EXPECT_EQ(s.choices.accuracy, kAccuracy32);
  EXPECT_EQ(s.calcTop, 1440);
}

TEST_F(StorageIo, WritingAKeyReplacesItsOtherSpellings) {
  WriteFile(Path("Mezura.ini"), "[Colors]\nCalcBackGround=255\n");
  {
    SettingsStore store(Path("Mezura.ini"));
    store.Write("Colors", "CalcBackground", " 65280");
    ASSERT_EQ(store.Sync(), QString());
  }
  QSettings raw(Path("Mezura.ini"), QSettings::IniFormat);
  raw.beginGroup("Colors");
  EXPECT_EQ(raw.childKeys(), QStringList{"CalcBackground"});
  EXPECT_EQ(raw.value("CalcBackground").toString(), " 65280");
}

TEST_F(StorageIo, GarbageInTheFileFallsBackToTheDefaults) {
  WriteFile(Path("Mezura.ini"),
            "[Settings]\nZoom=perhaps\nShowTape=0\nCalcTop=1, 2\nCalcLeft=@Variant(\\0\\0\\0\\x7f)\n"
            "ConvTop=999999999999\n[Colors]\nMemoryBackground=green\nConvReadout=\" 12\"\n");
  const Settings defaults = DefaultSettings(Context());
  const Settings s = SettingsStore(Path("Mezura.ini")).Load(Context());
  EXPECT_EQ(s.choices.zoomSmall, defaults.choices.zoomSmall);
  EXPECT_FALSE(s.choices.showTape);
  EXPECT_EQ(s.calcTop, defaults.calcTop);
  EXPECT_EQ(s.calcLeft, defaults.calcLeft);
  EXPECT_EQ(s.convTop, defaults.convTop);
  EXPECT_EQ(s.memoryBackground, defaults.memoryBackground);
  EXPECT_EQ(s.convReadout, 12);
}

TEST_F(StorageIo, MemoryFileSaveAndLoad) {
  const MemoryFileData data{1575, 1635, 4800, 3600, 1935, {{"Memory 1", "0."}, {"Größe", " 3 1/2\" "}}};
  const QString path = Path("lumber.mem");
  ASSERT_EQ(MemoryFileIo::Save(path, data), QString());
  EXPECT_EQ(ReadFile(path), QByteArray::fromStdString(WriteMemoryFile(data).bytes));
  const MemoryFileReadResult in = MemoryFileIo::Load(path);
  EXPECT_EQ(in.status, MemoryFileStatus::Ok);
  EXPECT_EQ(in.data, data);
}

TEST_F(StorageIo, MissingAndUnreadableFiles) {
  EXPECT_EQ(MemoryFileIo::Load(Path("none.mem")).status, MemoryFileStatus::Missing);
  EXPECT_EQ(MemoryFileIo::Load(m_dir.path()).status, MemoryFileStatus::Missing);

  WriteFile(Path("big.mem"), QByteArray(2048, ' '));
  const MemoryFileIo::Bytes read = MemoryFileIo::ReadBytes(Path("big.mem"), 1024);
  EXPECT_FALSE(read.ok);
  EXPECT_TRUE(read.error.contains("too large")) << read.error.toStdString();
  EXPECT_TRUE(MemoryFileIo::ReadBytes(Path("big.mem"), 2048).ok);

  // A file that opens but fails to read, whatever the user's rights.
  if (QFile::exists("/proc/self/mem")) {
    const MemoryFileReadResult proc = MemoryFileIo::Load("/proc/self/mem");
    EXPECT_EQ(proc.status, MemoryFileStatus::Unreadable);
    EXPECT_TRUE(QString::fromStdString(proc.reason).startsWith("Cannot read")) << proc.reason;
  }

  WriteFile(Path("locked.mem"), " 0\n 0\n 0\n 0\n 0\n 0\n");
  QFile::setPermissions(Path("locked.mem"), QFileDevice::WriteOwner);
  if (QFile(Path("locked.mem")).open(QIODevice::ReadOnly)) GTEST_SKIP() << "running with rights that ignore permissions";
  const MemoryFileReadResult in = MemoryFileIo::Load(Path("locked.mem"));
  EXPECT_EQ(in.status, MemoryFileStatus::Unreadable);
  EXPECT_NE(in.reason, "");
}

TEST_F(StorageIo, AFailedSaveReportsWhyAndLeavesTheOldFileWhole) {
  const QString folder = Path("readonly");
  ASSERT_TRUE(QDir().mkdir(folder));
  const QString path = folder + "/cells.mem";
  const MemoryFileData old{0, 0, 100, 100, 1935, {{"Old", " 1\" "}}};
  ASSERT_EQ(MemoryFileIo::Save(path, old), QString());
  const QByteArray before = ReadFile(path);

  QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
  const MemoryFileData next{0, 0, 100, 100, 1935, {{"New", " 2\" "}, {"More", " 3\" "}}};
  const QString error = MemoryFileIo::Save(path, next);
  const bool folderWasWritable = error.isEmpty();
  QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
  if (folderWasWritable) GTEST_SKIP() << "running with rights that ignore permissions";

  EXPECT_TRUE(error.contains("cells.mem")) << error.toStdString();
  EXPECT_EQ(ReadFile(path), before);
  EXPECT_EQ(QDir(folder).entryList(QDir::Files), QStringList{"cells.mem"});  // no temporary left
}

TEST_F(StorageIo, ASaveWhoseTemporaryFileCannotBeMadeLeavesTheOldFileWhole) {
  // A name at the file system's limit leaves no room for the temporary
  // file's suffix; this fails for every user, root included.
  const QString path = Path(QString(250, 'm') + ".mem");
  WriteFile(path, "old bytes");
  const QString error = MemoryFileIo::Save(path, {0, 0, 100, 100, 1935, {{"New", " 2\" "}}});
  EXPECT_TRUE(error.startsWith("Cannot save")) << error.toStdString();
  EXPECT_EQ(ReadFile(path), "old bytes");
}

TEST_F(StorageIo, DataThatCannotBeSavedIsRefusedBeforeTheFileIsTouched) {
  const QString path = Path("cells.mem");
  WriteFile(path, "keep me");
  MemoryFileData data;
  data.width = kMemoryFileGeometryLimit + 1;
  EXPECT_NE(MemoryFileIo::Save(path, data), QString());
  EXPECT_EQ(ReadFile(path), "keep me");
}

TEST_F(StorageIo, AWriteThatFailsAtAnyStepLeavesTheOldFileWholeAndNoTemporary) {
  const QString path = Path("cells.mem");
  WriteFile(path, "old bytes");
  for (Step step : {Step::Open, Step::Write, Step::Flush, Step::Commit}) {
    SCOPED_TRACE(static_cast<int>(step));
    const QString error = FailingFileWriter(path, step).Write(QByteArray(100000, 'n'));
    EXPECT_TRUE(error.startsWith("Cannot save")) << error.toStdString();
    EXPECT_TRUE(error.contains("cells.mem") && error.contains("injected fault")) << error.toStdString();
    EXPECT_EQ(ReadFile(path), "old bytes");
    EXPECT_EQ(QDir(m_dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"cells.mem"});
  }
  EXPECT_EQ(WriteFileAtomically(path, "new bytes"), QString());
  EXPECT_EQ(ReadFile(path), "new bytes");
}

// The disk fills up under the save: once before the save (the bytes sit in
// QSaveFile's buffer until the flush) and once in the middle of a large file.
TEST_F(StorageIo, ASaveOntoAFullDiskSaysSoAndLeavesTheOldFileWhole) {
  const MemoryFileData old{1575, 1635, 4800, 3600, 1935, {{"Memory 1", "0."}}};
  const MemoryFileData next{1575, 1635, 4800, 3600, 1935, {{"Memory 1", " 3'- 1\" "}, {"Memory 2", "0."}}};
  struct Case {
    const char* name;
    int kibibytes;
    bool fillFirst;
    QByteArray bytes;  // empty: the memory file `next`
  };
  for (const Case& c : {Case{"full before the save", 64, true, {}},
                        Case{"fills in the middle of 1 MB", 256, false, QByteArray(1 << 20, 'x')}}) {
    SCOPED_TRACE(c.name);
    testing::TinyTmpfs disk(c.kibibytes);
    if (!disk.Error().isEmpty()) GTEST_SKIP() << disk.Error().toStdString();
    const QString path = disk.Path("x.mem");
    ASSERT_EQ(MemoryFileIo::Save(path, old), QString());
    const QByteArray before = ReadFile(path);
    ASSERT_FALSE(before.isEmpty());
    if (c.fillFirst) {
      ASSERT_TRUE(disk.Fill());
    }
    const qint64 freeBefore = disk.FreeBytes();

    const QString error = c.bytes.isEmpty() ? MemoryFileIo::Save(path, next) : WriteFileAtomically(path, c.bytes);
    EXPECT_TRUE(error.contains("x.mem") && error.contains("No space left on device")) << error.toStdString();
    EXPECT_EQ(ReadFile(path), before);
    EXPECT_EQ(disk.FreeBytes(), freeBefore);  // the temporary file is gone
  }
}

// ---- Cells kept after Exit --------------------------------------------------

TEST_F(StorageIo, KeptCellsRoundTripAndADamagedFileIsMovedAsideWhole) {
  const MemoryFileData two{1575, 1635, 4200, 1300, 2100, {{"Deck", " 12'- 3 1/2\" "}, {"B", " 4'- 0\" sq. "}}};
  KeptCells kept(Path("share/Mezura"));  // a folder made on demand
  EXPECT_EQ(kept.Load().data, std::nullopt);
  ASSERT_EQ(kept.Save(two), QString());
  EXPECT_EQ(KeptCells(Path("share/Mezura")).Load().data, two);

  const std::string full = WriteMemoryFile(two).bytes;
  const struct {
    QByteArray bytes;
    std::size_t cellsLoaded;
  } cases[] = {{"no memory file\r\n", 0}, {QByteArray::fromStdString(full.substr(0, full.rfind("B\r\n") + 3)), 1}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.cellsLoaded);
    for (const QString& name : QDir(Path("share/Mezura")).entryList(QDir::Files)) QFile::remove(Path("share/Mezura/" + name));
    WriteFile(kept.FilePath(), c.bytes);
    const KeptCells::Loaded loaded = kept.Load();
    EXPECT_EQ(loaded.data ? loaded.data->cells.size() : 0, c.cellsLoaded);
    const QStringList aside = QDir(Path("share/Mezura")).entryList({"kept-cells.mem.*"});
    ASSERT_EQ(aside.size(), 1);
    EXPECT_TRUE(QRegularExpression(R"(^kept-cells\.mem\.\d{4}-\d\d-\d\d-\d{6}\.damaged$)").match(aside.first()).hasMatch());
    EXPECT_EQ(ReadFile(Path("share/Mezura/" + aside.first())), c.bytes);
    EXPECT_TRUE(loaded.notice.contains(aside.first())) << loaded.notice.toStdString();
    EXPECT_EQ(kept.Save(two), QString());  // this session's cells go in its place
  }
  // A file where the folder should be: the failure is told.
  WriteFile(Path("blocked"), "x");
  EXPECT_TRUE(KeptCells(Path("blocked")).Save(two).contains("not kept"));
}

}  // namespace
}  // namespace mezura
