#include "pages/AstronomicalPage.h"

TAstronomicalPage::TAstronomicalPage(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Astronomical"));

    Label9 = new QLabel(QStringLiteral("UTC:"), this);
    Label9->setObjectName(QStringLiteral("Label9"));
    Label9->move(8, 196);

    UTC = new QLabel(QStringLiteral("00:00"), this);
    UTC->setObjectName(QStringLiteral("UTC"));
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(27);
    font.setBold(true);
    UTC->setFont(font);
    QPalette palette = UTC->palette();
    palette.setColor(QPalette::WindowText, QColor(0, 0, 128));
    UTC->setPalette(palette);
    UTC->setGeometry(40, 186, 140, 32);
}
