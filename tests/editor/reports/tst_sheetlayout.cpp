// The data sheet as draw commands: positions, fonts, fitting, the two blocks, the footer.

#include "ReportSamples.h"
#include "registry/LookupLists.h"
#include "registry/PlantList.h"
#include "reports/SheetLayout.h"

#include <QtTest>

using namespace ReportSamples;

namespace {

const QSize Page(10000, 7000);

// Every character of a font is as wide as the font's number here.
int fakeWidth(SheetFont font, const QString& text) {
    static const int perChar[] = {12, 7, 6, 4};
    return perChar[int(font)] * int(text.size());
}

SheetTexts knownTexts(SheetKind kind) {
    LookupLists lists;
    lists.setDefaults();
    QStringList names = PlantList::emptyPlantNames();
    names[5] = QStringLiteral("BETA        ");
    if (kind == SheetKind::AllPlants) {
        SheetTexts t = sheetTextsFromRecord(7, knownPlant(), lists, names, QLocale::c());
        t.footer = QStringLiteral("the footer");
        return t;
    }
    // The single sheet takes the window's texts: the name box is in capitals.
    SheetTexts t;
    t.values = plantDisplayTexts(knownPlant(), lists, names, QLocale::c());
    t.title = QStringLiteral("7 - ") + t.values.box("TXT_Nome");
    t.captions = portugueseCaptions();
    t.footer = QStringLiteral("the footer");
    return t;
}

DrawList layout(const SheetTexts& texts, SheetKind kind) {
    const SheetLayout l = layoutSheet(texts, kind, Page, fakeWidth, QStringLiteral(":/logo"));
    return l.commands;
}

QList<const DrawCommand*> textsAt(const DrawList& list, int y) {
    QList<const DrawCommand*> out;
    for (const DrawCommand& c : list)
        if (c.kind == DrawCommand::Kind::Text && c.pos.y() == y)
            out.append(&c);
    return out;
}

const DrawCommand* startingWith(const DrawList& list, const QString& prefix) {
    for (const DrawCommand& c : list)
        if (c.kind == DrawCommand::Kind::Text && c.text.startsWith(prefix))
            return &c;
    return nullptr;
}

QString sp(int n) {
    return QString(n, u' ');
}

} // namespace

class TestSheetLayout : public QObject {
    Q_OBJECT

private slots:
    void pageFraction_data();
    void pageFraction();
    void knownSheet_data();
    void knownSheet();
    void logoAndOrder();
    void setLineColumns_data();
    void setLineColumns();
    void blocks_data();
    void blocks();
    void countsThatAreNotIntegers_data();
    void countsThatAreNotIntegers();
    void headings_data();
    void headings();
    void footer_data();
    void footer();
    void screenPrint();
};

void TestSheetLayout::pageFraction_data() {
    QTest::addColumn<int>("thousandths");
    QTest::addColumn<int>("extent");
    QTest::addColumn<int>("expected");
    QTest::newRow("half down to even") << 500 << 1001 << 500;
    QTest::newRow("half up to even") << 500 << 1003 << 502;
    QTest::newRow("0.05 of 1010") << 50 << 1010 << 50;
    QTest::newRow("0.05 of 1030") << 50 << 1030 << 52;
    QTest::newRow("above half") << 7 << 2100 << 15;
    QTest::newRow("below half") << 9 << 1030 << 9;
    QTest::newRow("whole") << 980 << 7000 << 6860;
    QTest::newRow("logo top, 0.007 of 1500") << 7 << 1500 << 10;
}

void TestSheetLayout::pageFraction() {
    QFETCH(int, thousandths);
    QFETCH(int, extent);
    QFETCH(int, expected);
    QCOMPARE(::pageFraction(thousandths, extent), expected);
}

