#include "storage/io/set_aside.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>

namespace mezura {

std::optional<QString> MoveAside(const QString& path, const QString& why) {
  const QString stem = path + QLatin1Char('.') +
                       QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd-HHmmss"));
  for (int n = 0; n < 10; ++n) {
    const QString aside = stem + (n ? QStringLiteral("-%1").arg(n) : QString()) + QLatin1Char('.') + why;
    if (!QFileInfo::exists(aside) && QFile::rename(path, aside)) return aside;
  }
  return std::nullopt;
}

}  // namespace mezura
