#pragma once
// The modal questions the calculator window asks (confirm an erase, choose a
// memory file, choose a colour, tell the user something). They are plain
// functions so that tests can answer them without a dialog on screen; the
// program uses DesktopDialogs(), which shows Qt's dialogs.

#include <QColor>
#include <QString>
#include <functional>
#include <optional>

class QWidget;

namespace mezura {

struct CalculatorDialogs {
  /// OK (true) or Cancel (false) under an exclamation icon.
  std::function<bool(const QString& text)> confirm;
  /// A memory file to open, starting in `folder`; empty when cancelled.
  std::function<QString(const QString& folder)> openFile;
  /// A memory file to save as ("Save As", default extension "mem"); empty when cancelled.
  std::function<QString(const QString& folder)> saveFile;
  /// A colour, starting from red; nothing when cancelled.
  std::function<std::optional<QColor>()> chooseColour;
  /// A message with an OK button.
  std::function<void(const QString& text)> inform;
};

CalculatorDialogs DesktopDialogs(QWidget* owner);

/// The file dialogs' filter: memory files first, then all files.
inline constexpr char kMemoryFileFilter[] = "Memory (*.mem);;all files (*.*)";

}  // namespace mezura