void TestSheetLayout::knownSheet_data() {
    QTest::addColumn<bool>("all");
    QTest::addColumn<QString>("prefix"); // finds the command
    QTest::addColumn<QPoint>("pos");
    QTest::addColumn<int>("font");
    QTest::addColumn<QString>("text");
    const int body = int(SheetFont::Body);
    const auto both = [&](const char* tag, const QString& text, QPoint single, QPoint all, int font,
                          const QString& allText = {}) {
        QTest::newRow(qPrintable(QString("single: ") + tag))
            << false << text.left(12) << single << font << text;
        const QString a = allText.isEmpty() ? text : allText;
        QTest::newRow(qPrintable(QString("all plants: ") + tag))
            << true << a.left(12) << all << font << a;
    };
    // Title: 16 characters of 12 units, centred; the all-plants title keeps the stored case.
    both("title", "7 - SERRA AZUL  ", {(10000 - 192) / 2, 350}, {(10000 - 192) / 2, 420},
         int(SheetFont::Title), "7 - Serra Azul  ");
    both("date", "Data: 01/02/26", {500, 630}, {300, 630}, body);
    both("observation", "Obs.: " + QString("Usina de teste, ficticia").leftJustified(43),
         {6000, 630}, {6000, 630}, body);
    both("first heading", "CADASTRO", {(10000 - 56) / 2, 770}, {(10000 - 56) / 2, 770},
         int(SheetFont::Heading));
    both("second heading", "RESERVATÓRIO", {(10000 - 84) / 2, 1330}, {(10000 - 84) / 2, 1330},
         int(SheetFont::Heading));
    both("third heading, odd width truncated", "USINA", {4982, 2520}, {4982, 2520},
         int(SheetFont::Heading));
    both("system", "Sistema:  1 - Sudeste", {500, 980}, {300, 980}, body);
    both("company", "Empresa:  19 - Furnas", {500, 1120}, {300, 1120}, body);
    both("gauge", "Posto:    123", {4000, 980}, {3800, 980}, body);
    both("alternative gauge", "Posto BDH:BDH-0042", {4000, 1120}, {3800, 1120}, body);
    both("downstream", "Jusante: 5 - BETA        ", {7500, 980}, {7300, 980}, body);
    both("diversion", "Desvio:  0 - NÃO HÁ", {7500, 1120}, {7300, 1120}, body);
    both("max volume", "Volume Máximo: 5678.25   hm3", {500, 1470}, {300, 1470}, body);
    both("min level", "Cota Mínima: 300.50   m", {3000, 1610}, {2800, 1610}, body);
    both("diversion volume", "Volume Desvio:0.50   hm3", {5200, 1610}, {5000, 1610}, body);
    both("regulation", "Regulação:     S - Semanal", {7500, 1470}, {7300, 1470}, body);
    both("reference volume", "Volume de Ref.:500.50   hm3", {7500, 1610}, {7300, 1610}, body);
    both("coefficient header",
         sp(40) + "A0" + sp(16) + "A1" + sp(16) + "A2" + sp(16) + "A3" + sp(16) + "A4", {500, 1750},
         {200, 1750}, body,
         sp(40) + "A0" + sp(14) + "A1" + sp(14) + "A2" + sp(14) + "A3" + sp(14) + "A4");
    const QStringList pcv = {"3.015000E+02", "-2.500000E-01", "1.000000E-03", "2.500000E-06",
                             "-3.000000E-09"};
    const QStringList pac = {"1.000000E+01", "5.000000E-01", "-6.250000E-02", "0.000000E+00",
                             "1.000000E-05"};
    both("level x volume", "  POLINÔMIOS:   COTA X VOLUME      " + pcv.join(sp(6)) + sp(6),
         {500, 1890}, {200, 1890}, body,
         "  POLINÔMIOS:   COTA X VOLUME      " + pcv.join(sp(4)) + sp(4));
    both("area x level", sp(16) + "AREA X COTA        " + pac.join(sp(6)) + sp(6), {500, 2030},
         {200, 2030}, body, sp(16) + "AREA X COTA        " + pac.join(sp(4)) + sp(4));
    both("month header",
         sp(32) +
             "JAN    FEV    MAR    ABR    MAI    JUN    JUL    AGO    SET    OUT    NOV    DEZ",
         {500, 2170}, {500, 2170}, body);
    // Right-aligned in 3; values too long for the column print whole.
    both("evaporation",
         "  Evaporação Mensal (mm/mês):   " + QStringList{" 12", "-123", "1250", "  4", "  5",
                                                          "  6", "  7", "  8", "  9", " 10", " 11",
                                                          " -7"}
                                                  .join(sp(4)),
         {500, 2310}, {500, 2310}, body);
    both("productivity", "Produt.Específica: 0.008700 MW/m3/s/m", {500, 2660}, {300, 2660}, body);
    both("TEIF", "TEIF: 2.500 %", {3500, 2660}, {3300, 2660}, body);
    both("max load", "Fator de Carga Máximo: 100.00 %", {4700, 2660}, {4500, 2660}, body);
    both("min flow", "Vazão Mín. Histórico: 55 m3/s", {7300, 2660}, {7100, 2660}, body);
    both("IP", "IP  : 1.250 %", {3500, 2800}, {3300, 2800}, body);
    both("base units", "Núm. de Unid. de Base: 1", {7300, 2800}, {7100, 2800}, body);
    both("sets", "Conjuntos de Máq.: 2", {500, 2940}, {300, 2940}, body);
    both("turbine", "Tipo de Turbina  : 1 - Francis", {500, 3080}, {300, 3080}, body);
    both("polynomials", "Num.Polinômios de Jusante: 1", {500, 3220}, {300, 3220}, body);
    both("loss type", "Perdas Tipo : 2 - m", {3500, 2940}, {3300, 2940}, body);
    both("loss value", "       Valor: 1.50", {3500, 3080}, {3300, 3080}, body);
    both("spill influence", "Influência do Vert. no Canal de Fuga: 1 - Yes", {6000, 2940},
         {5800, 2940}, body);
    both("representation", "Representação do Conjunto : 1 - Det.", {6000, 3080}, {5800, 3080},
         body);
    both("set header", "    #  #MAQ   POTEF    QEF     HEF", {500, 3360}, {300, 3360}, body);
    both("curve header", "RL        A0            A1            A2            A3            A4",
         {4000, 3360}, {3800, 3360}, body);
    both("set 1", "    1    3    125.5    210     95.75", {500, 3500}, {300, 3500}, body,
         "    1    3    125.5    210    95.75");
    both("set 2", "    2    2     80.5    150     60.50", {500, 3920}, {300, 3920}, body,
         "    2    2     80.5    150    60.50");
    both("set 1 QHT", "QHT  1.000000E+00  2.000000E+00  3.000000E+00  4.000000E+00  5.000000E+00",
         {4000, 3500}, {3800, 3500}, body);
    both("set 1 QHG",
         "QHG  -1.000000E+00  -2.000000E+00  -3.000000E+00  -4.000000E+00  -5.000000E+00",
         {4000, 3640}, {3800, 3640}, body);
    both("set 1 PH, code and a blank",
         "PH   5.000000E-01  2.500000E-01  1.250000E-01  6.250000E-02  3.125000E-02", {4000, 3780},
         {3800, 3780}, body);
    both("set 2 QHT", "QHT  1.100000E+01", {4000, 3920}, {3800, 3920}, body, "QHT  1.100000E+01");
    both("downstream header after two sets",
         "  POLINOMIOS DE JUSANTE   #       A0            A1             A2            A3       "
         "      A4       REFER.( M )",
         {500, 4340}, {300, 4340}, body,
         "  POLINOMIOS DE JUSANTE   #       A0            A1             A2            A3       "
         "     A4      REFER.( M )");
    both("downstream polynomial 1",
         sp(26) +
             "1  3.105000E+02  1.250000E-01  -5.000000E-01  0.000000E+00  1.000000E-07    305.25",
         {500, 4480}, {300, 4480}, body);
    both("footer", "the footer", {0, 6860}, {0, 6860}, int(SheetFont::Footer));
}

