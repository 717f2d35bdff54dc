#pragma once
// The three charts of a plant's curves (level x volume with its marks, area x level, the
// tailrace family) as Qt Charts, and the page that puts them beside the figures and warnings
// for a file or a printer. The charts are built once and updated in place, so a redraw after
// a keystroke only replaces points.

#include "curves/PlantCurves.h"
#include "language/LanguageTexts.h"

#include <QList>
#include <QLocale>
#include <QPointF>
#include <QString>
#include <QStringList>
#include <array>
#include <optional>

class QChart;
class QGraphicsScene;
class QLineSeries;
class QPainter;
class QScatterSeries;
class QValueAxis;

class CurveCharts {
public:
    enum Which { LevelVolume, AreaLevel, Tailrace };
    static constexpr int Count = 3;

    // Makes the three charts; whoever shows them owns them (a QChartView or a scene).
    CurveCharts();
    QChart* chart(Which which) const { return m_charts[which]; }

    // Draws the figures' plant: what does not read is left out and named in the chart's title.
    void show(const PlantCurves::Figures& figures, Language language, const QLocale& locale);
    // No plant: empty charts with their titles and axes.
    void clear(Language language);

    // What a chart leaves out ("Not drawn: PCV(2) does not read."), one line each.
    const QStringList& notes(Which which) const { return m_notes[which]; }

    // The value under the pointer: the x of a chart and the curves' values there, as text.
    QString readout(Which which, double x, Language language, const QLocale& locale) const;

private:
    struct Axes {
        QValueAxis* x = nullptr;
        QValueAxis* y = nullptr;
    };
    void build();
    void texts(Language language);
    void showLevelVolume(const PlantCurves::Figures& f, Language language, QStringList& notes);
    void showAreaLevel(const PlantCurves::Figures& f, Language language, QStringList& notes);
    void showTailrace(const PlantCurves::Figures& f, Language language, const QLocale& locale,
                      QStringList& notes, QStringList& remarks);
    void setTitle(Which which, Language language, const QStringList& notes,
                  const QStringList& remarks = {});
    // The marks' names beside their points, those that would overlap joined into one.
    void placeMarkLabels();
    // Keys only for what is drawn; the legend beside the chart when a row cannot hold them.
    void fitLegend(Which which);

    std::array<QChart*, Count> m_charts{};
    std::array<Axes, Count> m_axes{};
    std::array<QStringList, Count> m_notes;
    QLineSeries* m_pcv = nullptr;
    std::array<QScatterSeries*, 5> m_marks{}; // VolMin, VolMax, VolRef, VolVert, V65
    QLineSeries* m_cotaMin = nullptr;
    QLineSeries* m_cotaMax = nullptr;
    std::array<std::optional<QPointF>, 5> m_markPoints{}; // where each mark stands, if drawn
    QLineSeries* m_pac = nullptr;
    QScatterSeries* m_pacPoint = nullptr; // a run-of-river plant's single level
    std::array<QLineSeries*, 6> m_tailrace{};
    QLineSeries* m_tailraceCotaMin = nullptr;
    // What the read-out evaluates: the curves drawn, by chart.
    PlantCurves::Figures m_figures;
    bool m_shown = false;
};

// What a page of curves shows besides the charts.
struct CurvePage {
    QString title; // "12 - PLANT"
    Language language = Language::Portuguese;
    QLocale locale;
};

// Paints the charts, the figures and the warnings of the plant onto a page of that size in
// device units (a printer's page, a PDF, an SVG or an image). Needs a QApplication.
void paintCurvePage(QPainter& painter, const QSizeF& size, const PlantCurves::Figures& figures,
                    const CurvePage& page);

// Writes the page to path as a PDF, PNG or SVG, by its extension, in one step (nothing is
// left behind on a failure). false with the reason in error.
bool writeCurveFile(const QString& path, const PlantCurves::Figures& figures, const CurvePage& page,
                    QString& error);
// The decimals an axis's tick labels need to differ from each other: at least one, enough for
// the step between ticks (and the first tick) to show exactly.
int tickDecimals(double low, double high, int ticks);
// True when path ends in .pdf, .png or .svg (any letter case).
bool isCurveFileName(const QString& path);
