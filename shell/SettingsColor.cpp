#include "shell/SettingsColor.h"

#include <QWidget>

QColor ColorFromSetting(qint32 value)
{
    const quint32 bits = quint32(value);
    return QColor(int(bits & 0xFF), int((bits >> 8) & 0xFF), int((bits >> 16) & 0xFF));
}

qint32 SettingFromColor(const QColor &color)
{
    const QColor rgb = color.toRgb();
    return qint32(quint32(rgb.red()) | quint32(rgb.green()) << 8 | quint32(rgb.blue()) << 16);
}

QColor FontColor(const QWidget *control)
{
    return control->palette().color(control->foregroundRole());
}

void SetFontColor(QWidget *control, const QColor &color)
{
    QPalette palette = control->palette();
    palette.setColor(control->foregroundRole(), color);
    control->setPalette(palette);
}
