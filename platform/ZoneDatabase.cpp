#include "platform/ZoneDatabase.h"

#include "shell/CFormat.h"
#include "timezones/TziRecord.h"

#include <QDir>
#include <QFile>
#include <QTimeZone>
#include <algorithm>

namespace {

// The lines of a text file of the database, or none when it cannot be read.
QList<QByteArray> lines(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll().split('\n');
}

// tzdata.zi, the database's own compact source, names each zone on a line
// "Z <id> <rules...>" and each link (an old or alternative name) on a line "L <target> <id>".
QStringList zonesOfSource(const QString &path)
{
    QStringList names;
    for (const QByteArray &line : lines(path)) {
        if (!line.startsWith("Z "))
            continue;
        const qsizetype end = line.indexOf(' ', 2);
        names << QString::fromUtf8(line.mid(2, end < 0 ? -1 : end - 2));
    }
    return names;
}

// zone1970.tab and zone.tab list canonical zones only, the id in their third column.
QStringList zonesOfTable(const QString &path)
{
    QStringList names;
    for (const QByteArray &line : lines(path)) {
        if (line.startsWith('#'))
            continue;
        const QList<QByteArray> columns = line.split('\t');
        if (columns.size() >= 3)
            names << QString::fromUtf8(columns[2].trimmed());
    }
    return names;
}

struct OffsetChange {
    QDateTime atUtc;
    int before; // seconds east of UTC
    int after;
};

// A change as a yearly rule: the local date and time it happens at, read on the clock
// that it ends, with the week of the month counted 1..4, or 5 for the month's last week.
SystemTime ruleOf(const OffsetChange &change)
{
    const QDateTime local = change.atUtc.addSecs(change.before);
    const QDate date = local.date();
    const QTime time = local.time();
    SystemTime rule;
    rule.wMonth = quint16(date.month());
    rule.wDayOfWeek = quint16(date.dayOfWeek() % 7);
    rule.wDay = quint16(date.day() > date.daysInMonth() - 7 ? 5 : (date.day() - 1) / 7 + 1);
    rule.wHour = quint16(time.hour());
    rule.wMinute = quint16(time.minute());
    rule.wSecond = quint16(time.second());
    return rule;
}

// The zone's rules as they stand in `year`. A zone that moves between exactly two offsets,
// forth and back, keeps daylight saving: the lower offset is its standard time, so a zone
// that the database describes with a negative saving in winter (Dublin) or during Ramadan
// (Casablanca) comes out as a zone with an ordinary summer hour. The first change up is
// the start of daylight saving and the last change down its end; the end may come earlier
// in the year than the start (southern hemisphere). Any other zone gets no rules and the
// offset in force at `instant`.
TziRecord tziOfYear(const QTimeZone &zone, int year, const QDateTime &instant)
{
    const QDateTime from(QDate(year, 1, 1), QTime(0, 0), zone);
    const QDateTime to(QDate(year + 1, 1, 1), QTime(0, 0), zone);

    QList<OffsetChange> changes;
    const int startOffset = zone.offsetFromUtc(from);
    int offset = startOffset;
    int low = offset;
    int high = offset;
    for (const QTimeZone::OffsetData &transition : zone.transitions(from, to)) {
        if (transition.offsetFromUtc == offset)
            continue; // only a name or a flag changed
        changes.append({transition.atUtc, offset, transition.offsetFromUtc});
        offset = transition.offsetFromUtc;
        low = std::min(low, offset);
        high = std::max(high, offset);
    }

    const auto up = std::find_if(changes.cbegin(), changes.cend(),
                                 [high](const OffsetChange &c) { return c.after == high; });
    const auto down = std::find_if(changes.crbegin(), changes.crend(),
                                   [low](const OffsetChange &c) { return c.after == low; });
    const auto lowOrHigh = [low, high](int seconds) { return seconds == low || seconds == high; };
    const bool twoOffsets = lowOrHigh(startOffset) &&
                            std::all_of(changes.cbegin(), changes.cend(),
                                        [&](const OffsetChange &c) { return lowOrHigh(c.after); });

    TziRecord tzi;
    if (low != high && twoOffsets && up != changes.cend() && down != changes.crend()) {
        tzi.Bias = -low / 60;
        tzi.DaylightBias = -(high - low) / 60;
        tzi.DaylightDate = ruleOf(*up);
        tzi.StandardDate = ruleOf(*down);
    } else {
        tzi.Bias = -zone.offsetFromUtc(instant) / 60;
    }
    return tzi;
}

// "(UTC+05:30) ", "(UTC-03:00) ", "(UTC+00:00) ".
QString displayPrefix(int minutesEast)
{
    const int magnitude = minutesEast < 0 ? -minutesEast : minutesEast;
    return cformat("(UTC%c%2.2d:%2.2d) ", minutesEast < 0 ? '-' : '+', magnitude / 60,
                   magnitude % 60);
}

} // namespace

TzDatabaseZoneSource::TzDatabaseZoneSource(const TimeSource &clock, const QString &directory)
    : m_clock(clock), m_directory(directory)
{
}

QString TzDatabaseZoneSource::SystemDirectory()
{
    const QString configured = qEnvironmentVariable("TZDIR");
    return configured.isEmpty() ? QStringLiteral("/usr/share/zoneinfo") : configured;
}

QStringList TzDatabaseZoneSource::keyNames() const
{
    const QDir dir(m_directory);
    QStringList names = zonesOfSource(dir.filePath(QStringLiteral("tzdata.zi")));
    if (names.isEmpty())
        names = zonesOfTable(dir.filePath(QStringLiteral("zone1970.tab")));
    if (names.isEmpty())
        names = zonesOfTable(dir.filePath(QStringLiteral("zone.tab")));
    // "Factory" is the database's placeholder for a machine whose zone is not set.
    names.removeAll(QStringLiteral("Factory"));
    return names;
}

ZoneRecord TzDatabaseZoneSource::read(const QString &keyName) const
{
    ZoneRecord record{keyName, {}, {}};
    const QString name = QString(keyName).replace(QLatin1Char('_'), QLatin1Char(' '));
    const QTimeZone zone(keyName.toUtf8());
    if (!zone.isValid()) {
        // Listed but not readable: without a rule record the zone shows UTC, and says so.
        record.display = QStringLiteral("(UTC) ") + name;
        return record;
    }
    const ClockReading now = m_clock.now();
    const TziRecord tzi = tziOfYear(zone, now.local.date().year(), now.utc);
    record.display = displayPrefix(-tzi.Bias) + name;
    record.tzi = TziBytes(tzi);
    return record;
}

std::unique_ptr<ZoneSource> OpenSystemZoneSource(const TimeSource &clock)
{
    const QString directory = TzDatabaseZoneSource::SystemDirectory();
    if (QDir(directory).exists())
        return std::make_unique<TzDatabaseZoneSource>(clock, directory);
    return std::make_unique<EmptyZoneSource>();
}
