#pragma once
// A strip of labels kept over the columns of a grid, so a column's heading follows the
// column's width whatever the window's size.

#include <QList>
#include <QWidget>

class QLabel;
class QTableWidget;

class GridColumnLabels : public QWidget {
    Q_OBJECT

public:
    // The labels become children of the strip; label k heads column k.
    GridColumnLabels(QTableWidget* grid, const QList<QLabel*>& labels, QWidget* parent = nullptr);

    QTableWidget* grid() const { return m_grid; }
    const QList<QLabel*>& labels() const { return m_labels; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void moveEvent(QMoveEvent* event) override;

private:
    void place();

    QTableWidget* m_grid;
    QList<QLabel*> m_labels;
};