void TestSheetLayout::knownSheet() {
    QFETCH(bool, all);
    QFETCH(QString, prefix);
    QFETCH(QPoint, pos);
    QFETCH(int, font);
    QFETCH(QString, text);
    const SheetKind kind = all ? SheetKind::AllPlants : SheetKind::Single;
    const DrawList list = layout(knownTexts(kind), kind);
    QList<const DrawCommand*> found;
    for (const DrawCommand* c : textsAt(list, pos.y()))
        if (c->text.startsWith(prefix) && c->pos.x() == pos.x())
            found.append(c);
    QCOMPARE(found.size(), 1);
    if (text.size() < found.at(0)->text.size() && prefix.startsWith("QHT  1.1"))
        QVERIFY(found.at(0)->text.startsWith(text)); // the rest is set 2's zeros
    else
        QCOMPARE(found.at(0)->text, text);
    QCOMPARE(int(found.at(0)->font), font);
}

void TestSheetLayout::logoAndOrder() {
    const DrawList list = layout(knownTexts(SheetKind::Single), SheetKind::Single);
    // The logo first, stretched from (0.009 W, 0.007 H) to (0.18 W, 0.09 H).
    QCOMPARE(list.front().kind, DrawCommand::Kind::Svg);
    QCOMPARE(list.front().svgPath, QString(":/logo"));
    QCOMPARE(list.front().rect, QRect(QPoint(90, 49), QSize(1710, 581)));
    QCOMPARE(list.at(1).font, SheetFont::Title);
    QCOMPARE(list.back().font, SheetFont::Footer);
    // 3 headings, 45 fixed lines, 2 sets of 4 lines, a downstream header and 1 polynomial.
    QCOMPARE(int(list.size()), 1 + 1 + 3 + 2 + 6 + 8 + 5 + 15 + 2 + 8 + 1 + 1 + 1);
}

