#pragma once

#include <QByteArray>
#include <QSettings>

// The settings file's format: INI as Qt writes it, read and written in one pass over the text.
// Qt's own INI reader spends tens of milliseconds on a list of 32767 colors; this one a few.
// Files written by Qt's INI format read the same here, and files written here read the same there.
QSettings::Format settingsFileFormat();

// Whether a file read in this format had lines that made no sense since the last call.
bool takeDamageNotice(const QString& fileName);

// Parses the text into settings keyed "section/key"; false when a line had no meaning, in which
// case what could be read is still in the map.
bool parseIniText(const QByteArray& text, QSettings::SettingsMap& settings);
QByteArray iniText(const QSettings::SettingsMap& settings);
