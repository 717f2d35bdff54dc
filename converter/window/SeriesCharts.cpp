#include "window/SeriesCharts.h"

#include <QApplication>
#include <QAreaSeries>
#include <QBarCategoryAxis>
#include <QBuffer>
#include <QGraphicsLayout>
#include <QGraphicsScene>
#include <QImage>
#include <QLineSeries>
#include <QMouseEvent>
#include <QPainter>
#include <QPdfWriter>
#include <QScatterSeries>
#include <QSvgGenerator>
#include <QToolTip>
#include <QValueAxis>
#include <algorithm>
#include <cmath>

namespace Torvane {

namespace {

const QString kFlowTitle = QStringLiteral("Vazão (m³/s)");

QString chartTitle(const SeriesData& data, int posto, Period period, const QString& what) {
    return QStringLiteral("Posto %1: %2 de %3 a %4")
        .arg(stationLabel(data, posto), what)
        .arg(period.from)
        .arg(period.to);
}

// The flow axis from 0 (or the lowest value, when negative) to a little above the highest.
QValueAxis* flowAxis(double low, double high) {
    auto* axis = new QValueAxis;
    axis->setTitleText(kFlowTitle);
    axis->setLabelFormat(QStringLiteral("%.0f"));
    low = std::min(0.0, low);
    if (high <= low)
        high = low + 1;
    axis->setRange(low, high + (high - low) * 0.05);
    axis->applyNiceNumbers();
    // The labels are whole numbers: a step below 1 or between whole numbers would print one
    // label twice ("0, 1, 1, 2"), so the ticks go in whole steps from a whole start.
    const double step = (axis->max() - axis->min()) / std::max(1, axis->tickCount() - 1);
    if (step < 1 || step != std::floor(step) || axis->min() != std::floor(axis->min())) {
        const double wholeStep = std::max(1.0, std::ceil(step));
        const double first = std::floor(axis->min() / wholeStep) * wholeStep;
        const int intervals = std::max(1, int(std::ceil((axis->max() - first) / wholeStep)));
        axis->setRange(first, first + intervals * wholeStep);
        axis->setTickCount(intervals + 1);
    }
    return axis;
}

QChart* newChart(const QString& title) {
    auto* chart = new QChart;
    chart->setTitle(title);
    chart->setAnimationOptions(QChart::NoAnimation);
    chart->legend()->setAlignment(Qt::AlignBottom);
    // The room goes to the data: no frame of blank around the plot.
    chart->setBackgroundRoundness(0);
    chart->setMargins(QMargins(4, 4, 4, 4));
    chart->layout()->setContentsMargins(0, 0, 0, 0);
    return chart;
}

} // namespace

QString monthAbbreviation(int month) {
    static const char* const names[12] = {"Jan", "Fev", "Mar", "Abr", "Mai", "Jun",
                                          "Jul", "Ago", "Set", "Out", "Nov", "Dez"};
    return QString::fromLatin1(names[month - 1]);
}

QChart* makeSeriesChart(const SeriesData& data, int posto, Period period,
                        const std::array<MonthStats, 12>& months) {
    QChart* chart = newChart(chartTitle(data, posto, period, QStringLiteral("vazões mensais")));
    auto* flows = new QLineSeries;
    flows->setName(QStringLiteral("Vazão mensal"));
    double low = 0;
    double high = 0;
    QList<QPointF> points;
    points.reserve(period.years() * 12);
    for (int year = period.from; year <= period.to; ++year)
        for (int m = 1; m <= 12; ++m) {
            const double v = data.history.value(posto, year, m);
            points.append({year + (m - 1) / 12.0, v});
            low = std::min(low, v);
            high = std::max(high, v);
        }
    flows->replace(points);
    chart->addSeries(flows);

    auto* mean = new QLineSeries;
    mean->setName(QStringLiteral("Média do período"));
    const double level = periodMean(data.history, posto, period).value_or(0);
    mean->append(period.from, level);
    mean->append(period.to + 11 / 12.0, level);
    QPen dashed(QColor(0xC0, 0x39, 0x2B), 2, Qt::DashLine);
    mean->setPen(dashed);
    chart->addSeries(mean);

    QList<QPointF> suspects;
    for (int m = 1; m <= 12; ++m)
        for (const int year : months[std::size_t(m - 1)].suspectYears)
            suspects.append({year + (m - 1) / 12.0, double(data.history.value(posto, year, m))});
    QScatterSeries* marked = nullptr;
    if (!suspects.isEmpty()) {
        marked = new QScatterSeries;
        marked->setName(QStringLiteral("Valores suspeitos"));
        // A ring with nothing inside it, so that the tip of the spike it marks shows through.
        marked->setMarkerSize(13);
        marked->setBrush(Qt::NoBrush);
        marked->setPen(QPen(QColor(0xE6, 0x7E, 0x22), 2));
        marked->replace(suspects);
        chart->addSeries(marked);
    }

    auto* years = new QValueAxis;
    years->setTitleText(QStringLiteral("Ano"));
    years->setLabelFormat(QStringLiteral("%.0f"));
    years->setRange(period.from, period.to + 1);
    const int span = period.years();
    years->setTickType(QValueAxis::TicksDynamic);
    years->setTickAnchor(period.from);
    years->setTickInterval(span <= 12 ? 1 : span <= 30 ? 5 : span <= 80 ? 10 : 20);
    chart->addAxis(years, Qt::AlignBottom);
    QValueAxis* flowsAxis = flowAxis(low, high);
    chart->addAxis(flowsAxis, Qt::AlignLeft);
    for (QAbstractSeries* series : chart->series()) {
        series->attachAxis(years);
        series->attachAxis(flowsAxis);
    }
    return chart;
}

QChart* makeProfileChart(const SeriesData& data, int posto, Period period,
                         const std::array<MonthStats, 12>& months) {
    QChart* chart = newChart(chartTitle(data, posto, period, QStringLiteral("perfil sazonal")));
    auto* band = new QAreaSeries;
    band->setName(QStringLiteral("Mínimo a máximo"));
    auto* upper = new QLineSeries(band);
    auto* lower = new QLineSeries(band);
    auto* mean = new QLineSeries;
    mean->setName(QStringLiteral("Média"));
    mean->setPointsVisible(true);
    double low = 0;
    double high = 0;
    for (int m = 0; m < 12; ++m) {
        const MonthStats& s = months[std::size_t(m)];
        upper->append(m, s.max.value_or(0));
        lower->append(m, s.min.value_or(0));
        mean->append(m, s.mean.value_or(0));
        low = std::min(low, double(s.min.value_or(0)));
        high = std::max(high, double(s.max.value_or(0)));
        if (s.mlt) {
            low = std::min(low, double(*s.mlt));
            high = std::max(high, double(*s.mlt));
        }
    }
    band->setUpperSeries(upper);
    band->setLowerSeries(lower);
    band->setColor(QColor(0x5D, 0xAD, 0xE2, 0x60));
    band->setBorderColor(QColor(0x5D, 0xAD, 0xE2));
    chart->addSeries(band);
    chart->addSeries(mean);
    if (data.mlt) {
        auto* mlt = new QLineSeries;
        mlt->setName(QStringLiteral("MLT"));
        mlt->setPointsVisible(true);
        mlt->setPen(QPen(QColor(0x1E, 0x84, 0x49), 2, Qt::DashLine));
        for (int m = 0; m < 12; ++m)
            mlt->append(m, months[std::size_t(m)].mlt.value_or(0));
        chart->addSeries(mlt);
    }

    auto* monthsAxis = new QBarCategoryAxis;
    monthsAxis->setTitleText(QStringLiteral("Mês"));
    for (int m = 1; m <= 12; ++m)
        monthsAxis->append(monthAbbreviation(m));
    chart->addAxis(monthsAxis, Qt::AlignBottom);
    QValueAxis* flows = flowAxis(low, high);
    chart->addAxis(flows, Qt::AlignLeft);
    for (QAbstractSeries* series : chart->series()) {
        series->attachAxis(monthsAxis);
        series->attachAxis(flows);
    }
    return chart;
}

QByteArray renderCharts(const std::vector<QChart*>& charts, ChartFormat format, QSize eachSize) {
    // The scene owns the charts from here and deletes them with itself.
    QGraphicsScene scene;
    for (std::size_t i = 0; i < charts.size(); ++i) {
        scene.addItem(charts[i]);
        charts[i]->setMargins(QMargins(16, 12, 16, 12)); // a file has no window frame around it
        charts[i]->setGeometry(0, qreal(i) * eachSize.height(), eachSize.width(),
                               eachSize.height());
    }
    const QSize whole(eachSize.width(), eachSize.height() * int(charts.size()));
    const QRectF area(QPointF(0, 0), whole);
    scene.setSceneRect(area);
    // The charts lay themselves out on posted events.
    QCoreApplication::sendPostedEvents();

    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    bool drawn = false;
    switch (format) {
    case ChartFormat::Png: {
        QImage image(whole, QImage::Format_ARGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        scene.render(&painter, area, area);
        painter.end();
        drawn = image.save(&buffer, "PNG");
        break;
    }
    case ChartFormat::Svg: {
        QSvgGenerator svg;
        svg.setOutputDevice(&buffer);
        svg.setSize(whole);
        svg.setViewBox(area);
        QPainter painter;
        drawn = painter.begin(&svg);
        if (drawn) {
            scene.render(&painter, area, area);
            drawn = painter.end();
        }
        break;
    }
    case ChartFormat::Pdf: {
        // An A4 page in landscape, as it prints; the drawing fills it within 10 mm margins,
        // keeping its proportions, and its texts stay text.
        QPdfWriter pdf(&buffer);
        pdf.setResolution(96);
        pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape,
                                      QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter));
        QPainter painter;
        drawn = painter.begin(&pdf);
        if (drawn) {
            const QSizeF room = pdf.pageLayout().paintRectPixels(96).size();
            const QSizeF fitted = QSizeF(whole).scaled(room, Qt::KeepAspectRatio);
            const QRectF target(QPointF((room.width() - fitted.width()) / 2, 0), fitted);
            scene.render(&painter, target, area);
            drawn = painter.end();
        }
        break;
    }
    }
    buffer.close();
    return drawn ? bytes : QByteArray();
}

QByteArray plotStation(const SeriesData& data, int posto, Period period, ChartFormat format) {
    const auto months = monthStats(data.history, posto, period, data.mlt ? &*data.mlt : nullptr);
    return renderCharts({makeSeriesChart(data, posto, period, months),
                         makeProfileChart(data, posto, period, months)},
                        format, QSize(1100, 520));
}

SeriesChartView::SeriesChartView(QWidget* parent) : QChartView(parent) {
    setRenderHint(QPainter::Antialiasing);
    setMouseTracking(true);
}

void SeriesChartView::replaceChart(QChart* next) {
    QChart* previous = chart();
    setChart(next);
    delete previous;
}

void SeriesChartView::mouseMoveEvent(QMouseEvent* event) {
    QChartView::mouseMoveEvent(event);
    const QList<QAbstractSeries*> series = chart()->series();
    const QPointF inChart = chart()->mapFromScene(mapToScene(event->position().toPoint()));
    if (series.isEmpty() || !chart()->plotArea().contains(inChart))
        return;
    const QString text = readOutAt(chart()->mapToValue(inChart, series.constFirst()));
    QToolTip::showText(event->globalPosition().toPoint(), text, this);
    emit readOutChanged(text);
}

} // namespace Torvane
