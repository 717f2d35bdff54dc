#include "curves/PlantCurves.h"

#include "registry/NumberTexts.h"
#include "registry/PlantTexts.h"

#include <algorithm>
#include <cmath>
#include <numeric>

namespace PlantCurves {

// ---------------------------------------------------------------------------------------------
// Polynomials

Polynomial Polynomial::of(const Coeffs5& c) {
    return {{double(c[0]), double(c[1]), double(c[2]), double(c[3]), double(c[4])}};
}

double Polynomial::at(double x) const {
    return (((a[4] * x + a[3]) * x + a[2]) * x + a[1]) * x + a[0];
}

double Polynomial::slopeAt(double x) const {
    return ((4 * a[4] * x + 3 * a[3]) * x + 2 * a[2]) * x + a[1];
}

double Polynomial::integral(double from, double to) const {
    const auto F = [this](double x) {
        return ((((a[4] / 5 * x + a[3] / 4) * x + a[2] / 3) * x + a[1] / 2) * x + a[0]) * x;
    };
    return F(to) - F(from);
}

std::vector<double> Polynomial::criticalPoints(double lo, double hi) const {
    // The float coefficients times 2, 3 or 4 are exact in double: the derivative is exact.
    return realRoots({a[1], 2 * a[2], 3 * a[3], 4 * a[4]}, lo, hi);
}

namespace {

// lo, the critical points inside, hi.
std::vector<double> cutsOf(const Polynomial& p, double lo, double hi) {
    std::vector<double> cuts{lo};
    for (double x : p.criticalPoints(lo, hi))
        cuts.push_back(x);
    cuts.push_back(hi);
    return cuts;
}

} // namespace

std::pair<double, double> Polynomial::minimum(double lo, double hi) const {
    std::pair<double, double> best{lo, at(lo)};
    for (double x : cutsOf(*this, lo, hi))
        if (const double v = at(x); v < best.second)
            best = {x, v};
    return best;
}

double Polynomial::spread(double lo, double hi) const {
    double low = at(lo), high = low;
    for (double x : cutsOf(*this, lo, hi)) {
        low = std::min(low, at(x));
        high = std::max(high, at(x));
    }
    return high - low;
}

std::optional<std::pair<double, double>> Polynomial::falling(double lo, double hi) const {
    if (!(hi > lo))
        return std::nullopt;
    const std::vector<double> cuts = cutsOf(*this, lo, hi);
    const double tolerance = 1e-9 * spread(lo, hi);
    std::optional<std::pair<double, double>> found;
    for (std::size_t i = 0; i + 1 < cuts.size(); ++i) {
        const double from = cuts[i], to = cuts[i + 1];
        // Between two roots of the derivative its sign is that of any inner point.
        const bool falls =
            to > from && slopeAt(from + (to - from) / 2) < 0 && at(from) - at(to) > tolerance;
        if (falls && found && found->second == from)
            found->second = to; // one stretch across a point where the slope only touches 0
        else if (falls && !found)
            found = std::pair{from, to};
        else if (found)
            break;
    }
    return found;
}

std::vector<double> realRoots(const std::array<double, 4>& c, double lo, double hi) {
    std::vector<double> roots;
    const auto keep = [&](double x) {
        if (x > lo && x < hi)
            roots.push_back(x);
    };
    int degree = 3;
    while (degree > 0 && c[std::size_t(degree)] == 0)
        --degree;
    switch (degree) {
    case 0:
        break;
    case 1:
        keep(-c[0] / c[1]);
        break;
    case 2: {
        const double A = c[2], B = c[1], C = c[0];
        const double disc = B * B - 4 * A * C;
        if (disc < 0)
            break;
        if (disc == 0) {
            keep(-B / (2 * A));
            break;
        }
        // The root away from cancellation first, the other from the product of the roots.
        const double q = -0.5 * (B + std::copysign(std::sqrt(disc), B));
        keep(q / A);
        if (q != 0)
            keep(C / q);
        break;
    }
    default: {
        const auto f = [&](double x) { return ((c[3] * x + c[2]) * x + c[1]) * x + c[0]; };
        std::vector<double> cuts{lo};
        for (double t : realRoots({c[1], 2 * c[2], 3 * c[3], 0}, lo, hi))
            cuts.push_back(t);
        cuts.push_back(hi);
        for (std::size_t i = 0; i + 1 < cuts.size(); ++i) {
            double a = cuts[i], b = cuts[i + 1];
            double fa = f(a);
            const double fb = f(b);
            if (fa == 0) {
                keep(a); // a turning point on the axis (lo itself is not kept)
                continue;
            }
            if (fb == 0 || (fa < 0) == (fb < 0))
                continue; // a root at b belongs to the next piece
            // Monotone on [a, b] with a change of sign: halve until the bits run out.
            while (true) {
                const double m = a + (b - a) / 2;
                if (m <= a || m >= b)
                    break;
                const double fm = f(m);
                if (fm == 0) {
                    a = b = m;
                    break;
                }
                if ((fm < 0) == (fa < 0)) {
                    a = m;
                    fa = fm;
                } else {
                    b = m;
                }
            }
            keep(a + (b - a) / 2);
        }
        break;
    }
    }
    std::sort(roots.begin(), roots.end());
    return roots;
}

// ---------------------------------------------------------------------------------------------
// Figures and warnings

QString Figures::unreadOf(std::initializer_list<Input> inputs) const {
    for (Input i : inputs)
        if (!source.reads(i))
            return source.unread[std::size_t(i)];
    return {};
}

double Figures::v65() const {
    const TUsinaHd& p = source.plant;
    return double(p.VolMin) + 0.65 * (double(p.VolMax) - double(p.VolMin));
}

namespace {

using W = CurveWarning::Kind;
// How far the level at VolMin or VolMax may stand from CotaMin or CotaMax, in metres.
constexpr double LevelTolerance = 0.5;

class Calculator {
public:
    explicit Calculator(Figures& f) : m_f(f), m_p(f.source.plant) {}

