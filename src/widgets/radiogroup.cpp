#include "widgets/radiogroup.h"

#include <QRadioButton>
#include <QVBoxLayout>

TRadioGroup::TRadioGroup(const QString& caption, const QStringList& items, QWidget* parent)
    : QGroupBox(caption, parent)
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 2, 6, 2);
    layout->setSpacing(0);
    for (int i = 0; i < items.size(); ++i) {
        auto* b = new QRadioButton(items[i], this);
        group_.addButton(b, i);
        layout->addWidget(b);
    }
    if (!items.isEmpty())
        Button(0)->setChecked(true);
    connect(&group_, &QButtonGroup::idClicked, this, [this](int id) { SetItemIndex(id); });
}

QRadioButton* TRadioGroup::Button(int index) const
{
    return qobject_cast<QRadioButton*>(group_.button(index));
}

void TRadioGroup::SetItemIndex(int index)
{
    if (QRadioButton* b = Button(index))
        b->setChecked(true);
    if (index == index_)
        return;
    index_ = index;
    emit Clicked(index);
}
