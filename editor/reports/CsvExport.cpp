#include "reports/CsvExport.h"

#include "registry/AnsiText.h"
#include "registry/NumberTexts.h"
#include "registry/PlantCodec.h"
#include "registry/PlantList.h"
#include "registry/RecordColumns.h"
#include "registry/TCadHd.h"
#include "core/Dialogs.h"

#include "registry/SafeWrite.h"

using namespace NumberTexts;

namespace CsvExport {

namespace {

// Appends one value and its ';'.
class LineWriter {
public:
    LineWriter() { m_line.reserve(2048); }

    // Numbers go through the encoder too: a locale's separator need not be ASCII.
    void text(const QString& value) { add(AnsiText::encode(value)); }
    void bytes(const char* data, std::size_t size) {
        m_line.append(data, qsizetype(size));
        m_line.append(';');
    }
    void integer(std::int64_t value) { add(Integer(value).toLatin1()); }
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
};

} // namespace

QByteArray headerLine() {
    QString header = RecordColumns::codeLabel() + u';';
    for (const RecordColumns::Column* c : RecordColumns::inCsvOrder())
        header += c->label + u';';
    return AnsiText::encode(header) + QByteArrayLiteral("\r\n");
}

QByteArray plantLine(int code, const TUsinaHd& p, const QStringList& plantNames,
                     const LookupLists& lists, const QLocale& locale) {
    using RecordColumns::Format;
    // A decimal separator that Windows-1252 cannot hold (Arabic, Persian) would be written as
    // "?" and the numbers lost: those locales get the point.
    const QLocale numbers =
        AnsiText::encode(QString(decimalSeparator(locale))) == "?" ? QLocale::c() : locale;
    char record[RecordSize];
    encodePlant(p, record);
    LineWriter w;
    w.integer(code);
    // Every set and polynomial is written, whatever the counts say.
    for (const RecordColumns::Column* c : RecordColumns::inCsvOrder()) {
        const char* at = record + c->offset;
        switch (c->format) {
        case Format::Text:
            w.bytes(at, std::size_t(c->size));
            break;
        case Format::Integer:
            w.integer(RecordColumns::integerAt(record, c->offset));
            break;
        case Format::Fixed:
        case Format::Exponent:
            w.text(RecordColumns::realText(*c, RecordColumns::realAt(record, c->offset), numbers));
            break;
        case Format::Coded:
            w.coded(RecordColumns::integerAt(record, c->offset),
                    RecordColumns::namesOf(c->names, lists, plantNames));
            break;
        case Format::YesNo:
            w.text(RecordColumns::integerAt(record, c->offset) != 0 ? QStringLiteral("Yes")
                                                                    : QStringLiteral("No"));
            break;
        }
    }
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
