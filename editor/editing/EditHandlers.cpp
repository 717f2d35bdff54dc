// The plant editing handlers of the main window: the edit modes, Save and Cancel, deletion,
// and the alteration file. The rules and the files are plain code in editing/; here the
// controls are read and set.
#include "window/TFRMeditor.h"

#include "editing/AlterationFile.h"
#include "editing/Destination.h"
#include "editing/EditForm.h"
#include "editing/NumberInput.h"
#include "editing/StoreSequence.h"
#include "editing/WriteNewPlant.h"
#include "registry/AnsiText.h"
#include "registry/PlantList.h"

#include <QAbstractItemView>
#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTableWidget>
#include <memory>

namespace {

// The 33 boxes whose look the edit modes switch.
const QStringList& editBoxNames() {
    static const QStringList names = {
        "TXT_SistUsi", "TXT_Empresa",   "TXT_Posto",     "TXT_Posto_BDH", "TXT_Jusante",
        "TXT_Desvio",  "TXT_reg",       "TXT_VMax",      "TXT_VMin",      "TXT_Ymax",
        "TXT_YMin",    "TXT_V_Ref",     "TXT_V_Vert",    "TXT_V_CDesv",   "TXT_Cod",
        "TXT_Nome",    "TXT_Data",      "TXT_Obs",       "TXT_Resp",      "TXT_JusNom",
        "TXT_TxSForc", "TXT_TxIndProg", "TXT_Tipo_Turb", "TXT_NGrMaq",    "TXT_NKeyCur",
        "TXT_TpPerda", "TXT_Phd",       "TXT_FatCgMax",  "TXT_FatCgMin",  "TXT_QNaMH",
        "TXT_N_UBase", "TXT_VICF",      "TXT_RepGrGer",
    };
    return names;
}

GridTexts gridTexts(const QTableWidget* grid) {
    GridTexts texts(grid->columnCount(), grid->rowCount());
    for (int r = 0; r < grid->rowCount(); ++r)
        for (int c = 0; c < grid->columnCount(); ++c)
            texts.set(r, c, TFRMeditor::cellText(grid, r, c));
    return texts;
}

// Cells of the grid from `fromRow` on, within its rows, from a layout function.
void fillRows(QTableWidget* grid, int fromRow, QString (*cell)(int, int)) {
    for (int r = std::max(0, fromRow); r < grid->rowCount(); ++r)
        for (int c = 0; c < grid->columnCount(); ++c)
            TFRMeditor::setCell(grid, r, c, cell(r, c));
}

const QString ChangeNothingShownPt = QStringLiteral("Selecione alguma Usina para Alterar ;-(");
const QString ChangeNothingShownEn =
    QStringLiteral("You\u00B4ve gotta select a Plant to change ;-(");
const QString SavedPt = QStringLiteral("Alteração gravada com sucesso !");
const QString SavedEn = QStringLiteral("File successfully updated !");
const QString DeletedPt = QStringLiteral("Alteração gravada com sucesso ! Até breve !");
const QString DeletedEn = QStringLiteral("File successfully updated ! See you soon !");
const QString DeleteTitle = QStringLiteral("Excluir Usina");
const QString DeletePrompt = QStringLiteral("Digite Código da Usina a ser excluída:");
const QString DeleteRange = QStringLiteral("Código da Usina deve ser entre 1 e 320.");

} // namespace

EditSession& TFRMeditor::editing() {
    if (!Editing) {
        Editing = std::make_unique<EditSession>();
        // The validation messages: the language's catalogue, in the current language.
        Editing->Messages = [this](int entry) {
            return Msg ? Msg->text(Lingua, entry) : QString();
        };
        // The name box takes capitals only, as the name is stored and listed.
        connect(TXT_Nome, &QLineEdit::textEdited, this, [this](const QString& text) {
            const QString upper = AnsiText::upper(text);
            if (upper != text) {
                const int cursor = TXT_Nome->cursorPosition();
                TXT_Nome->setText(upper);
                TXT_Nome->setCursorPosition(cursor);
            }
        });
    }
    return *Editing;
}

