#pragma once

#include "platform/ProfileText.h"

#include <QString>

// Where the settings file lives: "Meridane.ini" in the Meridane folder of the user's
// configuration folder ($XDG_CONFIG_HOME, normally ~/.config). Reads and writes both use it.
QString DefaultSettingsFile();

// The file's text for reading values: a missing or unreadable file reads as empty, so every
// value takes its default.
ProfileText ReadProfile(const QString &path);

// The file's text to change and write back. A file that exists but cannot be read throws
// Failure "Unable to write to <path>": writing over it would lose what it holds.
ProfileText ReadProfileForUpdate(const QString &path);

// Replaces the file with the text as a whole: the new file is written beside the old one and
// renamed over it, so a crash or a full disk leaves the previous file as it was. Creates the
// folder when it is missing. Throws Failure "Unable to write to <path>" when it cannot.
void WriteProfile(const QString &path, const ProfileText &text);
