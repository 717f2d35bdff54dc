#include "reports/SheetLayout.h"

#include "registry/AnsiText.h"
#include "registry/NumberTexts.h"
#include "registry/PlantFields.h"

#include <algorithm>

std::array<QString, 3> portugueseCaptions() {
    return {QStringLiteral("Cadastro"), QStringLiteral("Reservatório"), QStringLiteral("Usina")};
}

SheetTexts sheetTextsFromRecord(int code, const TUsinaHd& plant, const LookupLists& lists,
                                const QStringList& plantNames, const QLocale& locale) {
    SheetTexts texts;
    texts.values = plantDisplayTexts(plant, lists, plantNames, locale);
    texts.title =
        NumberTexts::Integer(code) + QStringLiteral(" - ") + AnsiText::fieldText(plant.Nome);
    texts.captions = portugueseCaptions();
    return texts;
}

QString longTimeFormatWithoutZone(const QLocale& locale) {
    const QString format = locale.timeFormat(QLocale::LongFormat);
    QString out;
    bool quoted = false;
    for (qsizetype i = 0; i < format.size(); ++i) {
        const QChar c = format.at(i);
        if (c == u'\'') {
            quoted = !quoted;
            out += c;
        } else if (!quoted && c == u't') {
            // The zone field and the blanks that set it off go together.
            while (i + 1 < format.size() && format.at(i + 1) == u't')
                ++i;
            while (!out.isEmpty() && out.back() == u' ')
                out.chop(1);
            while (i + 1 < format.size() && format.at(i + 1) == u' ' && out.isEmpty())
                ++i;
        } else {
            out += c;
        }
    }
    return out.trimmed();
}

QString footerLine(const QString& windowTitle, const QDateTime& when, const QLocale& locale) {
    return windowTitle + QStringLiteral(" - ") +
           locale.toString(when.date(), QLocale::ShortFormat) + u' ' +
           locale.toString(when.time(), longTimeFormatWithoutZone(locale));
}

namespace SheetText {

QString rightAligned(const QString& value, int n) {
    if (value.size() >= n)
        return value;
    return QString(n - value.size(), u' ') + value;
}

QString curveCode(const QString& code) {
    if (code.size() >= 3)
        return code.right(3);
    return code + u' ';
}

QString headingCase(const QString& caption) {
    return caption.toUpper();
}

} // namespace SheetText

int pageFraction(int thousandths, int extent) {
    // Exact in integers: q = thousandths * extent / 1000 with the remainder deciding.
    const long long num = static_cast<long long>(thousandths) * extent;
    long long q = num / 1000;
    long long r = num % 1000;
    if (r < 0) {
        r += 1000;
        --q;
    }
    if (r > 500 || (r == 500 && (q % 2 != 0)))
        ++q;
    return static_cast<int>(q);
}

bool parseCount(const QString& text, std::int64_t& value) {
    qsizetype i = 0;
    while (i < text.size() && text.at(i) == u' ')
        ++i;
    bool negative = false;
    if (i < text.size() && (text.at(i) == u'-' || text.at(i) == u'+')) {
        negative = text.at(i) == u'-';
        ++i;
    }
    if (i >= text.size())
        return false;
    std::int64_t v = 0;
    for (; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c < u'0' || c > u'9')
            return false;
        v = v * 10 + (c.unicode() - u'0');
        if (v > 0x7fffffffLL + 1)
            return false;
    }
    value = negative ? -v : v;
    return value >= -0x80000000LL && value <= 0x7fffffffLL;
}

QString notAnIntegerText(const QString& text) {
    return u'\'' + text + QStringLiteral("' is not a valid integer value");
}

