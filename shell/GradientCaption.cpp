#include "shell/GradientCaption.h"

#include "shell/Fonts.h"

#include <QAccessible>
#include <QLinearGradient>
#include <QPainter>

GradientCaption::GradientCaption(QWidget *parent) : QWidget(parent)
{
    setFont(ArialFont(13, true, true));
    setAccessibleName(m_caption);
    setFixedHeight(sizeHint().height());
}

void GradientCaption::setCaption(const QString &caption)
{
    if (caption == m_caption)
        return;
    m_caption = caption;
    setAccessibleName(caption);
    update();
}

QSize GradientCaption::sizeHint() const
{
    return {200, fontMetrics().height() + 6};
}

void GradientCaption::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    // Painted the same whether or not the window is active.
    QLinearGradient gradient(0, 0, width(), 0);
    gradient.setColorAt(0, Qt::black);
    gradient.setColorAt(1, QColor(0, 0, 128));
    painter.fillRect(rect(), gradient);

    painter.setPen(QColor(0, 255, 0));
    const QRect textArea = rect().adjusted(4, 0, -4, 0);
    // Text that does not fit is hidden from the right.
    const QString shown = fontMetrics().elidedText(m_caption, Qt::ElideRight, textArea.width());
    painter.drawText(textArea, Qt::AlignLeft | Qt::AlignVCenter, shown);
}
