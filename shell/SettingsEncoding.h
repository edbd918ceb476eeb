#pragma once

#include <QString>
#include <QtGlobal>
#include <optional>

// How each kind of value is written in the settings file and read back. A value that is
// missing (std::nullopt) or does not convert gives the caller's default; reading never fails.

// A whole number: decimal with an optional sign, or hexadecimal when it begins "0x", "0X"
// (and is longer than that) or "$". Hexadecimal takes all 32 bits, so 0xFFFFFFFF is -1.
std::optional<qint32> ParseSettingInteger(QStringView text);

qint32 ReadSettingInteger(const std::optional<QString> &text, qint32 fallback);
bool ReadSettingBoolean(const std::optional<QString> &text, bool fallback); // non-zero is true
float ReadSettingFloating(const std::optional<QString> &text, float fallback);
QString ReadSettingText(const std::optional<QString> &text, const QString &fallback);

// The longest text a read returns; longer stored texts are cut.
constexpr qsizetype SettingTextLimit = 2047;

QString WriteSettingInteger(qint32 value);
QString WriteSettingBoolean(bool value);
// The 32-bit value widened to double, up to 15 significant digits, always with a decimal
// point whatever the user's locale, so a file reads the same everywhere: 0.1f gives
// "0.100000001490116".
QString WriteSettingFloating(float value);
