#include "FakeTimeSource.h"
#include "MessageCollector.h"
#include "ScratchDirectory.h"
#include "nettime/NetworkTimePage.h"
#include "nettime/ServerListEditor.h"
#include "shell/MainForm.h"

#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>

namespace {
const QString hostsFile = QStringLiteral("mdhosts.txt");

QStringList itemsOf(const QComboBox *list)
{
    QStringList items;
    for (int i = 0; i < list->count(); ++i)
        items << list->itemText(i);
    return items;
}

// Shows the dialog as a user sees it, without blocking the test.
void openForKeys(TForm4 &dialog)
{
    dialog.open();
    QApplication::setActiveWindow(&dialog);
    dialog.ServerList->setFocus();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
}
} // namespace

// The "Time Server List Edit" dialog and File > Configure Time Servers.
class ServerListEditorTest : public QObject
{
    Q_OBJECT
private slots:
    void opensWithTheFileAsWritten();
    void missingFileOpensEmptyAndOkCreatesIt();
    void addAppendsTheEditText_data();
    void addAppendsTheEditText();
    void deleteSelectsThePreviousEntry_data();
    void deleteSelectsThePreviousEntry();
    void okWritesTheListWithCrLf();
    void enterPressesOkWithoutAddingTheTypedName();
    void cancelWritesNothing_data();
    void cancelWritesNothing();
    void failedWriteKeepsTheDialogAndTheEdits();
    void configureTimeServersReloadsOnlyOnOk_data();
    void configureTimeServersReloadsOnlyOnOk();
};

void ServerListEditorTest::opensWithTheFileAsWritten()
{
    ScratchDirectory dir;
    dir.write(hostsFile, "first.example\nsecond.example\r\n\r\nfirst.example");
    TForm4 dialog;
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Time Server List Edit"));
    QVERIFY(dialog.windowFlags().testFlag(Qt::Tool));
    QVERIFY(!dialog.windowFlags().testFlag(Qt::WindowCloseButtonHint));
    QCOMPARE(dialog.size(), QSize(416, 214));
    QCOMPARE(dialog.GroupBox1->title(), QStringLiteral("Time Server List"));
    QVERIFY(dialog.ServerList->isEditable());
    QCOMPARE(dialog.ServerList->toolTip(),
             QStringLiteral("Enter new Time servers and click Add, Select Time servers and click "
                            "Delete"));
    QVERIFY(dialog.OKButton->isDefault());
    QCOMPARE(dialog.AddButton->text(), QStringLiteral("Add"));
    QCOMPARE(dialog.DeleteButton->text(), QStringLiteral("Delete"));
    QCOMPARE(dialog.CancelButton->text(), QStringLiteral("Cancel"));

    QCOMPARE(itemsOf(dialog.ServerList),
             (QStringList{"first.example", "second.example", "", "first.example"}));
    QCOMPARE(dialog.ServerList->currentIndex(), 0);
    QCOMPARE(dialog.ServerList->currentText(), QStringLiteral("first.example"));
}

void ServerListEditorTest::missingFileOpensEmptyAndOkCreatesIt()
{
    ScratchDirectory dir;
    MessageCollector messages;
    TForm4 dialog;
    QCOMPARE(messages.texts(), QStringList{"Cannot open file mdhosts.txt"});
    QCOMPARE(messages.messages.first().kind, UserMessage::Kind::Error);
    QCOMPARE(dialog.ServerList->count(), 0);
    QCOMPARE(dialog.ServerList->currentIndex(), -1);

    // Adding to the empty list selects nothing, so Delete has nothing to delete.
    dialog.ServerList->setEditText(QStringLiteral("new.example"));
    dialog.AddButton->click();
    QCOMPARE(dialog.ServerList->currentIndex(), -1);
    dialog.DeleteButton->click();
    QCOMPARE(itemsOf(dialog.ServerList), QStringList{"new.example"});

    dialog.OKButton->click();
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(dir.read(hostsFile), QByteArray("new.example\r\n"));
}

