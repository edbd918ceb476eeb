#include "nettime/ServerListEditor.h"

#include "nettime/ServerListBox.h"
#include "shell/Failure.h"
#include "shell/Hint.h"

#include <QComboBox>
#include <QGroupBox>
#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>
#include <QStyle>

TForm4::TForm4(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Form4"));
    setWindowTitle(QStringLiteral("Time Server List Edit"));
    // A tool window without border icons: the dialog ends through OK or Cancel.
    setWindowFlags(Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setFixedSize(416, 214);
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPixelSize(13);
    setFont(font);

    GroupBox1 = new QGroupBox(QStringLiteral("Time Server List"), this);
    GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
    GroupBox1->setGeometry(0, 0, 416, 171);

    ServerList = new QComboBox(GroupBox1);
    ServerList->setObjectName(QStringLiteral("ServerList"));
    ServerList->setEditable(true);
    // The list changes only through Add and Delete, and a name is added exactly as typed:
    // Enter must not insert the text, and nothing may complete it.
    ServerList->setInsertPolicy(QComboBox::NoInsert);
    ServerList->setCompleter(nullptr);
    ServerList->setGeometry(22, 30, 266, ServerList->sizeHint().height());
    SetHint(ServerList, QStringLiteral("Enter new Time servers and click Add, Select Time "
                                       "servers and click Delete"));

    AddButton = new QPushButton(QStringLiteral("Add"), GroupBox1);
    AddButton->setObjectName(QStringLiteral("AddButton"));
    AddButton->setGeometry(324, 29, 75, 25);

    DeleteButton = new QPushButton(QStringLiteral("Delete"), GroupBox1);
    DeleteButton->setObjectName(QStringLiteral("DeleteButton"));
    DeleteButton->setGeometry(324, 62, 75, 25);

    OKButton = new QPushButton(style()->standardIcon(QStyle::SP_DialogOkButton),
                               QStringLiteral("OK"), this);
    OKButton->setObjectName(QStringLiteral("OKButton"));
    OKButton->setGeometry(221, 181, 85, 25);
    OKButton->setDefault(true); // Enter; Esc rejects the dialog as Cancel does

    CancelButton = new QPushButton(style()->standardIcon(QStyle::SP_DialogCancelButton),
                                   QStringLiteral("Cancel"), this);
    CancelButton->setObjectName(QStringLiteral("CancelButton"));
    CancelButton->setGeometry(321, 181, 85, 25);

    connect(AddButton, &QPushButton::clicked, this, &TForm4::AddButtonClick);
    connect(DeleteButton, &QPushButton::clicked, this, &TForm4::DeleteButtonClick);
    connect(OKButton, &QPushButton::clicked, this, &TForm4::OKButtonClick);
    connect(CancelButton, &QPushButton::clicked, this, &TForm4::CancelButtonClick);

    // Centred on the screen rather than over the main window.
    if (const QScreen *screen = parent ? parent->screen() : QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());

    // A file that cannot be read is reported, and the dialog opens with an empty list.
    RunHandler([this] { FormCreate(); });
}

void TForm4::FormCreate()
{
    LoadServerList(ServerList);
    ServerList->setCurrentIndex(0); // also shows the first name in the edit field
}

void TForm4::AddButtonClick()
{
    const int selected = ServerList->currentIndex();
    const QString text = ServerList->currentText();
    ServerList->addItem(text);
    // A list that was empty selects its first entry by itself; the selection stays as it
    // was, and so does the edit field.
    if (ServerList->currentIndex() != selected)
        ServerList->setCurrentIndex(selected);
    ServerList->setEditText(text);
}

void TForm4::DeleteButtonClick()
{
    const int p = ServerList->currentIndex();
    if (p < 0)
        return; // nothing selected: nothing to delete, nothing changes
    ServerList->removeItem(p);
    ServerList->setCurrentIndex(p > 0 ? p - 1 : p); // none, once the list is empty
}

void TForm4::OKButtonClick()
{
    // The list is written before the dialog closes: when it cannot be, the error is shown
    // and the dialog stays open with the edits, so the user can retry or cancel.
    if (RunHandler([this] { SaveServerList(ServerList); }))
        accept();
}

void TForm4::CancelButtonClick()
{
    reject();
}
