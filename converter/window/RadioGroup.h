#pragma once
// A titled group of radio buttons laid out in columns, with one selected index. Every change of
// the checked item is announced: a click, the keyboard, an assistive tool's toggle action or
// setItemIndex, so the page follows the item however it became checked.

#include <QGroupBox>
#include <QStringList>

class QButtonGroup;

namespace Torvane {

class RadioGroup : public QGroupBox {
    Q_OBJECT
public:
    RadioGroup(const QStringList& items, int columns, QWidget* parent = nullptr);
    int itemIndex() const;
    void setItemIndex(int index);
    QString itemText(int index) const;

signals:
    void itemIndexChanged();

private:
    QButtonGroup* m_buttons;
    QStringList m_items;
};

} // namespace Torvane
