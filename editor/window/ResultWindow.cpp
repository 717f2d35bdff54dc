#include "window/ResultWindow.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

ResultWindow::ResultWindow(const QString& objectName) {
    setObjectName(objectName);
    // A tool beside the main window: closing the main window ends the program all the same.
    setAttribute(Qt::WA_QuitOnClose, false);
    m_files = new QLabel;
    m_files->setObjectName(QStringLiteral("LBLfiles"));
    m_files->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_table = new QTableWidget;
    m_table->setObjectName(QStringLiteral("GRDresults"));
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setWordWrap(false);
    m_table->verticalHeader()->hide();
    m_table->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    m_table->horizontalHeader()->setStretchLastSection(true);
    // Sorted by code, a stable sort keeps each plant's findings in the order they were found.
    m_table->horizontalHeader()->setSortIndicator(0, Qt::AscendingOrder);
    m_summary = new QLabel;
    m_summary->setObjectName(QStringLiteral("LBLsummary"));
    // A deck's summary names every file read: it wraps rather than widen the window.
    m_summary->setWordWrap(true);
    m_refresh = new QPushButton;
    m_refresh->setObjectName(QStringLiteral("BTNrefresh"));
    m_export = new QPushButton;
    m_export->setObjectName(QStringLiteral("BTNexport"));

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(m_summary, 1);
    bottom->addWidget(m_export);
    bottom->addWidget(m_refresh);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_files);
    layout->addWidget(m_table, 1);
    layout->addLayout(bottom);
    resize(960, 520);

    connect(m_refresh, &QPushButton::clicked, this, [this] {
        if (refreshRequested)
            refreshRequested();
    });
    connect(m_export, &QPushButton::clicked, this, [this] {
        if (exportRequested)
            exportRequested();
    });
    connect(m_table, &QTableWidget::cellDoubleClicked, this, [this](int row, int) {
        if (const QTableWidgetItem* code = m_table->item(row, 0); code && plantRequested)
            plantRequested(code->data(Qt::DisplayRole).toInt());
    });
}

void ResultWindow::setContents(const Contents& contents) {
    m_contents = contents;
    setWindowTitle(contents.title);
    m_files->setText(contents.files.join(u'\n'));
    m_summary->setText(contents.summary);
    m_refresh->setText(contents.refresh);
    m_export->setText(contents.exportCaption);
    m_table->setAccessibleName(contents.title);

    m_table->setSortingEnabled(false);
    m_table->clearContents();
    m_table->setColumnCount(int(contents.headers.size()));
    m_table->setHorizontalHeaderLabels(contents.headers);
    m_table->setRowCount(int(contents.rows.size()));
    for (int r = 0; r < m_table->rowCount(); ++r) {
        const QStringList& cells = contents.rows.at(r);
        for (int c = 0; c < cells.size() && c < m_table->columnCount(); ++c) {
            auto* item = new QTableWidgetItem;
            // The code sorts as a number.
            if (c == 0)
                item->setData(Qt::DisplayRole, cells.at(c).toInt());
            else
                item->setText(cells.at(c));
            m_table->setItem(r, c, item);
        }
    }
    m_table->setSortingEnabled(true);
    m_table->resizeColumnsToContents();
}
