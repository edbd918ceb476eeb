#pragma once

#include <QString>
#include <QTime>

// An hour as the clocks show it: under the 12-hour setting 0 becomes 12 "am" and 13..23
// become 1..11 "pm". Hour 24, which only a zone clock in its daylight hour reaches, shows
// as midnight. In the 24-hour form the suffix is empty.
struct ShownHour {
    int hour;
    const char *suffix;
};
ShownHour DisplayHour(int hour, bool display24Hour);

// Everything the one-second tick writes about the local and UTC time.
struct LocalClockTexts {
    QString clock;       // the large digital clock
    int clockPointSize;  // its font size: the 12-hour text is longer, so it is set smaller
    QString caption;     // the gradient caption and the small display's title
    QString shortTitle;  // the task-bar button and the notification-area hint
    QString utc;         // the UTC label, always 24-hour
};
LocalClockTexts MakeLocalClockTexts(QTime local, QTime utc, bool display24Hour);