FormSnapshot TFRMeditor::formSnapshot() const {
    FormSnapshot form;
    for (const QString& name : editBoxNames())
        if (const auto* box = findChild<QLineEdit*>(name))
            form.boxes.insert(name, box->text());
    for (const auto& [selector, box] : codedSelectorBoxes())
        if (const auto* combo = findChild<QComboBox*>(selector))
            form.selectors.insert(selector, combo->currentText());
    form.PCVA = gridTexts(StrGr_PCVA);
    form.EvapM = gridTexts(StrGr_EvapM);
    form.ConjMaq1 = gridTexts(StrGr_ConjMaq1);
    form.ConjMaq2 = gridTexts(StrGr_ConjMaq2);
    form.PolsJus = gridTexts(StrGr_PolsJus);
    return form;
}

void TFRMeditor::Monta_CMBs_Auxs_Edt() {
    QStringList plants;
    for (int i = 0; i < ComboBox2->count(); ++i)
        plants << ComboBox2->itemText(i);
    QHash<QString, QString> display;
    for (const auto& [selector, box] : codedSelectorBoxes())
        display.insert(box, findChild<QLineEdit*>(box)->text());
    const bool creating = MnEditPlantCreate->isChecked();
    const auto choices =
        ::Monta_CMBs_Auxs_Edt(Lookup, plants, display, creating ? nullptr : &CurrentPlant);
    for (const auto& [selector, box] : codedSelectorBoxes()) {
        auto* combo = findChild<QComboBox*>(selector);
        const SelectorChoice& choice = choices.value(selector);
        combo->clear();
        combo->addItems(choice.entries);
        combo->setCurrentIndex(choice.selected);
    }
}

void TFRMeditor::ChangeTXTsAppearance(bool editable) {
    // 1: borders, colours, read-only
    for (const QString& name : editBoxNames()) {
        auto* box = findChild<QLineEdit*>(name);
        box->setFrame(editable);
        box->setReadOnly(!editable);
        QPalette palette = box->palette();
        palette.setColor(QPalette::Base, editable ? palette.color(QPalette::HighlightedText)
                                                  : palette.color(QPalette::Button));
        box->setPalette(palette);
    }
    // 2: what would leave or reload the registry is off while editing; Export and Search
    // only make sense with a registry loaded
    const bool loaded = !RegistryFileName.isEmpty();
    MnFileLoad->setEnabled(!editable);
    MnFileExp->setEnabled(!editable && loaded);
    MnEditSearch->menuAction()->setEnabled(!editable && loaded);
    MnEditPlant->menuAction()->setEnabled(!editable);
    Sinal->setEnabled(!editable);
    ComboBox1->setEnabled(!editable);
    // 3: grid options
    for (QTableWidget* grid : grids())
        grid->setEditTriggers(
            editable ? QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                           QAbstractItemView::AnyKeyPressed | QAbstractItemView::SelectedClicked
                     : QAbstractItemView::NoEditTriggers);
    // 4: the bare numbers for a change
    if (editable && !MnEditPlantCreate->isChecked()) {
        for (const auto& [name, suffix] : unitSuffixes()) {
            auto* box = findChild<QLineEdit*>(name);
            box->setText(cutUnitSuffix(name, box->text()));
        }
    }
    // 5, 6: edit rows, and the empty layout for the sets and polynomials not in use. Going
    // back to read-only the display has its own rows (a count of 0 keeps its one empty row).
    if (editable) {
        StrGr_PolsJus->setRowCount(EditPolsJusRows);
        StrGr_ConjMaq2->setRowCount(EditConjMaq2Rows);
        StrGr_ConjMaq1->setRowCount(EditConjMaq1Rows);
        const int sets = NumberInput::toInteger(TXT_NGrMaq->text()).value_or(0);
        const int pols = NumberInput::toInteger(TXT_NKeyCur->text()).value_or(0);
        fillRows(StrGr_ConjMaq1, sets, &emptyConjMaq1Cell);
        fillRows(StrGr_ConjMaq2, 3 * std::max(0, sets), &emptyConjMaq2Cell);
        fillRows(StrGr_PolsJus, pols, &emptyPolsJusCell);
    }
    // 7: the coded fields picked from lists while editing
    showSelectors(editable);
}

bool TFRMeditor::ChooseDestFile() {
    EditSession& session = editing();
    session.noteRegistryInUse(RegistryFileName);
    const bool set =
        ::ChooseDestFile(Dlg, StartDir, RegistryFileName, session.LoadedRegistry, session.Now(),
                         DestFileName, auxCadPath()) == DestinationChoice::Set;
    if (set)
        session.DestinationDropped = false;
    return set;
}

