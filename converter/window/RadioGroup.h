#pragma once
// A titled group of radio buttons laid out in columns, with one selected index. Setting the
// index from code announces it the same way a user's click does, so the page follows it.

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
    void clicked();

private:
    QButtonGroup* m_buttons;
    QStringList m_items;
};

} // namespace Torvane
