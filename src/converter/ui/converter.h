#pragma once
// The Converter window: a small tool window with the drop label `Label1` and
// the result labels lblLabel(2) to lblLabel(9) (imperial units, then metric
// ones from lblLabel(7) on). It is a thin shell over ConverterModel
// (converter/converter_model.h), which decides every text and the collapsed
// state; the calculator owns when it is shown, its menu check and the
// settings that carry its place and colours.
//
//   auto* converter = new Converter(calculatorWindow);
//   converter->SetAccuracy(32);                    // with the accuracy menus
//   converter->SetConverterColor(settings.converterColor);   // and the other two
//   converter->ShowBeside(calculatorWindow);       // mnuConverter_Click, when hidden
//   connect(converter, &Converter::closedByUser, ...uncheck mnuConverter...);
//
// Drops: the mime type "application/x-mezura-value" (the value text in UTF-8)
// from our own windows, and text from outside the program that reads as a
// value (measure/outside_text.h); any other text beeps.

#include <QWidget>
#include <array>
#include <cstdint>
#include <functional>

#include "converter/converter_model.h"
#include "measure/colour_number.h"

class QLabel;

namespace mezura {

class Converter : public QWidget {
  Q_OBJECT

 public:
  explicit Converter(QWidget* parent = nullptr);

  /// Where a refused drop's beep goes (the calculator's own beep); none
  /// sounds the system beep.
  void SetBeeper(std::function<void()> beep) { m_beep = std::move(beep); }

  /// The denominator of linear results, one of kAccuracies.
  void SetAccuracy(int accuracy) { m_accuracy = accuracy; }
  void SetConverterColor(ColourNumber colour);   ///< the window
  void SetConvReadoutColor(ColourNumber colour); ///< the drop label
  void SetConvResultColor(ColourNumber colour);  ///< every result label
  ColourNumber ConverterColor() const { return m_converterColor; }
  ColourNumber ConvReadoutColor() const { return m_convReadoutColor; }
  ColourNumber ConvResultColor() const { return m_convResultColor; }

  const ConverterModel& Model() const { return m_model; }

  /// The window's place (its client area's top-left, which round-trips
  /// exactly whatever the window manager's frame) and outer size, in twips.
  int32_t LeftTwips() const;
  int32_t TopTwips() const;
  int32_t WidthTwips() const;
  int32_t HeightTwips() const;
  /// The outer size a new converter window has, before it is made.
  static int32_t StartWidthTwips();
  static int32_t StartHeightTwips();
  /// Moves the window's client area to `left`, `top` (as LeftTwips/TopTwips read it).
  void MoveTwips(int32_t left, int32_t top);
  /// Puts the window beside `calculator` (on the side away from the screen
  /// edge, top-aligned) and shows it.
  void ShowBeside(const QWidget* calculator);

  // Handlers.
  void Label1_DragDrop(const QString& text);
  void Form_DblClick();
  void Label1_DblClick();
  void Form_Resize();

 signals:
  /// The user closed the window; it is hidden, not destroyed.
  void closedByUser();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  // Form_DragOver: values may be dragged over the background, but only the
  // drop label takes them.
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dragMoveEvent(QDragMoveEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  void ShowModel();
  void ApplyHeight();
  void Beep();

  ConverterModel m_model;
  std::function<void()> m_beep;
  int m_accuracy = kAccuracy16;
  ColourNumber m_converterColor = kDefaultBackgroundColour;
  ColourNumber m_convReadoutColor = kDefaultReadoutColour;
  ColourNumber m_convResultColor = kDefaultReadoutColour;
  QLabel* m_label1 = nullptr;
  std::array<QLabel*, kResultLabelCount> m_results{};
};

}  // namespace mezura
