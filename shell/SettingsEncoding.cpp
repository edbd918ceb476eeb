#include "shell/SettingsEncoding.h"

#include <QLocale>
#include <cmath>
#include <limits>

namespace {
int hexDigit(QChar c)
{
    if (c >= u'0' && c <= u'9')
        return c.unicode() - u'0';
    if (c >= u'a' && c <= u'f')
        return c.unicode() - u'a' + 10;
    if (c >= u'A' && c <= u'F')
        return c.unicode() - u'A' + 10;
    return -1;
}

std::optional<qint32> parseHex(QStringView digits)
{
    if (digits.isEmpty())
        return std::nullopt;
    quint64 value = 0;
    for (QChar c : digits) {
        const int digit = hexDigit(c);
        if (digit < 0)
            return std::nullopt;
        value = value * 16 + quint64(digit);
        if (value > std::numeric_limits<quint32>::max())
            return std::nullopt;
    }
    return qint32(quint32(value));
}

std::optional<qint32> parseDecimal(QStringView text)
{
    bool negative = false;
    if (text.startsWith(u'-') || text.startsWith(u'+')) {
        negative = text.front() == u'-';
        text = text.sliced(1);
    }
    if (text.isEmpty())
        return std::nullopt;
    qint64 value = 0;
    for (QChar c : text) {
        if (c < u'0' || c > u'9')
            return std::nullopt;
        value = value * 10 + (c.unicode() - u'0');
        if (value > qint64(std::numeric_limits<qint32>::max()) + 1)
            return std::nullopt;
    }
    if (negative)
        value = -value;
    if (value > std::numeric_limits<qint32>::max())
        return std::nullopt;
    return qint32(value);
}
} // namespace

std::optional<qint32> ParseSettingInteger(QStringView text)
{
    if (text.startsWith(u'$'))
        return parseHex(text.sliced(1));
    if (text.size() > 2 && (text.startsWith(u"0x") || text.startsWith(u"0X")))
        return parseHex(text.sliced(2));
    return parseDecimal(text);
}

qint32 ReadSettingInteger(const std::optional<QString> &text, qint32 fallback)
{
    if (!text)
        return fallback;
    return ParseSettingInteger(*text).value_or(fallback);
}

bool ReadSettingBoolean(const std::optional<QString> &text, bool fallback)
{
    if (!text)
        return fallback;
    const std::optional<qint32> value = ParseSettingInteger(*text);
    return value ? *value != 0 : fallback;
}

float ReadSettingFloating(const std::optional<QString> &text, float fallback)
{
    if (!text || text->isEmpty())
        return fallback;
    // The C locale, strictly: "0,5" is not a half, and neither it nor "1,000" is a number.
    QLocale c = QLocale::c();
    c.setNumberOptions(QLocale::RejectGroupSeparator);
    bool ok = false;
    const double value = c.toDouble(*text, &ok);
    // "nan" and "inf" parse, but a drift figure that is not a number would never recover.
    if (!ok || !std::isfinite(value) || !std::isfinite(float(value)))
        return fallback;
    return float(value);
}

QString ReadSettingText(const std::optional<QString> &text, const QString &fallback)
{
    if (!text)
        return fallback;
    if (text->size() <= SettingTextLimit)
        return *text;
    qsizetype length = SettingTextLimit;
    if (text->at(length - 1).isHighSurrogate())
        --length; // never leave half a character behind
    return text->left(length);
}

QString WriteSettingInteger(qint32 value)
{
    return QString::number(value);
}

QString WriteSettingBoolean(bool value)
{
    return value ? QStringLiteral("1") : QStringLiteral("0");
}

QString WriteSettingFloating(float value)
{
    // QString::number formats in the C locale, whatever QLocale::setDefault says.
    return QString::number(double(value), 'g', 15);
}
