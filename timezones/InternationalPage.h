#pragma once

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QWidget>
#include <array>

// The "International Time" page: six zone lists, each with the clock of its chosen zone.
class TInternationalPage : public QWidget
{
    Q_OBJECT
public:
    explicit TInternationalPage(QWidget *parent = nullptr);

    static constexpr int Cities = 6;
    std::array<QComboBox *, Cities> City{};    // City1..City6
    std::array<QLabel *, Cities> CityTime{};   // CityTime1..CityTime6
    QCheckBox *DisplayDayLightSavings = nullptr;
};
