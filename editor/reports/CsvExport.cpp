#include "reports/CsvExport.h"

#include "registry/AnsiText.h"
#include "registry/NumberTexts.h"
#include "registry/PlantCodec.h"
#include "registry/PlantList.h"
#include "registry/TCadHd.h"
#include "core/Dialogs.h"

#include "registry/SafeWrite.h"

using namespace NumberTexts;

namespace CsvExport {

namespace {

const char16_t HeaderText[] =
    u"CodUsina;Usina;Sistema;Empresa;Posto;Posto BDH;Jusante;Desvio;Vol.Máx.(hm3);"
    u"Vol.min.(hm3);Cota Máx.(m);Cota min.(m);Vol.Vert.(hm3);Vol.Desv.(hm3);PCV(0);PCV(1);"
    u"PCV(2);PCV(3);PCV(4);PAC(0);PAC(1);PAC(2);PAC(3);PAC(4);Evap.Men.(1);Evap.Men.(2);"
    u"Evap.Men.(3);Evap.Men.(4);Evap.Men.(5);Evap.Men.(6);Evap.Men.(7);Evap.Men.(8);"
    u"Evap.Men.(9);Evap.Men.(10);Evap.Men.(11);Evap.Men.(12);Prod.Esp.(MW/m3/s/m);"
    u"Canal Fuga Médio(m);TEIF(%);IP(%);Tipo Turbina;Num.Conj.Máq.;Num.Pols.Jus.;"
    u"Fat.Carga Máx.(%);Fat.Carga mín.(%);Tipo Perdas(1=%/2=M/3=K);Valor Perdas;"
    u"Vazão Mín.Hist.(m3/s);Num.Unid.Base;Infl.Vert.Canal de Fuga;"
    u"Rep.Conj(0=aprox/1=det/2=simp);#Maq(1);PotEf(1);QEf(1);HEf(1);#Maq(2);PotEf(2);"
    u"QEf(2);HEf(2);#Maq(3);PotEf(3);QEf(3);HEf(3);#Maq(4);PotEf(4);QEf(4);HEf(4);#Maq(5);"
    u"PotEf(5);QEf(5);HEf(5);QHTA0(1);QHTA1(1);QHTA2(1);QHTA3(1);QHTA4(1);QHTA0(2);"
    u"QHTA1(2);QHTA2(2);QHTA3(2);QHTA4(2);QHTA0(3);QHTA1(3);QHTA2(3);QHTA3(3);QHTA4(3);"
    u"QHTA0(4);QHTA1(4);QHTA2(4);QHTA3(4);QHTA4(4);QHTA0(5);QHTA1(5);QHTA2(5);QHTA3(5);"
    u"QHTA4(5);QHGA0(1);QHGA1(1);QHGA2(1);QHGA3(1);QHGA4(1);QHGA0(2);QHGA1(2);QHGA2(2);"
    u"QHGA3(2);QHGA4(2);QHGA0(3);QHGA1(3);QHGA2(3);QHGA3(3);QHGA4(3);QHGA0(4);QHGA1(4);"
    u"QHGA2(4);QHGA3(4);QHGA4(4);QHGA0(5);QHGA1(5);QHGA2(5);QHGA3(5);QHGA4(5);PHA0(1);"
    u"PHA1(1);PHA2(1);PHA3(1);PHA4(1);PHA0(2);PHA1(2);PHA2(2);PHA3(2);PHA4(2);PHA0(3);"
    u"PHA1(3);PHA2(3);PHA3(3);PHA4(3);PHA0(4);PHA1(4);PHA2(4);PHA3(4);PHA4(4);PHA0(5);"
    u"PHA1(5);PHA2(5);PHA3(5);PHA4(5);PJA0(1);PJA1(1);PJA2(1);PJA3(1);PJA4(1);PJRM(1);"
    u"PJA0(2);PJA1(2);PJA2(2);PJA3(2);PJA4(2);PJRM(2);PJA0(3);PJA1(3);PJA2(3);PJA3(3);"
    u"PJA4(3);PJRM(3);PJA0(4);PJA1(4);PJA2(4);PJA3(4);PJA4(4);PJRM(4);PJA0(5);PJA1(5);"
    u"PJA2(5);PJA3(5);PJA4(5);PJRM(5);Data;Obs;Vol.Ref.;Reg;";

// Appends one value and its ';'.
class LineWriter {
public:
    // A decimal separator that Windows-1252 cannot hold (Arabic, Persian) would be written as
    // "?" and the numbers lost: those locales get the point.
    explicit LineWriter(const QLocale& locale)
        : m_locale(AnsiText::encode(QString(decimalSeparator(locale))) == "?" ? QLocale::c()
                                                                             : locale) {
        m_line.reserve(2048);
    }

