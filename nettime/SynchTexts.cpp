#include "nettime/SynchTexts.h"

#include "nettime/WinsockErrors.h"
#include "shell/CFormat.h"

#include <ctime>
#include <locale.h>

namespace
{
QByteArray bytes(const QString &text)
{
    return text.toUtf8();
}

locale_t cLocale()
{
    static const locale_t locale = newlocale(LC_ALL_MASK, "C", locale_t(nullptr));
    return locale;
}
} // namespace

QString ResolveFailedText(const QString &hostName, qint32 winsockError)
{
    return cformat("Unable to resolve host name %s %s", bytes(hostName).constData(),
                   bytes(WinsockErrorText(winsockError)).constData());
}

QString SocketFailedText(qint32 winsockError)
{
    return cformat("Socket call failed %s", bytes(WinsockErrorText(winsockError)).constData());
}

QString RecvFailedText(qint32 winsockError)
{
    return cformat("Recv %d; service probably not running", winsockError);
}

QString NoTimeText(const QString &hostName)
{
    return cformat("Time from %s didn't come in..", bytes(hostName).constData());
}

QString TimeFromText(const QString &hostName, qint64 secondsSince1970)
{
    return cformat("Time from %s: %s", bytes(hostName).constData(),
                   bytes(LocalTimeText("%H:%M:%S  %a %b %d %Y %Z", secondsSince1970)).constData());
}

QString LocalTimeText(const char *format, qint64 secondsSince1970)
{
    const std::time_t t = std::time_t(secondsSince1970);
    std::tm tm{};
    if (!localtime_r(&t, &tm))
        return {};
    char text[256];
    const locale_t locale = cLocale();
    if (!locale)
        return {};
    // The formats are the callers' literals, checked at each call through this function's
    // own format attribute.
    const size_t length = strftime_l(text, sizeof text, format, &tm, locale);
    return QString::fromLocal8Bit(text, qsizetype(length));
}

SynchResultTexts MakeSynchResultTexts(const QString &hostName, const TimeReading &reading,
                                      float avgTimeErr)
{
    SynchResultTexts texts;
    texts.TimeDiff = cformat("%d Sec", reading.error);
    texts.AvgErr = cformat("%2.3f Sec", double(avgTimeErr));
    texts.Latency = cformat("%d mSec", int(reading.latencyMs));
    texts.NetTime = LocalTimeText("%H:%M:%S %Z", reading.correctTime);
    texts.NetDate = LocalTimeText("%A %B %d %Y", reading.correctTime);
    texts.status = TimeFromText(hostName, reading.correctTime);
    return texts;
}
