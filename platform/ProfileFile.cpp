#include "platform/ProfileFile.h"

#include "platform/ReplaceFile.h"
#include "shell/CFormat.h"
#include "shell/Failure.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace {
[[noreturn]] void unableToWrite(const QString &path)
{
    throw Failure(cformat("Unable to write to %s", qUtf8Printable(path)));
}
} // namespace

QString DefaultSettingsFile()
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    if (folder.isEmpty())
        folder = QDir::homePath() + QStringLiteral("/.config");
    return folder + QStringLiteral("/Meridane/Meridane.ini");
}

ProfileText ReadProfile(const QString &path)
{
    if (path.isEmpty())
        return {};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return ProfileText(file.readAll());
}

ProfileText ReadProfileForUpdate(const QString &path)
{
    QFile file(path);
    if (!file.exists())
        return {};
    if (!file.open(QIODevice::ReadOnly))
        unableToWrite(path);
    const QByteArray text = file.readAll();
    if (file.error() != QFileDevice::NoError)
        unableToWrite(path);
    return ProfileText(text);
}

void WriteProfile(const QString &path, const ProfileText &text)
{
    if (path.isEmpty())
        unableToWrite(path);
    QDir().mkpath(QFileInfo(path).absolutePath());
    if (!ReplaceFileContents(path, text.toByteArray()))
        unableToWrite(path);
}