void ServerListEditorTest::addAppendsTheEditText_data()
{
    QTest::addColumn<bool>("typed");
    QTest::addColumn<QString>("text");

    QTest::newRow("nothing typed: copy of the shown entry") << false << QString();
    QTest::newRow("new name") << true << QStringLiteral("new.example");
    QTest::newRow("empty field") << true << QString();
    QTest::newRow("spaces kept") << true << QStringLiteral("  spaced.example ");
    QTest::newRow("duplicate") << true << QStringLiteral("b.example");
}

void ServerListEditorTest::addAppendsTheEditText()
{
    QFETCH(bool, typed);
    QFETCH(QString, text);
    ScratchDirectory dir;
    dir.write(hostsFile, "a.example\r\nb.example\r\n");
    TForm4 dialog;
    openForKeys(dialog);
    if (typed) {
        dialog.ServerList->lineEdit()->clear();
        QTest::keyClicks(dialog.ServerList->lineEdit(), text);
    } else {
        text = QStringLiteral("a.example");
    }
    QCOMPARE(dialog.ServerList->currentText(), text);

    dialog.AddButton->click();
    QCOMPARE(itemsOf(dialog.ServerList), (QStringList{"a.example", "b.example", text}));
    QCOMPARE(dialog.ServerList->currentIndex(), 0);
    QCOMPARE(dialog.ServerList->currentText(), text);
    dialog.reject();
}

void ServerListEditorTest::deleteSelectsThePreviousEntry_data()
{
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<int>("selected");
    QTest::addColumn<QStringList>("left");
    QTest::addColumn<int>("selectedAfter");

    const QStringList five = {"1", "2", "3", "4", "5"};
    QTest::newRow("third of five") << five << 2 << QStringList{"1", "2", "4", "5"} << 1;
    QTest::newRow("last of five") << five << 4 << QStringList{"1", "2", "3", "4"} << 3;
    QTest::newRow("first selects the new first") << five << 0 << QStringList{"2", "3", "4", "5"} << 0;
    QTest::newRow("only entry") << QStringList{"1"} << 0 << QStringList{} << -1;
    QTest::newRow("nothing selected") << five << -1 << five << -1;
}

void ServerListEditorTest::deleteSelectsThePreviousEntry()
{
    QFETCH(QStringList, entries);
    QFETCH(int, selected);
    QFETCH(QStringList, left);
    QFETCH(int, selectedAfter);
    ScratchDirectory dir;
    dir.write(hostsFile, entries.join(QStringLiteral("\r\n")).toLatin1());
    TForm4 dialog;
    dialog.ServerList->setCurrentIndex(selected);
    dialog.ServerList->setEditText(QStringLiteral("typed"));

    dialog.DeleteButton->click();
    QCOMPARE(itemsOf(dialog.ServerList), left);
    QCOMPARE(dialog.ServerList->currentIndex(), selectedAfter);
    // The field shows the newly selected entry; with nothing selected it is left alone.
    const QString shown = selected < 0 ? QStringLiteral("typed")
                                       : selectedAfter < 0 ? QString() : left[selectedAfter];
    QCOMPARE(dialog.ServerList->currentText(), shown);
}

void ServerListEditorTest::okWritesTheListWithCrLf()
{
    ScratchDirectory dir;
    dir.write(hostsFile, "a.example\nb.example\nc.example");
    TForm4 dialog;
    dialog.ServerList->setCurrentIndex(1);
    dialog.DeleteButton->click();
    dialog.ServerList->setEditText(QStringLiteral("d.example"));
    dialog.AddButton->click();

    dialog.OKButton->click();
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(dir.read(hostsFile), QByteArray("a.example\r\nc.example\r\nd.example\r\n"));
}

void ServerListEditorTest::enterPressesOkWithoutAddingTheTypedName()
{
    ScratchDirectory dir;
    dir.write(hostsFile, "a.example\nb.example\n");
    TForm4 dialog;
    openForKeys(dialog);
    dialog.ServerList->lineEdit()->clear();
    QTest::keyClicks(dialog.ServerList->lineEdit(), QStringLiteral("typed.example"));
    QTest::keyClick(dialog.ServerList->lineEdit(), Qt::Key_Return);

    QVERIFY(!dialog.isVisible());
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(dir.read(hostsFile), QByteArray("a.example\r\nb.example\r\n"));
}

void ServerListEditorTest::cancelWritesNothing_data()
{
    QTest::addColumn<bool>("escapeKey");
    QTest::newRow("Cancel button") << false;
    QTest::newRow("Esc key") << true;
}

