#pragma once
// The two charts of a station's series, built alike for the page and for "vazoes plot", and
// drawn into PNG, SVG or PDF bytes the same way.

#include "workflow/Series.h"

#include <QChartView>
#include <array>
#include <functional>
#include <vector>

namespace Torvane {

QString monthAbbreviation(int month); // "Jan" .. "Dez"

// The monthly series from January of the first year to December of the last, with the mean
// of the period across it and the suspect values marked.
QChart* makeSeriesChart(const SeriesData& data, int posto, Period period,
                        const std::array<MonthStats, 12>& months);
// Per month the mean, the band from minimum to maximum, and the MLT when there is one.
QChart* makeProfileChart(const SeriesData& data, int posto, Period period,
                         const std::array<MonthStats, 12>& months);

// The charts (taken over and deleted) one under the other, each of the given size; empty
// bytes when drawing fails.
QByteArray renderCharts(const std::vector<QChart*>& charts, ChartFormat format, QSize eachSize);

// Both charts of the station in one file: the command line's renderer.
QByteArray plotStation(const SeriesData& data, int posto, Period period, ChartFormat format);

// A chart view that tells the value under the pointer: readOut turns the chart value at the
// pointer into a text (empty outside the data), shown in a tool tip and announced.
class SeriesChartView : public QChartView {
    Q_OBJECT
public:
    explicit SeriesChartView(QWidget* parent = nullptr);
    void setReadOut(std::function<QString(QPointF value)> readOut) {
        m_readOut = std::move(readOut);
    }
    // The chart shown from now on; the one before is deleted.
    void replaceChart(QChart* chart);
    // The text for a point given in the chart's values, as the pointer would give it.
    QString readOutAt(QPointF value) const { return m_readOut ? m_readOut(value) : QString(); }

signals:
    void readOutChanged(const QString& text);

protected:
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    std::function<QString(QPointF)> m_readOut;
};

} // namespace Torvane
