#pragma once
// The calculator window's client area below the menu bar: it paints the
// background and the display's sunken edge (Form_Paint) and reports the mouse
// presses and double-clicks that its controls let through (the labels and the
// keys' right button), so that the window can open its pop-up menu or toggle
// the keypad. The controls themselves are the calculator window's.

#include <QWidget>

namespace mezura {

class CalculatorFace : public QWidget {
  Q_OBJECT

 public:
  explicit CalculatorFace(QWidget* parent = nullptr);
  /// The control that gets the sunken edge.
  void SetEdgeControl(QWidget* control) { m_edgeControl = control; }

 signals:
  /// A mouse button went down on the background or on a control that did not
  /// take it; `target` is the widget under the pointer (this face for the background).
  void mousePressed(QWidget* target, Qt::MouseButton button, QPoint globalPos);
  void doubleClicked(QWidget* target);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;

 private:
  QWidget* Under(QPoint pos);
  QWidget* m_edgeControl = nullptr;
};

}  // namespace mezura