    void run() {
        m_f.sets = usedMachineSets(m_p.NumConjMaq);
        m_f.polynomials = usedDownstreamPolynomials(m_p.NumPolsJus);
        const double volMin = m_p.VolMin, volMax = m_p.VolMax;
        const Polynomial pcv = Polynomial::of(m_p.PCV);
        const Polynomial pac = Polynomial::of(m_p.PAC);

        set(Figure::UsefulVolume, {Input::VolMin, Input::VolMax}, [&] { return volMax - volMin; });
        set(Figure::LevelAtVolMin, {Input::PCV, Input::VolMin}, [&] { return pcv.at(volMin); });
        set(Figure::LevelAtVolMax, {Input::PCV, Input::VolMax}, [&] { return pcv.at(volMax); });
        const std::initializer_list<Input> levelInputs{Input::PCV, Input::VolMin, Input::VolMax};
        set(Figure::LevelAtV65, levelInputs, [&] { return pcv.at(m_f.v65()); });
        set(Figure::EquivalentLevel, levelInputs, [&] {
            return volMax == volMin ? pcv.at(volMin)
                                    : pcv.integral(volMin, volMax) / (volMax - volMin);
        });
        const std::initializer_list<Input> flowInputs{Input::NumConjMaq, Input::NumMaq, Input::QEf};
        set(Figure::TurbinedFlow, flowInputs, [&] {
            double sum = 0;
            for (int s = 0; s < m_f.sets; ++s)
                sum += double(m_p.NumMaq[s]) * double(m_p.QEf[s]);
            return sum;
        });
        set(Figure::InstalledPower, {Input::NumConjMaq, Input::NumMaq, Input::PotEf}, [&] {
            double sum = 0;
            for (int s = 0; s < m_f.sets; ++s)
                sum += double(m_p.NumMaq[s]) * double(m_p.PotEf[s]);
            return sum;
        });
        netHead(Figure::NetHeadEquivalent, Figure::EquivalentLevel, Figure::ProductivityEquivalent);
        netHead(Figure::NetHeadV65, Figure::LevelAtV65, Figure::ProductivityV65);
        set(Figure::AreaAtCotaMin, {Input::PAC, Input::CotaMin},
            [&] { return pac.at(m_p.CotaMin); });
        set(Figure::AreaAtCotaMax, {Input::PAC, Input::CotaMax},
            [&] { return pac.at(m_p.CotaMax); });
        set(Figure::YearlyEvaporation, {Input::EvapMen}, [&] {
            return std::accumulate(m_p.EvapMen.begin(), m_p.EvapMen.end(), 0.0,
                                   [](double s, std::int32_t v) { return s + double(v); });
        });

        const FigureValue& qt = m_f[Figure::TurbinedFlow];
        m_f.qmaxUnread = qt.unread;
        m_f.qmax = qt.value && *qt.value > 0 ? 2 * *qt.value : 1000.0;
        warnings(pcv, pac);
    }

private:
    template <class F> void set(Figure figure, std::initializer_list<Input> inputs, F compute) {
        FigureValue& v = m_f.values[std::size_t(figure)];
        v = {};
        if (const QString unread = m_f.unreadOf(inputs); !unread.isEmpty()) {
            v.why = FigureValue::Why::Unread;
            v.unread = unread;
            return;
        }
        const double value = compute();
        if (!std::isfinite(value)) {
            v.why = FigureValue::Why::NotFinite;
            return;
        }
        v.value = value;
    }
    // A figure that stands on another: missing for the same reason.
    bool inherit(FigureValue& v, const FigureValue& from) {
        if (from.value)
            return false;
        v = from;
        return true;
    }

