#pragma once
// Where the help file "mezura.hlp" is found. An installed program finds it in
// its data folder (share/mezura/mezura.hlp under an XDG data folder, or under
// the prefix the program was installed to); a program run from its build
// folder finds the copy beside it, and failing that the one in the sources.
//
// Use:
//   HelpWindow help(owner, LocateHelpFile());

#include <QCoreApplication>
#include <QString>
#include <QStringList>

namespace mezura {

/// The help file's name and the data folder that holds it when installed.
inline constexpr const char* kHelpFileName = "mezura.hlp";
inline constexpr const char* kDataFolderName = "mezura";

/// The places the help file is looked for, best first: "mezura/mezura.hlp"
/// in each XDG data folder ($XDG_DATA_HOME, then $XDG_DATA_DIRS); the share
/// folder of the prefix that holds `programDir` (an install that the XDG
/// folders do not list); `programDir` itself; the source tree.
QStringList HelpFileCandidates(const QString& programDir);

/// The first candidate that is a file. When there is none, the place an
/// install would have put it beside `programDir`, for the message that says
/// the help is missing.
QString LocateHelpFile(const QString& programDir = QCoreApplication::applicationDirPath());

}  // namespace mezura