bool TFRMeditor::storeSequence(std::int32_t oldCode, std::int32_t newCode, const TUsinaHd& plant) {
    EditSession& session = editing();
    // A scratch copy removed under the program: the destination it copies is read instead and
    // stays the registry in use whatever this store does (the lists show the same bytes).
    const QString standIn = standInForMissingScratch(RegistryFileName, session.ScratchOrigin);
    if (!standIn.isEmpty()) {
        Dlg.message(MessageKind::Plain, scratchCopyMissingText(RegistryFileName, standIn));
        RegistryFileName = standIn;
        session.AdoptedRegistry = standIn;
        session.ScratchOrigin = {};
        updateTitle();
    }
    // A scratch copy that the user loaded as the registry is never written over.
    const bool scratchLoaded = Destination::sameFile(session.LoadedRegistry, auxCadPath());
    const StoreResult result =
        storePlantAndCopy(CadHd, Dlg, DestFileName, RegistryFileName,
                          scratchLoaded ? QString() : auxCadPath(), oldCode, newCode, plant);
    if (!result.written) {
        // Nothing adopted; the next change asks for a destination again.
        DestFileName.clear();
        session.DestinationDropped = true;
        return false;
    }
    session.ScratchOrigin = result.origin;
    AdoptScratchCopy(result.registryInUse);
    return true;
}

void TFRMeditor::AdoptScratchCopy(const QString& registryInUse) {
    RegistryFileName = registryInUse;
    editing().AdoptedRegistry = registryInUse;
    if (registryInUse == auxCadPath())
        editing().WrittenScratchCopy = registryInUse;
    setBaseTitle(QStringLiteral("Velarin"));
    Monta_Combo();
    MnEditSearchCodeClick();
    // The plant on screen is found again by its code: a name longer than the stored twelve
    // characters is no obstacle.
    const auto code = NumberInput::toInteger(TXT_Cod->text());
    int index = -1;
    for (int i = 0; code && i < ComboBox1->count(); ++i) {
        const auto entryCode =
            NumberInput::toInteger(codeTextOfEntry(ComboBox1->itemText(i), true));
        if (entryCode && *entryCode == *code) {
            index = i;
            break;
        }
    }
    ComboBox1->setCurrentIndex(index);
    ComboBox1Change();
}

void TFRMeditor::MnEditPlantChangeClick() {
    if (TXT_Nome->text().isEmpty()) {
        if (isPortugueseChecked())
            Dlg.message(MessageKind::Warning, ChangeNothingShownPt);
        else if (isEnglishChecked())
            Dlg.message(MessageKind::Warning, ChangeNothingShownEn);
        return;
    }
    if (DestFileName.isEmpty() && !ChooseDestFile())
        return;
    Monta_CMBs_Auxs_Edt();
    ChangeTXTsAppearance(true);
    TXT_Cod->setEnabled(false);
    BTNsavechange->show();
    BTNcancelchange->show();
    FormSnapshot shown = formSnapshot();
    editing().Shown = ShownPlant{CurrentPlant, shown};
}

void TFRMeditor::MnEditPlantCreateClick() {
    MnEditPlantCreate->setChecked(true);
    if (DestFileName.isEmpty() && !ChooseDestFile()) {
        MnEditPlantCreate->setChecked(false);
        return;
    }
    editing().Shown.reset();
    Monta_CMBs_Auxs_Edt();
    for (const auto& [selector, box] : codedSelectorBoxes()) {
        auto* combo = findChild<QComboBox*>(selector);
        combo->setCurrentIndex(combo->count() > 0 ? 0 : -1);
    }
    ComboBox1->setCurrentIndex(ComboBox1->count() > 0 ? 0 : -1); // not shown
    TXT_NGrMaq->setText(QStringLiteral("1"));
    TXT_NKeyCur->setText(QStringLiteral("1"));
    ChangeTXTsAppearance(true);
    TXT_Cod->setEnabled(true);
    Limpa_Campos();
    TXT_NGrMaq->setText(QStringLiteral("1"));
    TXT_NKeyCur->setText(QStringLiteral("1"));
    fillRows(StrGr_ConjMaq1, 0, &emptyConjMaq1Cell);
    fillRows(StrGr_ConjMaq2, 0, &emptyConjMaq2Cell);
    fillRows(StrGr_PolsJus, 0, &emptyPolsJusCell);
    BTNsavechange->show();
    BTNcancelchange->show();
    TXT_Cod->setFocus();
}

