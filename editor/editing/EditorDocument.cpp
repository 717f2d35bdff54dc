#include "editing/EditorDocument.h"

#include "core/Dialogs.h"
#include "editing/AlterationFile.h"
#include "editing/NumberInput.h"
#include "editing/WriteNewPlant.h"
#include "language/LanguageTexts.h"
#include "registry/PlantFields.h"
#include "registry/PlantList.h"
#include "files/SafeWrite.h"
#include "reports/CsvExport.h"
#include "reports/PrintJobs.h"
#include "reports/ReportPrinter.h"

#include <QCollator>
#include <QDir>
#include <algorithm>
#include <utility>

namespace {

const QString NoPlantSelected = QStringLiteral("Select the Plant !");

} // namespace

FormTexts FormState::texts() const {
    FormTexts t = *this;
    for (auto it = choices.cbegin(); it != choices.cend(); ++it)
        t.selectors.insert(it.key(), it.value().entries.value(it.value().selected));
    return t;
}

EditorDocument::EditorDocument(Dialogs& dialogs, QString configPath)
    : m_dialogs(dialogs), m_cad(dialogs), m_configPath(std::move(configPath)),
      m_baseTitle(ApplicationName), m_title(ApplicationName), m_files(dialogs) {
    // Filled once: nothing looks an entry up before the first activation, and the texts
    // never change afterwards.
    m_messages.InitMensagens();
    static_cast<PlantGrids&>(m_form) = PlantGrids(); // a row each, as a display of none
}

// ---------------------------------------------------------------------------------------------
// Start-up and loading

void EditorDocument::start() {
    m_files.claimScratchCopy(QDir::currentPath());
    m_lookup.clear();
    m_plantNames = PlantList::emptyPlantNames();
    const ConfigResult config = readLookupLists(m_configPath, m_lookup);
    if (!config.found)
        m_dialogs.message(MessageKind::Warning, config.warning);
}

void EditorDocument::firstActivation(const QString& registry,
                                     const std::function<void()>& openDialogUp) {
    if (!registry.trimmed().isEmpty()) {
        m_files.loaded(registry);
        m_titleFile = registry;
        updateTitle();
        if (readPlantList())
            warnIncompleteRecord();
        listByCode();
    } else {
        load(openDialogUp);
    }
    m_files.dropDestination();
    m_files.removeScratchCopy();
    if (!m_listEntries.isEmpty()) {
        m_listIndex = 0;
        showSelected();
    }
}

bool EditorDocument::load(const std::function<void()>& openDialogUp, const QString& file) {
    m_files.unload();
    m_titleFile.clear();
    m_listEntries.clear();
    m_listIndex = -1;
    m_placeholder.clear();
    clearForm();
    m_baseTitle = ShortName;
    updateTitle();
    m_files.dropDestination();
    QString chosen = file;
    if (chosen.isEmpty()) {
        if (openDialogUp)
            openDialogUp();
        const OpenDialogCaptions texts = openDialog();
        chosen = m_dialogs.openFileFor(FileKind::Registry, texts.title, texts.filter,
                                       m_files.startDir());
    }
    if (chosen.isEmpty())
        return false;
    m_files.loaded(chosen);
    m_titleFile = chosen;
    updateTitle();
    if (readPlantList())
        warnIncompleteRecord();
    listByCode();
    return true;
}

bool EditorDocument::readPlantList() {
    QByteArray bytes;
    if (m_files.registry().isEmpty() || !readWholeFile(m_files.registry(), bytes)) {
        m_dialogs.message(MessageKind::Plain, RegistryTexts::ReadProblem);
        // Nothing of an earlier registry may stay listed under this file's name.
        m_entries.clear();
        m_plantNames = PlantList::emptyPlantNames();
        m_listEntries.clear();
        m_listIndex = -1;
        m_placeholder.clear();
        return false;
    }
    m_registrySize = bytes.size();
    // The form is the loaded file's: the scratch copy and the destination are written in it.
    if (m_files.registry() == m_files.loadedFile())
        m_cad.setForm(resolveForm(m_requestedForm, bytes.size()));
    PlantList list = plantListFromBytes(bytes, m_cad.form());
    m_entries = std::move(list.entries);
    m_plantNames = std::move(list.plantNames);
    m_placeholder = NoPlantSelected;
    m_listIndex = -1;
    return true;
}

