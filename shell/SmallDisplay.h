#pragma once

#include <QGroupBox>
#include <QLineEdit>
#include <QWidget>
#include <array>

// The small display window: the six zone clocks in a strip, shown instead of the main
// window when the program is minimised with the small display chosen.
class TForm3 : public QWidget
{
    Q_OBJECT
public:
    explicit TForm3(QWidget *parent = nullptr);

    static constexpr int Cities = 6;
    std::array<QGroupBox *, Cities> city{}; // city1..city6: the zone's name
    std::array<QLineEdit *, Cities> CT{};   // CT1..CT6: the zone's clock

    // Shows one zone clock: `row` counts from 0.
    void ShowCity(int row, const QString &zoneName, const QString &clockText);

signals:
    void closed();

protected:
    void closeEvent(QCloseEvent *event) override;
};
