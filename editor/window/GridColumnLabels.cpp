#include "window/GridColumnLabels.h"

#include <QEvent>
#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <QTimer>

GridColumnLabels::GridColumnLabels(QTableWidget* grid, const QList<QLabel*>& labels,
                                   QWidget* parent)
    : QWidget(parent), m_grid(grid), m_labels(labels) {
    for (QLabel* label : m_labels) {
        label->setParent(this);
        label->setAlignment(Qt::AlignCenter);
    }
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    m_grid->installEventFilter(this);
    auto* header = m_grid->horizontalHeader();
    connect(header, &QHeaderView::sectionResized, this, &GridColumnLabels::place);
    connect(header, &QHeaderView::geometriesChanged, this, &GridColumnLabels::place);
}

QSize GridColumnLabels::sizeHint() const {
    int height = 0;
    for (const QLabel* label : m_labels)
        height = std::max(height, label->sizeHint().height());
    return {0, height};
}

bool GridColumnLabels::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_grid && (event->type() == QEvent::Resize || event->type() == QEvent::Move ||
                              event->type() == QEvent::Show))
        QTimer::singleShot(0, this, &GridColumnLabels::place);
    return QWidget::eventFilter(watched, event);
}

void GridColumnLabels::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    place();
}

void GridColumnLabels::moveEvent(QMoveEvent* event) {
    QWidget::moveEvent(event);
    place();
}

void GridColumnLabels::place() {
    const QHeaderView* header = m_grid->horizontalHeader();
    const QWidget* viewport = m_grid->viewport();
    for (int c = 0; c < m_labels.size(); ++c) {
        QLabel* label = m_labels.at(c);
        if (c >= m_grid->columnCount()) {
            label->hide();
            continue;
        }
        const QPoint left =
            viewport->mapTo(window(), QPoint(header->sectionViewportPosition(c), 0));
        const int x = mapFrom(window(), left).x();
        label->setGeometry(x, 0, header->sectionSize(c), height());
        label->show();
    }
}