// Told at the load only: the scratch copy that replaces the registry after a Save keeps the
// same trailing bytes (the store copies them as they are) and says nothing new.
void EditorDocument::warnIncompleteRecord() {
    if (m_requestedForm == RecordForm::BySize) {
        const QString ambiguous = ambiguousFormText(m_files.registry(), m_registrySize, m_lingua);
        if (!ambiguous.isEmpty())
            m_dialogs.message(MessageKind::Warning, ambiguous);
    }
    const QString text = incompleteRecordText(m_files.registry(), m_registrySize, m_lingua, m_cad.form());
    if (!text.isEmpty())
        m_dialogs.message(MessageKind::Warning, text);
}

// ---------------------------------------------------------------------------------------------
// Plant list and display

int EditorDocument::listIndexOf(std::int32_t code) const {
    const bool byCode = m_listMode == ListMode::ByCode;
    for (int i = 0; i < m_listEntries.size(); ++i)
        if (const auto entryCode =
                NumberInput::toInteger(codeTextOfEntry(m_listEntries.at(i), byCode));
            entryCode && *entryCode == code)
            return i;
    return -1;
}

QString EditorDocument::listShownText() const {
    if (m_listIndex >= 0)
        return m_listEntries.value(m_listIndex);
    return m_placeholder;
}

void EditorDocument::listByCode() {
    m_listMode = ListMode::ByCode;
    m_listEntries = m_entries;
    m_listIndex = -1;
}

bool EditorDocument::listByName() {
    if (m_listMode == ListMode::ByName)
        return false;
    m_listMode = ListMode::ByName;
    QCollator collator(m_locale);
    m_listEntries = plantEntriesByName(m_entries, collator);
    m_listIndex = -1;
    return true;
}

void EditorDocument::clearForm() {
    // Every text goes; the grids keep their rows.
    for (auto it = m_form.boxes.begin(); it != m_form.boxes.end(); ++it)
        write(it.key(), QString());
    m_form.clear();
}

void EditorDocument::displayPlant(const QString& codeText) {
    const PlantTexts texts = plantDisplayTexts(m_plant, m_lookup, m_plantNames, m_locale);
    for (auto it = texts.boxes.cbegin(); it != texts.boxes.cend(); ++it)
        write(it.key(), it.value());
    write(CodeBox, codeText);
    static_cast<PlantGrids&>(m_form) = texts;
    ++m_displays;
}

void EditorDocument::showSelected() {
    const QString entry = m_listIndex >= 0 ? m_listEntries.value(m_listIndex) : QString();
    if (entry.trimmed().isEmpty())
        return;
    clearForm();
    m_plant = TUsinaHd{};
    const QString codeText = codeTextOfEntry(entry, m_listMode == ListMode::ByCode);
    const std::int32_t code = codeText.trimmed().toInt();
    m_cad.ReadPlant(code, m_plant, m_files.registry());
    displayPlant(codeText);
    m_code = code;
}

// ---------------------------------------------------------------------------------------------
// Editing

void EditorDocument::write(const QString& box, const QString& text) {
    m_form.boxes.insert(box, text);
    m_written.insert(box);
}

QSet<QString> EditorDocument::takeWritten() {
    return std::exchange(m_written, {});
}

void EditorDocument::setCell(const QString& grid, int row, int column, const QString& text) {
    if (GridTexts* g = m_form.grid(grid))
        g->set(row, column, text);
}

void EditorDocument::setSelected(const QString& selector, int index) {
    auto it = m_form.choices.find(selector);
    if (it != m_form.choices.end())
        it->selected = index;
}

void EditorDocument::fillSelectors(const TUsinaHd* shown) {
    QHash<QString, QString> display;
    for (const auto& [selector, box] : codedSelectorBoxes())
        display.insert(box, m_form.box(box));
    m_form.choices = ::Monta_CMBs_Auxs_Edt(m_lookup, m_entries, display, shown);
}

// The edit rows of the grids, the empty layout in the rows of the sets and polynomials not in
// use, and for a change the bare numbers.
void EditorDocument::toEditLayout(bool cutSuffixes) {
    if (cutSuffixes)
        for (const PlantField& f : plantFields())
            if (*f.unit)
                write(f.name(), cutUnitSuffix(f.name(), m_form.box(f.name())));
    toEditRows(m_form);
}