void TestSheetLayout::setLineColumns_data() {
    QTest::addColumn<QStringList>("cells"); // set number, machines, power, flow, head
    QTest::addColumn<bool>("all");
    QTest::addColumn<QString>("line");
    QTest::newRow("fits") << QStringList{"1", "3", "125.5", "210", "95.75"} << false
                          << "    1    3    125.5    210     95.75";
    QTest::newRow("fits exactly") << QStringList{"1", "999", "12345.5", "99999", "1.00"} << false
                                  << "    1  999  12345.5  99999     1.00";
    QTest::newRow("all plants head one blank nearer")
        << QStringList{"1", "3", "125.5", "210", "95.75"} << true
        << "    1    3    125.5    210    95.75";
    QTest::newRow("too long: printed whole, sign kept")
        << QStringList{"1", "-1234", "-123456.5", "1234567", "-2.00"} << false
        << "    1  -1234  -123456.5  1234567     -2.00";
}

void TestSheetLayout::setLineColumns() {
    QFETCH(QStringList, cells);
    QFETCH(bool, all);
    QFETCH(QString, line);
    SheetTexts t = knownTexts(SheetKind::Single);
    for (int c = 0; c < 5; ++c)
        t.values.ConjMaq1.set(0, c, cells.at(c));
    const SheetKind kind = all ? SheetKind::AllPlants : SheetKind::Single;
    const DrawList list = layout(t, kind);
    const QList<const DrawCommand*> at = textsAt(list, 3500);
    QCOMPARE(at.size(), 2);
    QCOMPARE(at.at(0)->text, line);
    if (line.size() <= 37) {
        // Under "#MAQ", "POTEF", "QEF" and "HEF" of the header above.
        QCOMPARE(line.at(9), cells.at(1).back());
        QCOMPARE(line.at(18), cells.at(2).back());
        QCOMPARE(line.at(25), cells.at(3).back());
        QCOMPARE(line.mid(all ? 30 : 31, cells.at(4).size()), cells.at(4));
    }
}

