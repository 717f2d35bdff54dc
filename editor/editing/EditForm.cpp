#include "editing/EditForm.h"

#include "editing/NumberInput.h"
#include "registry/AnsiText.h"

#include <algorithm>

void fillEmptyRows(FormTexts& f, int sets, int polynomials) {
    // The counts come from a record or a typed box: within 0..5 and 0..6 before any
    // arithmetic (3 x 715827883 overflows an int), which changes no row of the grids.
    sets = usedMachineSets(sets);
    polynomials = usedDownstreamPolynomials(polynomials);
    // A row of an item not in use: the item's number (and the row's name), then "0".
    for (const FormGrid& g : formGrids()) {
        if (g.items == GridItems::Fixed)
            continue;
        GridTexts& grid = f.*g.texts;
        const int from = (g.items == GridItems::MachineSets ? sets : polynomials) * g.rowsPerItem;
        for (int r = from; r < grid.rows; ++r)
            for (int c = 0; c < grid.columns; ++c) {
                const QString item = g.itemCell(r, c);
                grid.set(r, c, item.isNull() ? QStringLiteral("0") : item);
            }
    }
}

void toEditRows(FormTexts& f) {
    // A grid given more or fewer rows keeps the cells of the rows it keeps.
    const FormTexts edit; // the edit row counts
    for (const FormGrid& g : formGrids()) {
        GridTexts& grid = f.*g.texts;
        const int rows = (edit.*g.texts).rows;
        GridTexts resized(grid.columns, rows);
        for (int r = 0; r < std::min(rows, grid.rows); ++r)
            for (int c = 0; c < grid.columns; ++c)
                resized.set(r, c, grid.at(r, c));
        grid = resized;
    }
    const auto count = [&f](const PlantField& box) {
        return NumberInput::toInteger(f.box(box.name())).value_or(0);
    };
    fillEmptyRows(f, count(formField(&TUsinaHd::NumConjMaq)),
                  count(formField(&TUsinaHd::NumPolsJus)));
}

FormTexts editTextsOf(const PlantTexts& display, const QString& codeText, bool cutSuffixes) {
    FormTexts f;
    for (auto it = display.boxes.cbegin(); it != display.boxes.cend(); ++it)
        f.boxes.insert(it.key(), cutSuffixes ? cutUnitSuffix(it.key(), it.value()) : it.value());
    f.boxes.insert(QStringLiteral("TXT_Cod"), codeText);
    static_cast<PlantGrids&>(f) = display;
    toEditRows(f);
    return f;
}

namespace {

bool sameTexts(const QHash<QString, QString>& a, const QHash<QString, QString>& b) {
    for (auto it = a.cbegin(); it != a.cend(); ++it)
        if (b.value(it.key()) != it.value())
            return false;
    for (auto it = b.cbegin(); it != b.cend(); ++it)
        if (a.value(it.key()) != it.value())
            return false;
    return true;
}

bool sameCells(const GridTexts& a, const GridTexts& b) {
    const int rows = std::max(a.rows, b.rows);
    const int columns = std::max(a.columns, b.columns);
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < columns; ++c)
            if (a.at(r, c) != b.at(r, c))
                return false;
    return true;
}

} // namespace

bool sameFormTexts(const FormTexts& a, const FormTexts& b) {
    if (!sameTexts(a.boxes, b.boxes) || !sameTexts(a.selectors, b.selectors))
        return false;
    for (const FormGrid& g : formGrids())
        if (!sameCells(a.*g.texts, b.*g.texts))
            return false;
    return true;
}

const QList<std::pair<QString, QString>>& codedSelectorBoxes() {
    static const QList<std::pair<QString, QString>> pairs = [] {
        QList<std::pair<QString, QString>> p;
        for (const PlantField& f : plantFields())
            if (f.kind == FieldKind::Coded)
                p.append({QString::fromLatin1(f.selector), f.name()});
        return p;
    }();
    return pairs;
}