    void text(const QString& value) { add(AnsiText::encode(value)); }
    void bytes(const char* data, std::size_t size) {
        m_line.append(data, qsizetype(size));
        m_line.append(';');
    }
    template <std::size_t N> void bytes(const std::array<char, N>& field) {
        bytes(field.data(), N);
    }
    void integer(std::int64_t value) { add(Integer(value).toLatin1()); }
    // Numbers go through the encoder too: a locale's separator need not be ASCII.
    void fixed(float value, int decimals) { text(Fixed(value, decimals, m_locale)); }
    void exponent(float value) { text(Exponent(value, m_locale)); }
    // Code, " - " and the name as stored.
    void coded(std::int32_t code, const QStringList& names) {
        text(Integer(code) + QStringLiteral(" - ") + LookupLists::entry(names, code));
    }
    QByteArray finish() {
        m_line.append("\r\n", 2);
        return std::move(m_line);
    }

private:
    void add(const QByteArray& value) {
        m_line.append(value);
        m_line.append(';');
    }
    QByteArray m_line;
    const QLocale m_locale;
};

} // namespace

QByteArray headerLine() {
    return AnsiText::encode(QString::fromUtf16(HeaderText)) + QByteArrayLiteral("\r\n");
}

QByteArray plantLine(int code, const TUsinaHd& p, const QStringList& plantNames,
                     const LookupLists& lists, const QLocale& locale) {
    LineWriter w(locale);
    w.integer(code);
    w.bytes(p.Nome);
    w.coded(p.Sistema, lists.SystemNames);
    w.coded(p.Empresa, lists.CompanyNames);
    w.integer(p.Posto);
    w.bytes(p.PostoBDH);
    w.coded(p.Jusante, plantNames);
    w.coded(p.Desvio, plantNames);
    for (float v : {p.VolMax, p.VolMin, p.CotaMax, p.CotaMin, p.VolVert, p.VolDesv})
        w.fixed(v, 2);
    for (float v : p.PCV)
        w.exponent(v);
    for (float v : p.PAC)
        w.exponent(v);
    for (std::int32_t v : p.EvapMen)
        w.integer(v);
    w.fixed(p.ProdEsp, 6);
    w.fixed(p.CanalFugaMed, 2);
    w.fixed(p.TEIF, 3);
    w.fixed(p.IP, 3);
    w.coded(p.TipoTurbina, lists.TurbineNames);
    w.integer(p.NumConjMaq);
    w.integer(p.NumPolsJus);
    w.fixed(p.FatCargaMax, 2);
    w.fixed(p.FatCargaMin, 2);
    w.integer(p.TipoPerdas);
    w.fixed(p.ValorPerdas, 2);
    w.integer(p.VazMinHist);
    w.integer(p.NumUnidBase);
    w.text(p.InflVert != 0 ? QStringLiteral("Yes") : QStringLiteral("No"));
    w.integer(p.RepConj);
    // Every set and polynomial is written, whatever the counts say.
    for (int s = 0; s < 5; ++s) {
        w.integer(p.NumMaq[s]);
        w.fixed(p.PotEf[s], 1);
        w.integer(p.QEf[s]);
        w.fixed(p.HEf[s], 2);
    }
    for (const auto* curves : {&p.QHT, &p.QHG, &p.PH})
        for (const Coeffs5& set : *curves)
            for (float v : set)
                w.exponent(v);
    for (int q = 0; q < 5; ++q) {
        for (float v : p.PolJus[q])
            w.exponent(v);
        w.fixed(p.PolJusRef[q], 2);
    }
    w.bytes(p.Data);
    w.bytes(p.Obs);
    w.fixed(p.VolRef, 2);
    w.bytes(&p.Reg, 1);
    return w.finish();
}

QByteArray buildCsv(const QByteArray& registry, const QStringList& entries,
                    const QStringList& plantNames, const LookupLists& lists,
                    const QLocale& locale) {
    QByteArray out = headerLine();
    if (entries.isEmpty())
        return out;
    const int last = codeTextOfEntry(entries.constLast(), true).toInt();
    out.reserve(out.size() + qsizetype(last) * 1600);
    for (int code = 1; code <= last; ++code) {
        const qint64 offset = qint64(code - 1) * RecordSize;
        if (offset >= registry.size())
            break; // past the end every record reads as a fresh, nameless plant
        TUsinaHd plant;
        decodePlant(registry.constData() + offset,
                    std::size_t(std::min<qint64>(RecordSize, registry.size() - offset)), plant);
        // A name that is blank once trimmed is an empty slot; one that only starts with a
        // blank is not listed but is exported all the same.
        if (trimControl(AnsiText::decode(plant.Nome.data(), plant.Nome.size())).isEmpty())
            continue;
        out.append(plantLine(code, plant, plantNames, lists, locale));
    }
    return out;
}

QString targetName(const QString& chosen) {
    return chosen.endsWith(QStringLiteral("csv"), Qt::CaseSensitive)
               ? chosen
               : chosen + QStringLiteral(".csv");
}

QString replaceQuestion(const QString& name) {
    return QStringLiteral("O Arquivo ") + name +
           QStringLiteral(" já existe. Deseja substituí-lo ?");
}

bool exportToFile(const Source& source, const QString& target, Dialogs& dialogs) {
    if (isSpecialFile(target)) {
        dialogs.message(MessageKind::Warning, notRegularFileText(target));
        return false;
    }
    QByteArray registry;
    if (source.registryFile.isEmpty() || !readWholeFile(source.registryFile, registry)) {
        dialogs.message(MessageKind::Plain, RegistryTexts::ReadProblem);
        return false;
    }
    PlantList own;
    if (!source.entries || !source.plantNames)
        own = plantListFromBytes(registry);
    const QStringList& entries = source.entries ? *source.entries : own.entries;
    const QStringList& names = source.plantNames ? *source.plantNames : own.plantNames;
    LookupLists defaults;
    if (!source.lists)
        defaults.setDefaults();
    const QByteArray csv =
        buildCsv(registry, entries, names, source.lists ? *source.lists : defaults, source.locale);
    QString error;
    if (!writeFileAtomically(target, csv, &error)) {
        dialogs.message(MessageKind::Error, cannotWriteText(target, error));
        return false;
    }
    return true;
}

} // namespace CsvExport

QString cannotWriteText(const QString& path, const QString& reason) {
    QString text = QStringLiteral("Cannot create file ") + path + u'.';
    if (!reason.isEmpty())
        text += u' ' + reason;
    return text;
}
