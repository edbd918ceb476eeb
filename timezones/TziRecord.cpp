#include "timezones/TziRecord.h"

#include "shell/CFormat.h"
#include "shell/Failure.h"

#include <QtEndian>

namespace {
constexpr int ruleSize = 16;

SystemTime readRule(const uchar *bytes)
{
    auto field = [bytes](int index) { return qFromLittleEndian<quint16>(bytes + 2 * index); };
    return {field(0), field(1), field(2), field(3), field(4), field(5), field(6), field(7)};
}

void writeRule(uchar *bytes, const SystemTime &rule)
{
    const quint16 fields[] = {rule.wYear, rule.wMonth,  rule.wDayOfWeek, rule.wDay,
                              rule.wHour, rule.wMinute, rule.wSecond,    rule.wMilliseconds};
    for (int i = 0; i < 8; ++i)
        qToLittleEndian<quint16>(fields[i], bytes + 2 * i);
}
} // namespace

TziRecord ReadTzi(QByteArrayView bytes)
{
    if (bytes.size() > TziMaxSize)
        throw Failure(cformat("The TZI value of %lld bytes is longer than %d bytes",
                              static_cast<long long>(bytes.size()), TziMaxSize));
    if (bytes.size() < TziSize)
        return {};
    const auto *data = reinterpret_cast<const uchar *>(bytes.data());
    TziRecord record;
    record.Bias = qFromLittleEndian<qint32>(data);
    record.StandardBias = qFromLittleEndian<qint32>(data + 4);
    record.DaylightBias = qFromLittleEndian<qint32>(data + 8);
    record.StandardDate = readRule(data + 12);
    record.DaylightDate = readRule(data + 12 + ruleSize);
    return record;
}

QByteArray TziBytes(const TziRecord &record)
{
    QByteArray bytes(TziSize, '\0');
    auto *data = reinterpret_cast<uchar *>(bytes.data());
    qToLittleEndian<qint32>(record.Bias, data);
    qToLittleEndian<qint32>(record.StandardBias, data + 4);
    qToLittleEndian<qint32>(record.DaylightBias, data + 8);
    writeRule(data + 12, record.StandardDate);
    writeRule(data + 12 + ruleSize, record.DaylightDate);
    return bytes;
}
