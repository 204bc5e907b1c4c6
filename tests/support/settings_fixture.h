#pragma once
// The screen and window sizes the settings tests read and write against, and
// settings that differ from the defaults in every key.

#include "storage/settings_model.h"

namespace mezura::testing {

// A 1920 x 1080 screen; the sizes are whole twips so the defaults are exact.
inline SettingsContext TestSettingsContext() {
  SettingsContext c;
  c.screenWidth = 28800;
  c.screenHeight = 16200;
  c.calcWidth = 3600;
  c.calcHeight = 5000;
  c.convWidth = 1815;
  c.convHeight = 2310;
  c.mdiWidth = 6000;
  c.mdiHeight = 4000;
  c.screens = {{0, 0, 28800, 15600}};
  return c;
}

/// Every key away from its default, each to a different value, so a key that
/// is written under one name and read under another cannot pass a round trip.
inline Settings SettingsWithEveryKeyChanged() {
  Settings s;
  s.choices.zoomSmall = true;
  s.choices.accuracy = kAccuracy32;
  s.choices.converterShown = true;
  s.choices.showKeys = false;
  s.choices.showTape = false;
  s.choices.keepCells = true;
  s.calcTop = 100;
  s.calcLeft = 200;
  s.convTop = 300;
  s.convLeft = 28000;  // partly off the right edge, but grabbable
  s.mdiTop = 15000;
  s.mdiLeft = -2000;
  s.calcBackground = 1;
  s.readoutBackground = 2;
  s.memoryBackground = 3;
  s.memoryReadout = 0xFFFFFF;
  s.converterColor = 0;
  s.convReadout = 65280;
  s.convResult = 255;
  return s;
}

}  // namespace mezura::testing
