// Writes the program's icon for the desktop's icon theme, drawn by the code
// that draws the window icon:
//   HICOLOR_DIR/<n>x<n>/apps/NAME.png   for each size of the window icon
//   HICOLOR_DIR/scalable/apps/NAME.svg
// Usage: mezura_render_icon HICOLOR_DIR NAME   (run by the build)

#include <QDir>
#include <QSaveFile>
#include <QString>
#include <cstdio>

#include "app/help/program_icon.h"

namespace {

int Fail(const QString& path, const QString& why) {
  std::fprintf(stderr, "mezura_render_icon: %s: %s\n", qPrintable(path), qPrintable(why));
  return 1;
}

}  // namespace

int main(int argc, char* argv[]) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: %s HICOLOR_DIR NAME\n", argv[0]);
    return 2;
  }
  const QDir root(QString::fromLocal8Bit(argv[1]));
  const QString name = QString::fromLocal8Bit(argv[2]);

  for (int size : mezura::kProgramIconSizes) {
    const QString folder = QStringLiteral("%1x%1/apps").arg(size);
    const QString path = root.filePath(folder + QLatin1Char('/') + name + QStringLiteral(".png"));
    if (!root.mkpath(folder)) return Fail(root.filePath(folder), QStringLiteral("cannot create the folder"));
    if (!mezura::ProgramIconImage(size).save(path, "PNG")) return Fail(path, QStringLiteral("cannot write"));
  }

  const QString folder = QStringLiteral("scalable/apps");
  if (!root.mkpath(folder)) return Fail(root.filePath(folder), QStringLiteral("cannot create the folder"));
  QSaveFile svg(root.filePath(folder + QLatin1Char('/') + name + QStringLiteral(".svg")));
  const QByteArray document = mezura::ProgramIconSvg(256);
  if (!svg.open(QIODevice::WriteOnly)) return Fail(svg.fileName(), svg.errorString());
  if (svg.write(document) != document.size() || !svg.flush()) {
    svg.cancelWriting();
    return Fail(svg.fileName(), svg.errorString());
  }
  if (!svg.commit()) return Fail(svg.fileName(), svg.errorString());
  return 0;
}