namespace {

QStringList namedEntries(const QStringList& names, int from, int to) {
    QStringList entries;
    for (int k = from; k <= to && k < names.size(); ++k)
        if (!names.at(k).trimmed().isEmpty())
            entries.append(QString::number(k) + QStringLiteral(" - ") + names.at(k));
    return entries;
}

int findEntry(const QStringList& entries, const QString& text) {
    for (int i = 0; i < entries.size(); ++i)
        if (entries.at(i).compare(text, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

// The entry that stands for a stored value no list offers: its code, or the stored letter of
// the regulation, and " - ".
QString ownEntry(const QString& selector, const TUsinaHd& p) {
    for (const PlantField& f : plantFields())
        if (f.kind == FieldKind::Coded && selector == QLatin1String(f.selector) && f.integer)
            return QString::number(f.entry == PlantField::Entry::FirstDigit ? p.*f.integer != 0
                                                                            : p.*f.integer) +
                   " - ";
    return QString(AnsiText::decodeByte(static_cast<unsigned char>(p.Reg))) + " - ";
}

} // namespace

QHash<QString, SelectorChoice> Monta_CMBs_Auxs_Edt(const LookupLists& lists,
                                                   const QStringList& plantEntries,
                                                   const QHash<QString, QString>& displayBoxes,
                                                   const TUsinaHd* shown) {
    QHash<QString, SelectorChoice> result;
    const QStringList plants = QStringList{QStringLiteral("0 - NÃO HÁ")} + plantEntries;
    result["CMBjusante"].entries = plants;
    result["CMBdesvio"].entries = plants;
    result["CMBsistema"].entries = namedEntries(lists.SystemNames, 1, 4);
    result["CMBempresa"].entries = namedEntries(lists.CompanyNames, 1, 300);
    result["CMBtipo_turb"].entries = namedEntries(lists.TurbineNames, 0, 3);
    result["CMBrepgrger"].entries = repConjEntries();
    result["CMBvicf"].entries = inflVertEntries();
    result["CMBtp_perda"].entries = tipoPerdasEntries();
    result["CMBreg"].entries = regEntries();

    for (const auto& [selector, boxName] : codedSelectorBoxes()) {
        SelectorChoice& choice = result[selector];
        const QString text = displayBoxes.value(boxName).trimmed();
        if (selector == u"CMBreg" && text.isEmpty() && !shown) {
            choice.selected = 0; // "M - Mensal"
            continue;
        }
        choice.selected = text.isEmpty() ? -1 : findEntry(choice.entries, text);
        if (choice.selected >= 0)
            continue;
        if (shown) {
            choice.entries.append(ownEntry(selector, *shown));
            choice.selected = int(choice.entries.size()) - 1;
        } else {
            choice.selected = choice.entries.size() > 1 ? 1 : int(choice.entries.size()) - 1;
        }
    }
    return result;
}

FormTexts changeFormTexts(std::int32_t code, const TUsinaHd& plant, const LookupLists& lists,
                          const QStringList& plantNames, const QStringList& plantEntries,
                          const QLocale& locale) {
    const PlantTexts display = plantDisplayTexts(plant, lists, plantNames, locale);
    FormTexts form = editTextsOf(display, QString::number(code), true);
    const auto choices = Monta_CMBs_Auxs_Edt(lists, plantEntries, display.boxes, &plant);
    for (auto it = choices.cbegin(); it != choices.cend(); ++it)
        form.selectors.insert(it.key(), it.value().entries.value(it.value().selected));
    return form;
}

TUsinaHd blankPlant() {
    TUsinaHd p; // every number zero
    p.Nome.fill(' ');
    p.PostoBDH.fill(' ');
    p.Data.fill(' ');
    p.Obs.fill(' ');
    p.Reg = ' ';
    return p;
}

QString takenCodeEntry(const QStringList& plantEntries, const QString& codeText) {
    const auto typed = NumberInput::toInteger(codeText);
    if (!typed)
        return {};
    for (const QString& entry : plantEntries) {
        const auto code = NumberInput::toInteger(entry.left(entry.indexOf(u' ')));
        if (code && *code == *typed)
            return entry;
    }
    return {};
}

QString codeTakenText(const QString& codeText, const QString& entry) {
    return QStringLiteral("O Código ") + codeText +
           QStringLiteral(" já existe, e corresponde à usina \"") + entry +
           QStringLiteral("\". Favor escolher outro código.");
}