namespace {

struct Labelled {
    int y;
    int xSingle;
    int xAll;
    const char16_t* label;
    const char* box;
};

// The labelled lines of the sheet, by section, in the order they are drawn.
const Labelled RegistryLines[] = {
    {140, 50, 30, u"Sistema:  ", "TXT_SistUsi"},  {160, 50, 30, u"Empresa:  ", "TXT_Empresa"},
    {140, 400, 380, u"Posto:    ", "TXT_Posto"},  {160, 400, 380, u"Posto BDH:", "TXT_Posto_BDH"},
    {140, 750, 730, u"Jusante: ", "TXT_Jusante"}, {160, 750, 730, u"Desvio:  ", "TXT_Desvio"},
};
const Labelled ReservoirLines[] = {
    {210, 50, 30, u"Volume Máximo: ", "TXT_VMax"},
    {230, 50, 30, u"Volume Mínimo: ", "TXT_VMin"},
    {210, 300, 280, u"Cota Máxima: ", "TXT_Ymax"},
    {230, 300, 280, u"Cota Mínima: ", "TXT_YMin"},
    {210, 520, 500, u"Volume Vert.: ", "TXT_V_Vert"},
    {230, 520, 500, u"Volume Desvio:", "TXT_V_CDesv"},
    {210, 750, 730, u"Regulação:     ", "TXT_reg"},
    {230, 750, 730, u"Volume de Ref.:", "TXT_V_Ref"},
};
const Labelled PlantLines[] = {
    {380, 50, 30, u"Produt.Específica: ", "TXT_Resp"},
    {380, 350, 330, u"TEIF: ", "TXT_TxSForc"},
    {380, 470, 450, u"Fator de Carga Máximo: ", "TXT_FatCgMax"},
    {380, 730, 710, u"Vazão Mín. Histórico: ", "TXT_QNaMH"},
    {400, 50, 30, u"Canal de Fuga Médio: ", "TXT_JusNom"},
    {400, 350, 330, u"IP  : ", "TXT_TxIndProg"},
    {400, 470, 450, u"Fator de Carga Mínimo: ", "TXT_FatCgMin"},
    {400, 730, 710, u"Núm. de Unid. de Base: ", "TXT_N_UBase"},
    {420, 50, 30, u"Conjuntos de Máq.: ", "TXT_NGrMaq"},
    {440, 50, 30, u"Tipo de Turbina  : ", "TXT_Tipo_Turb"},
    {460, 50, 30, u"Num.Polinômios de Jusante: ", "TXT_NKeyCur"},
    {420, 350, 330, u"Perdas Tipo : ", "TXT_TpPerda"},
    {440, 350, 330, u"       Valor: ", "TXT_Phd"},
    {420, 600, 580, u"Influência do Vert. no Canal de Fuga: ", "TXT_VICF"},
    {440, 600, 580, u"Representação do Conjunto : ", "TXT_RepGrGer"},
};

const char16_t SingleDownstreamHeader[] =
    u"  POLINOMIOS DE JUSANTE   #       A0            A1             A2            A3       "
    u"      A4       REFER.( M )";
const char16_t AllDownstreamHeader[] =
    u"  POLINOMIOS DE JUSANTE   #       A0            A1             A2            A3       "
    u"     A4      REFER.( M )";

QString blanks(int n) {
    return QString(n, u' ');
}

class Builder {
public:
    Builder(QSize page, SheetKind kind, const TextWidth& width)
        : m_page(page), m_all(kind == SheetKind::AllPlants), m_width(width) {}

    int x(int single, int all) const { return pageFraction(m_all ? all : single, m_page.width()); }
    int y(int thousandths) const { return pageFraction(thousandths, m_page.height()); }

