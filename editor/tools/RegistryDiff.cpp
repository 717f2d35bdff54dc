#include "tools/RegistryDiff.h"

#include "registry/AnsiText.h"
#include "registry/NumberTexts.h"
#include "registry/PlantCodec.h"
#include "registry/RecordColumns.h"
#include "tools/TextEscape.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstring>

namespace {

using RecordColumns::Column;

// One side's record: the bytes it has (fewer than a whole record for a trailing partial one).
struct Record {
    const char* data = nullptr;
    int size = 0;
    RecordForm form = RecordForm::Bytes792;
    // A plant, as the plant list counts one: its name's bytes exist and do not start blank.
    bool inUse() const { return size >= 12 && data[0] != ' ' && data[0] != '\0'; }
    QString name() const { return trimControl(AnsiText::decode(data, 12)); }
};

Record recordAt(const QByteArray& registry, qsizetype code, RecordForm form) {
    const qsizetype size = recordSize(form);
    const qsizetype offset = (code - 1) * size;
    if (offset >= registry.size())
        return {nullptr, 0, form};
    return {registry.constData() + offset, int(std::min<qsizetype>(size, registry.size() - offset)),
            form};
}

QString nineDigits(float value, const QLocale& locale) {
    if (!std::isfinite(value))
        return NumberTexts::Fixed(value, 0, locale); // "NAN", "INF", "-INF"
    if (value == 0)
        return QStringLiteral("0"); // both zeros
    QString text = QLocale::c().toString(double(value), 'g', 9).toUpper();
    const QChar separator = NumberTexts::decimalSeparator(locale);
    if (separator != u'.')
        text.replace(u'.', separator);
    return text;
}

// A 64-bit value: the shortest text that reads back to it.
QString shortestDigits(double value, const QLocale& locale) {
    if (!std::isfinite(value) || value == 0)
        return nineDigits(float(value), locale);
    QString text = QLocale::c().toString(value, 'g', QLocale::FloatingPointShortest).toUpper();
    const QChar separator = NumberTexts::decimalSeparator(locale);
    if (separator != u'.')
        text.replace(u'.', separator);
    return text;
}

QString bitsText(std::uint32_t bits) {
    return QStringLiteral("0x%1").arg(bits, 8, 16, QLatin1Char('0'));
}

QString wideBitsText(std::uint64_t bits) {
    return QStringLiteral("0x%1").arg(bits, 16, 16, QLatin1Char('0'));
}

// One side's number: its value in its own width.
struct Number {
    bool wide = false;
    std::uint32_t bits = 0;     // 4-byte columns
    std::uint64_t wideBits = 0; // 8-byte columns, or the 4-byte value widened
    double value() const { return std::bit_cast<double>(wideBits); }
};

Number numberAt(const char* record, const Column& c) {
    Number n;
    if (c.size == 8) {
        n.wide = true;
        n.wideBits = RecordColumns::wideBitsAt(record, c.offset);
    } else {
        n.bits = RecordColumns::bitsAt(record, c.offset);
        n.wideBits = std::bit_cast<std::uint64_t>(widenExact(std::bit_cast<float>(n.bits)));
    }
    return n;
}

bool sameNumber(const Column& column, const Number& a, const Number& b) {
    if (!column.isReal() || (!a.wide && !b.wide))
        return a.bits == b.bits;
    return a.wideBits == b.wideBits; // compared as values, bit for bit once widened
}

// Both values of a differing number, in the first form that tells them apart.
void numberTexts(const Column& column, const Number& a, const Number& b, const QLocale& locale,
                 QString& oldText, QString& newText) {
    if (!column.isReal()) {
        oldText = QString::number(std::int32_t(a.bits));
        newText = QString::number(std::int32_t(b.bits));
        return;
    }
    oldText = RecordColumns::realText(column, a.value(), locale);
    newText = RecordColumns::realText(column, b.value(), locale);
    if (oldText != newText)
        return;
    const auto digits = [&](const Number& n) {
        return n.wide ? shortestDigits(n.value(), locale)
                      : nineDigits(std::bit_cast<float>(n.bits), locale);
    };
    oldText = digits(a);
    newText = digits(b);
    if (oldText != newText)
        return;
    if (a.wide || b.wide) {
        oldText = wideBitsText(a.wideBits);
        newText = wideBitsText(b.wideBits);
    } else {
        oldText = bitsText(a.bits);
        newText = bitsText(b.bits);
    }
}

// The differing elements of two plants, on the bytes both records have.
void compare(std::int32_t code, const Record& before, const Record& after, const QLocale& locale,
             DiffReport& report) {
    if (before.form == after.form && before.size == after.size &&
        std::memcmp(before.data, after.data, std::size_t(before.size)) == 0)
        return;
    const qsizetype first = report.lines.size();
    const QString name = after.name();
    const std::span<const Column> beforeColumns = RecordColumns::inRecordOrder(before.form);
    const std::span<const Column> afterColumns = RecordColumns::inRecordOrder(after.form);
    for (std::size_t i = 0; i < beforeColumns.size(); ++i) {
        const Column& c = beforeColumns[i];
        const Column& d = afterColumns[i]; // the same element, maybe elsewhere and wider
        DiffLine line{code, name, DiffLine::Kind::Changed, c.label, {}, {}};
        if (c.isText()) {
            const int n = std::min({c.size, before.size - c.offset, after.size - d.offset});
            if (n <= 0 ||
                std::memcmp(before.data + c.offset, after.data + d.offset, std::size_t(n)) == 0)
                continue;
            line.oldValue = escapeBytes(before.data + c.offset, std::size_t(n));
            line.newValue = escapeBytes(after.data + d.offset, std::size_t(n));
        } else {
            if (c.offset + c.size > before.size || d.offset + d.size > after.size)
                continue;
            const Number a = numberAt(before.data, c);
            const Number b = numberAt(after.data, d);
            if (sameNumber(c, a, b))
                continue;
            numberTexts(c, a, b, locale, line.oldValue, line.newValue);
        }
        report.lines.append(std::move(line));
    }
    if (report.lines.size() > first)
        ++report.changed;
}

} // namespace

