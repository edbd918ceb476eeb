#pragma once

#include <QButtonGroup>
#include <QGroupBox>
#include <QStringList>

// A captioned group of radio buttons with one selected position, or none (-1).
class RadioGroup : public QGroupBox
{
    Q_OBJECT
public:
    RadioGroup(const QString &caption, const QStringList &items, QWidget *parent = nullptr);

    int itemIndex() const;
    void setItemIndex(int index); // an index outside the items selects none
    int count() const { return int(m_group.buttons().size()); }

private:
    QButtonGroup m_group;
};
