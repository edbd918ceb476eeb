#pragma once

#include <QWidget>

// The caption strip at the top of the main window: a gradient from black with the caption
// text in bold italic lime. It shows the ticking clock text while the window's own title
// stays "Meridane".
class GradientCaption : public QWidget
{
    Q_OBJECT
public:
    explicit GradientCaption(QWidget *parent = nullptr);

    QString caption() const { return m_caption; }
    void setCaption(const QString &caption);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString m_caption = QStringLiteral("Meridane");
};
