#pragma once
// Moving a file the program cannot use out of its way without losing it: it
// is renamed beside itself with the date and time and a word saying why
// ("Mezura.ini.2026-12-08-171500.too-large"), so that the user can still
// look at it or restore it.

#include <QString>
#include <optional>

namespace mezura {

/// Renames `path` to "<path>.<yyyy-MM-dd-HHmmss>[-n].<why>", taking the first
/// such name not yet used; the new name, or nothing when it could not be moved.
std::optional<QString> MoveAside(const QString& path, const QString& why);

}  // namespace mezura