    void netHead(Figure head, Figure level, Figure productivity) {
        FigureValue& h = m_f.values[std::size_t(head)];
        FigureValue& prod = m_f.values[std::size_t(productivity)];
        h = {};
        prod = {};
        if (inherit(h, m_f[level]))
            return (void)inherit(prod, h);
        const bool k = m_p.TipoPerdas == 3;
        const QString unread =
            k ? m_f.unreadOf({Input::CanalFugaMed, Input::TipoPerdas, Input::ValorPerdas,
                              Input::NumConjMaq, Input::NumMaq, Input::QEf})
              : m_f.unreadOf({Input::CanalFugaMed, Input::TipoPerdas, Input::ValorPerdas});
        if (!unread.isEmpty()) {
            h.why = FigureValue::Why::Unread;
            h.unread = unread;
            return (void)inherit(prod, h);
        }
        const double gross = *m_f[level].value - double(m_p.CanalFugaMed);
        const double losses = m_p.ValorPerdas;
        double net = 0;
        switch (m_p.TipoPerdas) {
        case 1:
            net = gross * (1 - losses / 100);
            break;
        case 2:
            net = gross - losses;
            break;
        case 3: {
            const double qt = *m_f[Figure::TurbinedFlow].value;
            net = gross - losses * qt * qt;
            break;
        }
        default:
            h.why = FigureValue::Why::LossType;
            h.lossType = m_p.TipoPerdas;
            return (void)inherit(prod, h);
        }
        if (!std::isfinite(net)) {
            h.why = FigureValue::Why::NotFinite;
            return (void)inherit(prod, h);
        }
        h.value = net;
        if (!m_f.source.reads(Input::ProdEsp)) {
            prod.why = FigureValue::Why::Unread;
            prod.unread = m_f.source.unread[std::size_t(Input::ProdEsp)];
            return;
        }
        const double value = double(m_p.ProdEsp) * net;
        if (std::isfinite(value))
            prod.value = value;
        else
            prod.why = FigureValue::Why::NotFinite;
    }

    void warn(W kind, double a, double b = 0, double c = 0, int polynomial = 0) {
        CurveWarning w{kind, {a, b, c}, polynomial};
        m_f.warnings.append(w);
    }

