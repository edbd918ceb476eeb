#include "FileSizeLimit.h"
#include "FakeTimeSource.h"
#include "MessageCollector.h"
#include "ZoneFixtures.h"
#include "nettime/NetworkTimePage.h"
#include "shell/MainForm.h"
#include "shell/PopupHints.h"
#include "shell/SettingsColor.h"
#include "timezones/InternationalPage.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTemporaryDir>
#include <QTest>
#include <QToolTip>
#include <memory>

namespace {
const QColor blue(0, 0, 255);
const QColor red(255, 0, 0);

// The text a first save writes when nothing was changed.
const QByteArray freshFile = "[Cities]\n"
                             "City1=0\n"
                             "City2=1\n"
                             "City3=2\n"
                             "City4=3\n"
                             "City5=4\n"
                             "City6=5\n"
                             "[default]\n"
                             "Militarytime=0\n"
                             "Hints=1\n"
                             "SetPCClock=0\n"
                             "AvgTimeErr=0\n"
                             "NTPHost=0\n"
                             "TimeColor=16711680\n"
                             "CityTime1Color=16711680\n"
                             "CityTime2Color=16711680\n"
                             "CityTime3Color=16711680\n"
                             "CityTime4Color=16711680\n"
                             "CityTime5Color=16711680\n"
                             "CityTime6Color=16711680\n"
                             "CityFont=Arial\n"
                             "CityFontSize=10\n"
                             "Y2KCountDownColor=16711680\n"
                             "Y2KMonthCountDownColor=16711680\n"
                             "AutoSynch=0\n"
                             "SynchPeriod=0\n"
                             "[defaul]\n"
                             "NumberOfHits=1\n";

QList<ZoneRecord> eightZones()
{
    QList<ZoneRecord> zones;
    for (int i = 0; i < 8; ++i)
        zones << ZoneOf(QStringLiteral("Zone %1").arg(i),
                        QStringLiteral("(UTC+0%1:00) Zone %1").arg(i), ZoneRules(-60 * i));
    return zones;
}

void writeFile(const QString &path, const QByteArray &text)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(text);
}

// The main window on a fake clock, eight zones and a settings file in a scratch folder,
// shown, so that its show handler has loaded the settings.
struct Window {
    explicit Window(const std::optional<QByteArray> &settings = std::nullopt,
                    const QString &folder = {})
        : path((folder.isEmpty() ? dir.path() : folder) + QStringLiteral("/Meridane.ini"))
    {
        if (settings)
            writeFile(path, *settings);
        Services services;
        services.clock = &clock;
        services.zones = &zones;
        services.settingsFile = path;
        form = std::make_unique<TMainForm>(services);
        form->show();
    }
    QByteArray file() const
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<no file>");
    }
    QStringList errors() const
    {
        QStringList texts;
        for (const UserMessage &m : messages.messages)
            if (m.kind == UserMessage::Kind::Error && !m.text.startsWith(QLatin1String("Cannot open file")))
                texts << m.text;
        return texts;
    }
    TNetworkTimePage &net() const { return *form->Internet; }
    TInternationalPage &cities() const { return *form->International; }

    MessageCollector messages;
    QTemporaryDir dir;
    QString path;
    FakeTimeSource clock;
    FixtureZoneSource zones{eightZones()};
    std::unique_ptr<TMainForm> form;
};
} // namespace

class MainFormSettingsTest : public QObject
{
    Q_OBJECT
private slots:
    void firstStartWithoutFile();
    void everyKeyRoundTrips();
    void settingsSurviveRestart();
    void colours_data();
    void colours();
    void synchPeriod_data();
    void synchPeriod();
    void autoSynchRunsClickOnlyOnChange_data();
    void autoSynchRunsClickOnlyOnChange();
    void positionOutsideListSelectsNone_data();
    void positionOutsideListSelectsNone();
    void hints_data();
    void hints();
    void userLinesSurviveSave();
    void failedSaveKeepsOldFile_data();
    void failedSaveKeepsOldFile();
    void closeAfterFailedShowKeepsStoredSettings();
};

