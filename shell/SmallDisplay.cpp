#include "shell/SmallDisplay.h"

#include "shell/Fonts.h"

#include <QCloseEvent>

TForm3::TForm3(QWidget *parent) : QWidget(parent, Qt::Tool)
{
    setObjectName(QStringLiteral("Form3"));
    setWindowTitle(QStringLiteral("Meridane"));
    setFont(ArialFont(15));
    setFixedSize(493, 42);
    move(112, 199);

    for (int i = 0; i < Cities; ++i) {
        auto *group = new QGroupBox(QStringLiteral("city%1").arg(i + 1), this);
        group->setObjectName(QStringLiteral("city%1").arg(i + 1));
        group->setGeometry(i * 82, 1, 81, 40);
        group->setFont(ArialFont(12));
        city[i] = group;

        auto *edit = new QLineEdit(QStringLiteral("CT%1").arg(i + 1), group);
        edit->setObjectName(QStringLiteral("CT%1").arg(i + 1));
        edit->setGeometry(3, i == 0 ? 15 : 14, 75, 23);
        edit->setReadOnly(true);
        edit->setFont(ArialFont(12, true));
        QPalette palette = edit->palette();
        palette.setColor(QPalette::Base, QColor(0xC0, 0xDC, 0xC0));
        edit->setPalette(palette);
        edit->setAccessibleName(edit->objectName());
        CT[i] = edit;
    }
}

void TForm3::ShowCity(int row, const QString &zoneName, const QString &clockText)
{
    CT[row]->setText(clockText);
    city[row]->setTitle(zoneName);
}

void TForm3::closeEvent(QCloseEvent *event)
{
    // Closing the small display brings the main window back; the window itself stays.
    event->ignore();
    hide();
    emit closed();
}
