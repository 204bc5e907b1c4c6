#pragma once
// Saving a tape to a file of the user's choice ("Save Tape As..."): the file
// dialog, where it starts, the name it proposes, and the write itself, which
// goes through the atomic writer so that a failed save leaves an older file
// whole. What the file says is tape/tape_export.h's. The dialogs are plain
// functions so that tests can answer them; the program uses
// DesktopTapeFileDialogs().
//
//   TapeFileChoice choice = dialogs.saveFile(SuggestedTapePath(title, TapeFileFormat::Text));
//   if (!choice.path.isEmpty()) error = SaveTapeFile(store, tape, WithTapeFileSuffix(choice));

#include <QString>
#include <functional>
#include <string>

#include "tape/tape_export.h"

class QWidget;

namespace mezura {

class TapeStore;

/// The file chosen and the kind chosen with it; an empty path when cancelled.
struct TapeFileChoice {
  QString path;
  TapeFileFormat format = TapeFileFormat::Text;
};

struct TapeFileDialogs {
  /// The file to save a tape in, proposed as `suggestedPath`.
  std::function<TapeFileChoice(const QString& suggestedPath)> saveFile;
  /// Tells the user why the tape was not saved.
  std::function<void(const QString& text)> showError;
};

/// Qt's save dialog offering "Text (*.txt)" and "CSV (*.csv)", and a warning box.
TapeFileDialogs DesktopTapeFileDialogs(QWidget* owner);

/// The user's Documents folder, or the home folder where there is none.
QString DocumentsFolder();
/// A file name (without suffix) made from a tape's title: no path separators.
QString TapeFileBaseName(const std::string& title);
/// Where a tape titled `title` is proposed to be saved.
QString SuggestedTapePath(const std::string& title, TapeFileFormat format);

/// The choice as it is written: a ".txt" or ".csv" the user typed decides the
/// format; a name without any suffix gets the chosen format's.
TapeFileChoice WithTapeFileSuffix(TapeFileChoice choice);

/// Writes `tape` to the chosen file; an empty text on success, otherwise why.
QString SaveTapeFile(const TapeStore& store, int tape, const TapeFileChoice& choice);

}  // namespace mezura