FormTexts EditorDocument::changeTexts(std::int32_t code, const TUsinaHd& plant) const {
    return changeFormTexts(code, plant, m_lookup, m_plantNames, m_entries, m_locale);
}

bool EditorDocument::chooseDestination() {
    return m_files.chooseDestination(Now());
}

bool EditorDocument::beginChange() {
    if (m_form.box(QStringLiteral("TXT_Nome")).isEmpty()) {
        m_dialogs.message(MessageKind::Warning,
                          languageMessage(LanguageMessage::ChangeNothingShown, m_lingua));
        return false;
    }
    if (m_files.destination().isEmpty() && !chooseDestination())
        return false;
    m_beforeEdit = BeforeEdit{m_form, m_listIndex};
    fillSelectors(&m_plant);
    m_mode = Mode::Change;
    toEditLayout(true);
    m_shown = ShownPlant{m_plant, m_form.texts()};
    m_entered = m_form.texts();
    return true;
}

bool EditorDocument::beginCreate() {
    if (m_files.destination().isEmpty() && !chooseDestination())
        return false;
    m_beforeEdit = BeforeEdit{m_form, m_listIndex};
    m_shown.reset();
    fillSelectors(nullptr);
    for (SelectorChoice& choice : m_form.choices)
        choice.selected = choice.entries.isEmpty() ? -1 : 0;
    m_listIndex = m_listEntries.isEmpty() ? -1 : 0; // not shown
    m_mode = Mode::Create;
    write(QStringLiteral("TXT_NGrMaq"), QStringLiteral("1"));
    toEditLayout(false);
    clearForm();
    write(QStringLiteral("TXT_NGrMaq"), QStringLiteral("1"));
    write(QStringLiteral("TXT_NKeyCur"), QStringLiteral("1"));
    fillEmptyRows(m_form, 0, 0);
    m_entered = m_form.texts();
    return true;
}

// The plant shown stands as the plant first shown, as in Change: a text not retyped keeps the
// source's exact value (the display rounds). The list stays on the source.
bool EditorDocument::beginCreateFrom() {
    if (m_form.box(QStringLiteral("TXT_Nome")).isEmpty())
        return false;
    if (m_files.destination().isEmpty() && !chooseDestination())
        return false;
    m_beforeEdit = BeforeEdit{m_form, m_listIndex};
    fillSelectors(&m_plant);
    m_mode = Mode::Create;
    toEditLayout(true);
    write(CodeBox, QString());
    m_shown = ShownPlant{m_plant, m_form.texts()};
    m_entered = m_form.texts();
    return true;
}

bool EditorDocument::editChanged() const {
    return editing() && !sameFormTexts(m_form.texts(), m_entered);
}

bool EditorDocument::codeTaken() {
    const QString typed = m_form.box(CodeBox);
    const QString taken = takenCodeEntry(m_entries, typed);
    if (taken.isEmpty())
        return false;
    m_dialogs.message(MessageKind::Warning, codeTakenText(typed, taken));
    return true;
}

EditorDocument::SaveOutcome EditorDocument::save(const std::function<void()>& checked) {
    // A store that failed left no destination: it is asked for before anything else.
    if (m_files.destination().isEmpty() && !chooseDestination())
        return SaveOutcome::NoDestination;
    const bool creating = m_mode == Mode::Create;
    // A shortcut reaches Save without leaving the code box: a taken code is refused here too.
    if (creating && codeTaken())
        return SaveOutcome::CodeTaken;
    if (checked)
        checked();
    FormSnapshot form;
    static_cast<FormTexts&>(form) = m_form.texts();
    // Short texts fill their fields with blanks. Only what is checked and stored is padded:
    // the boxes keep what was typed, so each failed Save leaves them as they were.
    for (const auto& [box, blanks] : {std::pair{"TXT_Nome", 11}, {"TXT_Obs", 47}, {"TXT_Data", 8}})
        form.boxes.insert(QString::fromLatin1(box),
                          form.box(QString::fromLatin1(box)) + QString(blanks, u' '));
    const MessageText messages = [this](int entry) { return m_messages.text(m_lingua, entry); };
    if (!ConsistOk(form, m_locale, messages, m_dialogs, nullptr, m_cad.form()))
        return SaveOutcome::NotStored;
    form.shown = m_shown;
    const NewPlantResult built = WriteNewPlant(form, m_locale, language(), m_cad.form());
    if (!built.ok) {
        m_dialogs.message(MessageKind::Error, built.error);
        return SaveOutcome::NotStored;
    }
    const TUsinaHd previousPlant = m_plant;
    const std::int32_t previousCode = m_code;
    m_plant = built.plant;
    const std::int32_t code = NumberInput::toInteger(m_form.box(CodeBox)).value_or(0);
    if (creating)
        m_code = code;
    if (!store(m_code, code, m_plant)) {
        // Nothing adopted: the edit goes on with the user's entries.
        m_plant = previousPlant;
        m_code = previousCode;
        return SaveOutcome::NotStored;
    }
    m_mode = Mode::Browse;
    m_shown.reset();
    m_beforeEdit.reset();
    m_dialogs.message(MessageKind::Information, languageMessage(LanguageMessage::Saved, m_lingua));
    return SaveOutcome::Stored;
}

