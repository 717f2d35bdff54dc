#include "reports/CsvExport.h"

#include "core/Dialogs.h"
#include "registry/AnsiText.h"
#include "registry/NumberTexts.h"
#include "registry/PlantCodec.h"
#include "registry/PlantList.h"
#include "registry/RecordColumns.h"
#include "registry/TCadHd.h"

#include "files/SafeWrite.h"

#include <QFileInfo>

#include <algorithm>
#include <array>
#include <bit>
#include <cstring>

using namespace NumberTexts;

namespace CsvExport {

namespace {

// What every line of one export shares, worked out once: the separator's byte and the
// names of the coded columns already in Windows-1252.
struct LineContext {
    char separator = '.';
    std::array<QList<QByteArray>, 5> names; // by RecordColumns::Names
    qsizetype longestLine = 0;

    LineContext(const QStringList& plantNames, const LookupLists& lists, const QLocale& locale) {
        // A decimal separator that Windows-1252 cannot hold (Arabic, Persian) would be written
        // as "?" and the numbers lost: those locales get the point.
        const QByteArray sep = AnsiText::encode(QString(decimalSeparator(locale)));
        separator = sep == "?" ? '.' : sep.at(0);
        using RecordColumns::Names;
        for (Names n : {Names::Systems, Names::Companies, Names::Plants, Names::Turbines}) {
            QList<QByteArray>& encoded = names[std::size_t(n)];
            for (const QString& name : RecordColumns::namesOf(n, lists, plantNames))
                encoded.append(AnsiText::encode(name));
        }
        // Room for the longest line these names allow: a line is written straight into
        // the output with no check per value.
        const auto longest = [&](Names n) {
            qsizetype size = 0;
            for (const QByteArray& name : names[std::size_t(n)])
                size = std::max(size, name.size());
            return size;
        };
        longestLine = qsizetype(MaxChars) + 3;
        for (const RecordColumns::Column* c : RecordColumns::inCsvOrder())
            longestLine += 1 + (c->format == RecordColumns::Format::Text ? c->size
                                : c->format == RecordColumns::Format::Coded
                                    ? qsizetype(MaxChars) + 3 + longest(c->names)
                                    : qsizetype(MaxChars));
    }
};

// Appends one plant's line to out: every value straight into the output's bytes, each
// followed by ';', and CR LF.
void appendPlantLine(QByteArray& out, int code, const char* record, const LineContext& context,
                     const QList<const RecordColumns::Column*>& columns) {
    using RecordColumns::Format;
    const qsizetype start = out.size();
    out.resize(start + context.longestLine);
    char* const begin = out.data() + start;
    char* p = begin;
    const auto add = [&p](const char* data, std::size_t size) {
        std::memcpy(p, data, size);
        p += size;
    };
    p += integerChars(p, code);
    *p++ = ';';
    // Every set and polynomial is written, whatever the counts say.
    for (const RecordColumns::Column* c : columns) {
        const char* at = record + c->offset;
        switch (c->format) {
        case Format::Text:
            add(at, std::size_t(c->size));
            break;
        case Format::Integer:
            p += integerChars(p, RecordColumns::integerAt(record, c->offset));
            break;
        case Format::Fixed:
            p += fixedChars(p, RecordColumns::realAt(record, c->offset), c->decimals,
                            context.separator);
            break;
        case Format::Exponent:
            // The 832 form's coefficients in their 64 bits, the same text for a value that fits
            // 32 bits as in the 792 form.
            p += exponentChars(
                p,
                c->size == 8 ? std::bit_cast<double>(RecordColumns::wideBitsAt(record, c->offset))
                             : double(RecordColumns::realAt(record, c->offset)),
                context.separator);
            break;
        case Format::Coded: {
            // Code, " - " and the name as stored.
            const std::int32_t value = RecordColumns::integerAt(record, c->offset);
            p += integerChars(p, value);
            add(" - ", 3);
            const QList<QByteArray>& names = context.names[std::size_t(c->names)];
            if (value >= 0 && value < names.size())
                add(names.at(value).constData(), std::size_t(names.at(value).size()));
            break;
        }
        case Format::YesNo:
            if (RecordColumns::integerAt(record, c->offset) != 0)
                add("Yes", 3);
            else
                add("No", 2);
            break;
        }
        *p++ = ';';
    }
    add("\r\n", 2);
    out.resize(start + (p - begin));
}

// Every record exported, from code 1 to last: a short last record is read as a fresh plant's
// bytes completed by what there is, and an empty slot is left out.
template <typename Visit>
void forEachExported(const QByteArray& registry, int last, RecordForm form, Visit visit) {
    const qint64 size = recordSize(form);
    static const FieldSpan nameSpan = plantFieldSpan("Nome");
    for (int code = 1; code <= last; ++code) {
        const qint64 offset = qint64(code - 1) * size;
        if (offset >= registry.size())
            break; // past the end every record reads as a fresh, nameless plant
        const char* at = registry.constData() + offset;
        char padded[WideRecordSize];
        if (registry.size() - offset < size) {
            TUsinaHd plant;
            decodePlant(at, std::size_t(registry.size() - offset), plant, form);
            encodePlant(plant, padded, form);
            at = padded;
        }
        // A name that is blank once trimmed (bytes 0..32 only) is an empty slot; one that only
        // starts with a blank is not listed but is exported all the same.
        const char* name = at + nameSpan.offset;
        if (std::all_of(name, name + nameSpan.size, [](char c) { return uchar(c) <= 32; }))
            continue;
        visit(code, at);
    }
}

} // namespace

QByteArray headerLine() {
    QString header = RecordColumns::codeLabel() + u';';
    for (const RecordColumns::Column* c : RecordColumns::inCsvOrder())
        header += c->label + u';';
    return AnsiText::encode(header) + QByteArrayLiteral("\r\n");
}

QByteArray plantLine(int code, const TUsinaHd& p, const QStringList& plantNames,
                     const LookupLists& lists, const QLocale& locale) {
    // In the wide form, so 64-bit coefficients keep their value.
    char record[WideRecordSize];
    encodePlant(p, record, RecordForm::Bytes832);
    QByteArray line;
    appendPlantLine(line, code, record, LineContext(plantNames, lists, locale),
                    RecordColumns::inCsvOrder(RecordForm::Bytes832));
    return line;
}

QByteArray buildCsv(const QByteArray& registry, const QStringList& entries,
                    const QStringList& plantNames, const LookupLists& lists, const QLocale& locale,
                    RecordForm form) {
    form = resolveForm(form, registry.size());
    const QList<const RecordColumns::Column*>& columns = RecordColumns::inCsvOrder(form);
    QByteArray out = headerLine();
    if (entries.isEmpty())
        return out;
    const int last = codeTextOfEntry(entries.constLast(), true).toInt();
    out.reserve(out.size() + qsizetype(last) * 2048);
    const LineContext context(plantNames, lists, locale);
    forEachExported(registry, last, form, [&](int code, const char* record) {
        appendPlantLine(out, code, record, context, columns);
    });
    return out;
}

Workbook::Sheet buildSheet(const QByteArray& registry, const QStringList& entries,
                           const QStringList& plantNames, const LookupLists& lists,
                           RecordForm form) {
    using RecordColumns::Format;
    form = resolveForm(form, registry.size());
    const QList<const RecordColumns::Column*>& columns = RecordColumns::inCsvOrder(form);
    Workbook::Sheet sheet;
    sheet.header << RecordColumns::codeLabel();
    for (const RecordColumns::Column* c : columns)
        sheet.header << c->label;
    if (entries.isEmpty())
        return sheet;
    const int last = codeTextOfEntry(entries.constLast(), true).toInt();
    forEachExported(registry, last, form, [&](int code, const char* record) {
        Workbook::Row row{double(code)};
        row.reserve(columns.size() + 1);
        for (const RecordColumns::Column* c : columns) {
            const char* at = record + c->offset;
            switch (c->format) {
            case Format::Text:
                row << AnsiText::decode(at, std::size_t(c->size));
                break;
            case Format::Integer:
                row << double(RecordColumns::integerAt(record, c->offset));
                break;
            case Format::Fixed:
                row << Workbook::fromFloat(RecordColumns::realAt(record, c->offset));
                break;
            case Format::Exponent:
                row << (c->size == 8
                            ? std::bit_cast<double>(RecordColumns::wideBitsAt(record, c->offset))
                            : Workbook::fromFloat(RecordColumns::realAt(record, c->offset)));
                break;
            case Format::Coded: {
                // A text, as in the CSV: the code, " - " and the name.
                const std::int32_t value = RecordColumns::integerAt(record, c->offset);
                const QStringList& names = RecordColumns::namesOf(c->names, lists, plantNames);
                row << QString::number(value) + QStringLiteral(" - ") +
                           (value >= 0 && value < names.size() ? names.at(value) : QString());
                break;
            }
            case Format::YesNo:
                row << QString::fromLatin1(RecordColumns::integerAt(record, c->offset) != 0 ? "Yes"
                                                                                            : "No");
                break;
            }
        }
        sheet.rows << row;
    });
    return sheet;
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

bool mayWriteTarget(const QString& chosen, const QString& target,
                    const std::function<QString(const QString& output)>& refusal,
                    Dialogs& dialogs) {
    if (const QString why = refusal ? refusal(target) : QString(); !why.isEmpty()) {
        dialogs.message(MessageKind::Warning, why);
        return false;
    }
    return target == chosen || !QFileInfo::exists(target) ||
           dialogs.confirm(replaceQuestion(target));
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
        own = plantListFromBytes(registry, source.form);
    const QStringList& entries = source.entries ? *source.entries : own.entries;
    const QStringList& names = source.plantNames ? *source.plantNames : own.plantNames;
    LookupLists defaults;
    if (!source.lists)
        defaults.setDefaults();
    const LookupLists& lists = source.lists ? *source.lists : defaults;
    QString error;
    if (source.workbook) {
        if (const auto failure =
                Workbook::write(target, buildSheet(registry, entries, names, lists, source.form))) {
            dialogs.message(MessageKind::Error, cannotWriteText(target, failure->reason));
            return false;
        }
        return true;
    }
    const QByteArray csv = buildCsv(registry, entries, names, lists, source.locale, source.form);
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