DiffReport diffRegistries(const QByteArray& oldRegistry, const QByteArray& newRegistry,
                          const QLocale& locale, RecordForm oldForm, RecordForm newForm) {
    DiffReport report;
    oldForm = resolveForm(oldForm, oldRegistry.size());
    newForm = resolveForm(newForm, newRegistry.size());
    const qsizetype oldSize = recordSize(oldForm);
    const qsizetype newSize = recordSize(newForm);
    const qsizetype records = std::max((oldRegistry.size() + oldSize - 1) / oldSize,
                                       (newRegistry.size() + newSize - 1) / newSize);
    for (qsizetype code = 1; code <= records; ++code) {
        const Record before = recordAt(oldRegistry, code, oldForm);
        const Record after = recordAt(newRegistry, code, newForm);
        const auto c = std::int32_t(code);
        if (before.inUse() && after.inUse()) {
            compare(c, before, after, locale, report);
        } else if (after.inUse()) {
            report.lines.append({c, after.name(), DiffLine::Kind::Added, {}, {}, {}});
            ++report.added;
        } else if (before.inUse()) {
            report.lines.append({c, before.name(), DiffLine::Kind::Removed, {}, {}, {}});
            ++report.removed;
        }
    }
    return report;
}

bool isDiffField(const QString& label) {
    const auto columns = RecordColumns::inRecordOrder();
    return std::any_of(columns.begin(), columns.end(),
                       [&](const Column& c) { return c.label == label; });
}

void leaveOutFields(DiffReport& report, const QStringList& labels) {
    if (labels.isEmpty())
        return;
    QList<DiffLine> kept;
    kept.reserve(report.lines.size());
    report.changed = 0;
    std::int32_t lastChanged = 0;
    for (DiffLine& line : report.lines) {
        if (line.kind == DiffLine::Kind::Changed) {
            if (labels.contains(line.field))
                continue;
            if (line.code != lastChanged)
                ++report.changed;
            lastChanged = line.code;
        }
        kept.append(std::move(line));
    }
    report.lines = std::move(kept);
}

QStringList diffCells(const DiffLine& line, Language language) {
    QStringList cells{QString::number(line.code), escapeText(line.name)};
    switch (line.kind) {
    case DiffLine::Kind::Added:
        cells << qualityText(QualityText::PlantAdded, language);
        break;
    case DiffLine::Kind::Removed:
        cells << qualityText(QualityText::PlantRemoved, language);
        break;
    case DiffLine::Kind::Changed:
        cells << line.field << line.oldValue << line.newValue;
        break;
    }
    return cells;
}

QString diffSummary(const DiffReport& report, Language language) {
    return qualityText(QualityText::DiffSummary, language)
        .arg(countedText(CountedText::PlantsDiffer, report.differing(), language),
             countedText(CountedText::Added, report.added, language),
             countedText(CountedText::Removed, report.removed, language),
             countedText(CountedText::Changed, report.changed, language));
}