    void text(SheetFont font, int px, int py, const QString& text) {
        DrawCommand c;
        c.kind = DrawCommand::Kind::Text;
        c.font = font;
        c.pos = QPoint(px, py);
        c.text = text;
        m_out.push_back(std::move(c));
    }
    void centred(SheetFont font, int thousandthsY, const QString& t) {
        text(font, (m_page.width() - m_width(font, t)) / 2, y(thousandthsY), t);
    }
    void line(int ty, int single, int all, const QString& t) {
        text(SheetFont::Body, x(single, all), y(ty), t);
    }
    void labelled(const Labelled& l, const PlantTexts& values) {
        line(l.y, l.xSingle, l.xAll,
             QString::fromUtf16(l.label) + values.box(QString::fromLatin1(l.box)));
    }
    template <std::size_t N> void labelled(const Labelled (&lines)[N], const PlantTexts& values) {
        for (const Labelled& l : lines)
            labelled(l, values);
    }
    void picture(QRect rect, const QString& svg) {
        DrawCommand c;
        c.kind = DrawCommand::Kind::Svg;
        c.rect = rect;
        c.svgPath = svg;
        m_out.push_back(std::move(c));
    }
    QRect rect(int x1, int y1, int x2, int y2) const {
        const QPoint a(pageFraction(x1, m_page.width()), pageFraction(y1, m_page.height()));
        const QPoint b(pageFraction(x2, m_page.width()), pageFraction(y2, m_page.height()));
        return QRect(a, QSize(b.x() - a.x(), b.y() - a.y()));
    }
    bool all() const { return m_all; }
    DrawList take() { return std::move(m_out); }

private:
    QSize m_page;
    bool m_all;
    const TextWidth& m_width;
    DrawList m_out;
};

} // namespace