void MainFormSettingsTest::firstStartWithoutFile()
{
    Window w;
    for (int i = 0; i < 6; ++i) {
        QCOMPARE(w.cities().City[i]->currentIndex(), i);
        QCOMPARE(w.cities().City[i]->font().family(), QStringLiteral("Arial"));
        QCOMPARE(w.cities().City[i]->font().pointSize(), 10);
        QCOMPARE(FontColor(w.cities().CityTime[i]), blue);
    }
    QCOMPARE(w.form->Display24Hour->isChecked(), false);
    QCOMPARE(w.form->Hints1->isChecked(), true);
    QCOMPARE(PopupHintsEnabled(), true);
    QCOMPARE(w.net().SetPCClock->isChecked(), false);
    QCOMPARE(w.net().Synch_Every->isChecked(), false);
    QCOMPARE(w.net().SynchPeriod->itemIndex(), 0);
    QVERIFY(w.net().SynchPeriod->isEnabled());
    QCOMPARE(w.net().HostList->currentIndex(), 0);
    QCOMPARE(FontColor(w.form->TimeDisp), blue);
    QCOMPARE(w.form->Drift.AvgTimeErr, 0.0f);
    QCOMPARE(w.form->Drift.NumberOfHits, 1);
    QVERIFY(w.form->Timer1.isActive());
    QCOMPARE(w.file(), QByteArray("<no file>")); // loading writes nothing

    w.form->SaveSettings1Click();
    QCOMPARE(w.errors(), QStringList());
    QCOMPARE(w.file(), freshFile);
}

void MainFormSettingsTest::everyKeyRoundTrips()
{
    // Every key away from its default; what a save writes back is the same text.
    const QByteArray stored = "[Cities]\n"
                              "City1=7\n"
                              "City2=6\n"
                              "City3=-1\n"
                              "City4=3\n"
                              "City5=0\n"
                              "City6=1\n"
                              "[default]\n"
                              "Militarytime=1\n"
                              "Hints=0\n"
                              "SetPCClock=1\n"
                              "AvgTimeErr=0.100000001490116\n"
                              "NTPHost=2\n"
                              "TimeColor=255\n"
                              "CityTime1Color=65280\n"
                              "CityTime2Color=1\n"
                              "CityTime3Color=256\n"
                              "CityTime4Color=65536\n"
                              "CityTime5Color=8421504\n"
                              "CityTime6Color=16777215\n"
                              "CityFont=Courier New\n"
                              "CityFontSize=14\n"
                              "Y2KCountDownColor=4660\n"
                              "Y2KMonthCountDownColor=1193046\n"
                              "AutoSynch=1\n"
                              "SynchPeriod=1\n"
                              "[defaul]\n"
                              "NumberOfHits=5\n";
    Window w(stored);
    QCOMPARE(w.cities().City[0]->currentIndex(), 7);
    QCOMPARE(w.cities().City[2]->currentIndex(), -1);
    QCOMPARE(w.form->Display24Hour->isChecked(), true);
    QCOMPARE(w.form->Hints1->isChecked(), false);
    QCOMPARE(w.net().SetPCClock->isChecked(), true);
    QCOMPARE(w.net().Synch_Every->isChecked(), true);
    QCOMPARE(w.net().SynchPeriod->itemIndex(), 1);
    QCOMPARE(w.net().HostList->currentIndex(), 2);
    QCOMPARE(w.form->Drift.AvgTimeErr, 0.1f);
    QCOMPARE(w.form->Drift.NumberOfHits, 5);
    QCOMPARE(FontColor(w.form->TimeDisp), red);
    QCOMPARE(FontColor(w.cities().CityTime[0]), QColor(0, 255, 0));
    QCOMPARE(FontColor(w.cities().CityTime[4]), QColor(128, 128, 128));
    for (QComboBox *list : w.cities().City) {
        QCOMPARE(list->font().family(), QStringLiteral("Courier New"));
        QCOMPARE(list->font().pointSize(), 14);
    }

    w.form->SaveSettings1Click();
    QCOMPARE(w.errors(), QStringList());
    QCOMPARE(w.file(), stored);
}

