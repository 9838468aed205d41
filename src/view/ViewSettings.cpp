#include "view/ViewSettings.h"

#include <QSettings>

namespace tessark {

namespace {

bool ReadSwitch(QSettings& settings, const char* key, bool defaultValue)
{
    return settings.value(key, defaultValue ? 1 : 0).toInt() != 0;
}

}  // namespace

ViewSettings ReadViewSettings(QSettings& settings)
{
    ViewSettings read;
    settings.beginGroup("Settings");
    read.switches.showAnimations = ReadSwitch(settings, "ShowAnimations", true);
    read.switches.showShades = ReadSwitch(settings, "ShowShades", true);
    read.switches.showSpawns = ReadSwitch(settings, "ShowSpawns", true);
    read.switches.showCreatures = ReadSwitch(settings, "ShowCreatures", true);
    read.switches.multiFloorSelect = ReadSwitch(settings, "MultiFloorSelect", false);
    read.forceSlowBlt = ReadSwitch(settings, "ForceSlowBlt", false);
    read.forceEnableZooming = ReadSwitch(settings, "ForceEnableZooming", false);
    settings.endGroup();
    return read;
}

void WriteViewSettings(QSettings& settings, const DisplaySwitches& switches)
{
    settings.beginGroup("Settings");
    settings.setValue("ShowAnimations", switches.showAnimations ? 1 : 0);
    settings.setValue("ShowShades", switches.showShades ? 1 : 0);
    settings.setValue("ShowSpawns", switches.showSpawns ? 1 : 0);
    settings.setValue("ShowCreatures", switches.showCreatures ? 1 : 0);
    settings.setValue("MultiFloorSelect", switches.multiFloorSelect ? 1 : 0);
    settings.endGroup();
}

}  // namespace tessark