void TestSheetLayout::blocks_data() {
    QTest::addColumn<int>("numConjMaq");
    QTest::addColumn<int>("numPolsJus");
    QTest::addColumn<QString>("setsText"); // the box text when it differs from the record's
    QTest::addColumn<int>("setLines");
    QTest::addColumn<int>("headerY");
    QTest::addColumn<QList<int>>("polynomialYs");
    QTest::newRow("none: downstream header at 0.50")
        << 0 << 0 << QString() << 0 << 3500 << QList<int>{};
    QTest::newRow("five sets, six polynomials: last line at 0.92")
        << 5 << 6 << QString() << 5 << 5600 << QList<int>{5740, 5880, 6020, 6160, 6300, 6440};
    QTest::newRow("blank record counts print at most 5 and 6")
        << 538976288 << 538976288 << QString() << 5 << 5600
        << QList<int>{5740, 5880, 6020, 6160, 6300, 6440};
    QTest::newRow("negative counts print none")
        << -3 << -1 << QString() << 0 << 3500 << QList<int>{};
    QTest::newRow("count typed with a leading blank")
        << 1 << 2 << " 1" << 1 << 3920 << QList<int>{4060, 4200};
}

void TestSheetLayout::blocks() {
    QFETCH(int, numConjMaq);
    QFETCH(int, numPolsJus);
    QFETCH(QString, setsText);
    QFETCH(int, setLines);
    QFETCH(int, headerY);
    QFETCH(QList<int>, polynomialYs);
    TUsinaHd plant = knownPlant();
    plant.NumConjMaq = numConjMaq;
    plant.NumPolsJus = numPolsJus;
    LookupLists lists;
    lists.setDefaults();
    for (const SheetKind kind : {SheetKind::Single, SheetKind::AllPlants}) {
        SheetTexts t =
            sheetTextsFromRecord(7, plant, lists, PlantList::emptyPlantNames(), QLocale::c());
        if (!setsText.isEmpty())
            t.values.boxes["TXT_NGrMaq"] = setsText;
        const DrawList list = layout(t, kind);
        const int left = kind == SheetKind::Single ? 500 : 300;
        const int right = kind == SheetKind::Single ? 4000 : 3800;
        const DrawCommand* header = startingWith(list, "  POLINOMIOS DE JUSANTE");
        QVERIFY(header);
        QCOMPARE(header->pos, QPoint(left, headerY));
        int setCount = 0;
        int curveCount = 0;
        QList<int> polys;
        for (const DrawCommand& c : list) {
            if (c.kind != DrawCommand::Kind::Text || c.pos.y() < 3500 || c.pos.y() > 6500)
                continue;
            if (c.pos.x() == left && c.text.startsWith("    ") && c.pos.y() < headerY) {
                QCOMPARE(c.pos.y(), 3500 + 420 * setCount);
                ++setCount;
            } else if (c.pos.x() == right) {
                QCOMPARE(c.pos.y(), 3500 + 420 * (curveCount / 3) + 140 * (curveCount % 3));
                QCOMPARE(c.text.left(3), QStringList({"QHT", "QHG", "PH "}).at(curveCount % 3));
                ++curveCount;
            } else if (c.pos.y() > headerY && c.font == SheetFont::Body) {
                QCOMPARE(c.text.left(26), sp(26));
                QCOMPARE(c.text.mid(26, 1), QString::number(polys.size() + 1));
                polys.append(c.pos.y());
            }
        }
        QCOMPARE(setCount, setLines);
        QCOMPARE(curveCount, 3 * setLines);
        QCOMPARE(polys, polynomialYs);
    }
}

void TestSheetLayout::countsThatAreNotIntegers_data() {
    QTest::addColumn<QString>("sets");
    QTest::addColumn<QString>("polynomials");
    QTest::addColumn<QString>("error");
    QTest::newRow("no plant selected") << ""
                                       << ""
                                       << "'' is not a valid integer value";
    QTest::newRow("trailing blank") << "2 "
                                    << "1"
                                    << "'2 ' is not a valid integer value";
    QTest::newRow("polynomials") << "2"
                                 << "x"
                                 << "'x' is not a valid integer value";
}

