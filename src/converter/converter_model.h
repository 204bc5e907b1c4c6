#pragma once
// The unit converter's behaviour: what a dropped measurement shows in the
// drop label and the result labels (imperial units, then the same value in
// metric units), the collapsed/expanded state, the labels' width for a
// window width, and where the window goes beside the calculator. Window-free; the Converter window (converter/ui/converter.h)
// shows this state, the calculator decides when to show the window.
//
//   ConverterModel model;                 // collapsed, " Drop Here     "
//   model.Drop(" 5'- 6\"", 16);           // expands; ResultCaption(3) == " 66\" "
//   model.ToggleCollapsed();              // Form_DblClick
//   model.Clear();                        // Label1_DblClick: empty, then toggles

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "measure/measurement.h"
#include "measure/metric_units.h"

namespace mezura {

inline constexpr int32_t kConverterExpandedHeight = 3210;   ///< twips, all labels in view
inline constexpr int32_t kConverterCollapsedHeight = 770;   ///< twips, only the drop label
inline constexpr int32_t kConverterLabelMargin = 240;       ///< window width − label width, twips
inline constexpr int32_t kConverterGap = 200;               ///< twips between calculator and converter
inline constexpr std::string_view kDropHereCaption = " Drop Here     ";
inline constexpr std::string_view kDropHereClearedCaption = "Drop Here     ";
/// The result labels are lblLabel(2) to lblLabel(9): the imperial units in
/// 2 to 6, the metric ones from 7 on.
inline constexpr int kFirstResultLabel = 2;
inline constexpr int kFirstMetricLabel = 7;
inline constexpr int kLastResultLabel = 9;
inline constexpr int kResultLabelCount = kLastResultLabel - kFirstResultLabel + 1;

/// The texts one drop writes. A label whose figure cannot be shown (a value
/// that is not finite, or beyond the four-decimal fixed-point range) is
/// nullopt and keeps its previous caption.
struct ConversionTexts {
  std::string dropCaption;  ///< the text trimmed, then one blank
  Dimension dimension = Dimension::Linear;
  std::array<std::optional<std::string>, kResultLabelCount> results;  ///< lblLabel(2) to lblLabel(9)
};

/// The conversion of a dropped text: its dimension ("cu" first, then "sq")
/// and the result texts. `accuracy` is one of kAccuracies, for the linear form.
/// Lengths show mm, cm and m; areas cm², m² and an empty label; volumes cm³,
/// m³ and litres.
ConversionTexts ConvertMeasurement(std::string_view text, int accuracy);

/// One converter figure: rounded to four decimals (halves to even), in short
/// number form, then `suffix`; nullopt when it cannot be shown.
std::optional<std::string> ConverterFigure(double value, std::string_view suffix);
/// The same for `value` × `factor`. The product with the factor's digits is
/// a double (exact for the values measurements take, such as 1/32"); the
/// division by its power of ten is done in decimal, so that an exact tie
/// (.79375 mm) is rounded as one.
std::optional<std::string> ConverterFigure(double value, DecimalFactor factor, std::string_view suffix);

/// Where the converter goes when shown: top-aligned with the calculator, 200
/// twips to its right when the calculator's centre is left of the screen's
/// centre, else 200 twips to its left. All in twips.
struct ConverterPlacement {
  int32_t left = 0;
  int32_t top = 0;
};
ConverterPlacement PlaceConverterBeside(int32_t calcLeft, int32_t calcTop, int32_t calcWidth,
                                        int32_t screenLeft, int32_t screenWidth,
                                        int32_t converterWidth);

/// The labels' width for a window's outer width (both twips).
int32_t ConverterLabelWidth(double windowWidthTwips);

class ConverterModel {
 public:
  /// The drop label's caption.
  const std::string& DropCaption() const { return m_dropCaption; }
  /// lblLabel(index)'s caption, index 2 to 9 (others give an empty text).
  const std::string& ResultCaption(int index) const;
  bool Collapsed() const { return m_collapsed; }
  /// The window's outer height that the state calls for, twips.
  int32_t HeightTwips() const { return m_collapsed ? kConverterCollapsedHeight : kConverterExpandedHeight; }

  /// Label1_DragDrop: shows the conversion of `text` and expands.
  void Drop(std::string_view text, int accuracy);
  /// Form_DblClick: collapses an expanded converter, expands a collapsed one.
  void ToggleCollapsed() { m_collapsed = !m_collapsed; }
  /// Label1_DblClick: the drop label back to "Drop Here", results empty, then toggles.
  void Clear();

 private:
  std::string m_dropCaption{kDropHereCaption};
  std::array<std::string, kResultLabelCount> m_results;
  bool m_collapsed = true;  // collapsed when first shown
};

}  // namespace mezura
