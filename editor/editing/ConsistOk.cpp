#include "editing/ConsistOk.h"

#include "editing/NumberInput.h"
#include "registry/PlantFields.h"
#include "core/Dialogs.h"

#include <initializer_list>

void Erro_Consist(Dialogs& dialogs, const QString& message, bool& valid) {
    dialogs.message(MessageKind::Warning, message);
    valid = false;
}

namespace {

// A text that cannot be read as a number ends the whole check.
struct ConversionFailure {
    FormPlace place;
};

class Checker {
public:
    Checker(const FormTexts& form, const QLocale& locale, const MessageText& messages,
            Dialogs& dialogs, RecordForm recordForm)
        : m_form(form), m_locale(locale), m_messages(messages), m_dialogs(dialogs),
          m_recordForm(recordForm) {}

    bool run(FormPlace* unread);

private:
    QString box(const char* name) const { return m_form.box(QString::fromLatin1(name)); }
    bool empty(const char* name) const { return box(name).isEmpty(); }
    bool anyEmpty(std::initializer_list<const char*> names) const {
        for (const char* n : names)
            if (empty(n))
                return true;
        return false;
    }

    std::int32_t intBox(const char* name) const {
        const QString text = box(name);
        const auto v = NumberInput::toInteger(text);
        if (!v)
            throw ConversionFailure{{QString::fromLatin1(name), -1, -1, text}};
        return *v;
    }
    double valOf(const QString& text, const char* control, int row = -1, int column = -1) const {
        const auto v = NumberInput::toReal(text, m_locale);
        if (!v)
            throw ConversionFailure{{QString::fromLatin1(control), row, column, text}};
        return double(*v);
    }
    double val(const char* name) const { return valOf(box(name), name); }
    // A grid's cell, read as a number.
    double cell(const FormGrid& grid, int row, int column) const {
        return valOf((m_form.*grid.texts).at(row, column), grid.control, row, column);
    }
    // A term of the reservoir polynomials, in the width the registry stores it.
    double coefficient(const FormGrid& grid, int row, int column) const {
        const QString text = (m_form.*grid.texts).at(row, column);
        const auto v = NumberInput::toCoefficient(text, m_locale, m_recordForm);
        if (!v)
            throw ConversionFailure{{QString::fromLatin1(grid.control), row, column, text}};
        return *v;
    }
    // The boxes are converted one after another; the first one below zero decides, and the
    // ones after it are not read.
    bool anyNegative(std::initializer_list<const char*> names) const {
        for (const char* n : names)
            if (val(n) < 0)
                return true;
        return false;
    }

    void fail(int entry) { Erro_Consist(m_dialogs, m_messages(entry), m_valid); }
    void check(bool failed, int entry) {
        if (failed)
            fail(entry);
    }

    void machineSetRules();
    void downstreamRules();

