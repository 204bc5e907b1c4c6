#pragma once
// One memory cell's window inside the container: the cell's name as caption
// and its value in the yellow label Label1. It keeps no data of its own (the
// cell lives in MemoryModel) and hands every event to the MemoryController,
// which owns what the events mean.

#include <QMdiSubWindow>

#include "measure/colour_number.h"

namespace mezura {

class MemoryController;
class ValueLabel;

class MemoryForm : public QMdiSubWindow {
  Q_OBJECT

 public:
  MemoryForm(MemoryController& controller, int number, QWidget* parent = nullptr);

  int CellNumber() const { return m_number; }
  ValueLabel* Label1() const { return m_label; }
  QWidget* Client() const { return m_client; }

  void SetValue(const QString& value);
  void SetColours(ColourNumber background, ColourNumber readout);
  void SetBackground(ColourNumber colour);
  void SetReadoutColour(ColourNumber colour);
  /// A frame around the value while this is the cell the memory keys use.
  void SetActiveMark(bool active);
  /// The value label's width for a window width, both twips.
  void SetLabelWidthTwips(int twips);
  /// The value text's width in the label's font, twips.
  int ValueTextWidthTwips() const;
  /// The window height that shows the title bar and the value label, twips.
  static int NeededHeightTwips();

 protected:
  void resizeEvent(QResizeEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  MemoryController& m_controller;
  int m_number;
  QWidget* m_client;
  ValueLabel* m_label;
  bool m_pressed = false;
};

}  // namespace mezura
