#include "timezones/InternationalPage.h"

#include "platform/ZoneSource.h"
#include "shell/Hint.h"
#include "timezones/CityTime.h"
#include "timezones/ZoneListModel.h"
#include "timezones/ZoneLists.h"

#include <algorithm>

namespace {
const int listTops[TInternationalPage::Cities] = {8, 38, 68, 97, 127, 157};
const int clockTops[TInternationalPage::Cities] = {5, 36, 66, 96, 125, 157};

// The clocks' bold 20-pixel face, made smaller where the font that stands in for it here is
// too wide for the clock's longest texts.
void fitClockFont(QLabel *clock)
{
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setStyleHint(QFont::SansSerif);
    font.setBold(true);
    const QString caption = clock->text();
    for (int pixels = 20; pixels > 8; --pixels) {
        font.setPixelSize(pixels);
        clock->setFont(font);
        int widest = 0;
        for (const QString &text : {QStringLiteral("12:00:00am"), QStringLiteral("12:00:00pm")}) {
            clock->setText(text);
            widest = std::max(widest, clock->sizeHint().width());
        }
        if (widest <= clock->width())
            break;
    }
    clock->setText(caption);
}
} // namespace

TInternationalPage::TInternationalPage(QWidget *parent)
    : QWidget(parent), m_zoneItems(new TZoneListModel(this))
{
    setObjectName(QStringLiteral("International"));
    for (int i = 0; i < Cities; ++i) {
        auto *list = new QComboBox(this);
        list->setObjectName(QStringLiteral("City%1").arg(i + 1));
        list->setGeometry(6, listTops[i], 368, 25);
        list->setFont(QFont(QStringLiteral("Arial"), 10));
        SetHint(list, QStringLiteral("Select an area to display its local time"));
        list->setModel(m_zoneItems);
        City[i] = list;

        auto *clock = new QLabel(QStringLiteral("00:00:00"), this);
        clock->setObjectName(QStringLiteral("CityTime%1").arg(i + 1));
        clock->setGeometry(379, clockTops[i], 123, 29);
        clock->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        clock->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        clock->setAutoFillBackground(true);
        fitClockFont(clock);
        QPalette palette = clock->palette();
        palette.setColor(QPalette::Window, Qt::black);
        palette.setColor(QPalette::WindowText, QColor(255, 0, 255));
        clock->setPalette(palette);
        SetHint(clock, QStringLiteral("Time in selected area"));
        CityTime[i] = clock;
    }
    DisplayDayLightSavings = new QCheckBox(QStringLiteral("Display Day Light Savings"), this);
    DisplayDayLightSavings->setObjectName(QStringLiteral("DisplayDayLightSavings"));
    DisplayDayLightSavings->setGeometry(9, 187, 195, 17);
    DisplayDayLightSavings->setChecked(true);
    SetHint(DisplayDayLightSavings,
            QStringLiteral("Check to display daylight savings time where it applies"));
}

void TInternationalPage::LoadTimeZones(const ZoneSource &source, int year)
{
    m_zoneItems->Clear();
    m_catalogue.Reset(year);
    QList<ZoneItem> items;
    const auto publish = [&] {
        SortZoneItems(items);
        m_zoneItems->SetItems(std::move(items));
    };
    try {
        for (const QString &keyName : source.keyNames()) {
            const ZoneRecord zone = source.read(keyName);
            const TziRecord tzi = ReadTzi(zone.tzi);
            items.append({ZoneItemText(zone.display), m_catalogue.Add(tzi)});
        }
    } catch (...) {
        // A zone that cannot be read ends the loading; the zones read before it stay listed.
        publish();
        throw;
    }
    publish();
}

void TInternationalPage::FreeZoneEntries()
{
    // The items go first, so no list ever refers to a released entry.
    m_zoneItems->Clear();
    m_catalogue.Reset(m_catalogue.year());
}

TInternationalPage::CityClock TInternationalPage::UpdateCityClock(int row, QTime utc, WallTime now,
                                                                  bool display24Hour)
{
    QComboBox *list = City[size_t(row)];
    const TTimeZoneEntry *zone = SelectedZone(list, m_catalogue);
    const QString text =
        CityTimeText(zone, utc, now, display24Hour, DisplayDayLightSavings->isChecked());
    CityTime[size_t(row)]->setText(text);
    return {text, list->currentText()};
}
