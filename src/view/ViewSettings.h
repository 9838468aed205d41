#pragma once

class QSettings;

namespace tessark {

// The view's display switches.
struct DisplaySwitches {
    bool showAnimations = true;
    bool showShades = true;
    bool showSpawns = true;
    bool showCreatures = true;
    bool multiFloorSelect = false;
    bool operator==(const DisplaySwitches&) const = default;
};

// Section "Settings" of the user's settings store, read when the view is made.
struct ViewSettings {
    DisplaySwitches switches;
    bool forceSlowBlt = false;
    bool forceEnableZooming = false;
};

// Any non-zero value means on; missing keys take their defaults.
ViewSettings ReadViewSettings(QSettings& settings);
// Writes the five switches; the two Force keys are only read.
void WriteViewSettings(QSettings& settings, const DisplaySwitches& switches);

}  // namespace tessark