SheetLayout layoutSheet(const SheetTexts& texts, SheetKind kind, QSize page, const TextWidth& width,
                        const QString& logoSvg) {
    using namespace SheetText;
    SheetLayout result;
    const PlantTexts& v = texts.values;
    Builder b(page, kind, width);
    const bool all = b.all();

    b.picture(b.rect(9, 7, 180, 90), logoSvg);
    b.centred(SheetFont::Title, all ? 60 : 50, texts.title);
    b.line(90, 50, 30, QStringLiteral("Data: ") + v.box(QStringLiteral("TXT_Data")));
    b.line(90, 600, 600, QStringLiteral("Obs.: ") + v.box(QStringLiteral("TXT_Obs")));

    b.centred(SheetFont::Heading, 110, headingCase(texts.captions[0]));
    b.labelled(RegistryLines, v);

    b.centred(SheetFont::Heading, 190, headingCase(texts.captions[1]));
    b.labelled(ReservoirLines, v);
    {
        const QString gap = blanks(all ? 14 : 16);
        b.line(250, 50, 20,
               blanks(40) + QStringLiteral("A0") + gap + QStringLiteral("A1") + gap +
                   QStringLiteral("A2") + gap + QStringLiteral("A3") + gap + QStringLiteral("A4"));
        const QString after = blanks(all ? 4 : 6);
        QString levelVolume = QStringLiteral("  POLINÔMIOS:   COTA X VOLUME      ");
        QString areaLevel = blanks(16) + QStringLiteral("AREA X COTA        ");
        const PlantField& pcv = formField(&TUsinaHd::PCV);
        const PlantField& pac = formField(&TUsinaHd::PAC);
        for (int k = 0; k < pcv.access.elements; ++k)
            levelVolume += pcv.cellText(v, k) + after;
        for (int k = 0; k < pac.access.elements; ++k)
            areaLevel += pac.cellText(v, k) + after;
        b.line(270, 50, 20, levelVolume);
        b.line(290, 50, 20, areaLevel);
        b.line(310, 50, 50,
               blanks(32) + QStringList{"JAN", "FEV", "MAR", "ABR", "MAI", "JUN", "JUL", "AGO",
                                        "SET", "OUT", "NOV", "DEZ"}
                                .join(blanks(4)));
        QStringList months;
        const PlantField& evaporation = formField(&TUsinaHd::EvapMen);
        for (int m = 0; m < evaporation.access.elements; ++m)
            months << rightAligned(evaporation.cellText(v, m), 3);
        b.line(330, 50, 50,
               QStringLiteral("  Evaporação Mensal (mm/mês):") + blanks(3) +
                   months.join(blanks(4)));
    }

    b.centred(SheetFont::Heading, 360, headingCase(texts.captions[2]));
    b.labelled(PlantLines, v);
    b.line(480, 50, 30, QStringLiteral("    #  #MAQ   POTEF    QEF     HEF"));
    b.line(480, 400, 380,
           QStringLiteral("RL        A0            A1            A2            A3            A4"));

    // The counts are read as the blocks are drawn; a count outside the record's limits
    // prints no more than 5 sets and 6 polynomials.
    std::int64_t sets = 0;
    const QString setsText = v.box(formField(&TUsinaHd::NumConjMaq).name());
    if (!parseCount(setsText, sets)) {
        result.error = notAnIntegerText(setsText);
        return result;
    }
    const int n = int(std::clamp<std::int64_t>(sets, 0, MaxMachineSets));
    const FormGrid& setGrid = *formField(&TUsinaHd::NumMaq).grid;
    const FormGrid& curveGrid = *formField(&TUsinaHd::QHT).grid;
    const PlantField* const curves[] = {&formField(&TUsinaHd::QHT), &formField(&TUsinaHd::QHG),
                                        &formField(&TUsinaHd::PH)};
    for (int i = 0; i < n; ++i) {
        const int top = 500 + 60 * i;
        const auto set = [&](auto member) { return formField(member).cellText(v, i); };
        const QString setLine = blanks(4) + v.ConjMaq1.at(i, setGrid.numberColumn) + blanks(2) +
                                rightAligned(set(&TUsinaHd::NumMaq), 3) + blanks(2) +
                                rightAligned(set(&TUsinaHd::PotEf), 7) + blanks(2) +
                                rightAligned(set(&TUsinaHd::QEf), 5) + blanks(all ? 4 : 5) +
                                set(&TUsinaHd::HEf);
        b.line(top, 50, 30, setLine);
        for (int c = 0; c < int(std::size(curves)); ++c) {
            const PlantField& f = *curves[c];
            const int terms = f.place.perRow;
            QString curve =
                curveCode(v.ConjMaq2.at(f.cellOf(terms * i).first, curveGrid.labelColumn));
            for (int k = 0; k < terms; ++k)
                curve += blanks(2) + f.cellText(v, terms * i + k);
            b.line(top + 20 * c, 400, 380, curve);
        }
    }

    std::int64_t pols = 0;
    const QString polsText = v.box(formField(&TUsinaHd::NumPolsJus).name());
    if (!parseCount(polsText, pols)) {
        result.error = notAnIntegerText(polsText);
        return result;
    }
    const int m = int(std::clamp<std::int64_t>(pols, 0, MaxDownstreamPolynomials));
    b.line(500 + 60 * n, 50, 30,
           QString::fromUtf16(all ? AllDownstreamHeader : SingleDownstreamHeader));
    const PlantField& polJus = formField(&TUsinaHd::PolJus);
    const PlantField& reference = formField(&TUsinaHd::PolJusRef);
    for (int k = 0; k < m; ++k) {
        QString line = blanks(26) + v.PolsJus.at(k, polJus.grid->numberColumn);
        const int terms = polJus.place.perRow;
        for (int c = 0; c < terms; ++c)
            line += blanks(2) + polJus.cellText(v, terms * k + c);
        line += blanks(4) + reference.cellText(v, k);
        b.line(520 + 60 * n + 20 * k, 50, 30, line);
    }

    b.text(SheetFont::Footer, 0, b.y(980), texts.footer);
    result.commands = b.take();
    result.ok = true;
    return result;
}

DrawList layoutScreenPrint(const QImage& window, const QString& footer, QSize page) {
    DrawList out;
    DrawCommand picture;
    picture.kind = DrawCommand::Kind::Image;
    const QPoint a(pageFraction(50, page.width()), pageFraction(50, page.height()));
    const QPoint b(pageFraction(950, page.width()), pageFraction(950, page.height()));
    picture.rect = QRect(a, QSize(b.x() - a.x(), b.y() - a.y()));
    picture.image = window;
    out.push_back(std::move(picture));
    DrawCommand text;
    text.font = SheetFont::Footer;
    text.pos = QPoint(0, pageFraction(980, page.height()));
    text.text = footer;
    out.push_back(std::move(text));
    return out;
}
