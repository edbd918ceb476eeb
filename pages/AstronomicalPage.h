#pragma once

#include <QLabel>
#include <QWidget>

// The "Astronomical" page: moon, sun and meteor showers, and the UTC time of day.
class TAstronomicalPage : public QWidget
{
    Q_OBJECT
public:
    explicit TAstronomicalPage(QWidget *parent = nullptr);

    QLabel *Label9 = nullptr;
    QLabel *UTC = nullptr;
};