void ServerListEditorTest::cancelWritesNothing()
{
    QFETCH(bool, escapeKey);
    ScratchDirectory dir;
    const QByteArray file = "a.example\nb.example\n";
    dir.write(hostsFile, file);
    TForm4 dialog;
    openForKeys(dialog);
    dialog.ServerList->setEditText(QStringLiteral("c.example"));
    dialog.AddButton->click();
    dialog.DeleteButton->click();

    if (escapeKey)
        QTest::keyClick(dialog.ServerList->lineEdit(), Qt::Key_Escape);
    else
        dialog.CancelButton->click();
    QVERIFY(!dialog.isVisible());
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
    QCOMPARE(dir.read(hostsFile), file);
}

void ServerListEditorTest::failedWriteKeepsTheDialogAndTheEdits()
{
    ScratchDirectory dir;
    dir.write(hostsFile, "a.example\r\n");
    MessageCollector messages;
    TForm4 dialog;
    openForKeys(dialog);
    dialog.ServerList->setEditText(QStringLiteral("new.example"));
    dialog.AddButton->click();

    // Something else has taken the file's name meanwhile.
    QVERIFY(QFile::remove(dir.filePath(hostsFile)));
    QVERIFY(QDir().mkdir(hostsFile));
    dialog.OKButton->click();
    QCOMPARE(messages.texts(), QStringList{"Cannot create file mdhosts.txt"});
    QCOMPARE(messages.messages.first().kind, UserMessage::Kind::Error);
    QVERIFY(dialog.isVisible());
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
    QCOMPARE(itemsOf(dialog.ServerList), (QStringList{"a.example", "new.example"}));

    // Once the way is clear, OK again writes the edits.
    QVERIFY(QDir().rmdir(hostsFile));
    dialog.OKButton->click();
    QVERIFY(!dialog.isVisible());
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(dir.read(hostsFile), QByteArray("a.example\r\nnew.example\r\n"));
}

void ServerListEditorTest::configureTimeServersReloadsOnlyOnOk_data()
{
    QTest::addColumn<bool>("ok");
    QTest::newRow("OK") << true;
    QTest::newRow("Cancel") << false;
}

void ServerListEditorTest::configureTimeServersReloadsOnlyOnOk()
{
    QFETCH(bool, ok);
    ScratchDirectory dir;
    dir.copyProgramData();
    dir.write(hostsFile, "a.example\r\nb.example\r\nc.example\r\n");
    FakeTimeSource clock;
    Services services;
    services.clock = &clock;
    TMainForm form(services);
    QComboBox *hostList = form.Internet->HostList;
    QCOMPARE(itemsOf(hostList), (QStringList{"a.example", "b.example", "c.example"}));
    hostList->setCurrentIndex(2);

    // The dialog runs modally; act in it once it is up.
    bool seen = false;
    QTimer::singleShot(0, &form, [&] {
        TForm4 *dialog = nullptr;
        for (QWidget *window : QApplication::topLevelWidgets()) {
            if (auto *candidate = qobject_cast<TForm4 *>(window); candidate && candidate->isVisible())
                dialog = candidate;
        }
        if (!dialog)
            return;
        seen = dialog->isModal() && dialog->parent() == &form;
        dialog->ServerList->setEditText(QStringLiteral("d.example"));
        dialog->AddButton->click();
        (ok ? dialog->OKButton : dialog->CancelButton)->click();
    });
    form.ConfigureTimeServers1->trigger();
    QVERIFY(seen);
    QVERIFY(form.findChildren<TForm4 *>().isEmpty()); // released when it closed

    if (ok) {
        QCOMPARE(itemsOf(hostList), (QStringList{"a.example", "b.example", "c.example", "d.example"}));
        QCOMPARE(hostList->currentIndex(), 0);
    } else {
        QCOMPARE(itemsOf(hostList), (QStringList{"a.example", "b.example", "c.example"}));
        QCOMPARE(hostList->currentIndex(), 2);
        QCOMPARE(dir.read(hostsFile), QByteArray("a.example\r\nb.example\r\nc.example\r\n"));
    }
}

QTEST_MAIN(ServerListEditorTest)
#include "tst_serverlisteditor.moc"
