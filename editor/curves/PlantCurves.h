#pragma once
// A plant's physics as engineers check it: its polynomials of degree 4 evaluated in double
// from the stored float32 coefficients, the figures derived from them (useful volume,
// equivalent level, net heads, productivities...) and the warnings that flag a coefficient
// gone wrong (a curve that falls, a level far from its limit). Plain values: the window, the
// files, the summary and the registry check only show them.

#include "language/LanguageTexts.h"
#include "registry/PlantFields.h"
#include "registry/TUsinaHd.h"

#include <QList>
#include <QLocale>
#include <QString>
#include <array>
#include <optional>
#include <utility>
#include <vector>

namespace PlantCurves {

// A0 + A1 x + A2 x² + A3 x³ + A4 x⁴ in double.
struct Polynomial {
    std::array<double, 5> a{};

    static Polynomial of(const Coeffs5& coefficients);
    static Polynomial of(const WideCoeffs5& coefficients) { return {coefficients}; }
    double at(double x) const;
    double slopeAt(double x) const;
    // The exact integral over [from, to] (the antiderivative's difference).
    double integral(double from, double to) const;
    // The real roots of the derivative strictly inside (lo, hi), ascending.
    std::vector<double> criticalPoints(double lo, double hi) const;
    // The smallest value over [lo, hi] and where it is.
    std::pair<double, double> minimum(double lo, double hi) const; // {x, value}
    // max - min over [lo, hi].
    double spread(double lo, double hi) const;
    // The first stretch of [lo, hi] on which the polynomial falls, found between the real
    // roots of its derivative; a fall of no more than 1e-9 of the polynomial's spread over
    // [lo, hi] is round-off, not a fall. nullopt when it never falls.
    std::optional<std::pair<double, double>> falling(double lo, double hi) const;
};

// The real roots of c0 + c1 x + c2 x² + c3 x³ strictly inside (lo, hi), ascending. Degree 1
// and 2 are solved in closed form (the quadratic without cancellation); a cubic's turning
// points, from its quadratic derivative, cut [lo, hi] into monotone pieces, each holding at
// most one root, found by bisection to the last bit. A zero polynomial has none.
std::vector<double> realRoots(const std::array<double, 4>& c, double lo, double hi);

// The plant's values that the curves and figures read: the form table says which field
// feeds which.
using Input = CurveInput;
constexpr int InputCount = int(Input::PolJus) + 6;
constexpr Input polJusInput(int p) {
    return Input(int(Input::PolJus) + p);
}

// A plant as read for the curves: the stored plant while browsing; while editing, the plant
// the form stands for, with the box or cell that did not read for each value that did not.
struct CurveSource {
    TUsinaHd plant;
    std::array<QString, InputCount> unread; // the label of the box or cell; empty when read

    bool reads(Input input) const { return unread[std::size_t(input)].isEmpty(); }
};

enum class Figure {
    UsefulVolume,
    LevelAtVolMin,
    LevelAtVolMax,
    LevelAtV65,
    EquivalentLevel,
    TurbinedFlow,
    InstalledPower,
    NetHeadEquivalent,
    NetHeadV65,
    ProductivityEquivalent,
    ProductivityV65,
    AreaAtCotaMin,
    AreaAtCotaMax,
    YearlyEvaporation,
};
constexpr int FigureCount = int(Figure::YearlyEvaporation) + 1;

struct FigureValue {
    enum class Why { None, Unread, LossType, NotFinite };
    std::optional<double> value;
    Why why = Why::None;
    QString unread; // Unread: the box or cell
    int lossType = 0;
};

struct CurveWarning {
    enum class Kind {
        LevelVolumeFalls, // from, to (hm3)
        LevelAtVolMinFar, // level at VolMin, CotaMin
        LevelAtVolMaxFar, // level at VolMax, CotaMax
        AreaNotPositive,  // level, area
        AreaFalls,        // from, to (m)
        TailraceFalls,    // from, to (m3/s); polynomial
        TailraceHigh,     // level at Qmax, Qmax, CotaMin; polynomial
        NetHeadEquivalentLow,
        NetHeadV65Low,
    };
    Kind kind;
    std::array<double, 3> values{};
    int polynomial = 0; // 1..6
};

struct Figures {
    CurveSource source;
    std::array<FigureValue, FigureCount> values;
    QList<CurveWarning> warnings;
    int sets = 0;        // machine sets declared, 0..5
    int polynomials = 0; // tailrace polynomials declared, 0..6
    double qmax = 0;     // the tailrace charts' outflow range: twice Qt, 1000 when Qt is 0
    QString qmaxUnread;  // what the range could not be read from

    const FigureValue& operator[](Figure f) const { return values[std::size_t(f)]; }
    // The first box among the inputs that does not read; empty when all read.
    QString unreadOf(std::initializer_list<Input> inputs) const;
    double v65() const;
};

Figures computeFigures(const CurveSource& source);

// A figure's text: 2 decimals (the productivities 4), or why it is missing.
QString figureText(const FigureValue& value, Figure figure, Language language,
                   const QLocale& locale);
QString figureLabel(Figure figure, Language language);
int figureDecimals(Figure figure);
// A warning's text, without its prefix; numbers with 2 decimals.
QString warningText(const CurveWarning& warning, Language language, const QLocale& locale);

} // namespace PlantCurves