void TestSheetLayout::countsThatAreNotIntegers() {
    QFETCH(QString, sets);
    QFETCH(QString, polynomials);
    QFETCH(QString, error);
    SheetTexts t = knownTexts(SheetKind::Single);
    t.values.boxes["TXT_NGrMaq"] = sets;
    t.values.boxes["TXT_NKeyCur"] = polynomials;
    const SheetLayout l = layoutSheet(t, SheetKind::Single, Page, fakeWidth, QString());
    QVERIFY(!l.ok);
    QCOMPARE(l.error, error);
}

void TestSheetLayout::headings_data() {
    QTest::addColumn<QStringList>("captions");
    QTest::addColumn<QStringList>("headings");
    QTest::newRow("Portuguese") << QStringList{"Cadastro", "Reservatório", "Usina"}
                                << QStringList{"CADASTRO", "RESERVATÓRIO", "USINA"};
    QTest::newRow("English") << QStringList{"Hydro Cadastre", "Reservoir", "Hydro Plant"}
                             << QStringList{"HYDRO CADASTRE", "RESERVOIR", "HYDRO PLANT"};
    QTest::newRow("every letter, accented too")
        << QStringList{"ação çé", "ÿz1", "Ñandú"} << QStringList{"AÇÃO ÇÉ", "ŸZ1", "ÑANDÚ"};
}

void TestSheetLayout::headings() {
    QFETCH(QStringList, captions);
    QFETCH(QStringList, headings);
    SheetTexts t = knownTexts(SheetKind::Single);
    for (int i = 0; i < 3; ++i)
        t.captions[i] = captions.at(i);
    const DrawList list = layout(t, SheetKind::Single);
    QStringList found;
    for (const DrawCommand& c : list)
        if (c.font == SheetFont::Heading)
            found << c.text;
    QCOMPARE(found, headings);
}

void TestSheetLayout::footer_data() {
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("footer");
    // The long time formats of these locales end in a time zone, which is left out.
    QTest::newRow("pt_BR") << "pt_BR"
                           << "Velarin - /r/HIDR.DAT - 04/03/2026 05:06:07";
    QTest::newRow("en_US") << "en_US"
                           << "Velarin - /r/HIDR.DAT - 3/4/26 5:06:07 AM";
    QTest::newRow("de_DE") << "de_DE"
                           << "Velarin - /r/HIDR.DAT - 04.03.26 05:06:07";
    QTest::newRow("C") << "C"
                       << "Velarin - /r/HIDR.DAT - 4 Mar 2026 05:06:07";
}

void TestSheetLayout::footer() {
    QFETCH(QString, locale);
    QFETCH(QString, footer);
    const QDateTime when(QDate(2026, 3, 4), QTime(5, 6, 7));
    QCOMPARE(footerLine("Velarin - /r/HIDR.DAT", when, QLocale(locale)), footer);
    QVERIFY(!longTimeFormatWithoutZone(QLocale(locale)).contains(u't'));
}

void TestSheetLayout::screenPrint() {
    QImage window(300, 100, QImage::Format_RGB32);
    const DrawList list = layoutScreenPrint(window, "Velarin - x", QSize(1010, 1030));
    QCOMPARE(int(list.size()), 2);
    QCOMPARE(list.at(0).kind, DrawCommand::Kind::Image);
    // 5 % and 95 % of each side, halves to even: 50.5 -> 50, 959.5 -> 960; 51.5 -> 52, 978.5 ->
    // 978.
    QCOMPARE(list.at(0).rect, QRect(QPoint(50, 52), QSize(960 - 50, 978 - 52)));
    QCOMPARE(list.at(0).image.size(), window.size());
    QCOMPARE(list.at(1).font, SheetFont::Footer);
    QCOMPARE(list.at(1).pos, QPoint(0, 1009)); // 1009.4
    QCOMPARE(list.at(1).text, QString("Velarin - x"));
}

QTEST_GUILESS_MAIN(TestSheetLayout)
#include "tst_sheetlayout.moc"
