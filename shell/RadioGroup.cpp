#include "shell/RadioGroup.h"

#include <QRadioButton>
#include <QVBoxLayout>

RadioGroup::RadioGroup(const QString &caption, const QStringList &items, QWidget *parent)
    : QGroupBox(caption, parent)
{
    auto *layout = new QVBoxLayout(this);
    for (int i = 0; i < items.size(); ++i) {
        auto *button = new QRadioButton(items[i], this);
        button->setObjectName(QStringLiteral("Item%1").arg(i));
        m_group.addButton(button, i);
        layout->addWidget(button);
    }
}

int RadioGroup::itemIndex() const
{
    return m_group.checkedId();
}

void RadioGroup::setItemIndex(int index)
{
    if (QAbstractButton *button = m_group.button(index)) {
        button->setChecked(true);
        return;
    }
    // An exclusive group never lets its last checked button go, so clear it the long way.
    m_group.setExclusive(false);
    for (QAbstractButton *b : m_group.buttons())
        b->setChecked(false);
    m_group.setExclusive(true);
}