void EditorDocument::cancel() {
    m_mode = Mode::Browse;
    // Back to the plant on screen when the edit began, as it was shown: the file is unchanged
    // (a store that succeeds ends the edit), and a plant shown but not listed comes back too.
    if (m_beforeEdit) {
        for (auto it = m_form.boxes.cbegin(); it != m_form.boxes.cend(); ++it)
            m_written.insert(it.key());
        for (auto it = m_beforeEdit->form.boxes.cbegin(); it != m_beforeEdit->form.boxes.cend();
             ++it)
            m_written.insert(it.key());
        m_form = std::move(m_beforeEdit->form);
        m_listIndex = m_beforeEdit->listIndex;
        ++m_displays;
        m_beforeEdit.reset();
    }
    m_shown.reset();
}

void EditorDocument::deletePlant() {
    const std::optional<QString> input =
        m_dialogs.inputText(languageMessage(LanguageMessage::DeleteTitle, m_lingua),
                            languageMessage(LanguageMessage::DeletePrompt, m_lingua), QString());
    if (!input)
        return;
    const auto code = NumberInput::toInteger(*input);
    if (!code) {
        m_dialogs.message(MessageKind::Error, NumberInput::invalidIntegerText(*input, language()));
        return;
    }
    if (*code < 1 || *code > MaxPlantCode) {
        m_dialogs.message(
            MessageKind::Warning,
            languageMessage(LanguageMessage::DeleteRange, m_lingua).arg(MaxPlantCode));
        return;
    }
    if (m_files.destination().isEmpty() && !chooseDestination())
        return;
    if (!store(*code, *code, blankPlant()))
        return;
    m_dialogs.message(MessageKind::Information,
                      languageMessage(LanguageMessage::Deleted, m_lingua));
}

bool EditorDocument::store(std::int32_t oldCode, std::int32_t newCode, const TUsinaHd& plant) {
    if (!m_files.store(m_cad, oldCode, newCode, plant))
        return false;
    adopt();
    return true;
}

void EditorDocument::adopt() {
    // The user works on the destination; the scratch copy read in its place is no concern of
    // theirs. The title keeps its base, the language's or the one a load gave.
    m_titleFile = m_files.destination();
    updateTitle();
    readPlantList();
    listByCode();
    // The plant on screen is found again by its code: a name longer than the stored twelve
    // characters is no obstacle.
    const auto code = NumberInput::toInteger(m_form.box(CodeBox));
    m_listIndex = -1;
    for (int i = 0; code && i < m_listEntries.size(); ++i) {
        const auto entryCode = NumberInput::toInteger(codeTextOfEntry(m_listEntries.at(i), true));
        if (entryCode && *entryCode == *code) {
            m_listIndex = i;
            break;
        }
    }
    showSelected();
}

void EditorDocument::alteration() {
    const QString path = AlterationFile::pathIn(QDir::currentPath());
    const AlterationFile::Result result = AlterationFile::rewrite(path, m_cad.form());
    if (!result.ok) {
        m_dialogs.message(MessageKind::Plain, RegistryTexts::ReadProblem);
        return;
    }
    m_files.use(path);
    m_titleFile = path;
    updateTitle();
    if (m_plantNames.size() < result.names.size() + 1)
        m_plantNames.resize(result.names.size() + 1);
    for (int k = 0; k < result.names.size(); ++k)
        m_plantNames[k + 1] = result.names.at(k);
    m_dialogs.message(MessageKind::Warning, AlterationFile::Done);
}

