#include "memory/ui/accessible_value.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QLabel>

namespace mezura {
namespace {

// The marker that makes the factory below answer for a label.
constexpr const char* kValueProperty = "mezuraAccessibleValue";

// A static text whose value is its trimmed caption, readable through the text
// interface too: AT-SPI clients read a label's content from there.
class AccessibleValueLabel : public QAccessibleWidget, public QAccessibleTextInterface {
 public:
  explicit AccessibleValueLabel(QLabel* label) : QAccessibleWidget(label, QAccessible::StaticText) {}

  QString text(QAccessible::Text t) const override {
    if (t == QAccessible::Value) return Value();
    return QAccessibleWidget::text(t);
  }

  void* interface_cast(QAccessible::InterfaceType type) override {
    if (type == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
  }

  // QAccessibleTextInterface: the value, read only, nothing selected.
  QString text(int startOffset, int endOffset) const override {
    return Value().mid(startOffset, endOffset - startOffset);
  }
  int characterCount() const override { return static_cast<int>(Value().size()); }
  int cursorPosition() const override { return 0; }
  void setCursorPosition(int) override {}
  void selection(int, int* startOffset, int* endOffset) const override { *startOffset = *endOffset = 0; }
  int selectionCount() const override { return 0; }
  void addSelection(int, int) override {}
  void removeSelection(int) override {}
  void setSelection(int, int, int) override {}
  QRect characterRect(int) const override { return {}; }
  int offsetAtPoint(const QPoint&) const override { return -1; }
  void scrollToSubstring(int, int) override {}
  QString attributes(int offset, int* startOffset, int* endOffset) const override {
    *startOffset = *endOffset = offset;
    return {};
  }

 private:
  QString Value() const { return AccessibleValueOf(static_cast<const QLabel*>(widget())->text()); }
};

QAccessibleInterface* ValueLabelFactory(const QString&, QObject* object) {
  auto* label = qobject_cast<QLabel*>(object);
  if (label && label->property(kValueProperty).toBool()) return new AccessibleValueLabel(label);
  return nullptr;
}

}  // namespace

QString AccessibleValueOf(const QString& text) { return text.trimmed(); }

void MakeAccessibleValue(QLabel* label, const QString& name, const QString& description) {
  // Once per process; factories are tried for every widget until one answers.
  static const bool installed = (QAccessible::installFactory(ValueLabelFactory), true);
  Q_UNUSED(installed);
  label->setProperty(kValueProperty, true);
  // An interface made before the mark (a caption set while a screen reader
  // listens makes one) would stay the plain label's: it goes.
  QAccessibleInterface* made = QAccessible::queryAccessibleInterface(label);
  if (made && !dynamic_cast<AccessibleValueLabel*>(made))
    QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(made));
  label->setAccessibleName(name);
  if (!description.isEmpty()) label->setAccessibleDescription(description);
}

void SetAccessibleValueText(QLabel* label, const QString& text) {
  const QString before = AccessibleValueOf(label->text());
  label->setText(text);
  const QString after = AccessibleValueOf(text);
  if (after == before) return;
  // A static text tells a change of its text: the platform bridge (AT-SPI)
  // turns a value-change event of anything but a number into nothing.
  QAccessibleTextUpdateEvent textChanged(label, 0, before, after);
  QAccessible::updateAccessibility(&textChanged);
}

}  // namespace mezura
