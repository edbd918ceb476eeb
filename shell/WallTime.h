#pragma once

#include <QDate>
#include <QDateTime>
#include <QTime>
#include <compare>

// A local wall-clock date and time as a count of milliseconds from 1899-12-30 00:00, the
// epoch of the program's date-time values. The count 0 is the empty date, which compares
// earlier than every real date-time.
struct WallTime {
    qint64 ms = 0;

    static WallTime of(QDate date, QTime time = QTime(0, 0));
    static WallTime of(const QDateTime &wallClock) { return of(wallClock.date(), wallClock.time()); }
    static constexpr WallTime empty() { return {}; }

    bool isEmpty() const { return ms == 0; }
    QDate date() const;
    auto operator<=>(const WallTime &) const = default;
};
