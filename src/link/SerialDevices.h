#pragma once

#include <QString>

class Settings;

// Which device each of the ports COM1..COM4 names. The settings keys "COM1" to
// "COM4" (section "Settings") override the system's default, so a USB adapter
// or a pseudo-terminal can stand in without rebuilding.
namespace serialdevices {

QString defaultDevice(int portNumber);
QString device(const Settings &settings, int portNumber);
QString settingsKey(int portNumber);

} // namespace serialdevices