    const FormTexts& m_form;
    const QLocale& m_locale;
    const MessageText& m_messages;
    Dialogs& m_dialogs;
    RecordForm m_recordForm; // the width the reservoir polynomials are stored in
    bool m_valid = true;
};

bool Checker::run(FormPlace* unread) {
    m_valid = true;
    try {
        // 1: the code, only converted when there is one
        check(empty("TXT_Cod") || intBox("TXT_Cod") <= 0 || intBox("TXT_Cod") > MaxPlantCode, 0);
        // 2: the name, its trailing blanks (added by Save) not counting
        {
            QString name = box("TXT_Nome");
            while (name.endsWith(u' '))
                name.chop(1);
            check(name.isEmpty(), 1);
        }
        check(empty("TXT_Posto"), 2);                                                 // 3
        check(intBox("TXT_Posto") < 1, 2);                                            // 4
        check(empty("TXT_Posto_BDH"), 3);                                             // 5
        check(anyEmpty({"TXT_VMax", "TXT_VMin", "TXT_V_Vert", "TXT_V_CDesv"}), 4);    // 6
        check(anyNegative({"TXT_VMax", "TXT_VMin", "TXT_V_Vert", "TXT_V_CDesv"}), 5); // 7
        check(val("TXT_VMin") > val("TXT_VMax"), 6);                                  // 8
        check(val("TXT_V_Vert") < val("TXT_VMin"), 7);                                // 9
        check(val("TXT_V_Vert") > val("TXT_VMax"), 8);                                // 10
        // 11: waived when no plant receives the deviation ("0 - NÃO HÁ")
        check(val("TXT_V_CDesv") < val("TXT_VMin") &&
                  !m_form.selector(QStringLiteral("CMBdesvio")).startsWith(u'0'),
              9);
        check(val("TXT_V_CDesv") > val("TXT_VMax"), 10);  // 12
        check(anyEmpty({"TXT_Ymax", "TXT_YMin"}), 11);    // 13
        check(anyNegative({"TXT_Ymax", "TXT_YMin"}), 12); // 14
        // 15, 16: equal volumes need equal levels, different volumes different levels
        check(val("TXT_VMin") == val("TXT_VMax") && val("TXT_YMin") != val("TXT_Ymax"), 13);
        check(val("TXT_VMin") != val("TXT_VMax") && val("TXT_YMin") == val("TXT_Ymax"), 14);
        check(empty("TXT_V_Ref"), 45);                                                       // 17
        check(val("TXT_V_Ref") < val("TXT_VMin") || val("TXT_V_Ref") > val("TXT_VMax"), 46); // 18
        // 19, 20: the independent terms of both reservoir polynomials
        {
            const auto [pcvRow, pcvColumn] = formField(&TUsinaHd::PCV).cellOf(0);
            const auto [pacRow, pacColumn] = formField(&TUsinaHd::PAC).cellOf(0);
            const FormGrid& grid = *formField(&TUsinaHd::PCV).grid;
            const GridTexts& cells = m_form.*grid.texts;
            check(cells.at(pcvRow, pcvColumn).isEmpty() || cells.at(pacRow, pacColumn).isEmpty(),
                  15);
            check(coefficient(grid, pcvRow, pcvColumn) == 0 ||
                      coefficient(grid, pacRow, pacColumn) == 0,
                  16);
        }
        check(empty("TXT_NGrMaq"), 17);                                    // 21
        check(intBox("TXT_NGrMaq") < 0 || intBox("TXT_NGrMaq") > 5, 18);   // 22
        machineSetRules();                                                 // 23, 24
        check(empty("TXT_NKeyCur"), 23);                                   // 25
        check(intBox("TXT_NKeyCur") < 1 || intBox("TXT_NKeyCur") > 6, 24); // 26
        check(empty("TXT_JusNom"), 25);                                    // 27
        check(val("TXT_JusNom") < 0, 26);                                  // 28
        check(val("TXT_JusNom") > val("TXT_YMin"), 27);                    // 29
        downstreamRules();                                                 // 30
        check(empty("TXT_Resp"), 31);                                      // 31
        check(val("TXT_Resp") < 0, 32);                                    // 32
        check(empty("TXT_Phd"), 33);                                       // 33
        check(val("TXT_Phd") < 0, 34);                                     // 34
        check(anyEmpty({"TXT_FatCgMax", "TXT_FatCgMin"}), 35);             // 35
        check(anyNegative({"TXT_FatCgMax", "TXT_FatCgMin"}), 36);          // 36
        check(val("TXT_FatCgMax") < val("TXT_FatCgMin"), 37);              // 37
        check(anyEmpty({"TXT_TxSForc", "TXT_TxIndProg"}), 38);             // 38
        check(anyNegative({"TXT_TxSForc", "TXT_TxIndProg"}), 39);          // 39
        check(empty("TXT_QNaMH"), 40);                                     // 40
        check(intBox("TXT_QNaMH") < 0, 41);                                // 41
        check(empty("TXT_N_UBase"), 42);                                   // 42
        check(intBox("TXT_N_UBase") < 0, 43);                              // 43
    } catch (const ConversionFailure& failure) {
        if (unread)
            *unread = failure.place;
        m_dialogs.message(MessageKind::Plain, m_messages(ConversionFailureEntry));
        return false;
    }
    return m_valid;
}

// Rules 23 and 24 read the rows of the declared sets only. A count above five still reads its
// rows: the first missing one is empty, and its conversion ends the check.
void Checker::machineSetRules() {
    const std::int32_t sets = intBox("TXT_NGrMaq");
    // The set's values: the columns from its first field's to its last's.
    const int firstValue = formField(&TUsinaHd::NumMaq).place.column;
    const int lastValue = formField(&TUsinaHd::HEf).place.column;
    const FormGrid& sets1 = *formField(&TUsinaHd::NumMaq).grid;
    const GridTexts& grid1 = m_form.*sets1.texts;
    for (std::int32_t s = 0; s < sets; ++s) {
        bool anyCellEmpty = false;
        for (int c = firstValue; c <= lastValue && !anyCellEmpty; ++c)
            anyCellEmpty = grid1.at(s, c).isEmpty();
        check(anyCellEmpty, 19);
        bool negative = false;
        for (int c = firstValue; c <= lastValue && !negative; ++c)
            negative = cell(sets1, int(s), c) < 0;
        check(negative, 20);
    }
    // A curve's row: its name and its terms; A0 its independent term.
    const FormGrid& curves = *formField(&TUsinaHd::QHT).grid;
    const int a0 = formField(&TUsinaHd::QHT).place.column;
    const GridTexts& grid2 = m_form.*curves.texts;
    const bool detailed = m_form.selector(QStringLiteral("CMBrepgrger")).startsWith(u'1');
    for (std::int32_t s = 0; s < sets; ++s) {
        for (int curve = 0; curve < curves.rowsPerItem; ++curve) {
            const int row = int(curves.rowsPerItem * s + curve);
            bool anyCellEmpty = false;
            for (int c = curves.labelColumn; c < curves.columns() && !anyCellEmpty; ++c)
                anyCellEmpty = grid2.at(row, c).isEmpty();
            check(anyCellEmpty, 21);
            if (detailed)
                check(cell(curves, row, a0) == 0, 22);
        }
    }
}

// Rule 30: every empty cell of a declared polynomial row is reported on its own.
void Checker::downstreamRules() {
    const std::int32_t polynomials = intBox("TXT_NKeyCur");
    const FormGrid& polynomialGrid = *formField(&TUsinaHd::PolJus).grid;
    const GridTexts& grid = m_form.*polynomialGrid.texts;
    const int a0 = formField(&TUsinaHd::PolJus).place.column;
    const int reference = formField(&TUsinaHd::PolJusRef).place.column;
    for (std::int32_t p = 0; p < polynomials; ++p) {
        for (int c = 0; c < grid.columns; ++c)
            check(grid.at(p, c).isEmpty(), 28);
        check(cell(polynomialGrid, int(p), a0) == 0, 29);
        check(cell(polynomialGrid, int(p), reference) < 0, 30);
    }
}

} // namespace

bool ConsistOk(const FormTexts& form, const QLocale& locale, const MessageText& messages,
               Dialogs& dialogs, FormPlace* unread, RecordForm recordForm) {
    return Checker(form, locale, messages, dialogs, recordForm).run(unread);
}
