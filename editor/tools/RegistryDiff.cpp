#include "tools/RegistryDiff.h"

#include "registry/AnsiText.h"
#include "registry/NumberTexts.h"
#include "registry/PlantCodec.h"
#include "registry/RecordColumns.h"
#include "tools/TextEscape.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace {

using RecordColumns::Column;

// One side's record: the bytes it has (fewer than 792 for a trailing partial record).
struct Record {
    const char* data = nullptr;
    int size = 0;
    // A plant, as the plant list counts one: its name's bytes exist and do not start blank.
    bool inUse() const { return size >= 12 && data[0] != ' ' && data[0] != '\0'; }
    QString name() const { return trimControl(AnsiText::decode(data, 12)); }
};

Record recordAt(const QByteArray& registry, qsizetype code) {
    const qsizetype offset = (code - 1) * RecordSize;
    if (offset >= registry.size())
        return {};
    return {registry.constData() + offset,
            int(std::min<qsizetype>(RecordSize, registry.size() - offset))};
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

QString bitsText(std::uint32_t bits) {
    return QStringLiteral("0x%1").arg(bits, 8, 16, QLatin1Char('0'));
}

// Both values of a differing number, in the first form that tells them apart.
void numberTexts(const Column& column, std::uint32_t a, std::uint32_t b, const QLocale& locale,
                 QString& oldText, QString& newText) {
    if (!column.isReal()) {
        oldText = QString::number(std::int32_t(a));
        newText = QString::number(std::int32_t(b));
        return;
    }
    float fa, fb;
    std::memcpy(&fa, &a, 4);
    std::memcpy(&fb, &b, 4);
    oldText = RecordColumns::realText(column, fa, locale);
    newText = RecordColumns::realText(column, fb, locale);
    if (oldText != newText)
        return;
    oldText = nineDigits(fa, locale);
    newText = nineDigits(fb, locale);
    if (oldText != newText)
        return;
    oldText = bitsText(a);
    newText = bitsText(b);
}

// The differing elements of two plants, on the bytes both records have.
void compare(std::int32_t code, const Record& before, const Record& after, const QLocale& locale,
             DiffReport& report) {
    if (before.size == after.size &&
        std::memcmp(before.data, after.data, std::size_t(before.size)) == 0)
        return;
    const qsizetype first = report.lines.size();
    const QString name = after.name();
    for (const Column& c : RecordColumns::inRecordOrder()) {
        DiffLine line{code, name, DiffLine::Kind::Changed, c.label, {}, {}};
        if (c.isText()) {
            const int n = std::min({c.size, before.size - c.offset, after.size - c.offset});
            if (n <= 0 ||
                std::memcmp(before.data + c.offset, after.data + c.offset, std::size_t(n)) == 0)
                continue;
            line.oldValue = escapeBytes(before.data + c.offset, std::size_t(n));
            line.newValue = escapeBytes(after.data + c.offset, std::size_t(n));
        } else {
            if (c.offset + 4 > before.size || c.offset + 4 > after.size)
                continue;
            const std::uint32_t a = RecordColumns::bitsAt(before.data, c.offset);
            const std::uint32_t b = RecordColumns::bitsAt(after.data, c.offset);
            if (a == b)
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
                          const QLocale& locale) {
    DiffReport report;
    const qsizetype records =
        (std::max(oldRegistry.size(), newRegistry.size()) + RecordSize - 1) / RecordSize;
    for (qsizetype code = 1; code <= records; ++code) {
        const Record before = recordAt(oldRegistry, code);
        const Record after = recordAt(newRegistry, code);
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