    void warnings(const Polynomial& pcv, const Polynomial& pac) {
        const double volMin = m_p.VolMin, volMax = m_p.VolMax;
        const double cotaMin = m_p.CotaMin, cotaMax = m_p.CotaMax;
        if (m_f.unreadOf({Input::PCV, Input::VolMin, Input::VolMax}).isEmpty())
            if (const auto fall = pcv.falling(std::min(volMin, volMax), std::max(volMin, volMax)))
                warn(W::LevelVolumeFalls, fall->first, fall->second);
        const auto far = [&](Figure level, Input cota, double limit, W kind) {
            const std::optional<double> at = m_f[level].value;
            if (at && m_f.source.reads(cota) && std::fabs(*at - limit) > LevelTolerance)
                warn(kind, *at, limit);
        };
        far(Figure::LevelAtVolMin, Input::CotaMin, cotaMin, W::LevelAtVolMinFar);
        far(Figure::LevelAtVolMax, Input::CotaMax, cotaMax, W::LevelAtVolMaxFar);
        if (m_f.unreadOf({Input::PAC, Input::CotaMin, Input::CotaMax}).isEmpty()) {
            const double lo = std::min(cotaMin, cotaMax), hi = std::max(cotaMin, cotaMax);
            const auto [where, least] = pac.minimum(lo, hi);
            if (least <= 0)
                warn(W::AreaNotPositive, where, least);
            if (const auto fall = pac.falling(lo, hi))
                warn(W::AreaFalls, fall->first, fall->second);
        }
        if (m_f.qmaxUnread.isEmpty() && m_f.source.reads(Input::NumPolsJus))
            for (int q = 0; q < m_f.polynomials; ++q) {
                if (!m_f.source.reads(polJusInput(q)))
                    continue;
                const Polynomial pj = Polynomial::of(m_p.PolJus[q]);
                if (const auto fall = pj.falling(0, m_f.qmax))
                    warn(W::TailraceFalls, fall->first, fall->second, 0, q + 1);
                const double top = pj.at(m_f.qmax);
                if (m_f.source.reads(Input::CotaMin) && top >= cotaMin)
                    warn(W::TailraceHigh, top, m_f.qmax, cotaMin, q + 1);
            }
        for (const auto& [figure, kind] :
             {std::pair{Figure::NetHeadEquivalent, W::NetHeadEquivalentLow},
              {Figure::NetHeadV65, W::NetHeadV65Low}})
            if (const std::optional<double> h = m_f[figure].value; h && *h <= 0)
                warn(kind, *h);
    }

    Figures& m_f;
    const TUsinaHd& m_p;
};

} // namespace

Figures computeFigures(const CurveSource& source) {
    Figures f;
    f.source = source;
    Calculator(f).run();
    return f;
}

int figureDecimals(Figure figure) {
    return figure == Figure::ProductivityEquivalent || figure == Figure::ProductivityV65 ? 4 : 2;
}

QString figureLabel(Figure figure, Language language) {
    // The language table lists the figures' names in the figures' order.
    static_assert(int(CurveText::YearlyEvaporation) - int(CurveText::UsefulVolume) ==
                  int(Figure::YearlyEvaporation));
    return curveText(CurveText(int(CurveText::UsefulVolume) + int(figure)), language);
}

QString figureText(const FigureValue& value, Figure figure, Language language,
                   const QLocale& locale) {
    switch (value.why) {
    case FigureValue::Why::None:
        return value.value ? NumberTexts::Fixed(*value.value, figureDecimals(figure), locale)
                           : QString();
    case FigureValue::Why::Unread:
        return curveText(CurveText::Unread, language).arg(value.unread);
    case FigureValue::Why::LossType:
        return curveText(CurveText::LossType, language).arg(value.lossType);
    case FigureValue::Why::NotFinite:
        return curveText(CurveText::NotFinite, language);
    }
    return {};
}

QString warningText(const CurveWarning& w, Language language, const QLocale& locale) {
    const auto n = [&](int i) { return NumberTexts::Fixed(w.values[std::size_t(i)], 2, locale); };
    const auto text = [&](CurveText t) { return curveText(t, language); };
    const QString allowed = NumberTexts::Fixed(LevelTolerance, 1, locale);
    switch (w.kind) {
    case W::LevelVolumeFalls:
        return text(CurveText::LevelVolumeFalls).arg(n(0), n(1));
    case W::LevelAtVolMinFar:
        return text(CurveText::LevelAtVolMinFar).arg(n(0), n(1), allowed);
    case W::LevelAtVolMaxFar:
        return text(CurveText::LevelAtVolMaxFar).arg(n(0), n(1), allowed);
    case W::AreaNotPositive:
        return text(CurveText::AreaNotPositive).arg(n(0), n(1));
    case W::AreaFalls:
        return text(CurveText::AreaFalls).arg(n(0), n(1));
    case W::TailraceFalls:
        return text(CurveText::TailraceFalls).arg(QString::number(w.polynomial), n(0), n(1));
    case W::TailraceHigh:
        return text(CurveText::TailraceHigh).arg(QString::number(w.polynomial), n(0), n(1), n(2));
    case W::NetHeadEquivalentLow:
        return text(CurveText::NetHeadEquivalentLow).arg(n(0));
    case W::NetHeadV65Low:
        return text(CurveText::NetHeadV65Low).arg(n(0));
    }
    return {};
}

} // namespace PlantCurves
