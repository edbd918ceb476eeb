#pragma once

#include <QColor>
#include <QtGlobal>

class QWidget;

// Stored colours are 0x00BBGGRR: red in the low byte, then green, then blue. The top byte is
// not a colour and is ignored.
QColor ColorFromSetting(qint32 value);
qint32 SettingFromColor(const QColor &color);

// The colour of a control's text (its font colour): the colour of its foreground role.
QColor FontColor(const QWidget *control);
void SetFontColor(QWidget *control, const QColor &color);
