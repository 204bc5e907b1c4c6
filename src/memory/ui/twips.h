#pragma once
// The one place where the memory windows turn twips (1/1440 inch, the unit of
// all layout arithmetic) into device-independent pixels and back.

#include <QtGlobal>

namespace mezura {

inline constexpr int kTwipsPerPixel = 15;

inline int TwipsToPixels(int twips) { return qRound(static_cast<double>(twips) / kTwipsPerPixel); }
inline int PixelsToTwips(int pixels) { return pixels * kTwipsPerPixel; }

}  // namespace mezura
