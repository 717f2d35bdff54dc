#include "editing/PlantFormReader.h"

#include "editing/NumberInput.h"
#include "registry/AnsiText.h"

#include <algorithm>

void storeText(const QString& text, char* field, int width) {
    // The encoding gives one byte per character (a pair of surrogates is one '?'), so cutting
    // the bytes never splits a character.
    const QByteArray bytes = AnsiText::encode(text);
    const int n = std::min<int>(width, int(bytes.size()));
    std::copy_n(bytes.constData(), n, field);
    std::fill(field + n, field + width, ' ');
}

namespace {

class Reader {
public:
    Reader(const FormTexts& form, const ShownPlant* shown, const QLocale& locale, Language language,
           RecordForm recordForm)
        : m_form(form), m_shown(shown), m_locale(locale), m_language(language),
          m_recordForm(recordForm) {}

    PlantReading read() {
        for (const PlantField& f : plantFields())
            box(f);
        for (const FormGrid& g : formGrids())
            grid(g);
        return std::move(m_out);
    }

private:
    const TUsinaHd& old() const {
        static const TUsinaHd zero{};
        return m_shown ? m_shown->plant : zero;
    }

    // A number from its text, or the stored one for a text not touched.
    void number(const PlantField& f, int element, const QString& text, bool untouched) {
        if (untouched)
            f.access.keep(m_out.plant, old(), element);
        else if (!f.access.read(m_out.plant, element, text, m_locale, m_recordForm))
            fail(f, element,
                 f.access.real ? NumberInput::invalidRealText(text, m_language)
                               : NumberInput::invalidIntegerText(text, m_language));
    }
    void fail(const PlantField& f, int element, const QString& error) {
        m_out.unread.append({&f, element, error});
    }

    void box(const PlantField& f) {
        const QString name = f.name();
        const QString text = m_form.box(name);
        switch (f.kind) {
        case FieldKind::Text:
            // The name box shows capitals; a stored name in small letters reaches the box in
            // capitals too, so the plant gets what the box shows.
            storeText(f.upper ? AnsiText::upper(text) : text, f.bytes(m_out.plant), f.width);
            break;
        case FieldKind::Integer:
        case FieldKind::Real:
            number(f, 0, text,
                   m_shown && m_shown->texts.boxes.contains(name) &&
                       m_shown->texts.box(name) == text);
            break;
        case FieldKind::Coded: {
            const QString entry = m_form.selector(QString::fromLatin1(f.selector));
            switch (f.entry) {
            case PlantField::Entry::Code: {
                // The code before the first blank: it also reads back an unlisted stored
                // value ("17 - ") as it was.
                const qsizetype blank = entry.indexOf(u' ');
                code(f, blank < 0 ? entry : entry.left(blank));
                break;
            }
            case PlantField::Entry::FirstDigit: // "1 - Yes" gives 1
                code(f, entry.left(1));
                break;
            case PlantField::Entry::Letter:
                *f.bytes(m_out.plant) = entry.isEmpty() ? ' ' : AnsiText::encodeChar(entry.at(0));
                break;
            }
            break;
        }
        }
    }
    void code(const PlantField& f, const QString& text) {
        if (!f.access.read(m_out.plant, 0, text, m_locale, m_recordForm))
            fail(f, 0, NumberInput::invalidIntegerText(text, m_language));
    }

    // The cells of the items in use, by the counts just read; a cell showed a stored value
    // when its item was within the stored plant's counts.
    void grid(const FormGrid& g) {
        const GridTexts& cells = m_form.*g.texts;
        const int rows = g.usedItems(m_out.plant) * g.rowsPerItem;
        const int shownRows = m_shown ? g.usedItems(old()) * g.rowsPerItem : 0;
        const auto cell = [&](int row, int column) {
            int element = 0;
            const PlantField* f = fieldAtCell(g.name(), row, column, &element);
            if (!f)
                return;
            const QString text = cells.at(row, column);
            number(*f, element, text,
                   row < shownRows && (m_shown->texts.*g.texts).at(row, column) == text);
        };
        if (g.byColumns) {
            for (int c = 0; c < g.columns(); ++c)
                for (int r = 0; r < rows; ++r)
                    cell(r, c);
        } else {
            for (int r = 0; r < rows; ++r)
                for (int c = 0; c < g.columns(); ++c)
                    cell(r, c);
        }
    }

    const FormTexts& m_form;
    const ShownPlant* m_shown;
    const QLocale& m_locale;
    Language m_language;
    RecordForm m_recordForm;
    PlantReading m_out;
};

} // namespace

PlantReading readPlantForm(const FormTexts& form, const ShownPlant* shown, const QLocale& locale,
                           Language language, RecordForm recordForm) {
    return Reader(form, shown, locale, language, recordForm).read();
}
