#include "shell/Fonts.h"

QFont ArialFont(int pixels, bool bold, bool italic)
{
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(pixels);
    font.setBold(bold);
    font.setItalic(italic);
    return font;
}