// ---------------------------------------------------------------------------------------------
// Reports and language

void EditorDocument::exportCsv() {
    ExportRequest request;
    request.startDir = m_files.startDir();
    request.registryFile = m_files.registry();
    request.entries = m_entries;
    request.plantNames = m_plantNames;
    request.lists = m_lookup;
    request.locale = m_locale;
    request.form = m_cad.form();
    request.successText = languageMessage(LanguageMessage::CsvWritten, m_lingua);
    request.language = language();
    request.refusal = [this](const QString& output) { return reportRefusal(output); };
    runExportCommand(m_dialogs, request);
}

void EditorDocument::convertRecordForm() {
    const RecordForm to =
        m_cad.form() == RecordForm::Bytes832 ? RecordForm::Bytes792 : RecordForm::Bytes832;
    const QString digits = QString::fromLatin1(formDigits(to));
    const QString target = m_dialogs.saveFileFor(
        FileKind::Destination, formText(FormText::ConvertSaveTitle, language()).arg(digits),
        openDialog().filter, startDir(), QString(), true);
    if (target.isEmpty())
        return;
    if (const QString why = reportRefusal(target); !why.isEmpty()) {
        m_dialogs.message(MessageKind::Warning, why);
        return;
    }
    QByteArray bytes;
    if (m_files.registry().isEmpty() || !readWholeFile(m_files.registry(), bytes)) {
        m_dialogs.message(MessageKind::Plain, RegistryTexts::ReadProblem);
        return;
    }
    std::vector<std::pair<int, int>> changed;
    const QByteArray converted = convertRegistry(bytes, m_cad.form(), to, &changed);
    // What narrowing would change is told before anything is written.
    if (const QString narrowed = narrowedText(changed, language());
        !narrowed.isEmpty() &&
        !m_dialogs.confirm(formText(FormText::NarrowedConfirm, language()).arg(narrowed)))
        return;
    QString reason;
    if (!writeFileAtomically(target, converted, &reason)) {
        m_dialogs.message(MessageKind::Error, cannotWriteText(target, reason));
        return;
    }
    m_dialogs.message(
        MessageKind::Information,
        formText(FormText::Converted, language()).arg(digits, QDir::toNativeSeparators(target)));
}

QString EditorDocument::footer(const QDateTime& when) const {
    return footerLine(title(), when, m_locale);
}

SheetTexts EditorDocument::sheetTexts(const QDateTime& when) const {
    SheetTexts texts;
    for (const PlantField& f : plantFields())
        texts.values.boxes.insert(f.name(), m_form.box(f.name()));
    static_cast<PlantGrids&>(texts.values) = m_form;
    texts.title =
        m_form.box(CodeBox) + QStringLiteral(" - ") + m_form.box(QStringLiteral("TXT_Nome"));
    texts.captions = sectionCaptions(m_lingua);
    texts.footer = footer(when);
    return texts;
}

AllPlantsJob EditorDocument::allPlantsJob() const {
    AllPlantsJob job;
    job.entries = m_entries;
    job.plantNames = m_plantNames;
    job.lists = m_lookup;
    job.locale = m_locale;
    job.form = m_cad.form();
    job.captions = sectionCaptions(m_lingua);
    job.footer = [this] { return footer(QDateTime::currentDateTime()); };
    return job;
}

void EditorDocument::setLanguage(int lingua) {
    m_lingua = lingua;
    // Loading a registry later builds its title on this base.
    m_baseTitle = languageTitle(Language(lingua));
    updateTitle();
}

OpenDialogCaptions EditorDocument::openDialog() const {
    return openDialogTexts(m_lingua == 2 ? Language::English : Language::Portuguese);
}

// The title names the registry the user works on: the one loaded, the destination once a
// store wrote it, or the file the MSD alteration rewrote.
void EditorDocument::updateTitle() {
    m_title = m_titleFile.isEmpty()
                  ? m_baseTitle
                  : m_baseTitle + QStringLiteral(" - ") + QDir::toNativeSeparators(m_titleFile);
}
