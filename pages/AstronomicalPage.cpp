#include "pages/AstronomicalPage.h"

#include "shell/Fonts.h"

TAstronomicalPage::TAstronomicalPage(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Astronomical"));

    Label9 = new QLabel(QStringLiteral("UTC:"), this);
    Label9->setObjectName(QStringLiteral("Label9"));
    Label9->move(8, 196);

    UTC = new QLabel(QStringLiteral("00:00"), this);
    UTC->setObjectName(QStringLiteral("UTC"));
    UTC->setFont(ArialFont(27, true));
    QPalette palette = UTC->palette();
    palette.setColor(QPalette::WindowText, QColor(0, 0, 128));
    UTC->setPalette(palette);
    UTC->setGeometry(40, 186, 140, 32);
}