void MainFormSettingsTest::settingsSurviveRestart()
{
    QTemporaryDir folder;
    {
        Window first(std::nullopt, folder.path());
        TMainForm &form = *first.form;
        form.Display24Hour->setChecked(true);
        form.Hints1->setChecked(false);
        SetFontColor(form.TimeDisp, red);
        SetFontColor(first.cities().CityTime[5], QColor(1, 2, 3));
        for (QComboBox *list : first.cities().City) // as the font menu does: all six at once
            list->setFont(QFont(QStringLiteral("DejaVu Sans"), 16));
        first.cities().City[0]->setCurrentIndex(6);
        first.net().SetPCClock->setChecked(true);
        first.net().Synch_Every->setChecked(true);
        first.net().SynchPeriod->setItemIndex(2);
        first.net().HostList->setCurrentIndex(1);
        form.Drift = {0.25f, 4};
        QVERIFY(form.close());
        QCOMPARE(first.errors(), QStringList());
    }
    Window second(std::nullopt, folder.path());
    TMainForm &form = *second.form;
    QCOMPARE(form.Display24Hour->isChecked(), true);
    QCOMPARE(form.Hints1->isChecked(), false);
    QCOMPARE(PopupHintsEnabled(), false);
    QCOMPARE(FontColor(form.TimeDisp), red);
    QCOMPARE(FontColor(second.cities().CityTime[5]), QColor(1, 2, 3));
    for (QComboBox *list : second.cities().City) {
        QCOMPARE(list->font().family(), QStringLiteral("DejaVu Sans"));
        QCOMPARE(list->font().pointSize(), 16);
    }
    QCOMPARE(second.cities().City[0]->currentIndex(), 6);
    QCOMPARE(second.cities().City[1]->currentIndex(), 1);
    QCOMPARE(second.net().SetPCClock->isChecked(), true);
    QCOMPARE(second.net().Synch_Every->isChecked(), true);
    QCOMPARE(second.net().SynchPeriod->itemIndex(), 2);
    QCOMPARE(second.net().HostList->currentIndex(), 1);
    QCOMPARE(form.Drift.AvgTimeErr, 0.25f);
    QCOMPARE(form.Drift.NumberOfHits, 4);
}

void MainFormSettingsTest::colours_data()
{
    QTest::addColumn<QByteArray>("value");
    QTest::addColumn<QColor>("expected");

    QTest::newRow("0x") << QByteArray("0xFF") << red;
    QTest::newRow("dollar") << QByteArray("$FF") << red;
    QTest::newRow("decimal") << QByteArray("255") << red;
    QTest::newRow("0X, green byte") << QByteArray("0X00FF00") << QColor(0, 255, 0);
    QTest::newRow("top byte ignored") << QByteArray("0x01FF0000") << blue;
    QTest::newRow("word") << QByteArray("red") << blue;
    QTest::newRow("empty") << QByteArray("") << blue;
}

void MainFormSettingsTest::colours()
{
    QFETCH(QByteArray, value);
    QFETCH(QColor, expected);
    Window w("[default]\nTimeColor=" + value + "\nCityTime3Color=" + value + "\n");
    QCOMPARE(FontColor(w.form->TimeDisp), expected);
    QCOMPARE(FontColor(w.cities().CityTime[2]), expected);
    QCOMPARE(FontColor(w.cities().CityTime[1]), blue);
}

void MainFormSettingsTest::synchPeriod_data()
{
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<int>("selected");

    QTest::newRow("at startup") << QByteArray("0") << 0;
    QTest::newRow("hourly") << QByteArray("1") << 1;
    QTest::newRow("daily") << QByteArray("2") << 2;
    QTest::newRow("past the end selects daily") << QByteArray("7") << 2;
    QTest::newRow("negative selects none") << QByteArray("-5") << -1;
    QTest::newRow("word gives the default") << QByteArray("often") << 0;
}

