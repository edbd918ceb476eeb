#include "ZoneFixtures.h"

#include <QDir>
#include <QFile>

SystemTime SundayRule(int month, int week)
{
    SystemTime rule;
    rule.wMonth = quint16(month);
    rule.wDay = quint16(week);
    rule.wHour = 2;
    return rule;
}

TziRecord ZoneRules(int bias, int daylightMonth, int daylightWeek, int standardMonth,
                    int standardWeek, int daylightBias)
{
    TziRecord rules;
    rules.Bias = bias;
    rules.DaylightBias = daylightBias;
    rules.DaylightDate = SundayRule(daylightMonth, daylightWeek);
    rules.StandardDate = SundayRule(standardMonth, standardWeek);
    return rules;
}

ZoneRecord ZoneOf(const QString &keyName, const QString &display, const TziRecord &rules)
{
    return {keyName, display, TziBytes(rules)};
}

QStringList FixtureZoneSource::keyNames() const
{
    QStringList names;
    for (const ZoneRecord &record : records)
        names << record.keyName;
    return names;
}

ZoneRecord FixtureZoneSource::read(const QString &keyName) const
{
    for (const ZoneRecord &record : records)
        if (record.keyName == keyName)
            return record;
    return {keyName, {}, {}};
}

QStringList ZoneDirectorySource::keyNames() const
{
    return QDir(m_directory).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
}

ZoneRecord ZoneDirectorySource::read(const QString &keyName) const
{
    const QDir key(QDir(m_directory).filePath(keyName));
    auto contents = [&key](const char *value) {
        QFile file(key.filePath(QLatin1String(value)));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    };
    return {keyName, QString::fromUtf8(contents("Display")), contents("TZI")};
}

void ZoneDirectorySource::Write(const QString &directory, const QList<ZoneRecord> &zones)
{
    for (const ZoneRecord &zone : zones) {
        QDir(directory).mkpath(zone.keyName);
        const QDir key(QDir(directory).filePath(zone.keyName));
        auto write = [&key](const char *value, const QByteArray &bytes) {
            if (bytes.isEmpty())
                return;
            QFile file(key.filePath(QLatin1String(value)));
            if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
                qFatal("cannot write the zone fixture %s", qPrintable(file.fileName()));
        };
        write("Display", zone.display.toUtf8());
        write("TZI", zone.tzi);
    }
}
