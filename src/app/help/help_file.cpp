// Where the help file is found (see the header).
#include "app/help/help_file.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace mezura {

namespace {

// From the program's folder to its data folder in the same prefix, as the
// build's install layout has it ("../share/mezura" by default).
QString InstalledDataFolder(const QString& programDir) {
  return QDir::cleanPath(programDir + QLatin1Char('/') + QStringLiteral(MEZURA_DATA_FROM_BINDIR));
}

}  // namespace

QStringList HelpFileCandidates(const QString& programDir) {
  const QString inDataFolder = QStringLiteral("%1/%2").arg(QLatin1String(kDataFolderName), QLatin1String(kHelpFileName));
  QStringList candidates;
  for (const QString& dataDir : QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation))
    candidates << QDir::cleanPath(dataDir + QLatin1Char('/') + inDataFolder);
  candidates << InstalledDataFolder(programDir) + QLatin1Char('/') + QLatin1String(kHelpFileName);
  candidates << QDir::cleanPath(programDir + QLatin1Char('/') + QLatin1String(kHelpFileName));
  candidates << QStringLiteral(MEZURA_SOURCE_HELP_FILE);
  candidates.removeDuplicates();
  return candidates;
}

QString LocateHelpFile(const QString& programDir) {
  for (const QString& candidate : HelpFileCandidates(programDir))
    if (QFileInfo(candidate).isFile()) return candidate;
  return InstalledDataFolder(programDir) + QLatin1Char('/') + QLatin1String(kHelpFileName);
}

}  // namespace mezura