void MainFormSettingsTest::synchPeriod()
{
    QFETCH(QByteArray, stored);
    QFETCH(int, selected);
    Window w("[default]\nSynchPeriod=" + stored + "\n");
    QCOMPARE(w.net().SynchPeriod->itemIndex(), selected);
    w.form->SaveSettings1Click();
    QVERIFY(w.file().contains("\nSynchPeriod=" + QByteArray::number(selected) + "\n"));
}

void MainFormSettingsTest::autoSynchRunsClickOnlyOnChange_data()
{
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<bool>("checked");

    QTest::newRow("on") << QByteArray("1") << true;
    QTest::newRow("off") << QByteArray("0") << false;
    QTest::newRow("missing") << QByteArray() << false;
}

void MainFormSettingsTest::autoSynchRunsClickOnlyOnChange()
{
    QFETCH(QByteArray, stored);
    QFETCH(bool, checked);
    Window w(stored.isNull() ? QByteArray() : "[default]\nAutoSynch=" + stored + "\n");
    QCOMPARE(w.net().Synch_Every->isChecked(), checked);
    // The period group is built enabled; only clearing the box by hand disables it.
    QVERIFY(w.net().SynchPeriod->isEnabled());
}

void MainFormSettingsTest::positionOutsideListSelectsNone_data()
{
    QTest::addColumn<QByteArray>("key");
    QTest::addColumn<QByteArray>("stored");

    QTest::newRow("zone list past its end") << QByteArray("City2") << QByteArray("8");
    QTest::newRow("zone list negative") << QByteArray("City2") << QByteArray("-3");
    QTest::newRow("server list past its end") << QByteArray("NTPHost") << QByteArray("100000");
    QTest::newRow("server list negative") << QByteArray("NTPHost") << QByteArray("-1");
}

void MainFormSettingsTest::positionOutsideListSelectsNone()
{
    QFETCH(QByteArray, key);
    QFETCH(QByteArray, stored);
    const QByteArray section = key == "NTPHost" ? "default" : "Cities";
    Window w("[" + section + "]\n" + key + "=" + stored + "\n");
    QComboBox *list = key == "NTPHost" ? w.net().HostList : w.cities().City[1];
    QVERIFY(list->count() >= 3);
    QCOMPARE(list->currentIndex(), -1);
    // A list with no selection is stored as -1.
    w.form->SaveSettings1Click();
    QVERIFY(w.file().contains("\n" + key + "=-1\n"));
}

void MainFormSettingsTest::hints_data()
{
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<bool>("on");

    QTest::newRow("off") << QByteArray("0") << false;
    QTest::newRow("on") << QByteArray("1") << true;
}