void TFRMeditor::BTNsavechangeClick() {
    // A store that failed left no destination: it is asked for before anything else.
    if (DestFileName.isEmpty() && !ChooseDestFile())
        return;
    // A shortcut reaches Save without leaving the code box: a taken code is refused here
    // too, while the box is still open for another code.
    const bool creating = MnEditPlantCreate->isChecked();
    if (creating) {
        QStringList plants;
        for (int i = 0; i < ComboBox2->count(); ++i)
            plants << ComboBox2->itemText(i);
        const QString taken = takenCodeEntry(plants, TXT_Cod->text());
        if (!taken.isEmpty()) {
            Dlg.message(MessageKind::Warning, codeTakenText(TXT_Cod->text(), taken));
            TXT_Cod->setFocus();
            return;
        }
    }
    TXT_Cod->setEnabled(false);
    TXT_Nome->setText(TXT_Nome->text() + QString(11, u' '));
    TXT_Obs->setText(TXT_Obs->text() + QString(47, u' '));
    TXT_Data->setText(TXT_Data->text() + QString(8, u' '));

    FormSnapshot form = formSnapshot();
    if (!ConsistOk(form, NumberLocale, editing().Messages, Dlg))
        return;
    form.shown = editing().Shown;
    const NewPlantResult built = WriteNewPlant(form, NumberLocale);
    if (!built.ok) {
        showError(built.error);
        return;
    }
    const TUsinaHd previousPlant = CurrentPlant;
    const std::int32_t previousCode = CurrentCode;
    CurrentPlant = built.plant;
    const std::int32_t code = NumberInput::toInteger(TXT_Cod->text()).value_or(0);
    if (creating)
        CurrentCode = code;
    MnEditPlantCreate->setChecked(false);
    const bool written = storeSequence(CurrentCode, code, CurrentPlant);
    if (!written) {
        // Nothing adopted: the edit goes on with the user's entries.
        CurrentPlant = previousPlant;
        CurrentCode = previousCode;
        MnEditPlantCreate->setChecked(creating);
        return;
    }
    TXT_Cod->setEnabled(false);
    ChangeTXTsAppearance(false);
    BTNsavechange->hide();
    BTNcancelchange->hide();
    MnEditPlantCreate->setChecked(false);
    editing().Shown.reset();
    if (isPortugueseChecked())
        Dlg.message(MessageKind::Information, SavedPt);
    else if (isEnglishChecked())
        Dlg.message(MessageKind::Information, SavedEn);
    ComboBox1->setFocus();
}

void TFRMeditor::BTNcancelchangeClick() {
    TXT_Cod->setEnabled(false);
    ChangeTXTsAppearance(false);
    if (ComboBox1->count() > 0) {
        ComboBox1->setCurrentIndex(0);
        ComboBox1Change();
    }
    BTNsavechange->hide();
    BTNcancelchange->hide();
    MnEditPlantCreate->setChecked(false);
    editing().Shown.reset();
}

void TFRMeditor::MnEditPlantDelClick() {
    const std::optional<QString> input = Dlg.inputText(DeleteTitle, DeletePrompt, QString());
    if (!input)
        return;
    const auto code = NumberInput::toInteger(*input);
    if (!code) {
        showError(NumberInput::invalidIntegerText(*input));
        return;
    }
    if (*code < 1 || *code > 320) {
        Dlg.message(MessageKind::Warning, DeleteRange);
        return;
    }
    if (DestFileName.isEmpty() && !ChooseDestFile())
        return;
    if (!storeSequence(*code, *code, blankPlant()))
        return;
    if (isPortugueseChecked())
        Dlg.message(MessageKind::Information, DeletedPt);
    else if (isEnglishChecked())
        Dlg.message(MessageKind::Information, DeletedEn);
}

void TFRMeditor::MnEditGerAltClick() {
    const QString path = AlterationFile::pathIn(QDir::currentPath());
    const AlterationFile::Result result = AlterationFile::rewrite(path);
    if (!result.ok) {
        Dlg.message(MessageKind::Plain, RegistryTexts::ReadProblem);
        return;
    }
    RegistryFileName = path;
    if (PlantNames.size() < result.names.size() + 1)
        PlantNames.resize(result.names.size() + 1);
    for (int k = 0; k < result.names.size(); ++k)
        PlantNames[k + 1] = result.names.at(k);
    Dlg.message(MessageKind::Warning, AlterationFile::Done);
}
