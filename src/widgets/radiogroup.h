#pragma once

#include <QButtonGroup>
#include <QGroupBox>
#include <QStringList>

// A captioned group of radio buttons with one chosen item. Clicked is sent whenever the chosen item
// changes, by the user or by SetItemIndex.
class TRadioGroup : public QGroupBox
{
    Q_OBJECT

  public:
    TRadioGroup(const QString& caption, const QStringList& items, QWidget* parent = nullptr);

    int ItemIndex() const { return index_; }
    // Chooses an item; sends Clicked only when the item actually changes.
    void SetItemIndex(int index);
    class QRadioButton* Button(int index) const;

  signals:
    void Clicked(int index);

  private:
    QButtonGroup group_;
    int index_ = 0;
};