void MainFormSettingsTest::hints()
{
    QFETCH(QByteArray, stored);
    QFETCH(bool, on);
    Window w("[default]\nHints=" + stored + "\n");
    QCOMPARE(w.form->Hints1->isChecked(), on);
    QCOMPARE(PopupHintsEnabled(), on);

    QLabel *control = w.form->TimeDisp;
    control->show();
    QToolTip::hideText();
    QHelpEvent ask(QEvent::ToolTip, QPoint(5, 5), control->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(control, &ask);
    QCOMPARE(QToolTip::isVisible(), on);
    QToolTip::hideText();

    // The status bar shows the hint under the pointer whether pop-ups are on or off.
    QStatusTipEvent tip(control->statusTip());
    QApplication::sendEvent(control, &tip);
    QCOMPARE(w.form->SB->currentMessage(), QStringLiteral("Current local time"));
}

void MainFormSettingsTest::userLinesSurviveSave()
{
    Window w("; my clock, set up by hand\n"
             "[cities]\n"
             "City1=2\n"
             "[Extra]\n"
             "Note=keep\n"
             "[DEFAULT]\n"
             "MILITARYTIME=1\n"
             "a line that is no key\n"
             "Theme=dark\n");
    QCOMPARE(w.form->Display24Hour->isChecked(), true);
    QCOMPARE(w.cities().City[0]->currentIndex(), 2);

    w.form->SaveSettings1Click();
    QByteArray expected = "; my clock, set up by hand\n"
                          "[cities]\n"
                          "City1=2\n"
                          "City2=1\n"
                          "City3=2\n"
                          "City4=3\n"
                          "City5=4\n"
                          "City6=5\n"
                          "[Extra]\n"
                          "Note=keep\n"
                          "[DEFAULT]\n"
                          "MILITARYTIME=1\n"
                          "a line that is no key\n"
                          "Theme=dark\n";
    // The rest of "default" and the "defaul" section as a fresh file has them.
    const QByteArray fresh = freshFile;
    expected += fresh.mid(fresh.indexOf("Hints=1"));
    QCOMPARE(w.file(), expected);
}

void MainFormSettingsTest::failedSaveKeepsOldFile_data()
{
    QTest::addColumn<bool>("closing");
    QTest::addColumn<bool>("stopWatchRunning");

    QTest::newRow("File > Save Settings") << false << false;
    QTest::newRow("closing") << true << false;
    QTest::newRow("closing, stopwatch running") << true << true;
}

void MainFormSettingsTest::failedSaveKeepsOldFile()
{
    QFETCH(bool, closing);
    QFETCH(bool, stopWatchRunning);
    const QByteArray old = "; mine\n[default]\nMilitarytime=0\n";
    Window w(old);
    w.form->Display24Hour->setChecked(true);
    if (stopWatchRunning)
        w.form->Timer2.start();

    {
        // Tests run as root, whom no folder permission stops: a full disk does.
        FileSizeLimit full(16);
        if (closing)
            QVERIFY(!w.form->close());
        else
            w.form->SaveSettings1Click();
    }
    QCOMPARE(w.errors(), QStringList{QStringLiteral("Unable to write to ") + w.path});
    QCOMPARE(w.file(), old);
    QCOMPARE(QDir(w.dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("Meridane.ini")});

    // The window stays open with its clocks going, and closes once the cause is gone.
    QVERIFY(w.form->isVisible());
    QVERIFY(w.form->Timer1.isActive());
    QCOMPARE(w.form->Timer2.isActive(), stopWatchRunning);
    QVERIFY(w.form->close());
    QVERIFY(!w.form->isVisible());
    QVERIFY(w.file().startsWith("; mine\n[default]\nMilitarytime=1\n"));
}

void MainFormSettingsTest::closeAfterFailedShowKeepsStoredSettings()
{
    // A zone catalogue that cannot be read stops the show handler before the settings are
    // applied; closing then must not write the window's built-in values over the user's.
    MessageCollector messages;
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Meridane.ini"));
    const QByteArray stored = "[default]\nMilitarytime=1\nTimeColor=255\n[Cities]\nCity1=1\n";
    writeFile(path, stored);
    FakeTimeSource clock;
    FixtureZoneSource zones({ZoneOf(QStringLiteral("A"), QStringLiteral("(GMT) Alpha"), ZoneRules(0)),
                             {QStringLiteral("B"), QStringLiteral("(GMT) Bravo"),
                              TziBytes(ZoneRules(0)) + QByteArray(17, '\0')}});
    Services services;
    services.clock = &clock;
    services.zones = &zones;
    services.settingsFile = path;
    TMainForm form(services);
    form.show();
    QVERIFY(!form.Timer1.isActive());
    QVERIFY(messages.texts().contains(QStringLiteral("Could not open Meridane.ini file")));

    QVERIFY(form.close());
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), stored);
}

QTEST_MAIN(MainFormSettingsTest)
#include "tst_mainformsettings.moc"
