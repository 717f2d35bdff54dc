#include "window/CurveCharts.h"

#include "core/Dialogs.h"
#include "registry/NumberTexts.h"
#include "files/SafeWrite.h"
#include "reports/CsvExport.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFontMetrics>
#include <QGraphicsScene>
#include <QImage>
#include <QLegendMarker>
#include <QLineF>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>
#include <QtCharts/QChart>
#include <QtCharts/QLegend>
#include <QtCharts/QLineSeries>
#include <QtCharts/QScatterSeries>
#include <QtCharts/QValueAxis>
#include <QtCharts/QXYSeries>
#include <algorithm>
#include <cmath>
#include <limits>
#include <tuple>

using namespace PlantCurves;

namespace {

constexpr int Samples = 200;
const char* const MarkNames[5] = {"VolMin", "VolMax", "VolRef", "VolVert", "V65"};
const QColor MarkColors[5] = {QColor(0x1f, 0x77, 0xb4), QColor(0xd6, 0x27, 0x28),
                              QColor(0x2c, 0xa0, 0x2c), QColor(0x94, 0x67, 0xbd),
                              QColor(0xff, 0x7f, 0x0e)};
const QColor TailraceColors[6] = {QColor(0x1f, 0x77, 0xb4), QColor(0xff, 0x7f, 0x0e),
                                  QColor(0x2c, 0xa0, 0x2c), QColor(0xd6, 0x27, 0x28),
                                  QColor(0x94, 0x67, 0xbd), QColor(0x8c, 0x56, 0x4b)};

// Pixel sizes, so that a chart painted onto a printer of any resolution keeps its proportions.
QFont pixelFont(int pixels, bool bold = false) {
    QFont font;
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

QLineSeries* line(QChart* chart, const QColor& color, Qt::PenStyle style = Qt::SolidLine,
                  qreal width = 2) {
    auto* series = new QLineSeries;
    QPen pen(color);
    pen.setWidthF(width);
    pen.setStyle(style);
    series->setPen(pen);
    chart->addSeries(series);
    return series;
}

// The value range of the points, with a margin; a range of one value is widened.
struct Range {
    double low = std::numeric_limits<double>::infinity();
    double high = -std::numeric_limits<double>::infinity();
    void add(double v) {
        if (std::isfinite(v)) {
            low = std::min(low, v);
            high = std::max(high, v);
        }
    }
    bool empty() const { return low > high; }
    std::pair<double, double> padded(double fraction) const {
        if (empty())
            return {0, 1};
        const double span = high - low;
        const double pad = span > 0 ? span * fraction : std::max(1.0, std::fabs(low) * 0.01);
        return {low - pad, high + pad};
    }
};

// The curve sampled over [from, to]; points that are no finite number are left out.
QList<QPointF> sampled(const Polynomial& p, double from, double to, Range& ys) {
    QList<QPointF> points;
    points.reserve(Samples + 1);
    for (int i = 0; i <= Samples; ++i) {
        const double x = i == Samples ? to : from + (to - from) * i / Samples;
        const double y = p.at(x);
        if (std::isfinite(x) && std::isfinite(y)) {
            points.append({x, y});
            ys.add(y);
        }
    }
    return points;
}

void setRange(QValueAxis* axis, std::pair<double, double> range) {
    axis->setRange(range.first, range.second);
    axis->applyNiceNumbers();
    axis->setLabelFormat(
        QStringLiteral("%.%1f").arg(tickDecimals(axis->min(), axis->max(), axis->tickCount())));
}

// Half the span drawn around a single value (a run-of-river plant's volume or level).
double around(double v) {
    return std::max(1.0, std::fabs(v) * 0.01);
}

const QColor CotaMinColor(0x60, 0x60, 0x60);
const QColor CotaMaxColor(0x17, 0xbe, 0xcf);

} // namespace

CurveCharts::CurveCharts() {
    build();
}

void CurveCharts::build() {
    for (int c = 0; c < Count; ++c) {
        auto* chart = new QChart;
        chart->setTitleFont(pixelFont(14, true));
        chart->legend()->setFont(pixelFont(11));
        chart->legend()->setAlignment(Qt::AlignBottom);
        chart->setMargins(QMargins(4, 4, 4, 4));
        chart->setLocalizeNumbers(true);
        m_charts[std::size_t(c)] = chart;
    }
    QChart* lv = m_charts[LevelVolume];
    m_pcv = line(lv, Qt::black);
    m_cotaMin = line(lv, CotaMinColor, Qt::DashLine, 1.5);
    m_cotaMax = line(lv, CotaMaxColor, Qt::DotLine, 2);
    m_cotaMin->setName(QStringLiteral("CotaMin"));
    m_cotaMax->setName(QStringLiteral("CotaMax"));
    for (int i = 0; i < 5; ++i) {
        auto* mark = new QScatterSeries;
        mark->setName(QLatin1String(MarkNames[i]));
        mark->setMarkerSize(10);
        mark->setColor(MarkColors[i]);
        mark->setBorderColor(Qt::black);
        mark->setMarkerShape(i % 2 ? QScatterSeries::MarkerShapeRectangle
                                   : QScatterSeries::MarkerShapeCircle);
        mark->setPointLabelsFormat(QLatin1String(MarkNames[i]));
        mark->setPointLabelsVisible(true);
        mark->setPointLabelsClipping(false);
        mark->setPointLabelsFont(pixelFont(11));
        mark->setPointLabelsColor(MarkColors[i].darker(130));
        lv->addSeries(mark);
        m_marks[std::size_t(i)] = mark;
    }
    QChart* al = m_charts[AreaLevel];
    m_pac = line(al, QColor(0x1f, 0x77, 0xb4));
    m_pacPoint = new QScatterSeries;
    m_pacPoint->setMarkerSize(10);
    m_pacPoint->setColor(QColor(0x1f, 0x77, 0xb4));
    m_pacPoint->setBorderColor(Qt::black);
    m_pacPoint->setPointLabelsFormat(QStringLiteral("CotaMin = CotaMax"));
    m_pacPoint->setPointLabelsVisible(true);
    m_pacPoint->setPointLabelsClipping(false);
    m_pacPoint->setPointLabelsFont(pixelFont(11));
    al->addSeries(m_pacPoint);
    al->legend()->hide();
    QChart* tr = m_charts[Tailrace];
    for (int q = 0; q < 6; ++q)
        m_tailrace[std::size_t(q)] = line(tr, TailraceColors[q]);
    m_tailraceCotaMin = line(tr, CotaMinColor, Qt::DashLine, 1.5);
    m_tailraceCotaMin->setName(QStringLiteral("CotaMin"));

    for (int c = 0; c < Count; ++c) {
        QChart* chart = m_charts[std::size_t(c)];
        auto* x = new QValueAxis;
        auto* y = new QValueAxis;
        for (QValueAxis* axis : {x, y}) {
            axis->setLabelsFont(pixelFont(11));
            axis->setTitleFont(pixelFont(12, true));
            axis->setLabelFormat(QStringLiteral("%.1f"));
        }
        chart->addAxis(x, Qt::AlignBottom);
        chart->addAxis(y, Qt::AlignLeft);
        for (QAbstractSeries* series : chart->series()) {
            series->attachAxis(x);
            series->attachAxis(y);
        }
        m_axes[std::size_t(c)] = {x, y};
    }
    // The keys draw the lines as they are drawn, dashes and dots told apart.
    for (QChart* chart : {lv, tr})
        chart->legend()->setMarkerShape(QLegend::MarkerShapeFromSeries);
    for (int c = 0; c < Count; ++c)
        QObject::connect(m_charts[std::size_t(c)], &QGraphicsWidget::geometryChanged,
                         m_charts[std::size_t(c)], [this, c] { fitLegend(Which(c)); });
    // Labels that overlap at one size may not at another.
    QObject::connect(lv, &QChart::plotAreaChanged, lv, [this] { placeMarkLabels(); });
    fitLegend(LevelVolume);
    fitLegend(Tailrace);
}

void CurveCharts::fitLegend(Which which) {
    QChart* chart = m_charts[which];
    QLegend* legend = chart->legend();
    const QFontMetrics metrics(legend->font());
    double needed = 0;
    for (QAbstractSeries* series : chart->series()) {
        const auto* xy = qobject_cast<QXYSeries*>(series);
        // The marks name themselves beside their points; the legend keeps the lines.
        const bool key = xy && xy->count() > 0 && !qobject_cast<const QScatterSeries*>(series);
        for (QLegendMarker* marker : legend->markers(series)) {
            marker->setVisible(key);
            if (key)
                needed += metrics.horizontalAdvance(marker->label()) + 3 * metrics.height();
        }
    }
    const Qt::Alignment side =
        needed > chart->size().width() - 20 ? Qt::AlignRight : Qt::AlignBottom;
    if (legend->alignment() != side)
        legend->setAlignment(side);
}

void CurveCharts::placeMarkLabels() {
    QChart* chart = m_charts[LevelVolume];
    const QFontMetricsF metrics(pixelFont(11));
    struct Group {
        QList<int> members;
        int anchor = 0;
        QString text;
        QRectF rect;
    };
    QList<Group> groups;
    std::array<QPointF, 5> at{};
    for (int i = 0; i < 5; ++i)
        if (m_markPoints[std::size_t(i)]) {
            at[std::size_t(i)] = chart->mapToPosition(*m_markPoints[std::size_t(i)], m_marks[0]);
            groups.append({{i}, i, {}, {}});
        }
    const auto same = [&](int a, int b) {
        return QLineF(at[std::size_t(a)], at[std::size_t(b)]).length() < 1.0;
    };
    const auto layOut = [&](Group& g) {
        std::sort(g.members.begin(), g.members.end(), [&](int a, int b) {
            return at[std::size_t(a)].x() < at[std::size_t(b)].x() - 0.5 ||
                   (!(at[std::size_t(b)].x() < at[std::size_t(a)].x() - 0.5) && a < b);
        });
        g.anchor = g.members.first();
        g.text.clear();
        for (int k = 0; k < g.members.size(); ++k) {
            const int m = g.members[k];
            if (at[std::size_t(m)].y() < at[std::size_t(g.anchor)].y())
                g.anchor = m; // the label stands above the highest point
            if (k > 0)
                g.text += same(g.members[k - 1], m) ? QStringLiteral(" = ") : QStringLiteral(", ");
            g.text += QLatin1String(MarkNames[m]);
        }
        const QPointF p = at[std::size_t(g.anchor)];
        const double w = metrics.horizontalAdvance(g.text), h = metrics.height();
        g.rect = QRectF(p.x() - w / 2, p.y() - 8 - h, w, h).adjusted(-2, 0, 2, 0);
    };
    for (Group& g : groups)
        layOut(g);
    // Not laid out yet: the points have no place to compare; the layout calls again.
    const bool placed = chart->plotArea().width() > 10;
    for (bool merged = placed; merged;) {
        merged = false;
        for (qsizetype a = 0; a < groups.size() && !merged; ++a)
            for (qsizetype b = a + 1; b < groups.size() && !merged; ++b)
                if (groups[a].rect.intersects(groups[b].rect)) {
                    groups[a].members += groups[b].members;
                    groups.removeAt(b);
                    layOut(groups[a]);
                    merged = true;
                }
    }
    for (int i = 0; i < 5; ++i) {
        m_marks[std::size_t(i)]->setPointLabelsVisible(false);
        m_marks[std::size_t(i)]->setPointLabelsFormat(QLatin1String(MarkNames[i]));
    }
    for (const Group& g : groups) {
        QScatterSeries* anchor = m_marks[std::size_t(g.anchor)];
        anchor->setPointLabelsFormat(g.text);
        anchor->setPointLabelsVisible(true);
        // Marks on the very same point show as one: the anchor's, drawn last.
        for (int m : g.members)
            if (m != g.anchor && same(m, g.anchor))
                m_marks[std::size_t(m)]->clear();
            else
                m_marks[std::size_t(m)]->replace(QList<QPointF>{*m_markPoints[std::size_t(m)]});
    }
}

void CurveCharts::texts(Language language) {
    const auto t = [&](CurveText text) { return curveText(text, language); };
    m_axes[LevelVolume].x->setTitleText(t(CurveText::AxisVolume));
    m_axes[LevelVolume].y->setTitleText(t(CurveText::AxisLevel));
    m_axes[AreaLevel].x->setTitleText(t(CurveText::AxisLevel));
    m_axes[AreaLevel].y->setTitleText(t(CurveText::AxisArea));
    m_axes[Tailrace].x->setTitleText(t(CurveText::AxisOutflow));
    m_axes[Tailrace].y->setTitleText(t(CurveText::AxisTailrace));
    m_pcv->setName(t(CurveText::LevelVolumeTitle));
}

void CurveCharts::setTitle(Which which, Language language, const QStringList& notes,
                           const QStringList& remarks) {
    static const CurveText titles[Count] = {CurveText::LevelVolumeTitle, CurveText::AreaLevelTitle,
                                            CurveText::TailraceTitle};
    m_charts[which]->setTitle(curveText(titles[which], language));
    QStringList& lines = m_notes[which];
    lines.clear();
    for (const QString& unread : notes)
        lines << curveText(CurveText::NotDrawn, language).arg(unread);
    lines << remarks;
    fitLegend(which);
}

void CurveCharts::clear(Language language) {
    texts(language);
    m_shown = false;
    m_markPoints = {};
    for (int c = 0; c < Count; ++c) {
        for (QAbstractSeries* series : m_charts[std::size_t(c)]->series())
            if (auto* xy = qobject_cast<QXYSeries*>(series))
                xy->clear();
        setRange(m_axes[std::size_t(c)].x, {0, 1});
        setRange(m_axes[std::size_t(c)].y, {0, 1});
        setTitle(Which(c), language, {});
    }
}

namespace {

// A plant whose two limits are one value: its curve is drawn around it, and the note says so.
QStringList runOfRiver(const Figures& f, Input low, Input high, const QString& which,
                       Language language) {
    const TUsinaHd& p = f.source.plant;
    const float a = low == Input::VolMin ? p.VolMin : p.CotaMin;
    const float b = high == Input::VolMax ? p.VolMax : p.CotaMax;
    if (f.source.reads(low) && f.source.reads(high) && a == b && std::isfinite(a))
        return {curveText(CurveText::RunOfRiver, language).arg(which)};
    return {};
}

} // namespace

void CurveCharts::show(const Figures& f, Language language, const QLocale& locale) {
    m_figures = f;
    m_shown = true;
    texts(language);
    // The locale's decimal separator, never its group separator.
    QLocale numbers = locale;
    numbers.setNumberOptions(QLocale::OmitGroupSeparator);
    for (QChart* chart : m_charts)
        chart->setLocale(numbers);
    QStringList notes;
    showLevelVolume(f, language, notes);
    setTitle(
        LevelVolume, language, notes,
        runOfRiver(f, Input::VolMin, Input::VolMax, QStringLiteral("VolMin = VolMax"), language));
    notes.clear();
    showAreaLevel(f, language, notes);
    setTitle(AreaLevel, language, notes,
             runOfRiver(f, Input::CotaMin, Input::CotaMax, QStringLiteral("CotaMin = CotaMax"),
                        language));
    notes.clear();
    QStringList remarks;
    showTailrace(f, language, locale, notes, remarks);
    setTitle(Tailrace, language, notes, remarks);
}

void CurveCharts::showLevelVolume(const Figures& f, Language, QStringList& notes) {
    const TUsinaHd& p = f.source.plant;
    const Polynomial pcv = Polynomial::of(p.PCV);
    const double volMin = p.VolMin, volMax = p.VolMax;
    Range xs, ys;
    const QString curveUnread = f.unreadOf({Input::PCV, Input::VolMin, Input::VolMax});
    if (curveUnread.isEmpty()) {
        // A single volume (run-of-river) is drawn with the curve around it, not as a dot.
        const double pad = volMin == volMax ? around(volMin) : 0;
        xs.add(std::min(volMin, volMax) - pad);
        xs.add(std::max(volMin, volMax) + pad);
        m_pcv->replace(sampled(pcv, xs.low, xs.high, ys));
    } else {
        m_pcv->clear();
        notes << curveUnread;
    }
    const std::array<std::pair<double, QString>, 5> marks = {
        std::pair{volMin, f.unreadOf({Input::PCV, Input::VolMin})},
        {volMax, f.unreadOf({Input::PCV, Input::VolMax})},
        {double(p.VolRef), f.unreadOf({Input::PCV, Input::VolRef})},
        {double(p.VolVert), f.unreadOf({Input::PCV, Input::VolVert})},
        {f.v65(), f.unreadOf({Input::PCV, Input::VolMin, Input::VolMax})}};
    for (std::size_t i = 0; i < marks.size(); ++i) {
        const auto& [x, unread] = marks[i];
        const double y = pcv.at(x);
        if (unread.isEmpty() && std::isfinite(x) && std::isfinite(y)) {
            m_marks[i]->replace(QList<QPointF>{{x, y}});
            m_markPoints[i] = QPointF(x, y);
            xs.add(x);
            ys.add(y);
        } else {
            m_marks[i]->clear();
            m_markPoints[i].reset();
            if (!unread.isEmpty() && !notes.contains(unread))
                notes << unread;
        }
    }
    const auto [x0, x1] = xs.padded(0.03);
    for (const auto& [series, input, value] :
         {std::tuple{m_cotaMin, Input::CotaMin, double(p.CotaMin)},
          {m_cotaMax, Input::CotaMax, double(p.CotaMax)}}) {
        if (f.source.reads(input) && std::isfinite(value)) {
            series->replace(QList<QPointF>{{x0, value}, {x1, value}});
            ys.add(value);
        } else {
            series->clear();
            if (!f.source.reads(input))
                notes << f.source.unread[std::size_t(input)];
        }
    }
    setRange(m_axes[LevelVolume].x, {x0, x1});
    setRange(m_axes[LevelVolume].y, ys.padded(0.05));
    placeMarkLabels();
}

void CurveCharts::showAreaLevel(const Figures& f, Language, QStringList& notes) {
    const TUsinaHd& p = f.source.plant;
    Range xs, ys;
    const QString unread = f.unreadOf({Input::PAC, Input::CotaMin, Input::CotaMax});
    m_pacPoint->clear();
    if (unread.isEmpty()) {
        const Polynomial pac = Polynomial::of(p.PAC);
        const double lo = std::min(p.CotaMin, p.CotaMax), hi = std::max(p.CotaMin, p.CotaMax);
        // A single level (run-of-river): the curve around it, and its point.
        const double pad = lo == hi ? around(lo) : 0;
        xs.add(lo - pad);
        xs.add(hi + pad);
        m_pac->replace(sampled(pac, xs.low, xs.high, ys));
        if (pad > 0 && std::isfinite(pac.at(lo)))
            m_pacPoint->replace(QList<QPointF>{{lo, pac.at(lo)}});
    } else {
        m_pac->clear();
        notes << unread;
    }
    setRange(m_axes[AreaLevel].x, xs.padded(0.0));
    setRange(m_axes[AreaLevel].y, ys.padded(0.05));
}

void CurveCharts::showTailrace(const Figures& f, Language language, const QLocale& locale,
                               QStringList& notes, QStringList& remarks) {
    const TUsinaHd& p = f.source.plant;
    Range ys;
    const QString rangeUnread =
        !f.qmaxUnread.isEmpty() ? f.qmaxUnread : f.unreadOf({Input::NumPolsJus});
    if (!rangeUnread.isEmpty())
        notes << rangeUnread;
    for (int q = 0; q < 6; ++q) {
        QLineSeries* series = m_tailrace[std::size_t(q)];
        const bool declared = rangeUnread.isEmpty() && q < f.polynomials;
        const QString unread = f.source.unread[std::size_t(polJusInput(q))];
        if (declared && unread.isEmpty()) {
            series->replace(sampled(Polynomial::of(p.PolJus[q]), 0, f.qmax, ys));
            series->setName(QStringLiteral("%1: ").arg(q + 1) +
                            curveText(CurveText::TailraceLabel, language)
                                .arg(NumberTexts::Fixed(p.PolJusRef[q], 2, locale)));
        } else {
            series->clear();
            if (declared)
                notes << unread;
        }
    }
    // A CotaMin far from the curves would squash them into a sliver: it is left out and
    // named instead.
    const double cotaMin = p.CotaMin;
    const bool far = !ys.empty() && std::isfinite(cotaMin) &&
                     std::max(ys.high, cotaMin) - std::min(ys.low, cotaMin) >
                         3 * std::max(ys.high - ys.low, around(ys.low));
    if (f.source.reads(Input::CotaMin) && rangeUnread.isEmpty() && far) {
        m_tailraceCotaMin->clear();
        remarks << curveText(cotaMin > ys.high ? CurveText::OffScaleAbove
                                               : CurveText::OffScaleBelow,
                             language)
                       .arg(NumberTexts::Fixed(cotaMin, 2, locale));
    } else if (f.source.reads(Input::CotaMin) && rangeUnread.isEmpty()) {
        m_tailraceCotaMin->replace(QList<QPointF>{{0, p.CotaMin}, {f.qmax, p.CotaMin}});
        ys.add(p.CotaMin);
    } else {
        m_tailraceCotaMin->clear();
        if (!f.source.reads(Input::CotaMin))
            notes << f.source.unread[std::size_t(Input::CotaMin)];
    }
    setRange(m_axes[Tailrace].x, {0, rangeUnread.isEmpty() ? f.qmax : 1000.0});
    setRange(m_axes[Tailrace].y, ys.padded(0.05));
}

QString CurveCharts::readout(Which which, double x, Language language,
                             const QLocale& locale) const {
    if (!m_shown)
        return {};
    const TUsinaHd& p = m_figures.source.plant;
    const auto n = [&](double v) { return NumberTexts::Fixed(v, 2, locale); };
    switch (which) {
    case LevelVolume:
        if (m_pcv->count() == 0)
            return {};
        return curveText(CurveText::ReadoutLevelVolume, language)
            .arg(n(x), n(Polynomial::of(p.PCV).at(x)));
    case AreaLevel:
        if (m_pac->count() == 0)
            return {};
        return curveText(CurveText::ReadoutAreaLevel, language)
            .arg(n(x), n(Polynomial::of(p.PAC).at(x)));
    case Tailrace: {
        QStringList levels;
        for (int q = 0; q < 6; ++q)
            if (m_tailrace[std::size_t(q)]->count() > 0)
                levels << QStringLiteral("%1: %2 m")
                              .arg(q + 1)
                              .arg(n(Polynomial::of(p.PolJus[q]).at(x)));
        if (levels.isEmpty())
            return {};
        return curveText(CurveText::ReadoutTailrace, language)
            .arg(n(x), levels.join(QStringLiteral("; ")));
    }
    }
    return {};
}

// ---------------------------------------------------------------------------------------------
// The page

namespace {

// The page is laid out on an A4 landscape sheet of 1123 x 794 units (96 per inch) and scaled to
// the device.
constexpr double PageWidth = 1123;
constexpr double PageHeight = 794;

} // namespace

void paintCurvePage(QPainter& painter, const QSizeF& size, const Figures& figures,
                    const CurvePage& page) {
    painter.save();
    const double scale = std::min(size.width() / PageWidth, size.height() / PageHeight);
    painter.scale(scale, scale);
    painter.setRenderHint(QPainter::Antialiasing);
    const double margin = 28;
    const QRectF area(margin, margin, PageWidth - 2 * margin, PageHeight - 2 * margin);

    painter.setPen(Qt::black);
    painter.setFont(pixelFont(18, true));
    const QString heading =
        curveText(CurveText::WindowTitle, page.language) + QStringLiteral(" - ") + page.title;
    const QRectF headRect(area.left(), area.top(), area.width(), 26);
    painter.drawText(headRect, Qt::AlignLeft | Qt::AlignVCenter, heading);

    // Two charts above, the tailrace and the figures below.
    const double top = headRect.bottom() + 6;
    const double cellW = area.width() / 2, cellH = (area.bottom() - top) / 2;
    const QRectF cells[4] = {QRectF(area.left(), top, cellW, cellH),
                             QRectF(area.left() + cellW, top, cellW, cellH),
                             QRectF(area.left(), top + cellH, cellW, cellH),
                             QRectF(area.left() + cellW, top + cellH, cellW, cellH)};
    QGraphicsScene scene;
    CurveCharts charts;
    for (int c = 0; c < CurveCharts::Count; ++c) {
        QChart* chart = charts.chart(CurveCharts::Which(c));
        scene.addItem(chart); // the scene owns it
        // Apart in the scene, so that each renders alone.
        chart->setGeometry(QRectF(QPointF(c * 2 * PageWidth, 0), cells[c].size() - QSizeF(6, 6)));
    }
    charts.show(figures, page.language, page.locale);
    // The charts lay out their axes and legends on posted events.
    QCoreApplication::sendPostedEvents();
    for (int c = 0; c < CurveCharts::Count; ++c) {
        QChart* chart = charts.chart(CurveCharts::Which(c));
        scene.render(&painter, cells[c].adjusted(3, 3, -3, -3), chart->sceneBoundingRect());
        // What the chart leaves out, over its lower edge.
        if (const QStringList& notes = charts.notes(CurveCharts::Which(c)); !notes.isEmpty()) {
            painter.setPen(Qt::darkRed);
            painter.setFont(pixelFont(11));
            painter.drawText(cells[c].adjusted(12, 0, -6, -4), Qt::AlignLeft | Qt::AlignBottom,
                             notes.join(u'\n'));
            painter.setPen(Qt::black);
        }
    }

    // The figures, then the warnings.
    const QRectF table = cells[3].adjusted(12, 6, -6, -6);
    double y = table.top();
    const double rowH = 17;
    painter.setFont(pixelFont(12));
    for (int i = 0; i < FigureCount; ++i) {
        const Figure fig = Figure(i);
        const QRectF row(table.left(), y, table.width(), rowH);
        painter.drawText(row, Qt::AlignLeft | Qt::AlignVCenter, figureLabel(fig, page.language));
        painter.drawText(row, Qt::AlignRight | Qt::AlignVCenter,
                         figureText(figures[fig], fig, page.language, page.locale));
        y += rowH;
    }
    y += 6;
    painter.setFont(pixelFont(12, true));
    painter.drawText(QRectF(table.left(), y, table.width(), rowH), Qt::AlignLeft | Qt::AlignVCenter,
                     curveText(CurveText::Warnings, page.language));
    y += rowH;
    painter.setFont(pixelFont(11));
    QStringList warnings;
    for (const CurveWarning& w : figures.warnings)
        warnings << warningText(w, page.language, page.locale);
    if (warnings.isEmpty())
        warnings << curveText(CurveText::NoWarnings, page.language);
    const QRectF rest(table.left(), y, table.width(), table.bottom() - y);
    painter.drawText(rest, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, warnings.join(u'\n'));
    painter.restore();
}

int tickDecimals(double low, double high, int ticks) {
    const double step = ticks > 1 ? (high - low) / (ticks - 1) : high - low;
    if (!std::isfinite(step) || !std::isfinite(low) || step <= 0)
        return 1;
    constexpr int Most = 8;
    for (int d = 1; d < Most; ++d) {
        const double scale = std::pow(10.0, d);
        const auto exact = [&](double v) {
            const double scaled = v * scale;
            return std::fabs(scaled - std::round(scaled)) <=
                   1e-6 * std::max(1.0, std::fabs(scaled));
        };
        if (step * scale >= 1 - 1e-9 && exact(step) && exact(low))
            return d;
    }
    return Most;
}

bool isCurveFileName(const QString& path) {
    for (const char* ext : {".pdf", ".png", ".svg"})
        if (path.endsWith(QLatin1String(ext), Qt::CaseInsensitive))
            return true;
    return false;
}

bool writeCurveFile(const QString& path, const Figures& figures, const CurvePage& page,
                    QString& error) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    const QString title =
        curveText(CurveText::WindowTitle, page.language) + QStringLiteral(" - ") + page.title;
    bool painted = false;
    if (path.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive)) {
        QPdfWriter pdf(&buffer);
        pdf.setTitle(title);
        pdf.setCreator(applicationCaption());
        pdf.setResolution(300);
        pdf.setPageLayout(
            QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape, QMarginsF(0, 0, 0, 0)));
        QPainter painter;
        if ((painted = painter.begin(&pdf))) {
            paintCurvePage(painter, QSizeF(pdf.width(), pdf.height()), figures, page);
            painted = painter.end();
        }
    } else if (path.endsWith(QLatin1String(".svg"), Qt::CaseInsensitive)) {
        QSvgGenerator svg;
        svg.setOutputDevice(&buffer);
        svg.setTitle(title);
        svg.setSize(QSize(int(PageWidth), int(PageHeight)));
        svg.setViewBox(QRectF(0, 0, PageWidth, PageHeight));
        svg.setResolution(96);
        QPainter painter;
        if ((painted = painter.begin(&svg))) {
            paintCurvePage(painter, QSizeF(PageWidth, PageHeight), figures, page);
            painted = painter.end();
        }
    } else if (path.endsWith(QLatin1String(".png"), Qt::CaseInsensitive)) {
        QImage image(int(PageWidth * 2), int(PageHeight * 2), QImage::Format_ARGB32);
        image.fill(Qt::white);
        QPainter painter;
        if (painter.begin(&image)) {
            paintCurvePage(painter, image.size(), figures, page);
            painter.end();
            painted = image.save(&buffer, "PNG");
        }
    } else {
        error = curveText(CurveText::SaveExtension, page.language).arg(path);
        return false;
    }
    buffer.close();
    if (!painted) {
        error = QStringLiteral("The curves could not be drawn.");
        return false;
    }
    QString reason;
    if (writeFileAtomically(path, bytes, &reason))
        return true;
    error = cannotWriteText(path, reason);
    return false;
}
