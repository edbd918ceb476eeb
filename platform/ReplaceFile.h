#pragma once

#include <QByteArray>
#include <QString>

// Replaces a file's whole content in one step: the new text is written beside the old file
// and renamed over it only once all of it is on disk. On any failure (no room, no right, a
// folder in the way) returns false and the old file is left exactly as it was.
bool ReplaceFileContents(const QString &path, const QByteArray &bytes);
