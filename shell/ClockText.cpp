#include "shell/ClockText.h"

#include "shell/CFormat.h"

ShownHour DisplayHour(int hour, bool display24Hour)
{
    if (hour == 24)
        hour = 0;
    if (display24Hour)
        return {hour, ""};
    if (hour == 0)
        return {12, "am"};
    if (hour < 12)
        return {hour, "am"};
    if (hour == 12)
        return {12, "pm"};
    return {hour - 12, "pm"};
}

LocalClockTexts MakeLocalClockTexts(QTime local, QTime utc, bool display24Hour)
{
    const ShownHour shown = DisplayHour(local.hour(), display24Hour);
    const int minute = local.minute();
    const int second = local.second();

    LocalClockTexts texts;
    if (display24Hour) {
        texts.clock = cformat("%2d:%2.2d:%2.2d", shown.hour, minute, second);
        texts.clockPointSize = 48;
    } else {
        texts.clock = cformat("%2d:%2.2d:%2.2d%s", shown.hour, minute, second, shown.suffix);
        texts.clockPointSize = 42;
    }
    texts.caption = cformat("Meridane - Local Time is %2d:%2.2d:%2.2d", shown.hour, minute, second);
    texts.shortTitle = cformat("Meridane - %2d:%2.2d:%2.2d", shown.hour, minute, second);
    texts.utc = cformat("%2.2d:%2.2d:%2.2d", utc.hour(), utc.minute(), utc.second());
    return texts;
}
