#pragma once
// The screen and window sizes the settings tests read and write against.

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

}  // namespace mezura::testing
