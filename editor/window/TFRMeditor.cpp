#include "window/TFRMeditor.h"

#include "editing/NumberInput.h"
#include "registry/AnsiText.h"
#include "registry/PlantFields.h"
#include "registry/PlantList.h"
#include "reports/PrintJobs.h"
#include "reports/ReportPrinter.h"
#include "window/EditorSettings.h"
#include "window/LanguageApply.h"
#include "window/QtTranslations.h"
#include "window/QualityTools.h"
#include "window/TfrmHelpAbout.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <QFocusEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>
#include <exception>
#include <new>

static void initWindowResources() {
    Q_INIT_RESOURCE(window);
}

TFRMeditor::TFRMeditor(Dialogs& dialogs, QStringList arguments, QString configDir, QWidget* parent)
    : QMainWindow(parent), m_dialogs(dialogs), m_arguments(std::move(arguments)) {
    initWindowResources();
    setObjectName(QStringLiteral("TFRMeditor"));
    const QString configPath =
        configDir.isEmpty()
            ? configIniPath()
            : QDir::toNativeSeparators(QDir(configDir).filePath(QStringLiteral("config.ini")));
    // Every file dialog opens where the last one of its kind was answered.
    m_settings = std::make_unique<EditorSettings>();
    m_dialogs.setFileFolders(m_settings.get());
    m_doc = std::make_unique<EditorDocument>(dialogs, configPath);
    setWindowTitle(ApplicationName);
    buildMenus();
    buildRecentMenu();
    buildForm();
    connectHandlers();
    connectEdits();
    // A plant chosen in a Tools window is shown as one chosen in the list.
    m_tools = std::make_unique<QualityTools>(*this, dialogs, [this](int index) {
        m_doc->setListIndex(index);
        m_doc->showSelected();
        render();
    });
    setShortcuts();
    resize(808, 580);
    setWindowState(windowState() | Qt::WindowMaximized);
    runGuarded([this] {
        // Kept without a parent, so that its controls (Label1 among them) never answer a
        // search for the main window's own.
        m_about = std::make_unique<TfrmHelpAbout>();
        m_doc->start();
        showSignal(SinalColor::Red);
    });
}

TFRMeditor::~TFRMeditor() {
    if (m_dialogs.fileFolders() == m_settings.get())
        m_dialogs.setFileFolders(nullptr);
}

ReportPrinter& TFRMeditor::reportPrinter() {
    if (!m_reports) {
        m_reports = std::make_unique<ReportPrinter>();
        m_reports->refusal = [this](const QString& output) { return m_doc->reportRefusal(output); };
    }
    return *m_reports;
}

void TFRMeditor::runGuarded(const std::function<void()>& handler) {
    try {
        handler();
    } catch (const std::bad_alloc&) {
        m_dialogs.message(MessageKind::Error, QStringLiteral("Memória insuficiente."));
    } catch (const std::exception& e) {
        m_dialogs.message(MessageKind::Error, QString::fromLocal8Bit(e.what()));
    } catch (...) {
        m_dialogs.message(MessageKind::Error, QStringLiteral("Erro inesperado."));
    }
}

void TFRMeditor::showSignal(SinalColor color) {
    m_signal = color;
    const QLabel* source = color == SinalColor::Red      ? ui.ImgRed
                           : color == SinalColor::Yellow ? ui.ImgYellow
                                                         : ui.ImgGreen;
    ui.Sinal->setPixmap(source->pixmap());
    static const char* const names[] = {"red", "yellow", "green"};
    ui.Sinal->setAccessibleName(
        QStringLiteral("Cadastre status: %1").arg(QLatin1String(names[static_cast<int>(color)])));
}

// ---------------------------------------------------------------------------------------------
// The document on the controls

void TFRMeditor::render() {
    m_rendering = true;
    setWindowTitle(m_doc->title());
    renderList();
    renderForm();
    m_tools->updateMenu();
    updateCreateFrom();
    m_rendering = false;
}

void TFRMeditor::renderList() {
    const QStringList& entries = m_doc->entries();
    if (ui.ComboBox2->count() != entries.size() ||
        (!entries.isEmpty() && ui.ComboBox2->itemText(entries.size() - 1) != entries.last())) {
        ui.ComboBox2->clear();
        ui.ComboBox2->addItems(entries);
    }
    const QStringList& shown = m_doc->listEntries();
    bool same = ui.ComboBox1->count() == shown.size();
    for (int i = 0; same && i < shown.size(); ++i)
        same = ui.ComboBox1->itemText(i) == shown.at(i);
    if (!same) {
        ui.ComboBox1->clear();
        ui.ComboBox1->addItems(shown);
    }
    ui.ComboBox1->setPlaceholderText(m_doc->listPlaceholder());
    ui.ComboBox1->setCurrentIndex(m_doc->listIndex());
    const bool byCode = m_doc->listMode() == EditorDocument::ListMode::ByCode;
    ui.MnEditSearchCode->setChecked(byCode);
    ui.MnEditSearchName->setChecked(!byCode);
}

void TFRMeditor::renderForm() {
    const FormState& form = m_doc->form();
    // A plant displayed shows every box from its first character.
    const bool displayed = m_shownDisplay != m_doc->displays();
    m_shownDisplay = m_doc->displays();
    const QSet<QString> written = m_doc->takeWritten();
    for (QLineEdit* box : formBoxes()) {
        const QString text = form.box(box->objectName());
        if (box->text() != text || written.contains(box->objectName())) {
            box->setText(text);
            // Wide enough for what it shows: a box never cuts its text.
            const int need = box->fontMetrics().horizontalAdvance(text) + 12;
            if (need > box->minimumWidth())
                box->setMinimumWidth(need);
        }
        if (displayed && box != ui.TXT_Cod)
            box->setCursorPosition(0);
    }
    for (QTableWidget* grid : grids()) {
        const GridTexts& cells = *form.grid(grid->objectName());
        grid->setRowCount(cells.rows);
        for (int r = 0; r < cells.rows; ++r)
            for (int c = 0; c < cells.columns && c < grid->columnCount(); ++c) {
                QTableWidgetItem* item = grid->item(r, c);
                if (!item)
                    grid->setItem(r, c, new QTableWidgetItem(cells.at(r, c)));
                else if (item->text() != cells.at(r, c))
                    item->setText(cells.at(r, c));
            }
    }
    for (auto it = form.choices.cbegin(); it != form.choices.cend(); ++it) {
        auto* combo = findChild<QComboBox*>(it.key());
        if (!combo)
            continue;
        QStringList now;
        for (int i = 0; i < combo->count(); ++i)
            now << combo->itemText(i);
        if (now != it.value().entries) {
            combo->clear();
            combo->addItems(it.value().entries);
        }
        combo->setCurrentIndex(it.value().selected);
    }
}

// What the user types goes to the document as it is typed.
void TFRMeditor::connectEdits() {
    for (QLineEdit* box : formBoxes())
        // The box's text as it stands: the name box's capitals may have replaced the text
        // the signal carries.
        connect(box, &QLineEdit::textChanged, this, [this, box] {
            if (!m_rendering)
                m_doc->setBox(box->objectName(), box->text());
        });
    for (QTableWidget* grid : grids())
        connect(grid->model(), &QAbstractItemModel::dataChanged, this,
                [this, grid](const QModelIndex& from, const QModelIndex& to) {
                    if (m_rendering)
                        return;
                    for (int r = from.row(); r <= to.row(); ++r)
                        for (int c = from.column(); c <= to.column(); ++c) {
                            const QTableWidgetItem* item = grid->item(r, c);
                            m_doc->setCell(grid->objectName(), r, c,
                                           item ? item->text() : QString());
                        }
                });
    for (const auto& [selector, box] : codedSelectorBoxes()) {
        auto* combo = findChild<QComboBox*>(selector);
        connect(combo, &QComboBox::currentIndexChanged, this, [this, combo](int index) {
            if (!m_rendering)
                m_doc->setSelected(combo->objectName(), index);
        });
    }
    // The list's index as set from outside; only a choice of the user's (activated) shows
    // the plant. While editing the list keeps the edit's entry until the edit is left.
    connect(ui.ComboBox1, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (!m_rendering && !m_doc->editing())
            m_doc->setListIndex(index);
    });
    // The name box takes capitals only, as the name is stored and listed.
    connect(ui.TXT_Nome, &QLineEdit::textEdited, this, [this](const QString& text) {
        const QString upper = AnsiText::upper(text);
        if (upper != text) {
            const int cursor = ui.TXT_Nome->cursorPosition();
            ui.TXT_Nome->setText(upper);
            ui.TXT_Nome->setCursorPosition(cursor);
        }
    });
}

// ---------------------------------------------------------------------------------------------
// Activation and the File menu

void TFRMeditor::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    // The start-up work runs once, after the window is first on screen; activation comes
    // back after every modal box, so it cannot hang on that.
    if (!m_activationQueued) {
        m_activationQueued = true;
        QTimer::singleShot(0, this, [this] { runGuarded([this] { FormActivate(); }); });
    }
}

void TFRMeditor::closeEvent(QCloseEvent* event) {
    bool leave = false; // a failure on the way keeps the window, and the edit, open
    runGuarded([&] { leave = leaveEdit(); });
    if (!leave) {
        event->ignore();
        return;
    }
    QMainWindow::closeEvent(event);
}

void TFRMeditor::FormActivate() {
    if (m_firstActivationDone)
        return;
    m_firstActivationDone = true;
    MnEditLanguageClick(int(Language::Portuguese));
    const QString first = m_arguments.value(0);
    if (!first.trimmed().isEmpty()) {
        m_doc->firstActivation(first, {});
        enableRegistryCommands(true);
        showSignal(SinalColor::Green);
        rememberRegistry();
    } else {
        enableRegistryCommands(false);
        m_doc->firstActivation(first, [this] {
            showSignal(SinalColor::Yellow);
            render();
        });
        const bool loaded = !m_doc->registryFileName().isEmpty();
        if (loaded) {
            ui.TXT_Nome->setFocus();
            enableRegistryCommands(true);
            rememberRegistry();
        }
        showSignal(loaded ? SinalColor::Green : SinalColor::Red);
    }
    render();
}

// Export and Search need a registry loaded.
void TFRMeditor::enableRegistryCommands(bool enabled) {
    ui.MnFileExp->setEnabled(enabled);
    ui.MnEditSearch->menuAction()->setEnabled(enabled);
}

void TFRMeditor::MnFileLoadClick() {
    loadRegistry(QString());
}

void TFRMeditor::loadRegistry(const QString& recent) {
    if (!leaveEdit())
        return;
    enableRegistryCommands(false);
    const bool chosen = m_doc->load(
        [this] {
            showSignal(SinalColor::Yellow);
            render();
        },
        recent);
    render();
    if (!chosen) {
        showSignal(SinalColor::Red);
        return;
    }
    ui.TXT_Nome->setFocus();
    enableRegistryCommands(true);
    showSignal(SinalColor::Green);
    rememberRegistry();
}

void TFRMeditor::MnFileClick() {
    ui.MnFilePrint->menuAction()->setEnabled(!m_doc->listShownText().isEmpty());
}

// ---------------------------------------------------------------------------------------------
// Plant list

void TFRMeditor::MnEditSearchCodeClick() {
    if (!leaveEdit())
        return;
    m_doc->listByCode();
    render();
}

void TFRMeditor::MnEditSearchNameClick() {
    if (!leaveEdit())
        return;
    // Already by name: the action toggled itself off on the way in; the mode stays.
    m_doc->listByName();
    render();
}

void TFRMeditor::ComboBox1Change() {
    int index = ui.ComboBox1->currentIndex();
    if (m_doc->editing()) {
        // Found again by its code after the edit is left: a Save rebuilds the list.
        const bool byCode = m_doc->listMode() == EditorDocument::ListMode::ByCode;
        const auto code =
            NumberInput::toInteger(codeTextOfEntry(ui.ComboBox1->itemText(index), byCode));
        if (!leaveEdit())
            return;
        index = code ? m_doc->listIndexOf(*code) : -1;
        if (index < 0) {
            render();
            return;
        }
    }
    m_doc->setListIndex(index);
    m_doc->showSelected();
    render();
}

void TFRMeditor::TXT_CodExit() {
    // Not while Cancel closes the box, nor on the way to Cancel, which drops the code, or to
    // Save, which checks it itself: one box for one mistake.
    if (m_closingCodeBox)
        return;
    const QWidget* next = QApplication::focusWidget();
    if (next == ui.BTNcancelchange || next == ui.BTNsavechange)
        return;
    if (m_doc->codeTaken())
        ui.TXT_Cod->setFocus();
}

// ---------------------------------------------------------------------------------------------
// Language and help

void TFRMeditor::MnEditLanguageClick(int lingua) {
    m_doc->setLanguage(lingua);
    if (!m_qtTexts)
        m_qtTexts = std::make_unique<QtTranslations>();
    m_qtTexts->apply(Language(lingua));
    m_rendering = true; // the check marks set here are no choice of the user's
    const QStringList missing = applyLanguage(*this, Language(lingua), m_doc->title(),
                                              !m_doc->registryFileName().isEmpty());
    m_rendering = false;
    if (!missing.isEmpty())
        qWarning("Controls without their language texts: %s", qPrintable(missing.join(", ")));
    m_tools->languageChanged();
}

void TFRMeditor::MnHelpAboutClick() {
    m_about->prepare(ui.MnEditLanPort->isChecked(), ui.Label1->text());
    m_about->exec();
}

// ---------------------------------------------------------------------------------------------
// Editing

void TFRMeditor::ChangeTXTsAppearance(bool editable) {
    for (QLineEdit* box : formBoxes()) {
        box->setFrame(editable);
        box->setReadOnly(!editable);
        QPalette palette = box->palette();
        palette.setColor(QPalette::Base, editable ? palette.color(QPalette::HighlightedText)
                                                  : palette.color(QPalette::Button));
        box->setPalette(palette);
    }
    // Export writes the registry, not the form: off while editing. What leaves the edit stays
    // on and asks first (leaveEdit). Export and Search only make sense with a registry loaded.
    const bool loaded = !m_doc->registryFileName().isEmpty();
    ui.MnFileLoad->setEnabled(true);
    ui.MnFileExp->setEnabled(!editable && loaded);
    ui.MnEditSearch->menuAction()->setEnabled(loaded);
    ui.MnEditPlant->menuAction()->setEnabled(true);
    ui.Sinal->setEnabled(true);
    ui.ComboBox1->setEnabled(true);
    for (QTableWidget* grid : grids())
        grid->setEditTriggers(
            editable ? QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                           QAbstractItemView::AnyKeyPressed | QAbstractItemView::SelectedClicked
                     : QAbstractItemView::NoEditTriggers);
    showSelectors(editable);
    ui.BTNsavechange->setVisible(editable);
    ui.BTNcancelchange->setVisible(editable);
}

void TFRMeditor::showSelectors(bool selectors) {
    const auto& pairs = codedSelectorBoxes();
    for (const auto& [selector, boxName] : pairs) {
        auto* box = findChild<QLineEdit*>(boxName);
        auto* combo = findChild<QComboBox*>(selector);
        box->setVisible(!selectors);
        combo->setVisible(selectors);
        // The label names the control shown.
        for (QLabel* label : findChildren<QLabel*>())
            if (label->buddy() == box || label->buddy() == combo)
                label->setBuddy(selectors ? static_cast<QWidget*>(combo) : box);
    }
}

void TFRMeditor::MnEditPlantChangeClick() {
    if (!leaveEdit() || !m_doc->beginChange())
        return;
    render();
    ChangeTXTsAppearance(true);
    ui.TXT_Cod->setEnabled(false);
}

void TFRMeditor::MnEditPlantCreateClick() {
    startCreate(&EditorDocument::beginCreate);
}

// The new code is typed in the code box, as in Create: the box's own check of a taken code
// and Save's rules and messages then apply unchanged, and a code refused can be corrected
// in place.
void TFRMeditor::MnEditPlantCreateFromClick() {
    startCreate(&EditorDocument::beginCreateFrom);
}

void TFRMeditor::startCreate(bool (EditorDocument::*begin)()) {
    if (!leaveEdit())
        return;
    ui.MnEditPlantCreate->setChecked(true);
    if (!(m_doc.get()->*begin)()) {
        ui.MnEditPlantCreate->setChecked(false);
        updateCreateFrom();
        return;
    }
    render();
    ChangeTXTsAppearance(true);
    ui.TXT_Cod->setEnabled(true);
    ui.TXT_Cod->setFocus();
}

// A plant is on the form to start from.
void TFRMeditor::updateCreateFrom() {
    ui.MnEditPlantCreateFrom->setEnabled(!m_doc->form().box(QStringLiteral("TXT_Nome")).isEmpty());
}

bool TFRMeditor::leaveEdit() {
    if (!m_doc->editing())
        return true;
    commitOpenCell();
    bool left = true;
    if (!m_doc->editChanged()) {
        BTNcancelchangeClick();
    } else {
        const Language lang = m_doc->language();
        const LeaveQuestion question{
            inLanguage(lang,
                       "As alterações desta usina ainda não foram salvas. Deseja salvá-las "
                       "antes de continuar?",
                       "The changes to this plant have not been saved yet. Save them before "
                       "going on?"),
            inLanguage(lang, "Salvar", "Save"), inLanguage(lang, "Descartar", "Discard"),
            inLanguage(lang, "Continuar editando", "Keep editing")};
        switch (m_dialogs.askLeave(question)) {
        case LeaveChoice::Save:
            BTNsavechangeClick(); // a Save refused keeps the edit, and the user in it
            left = !m_doc->editing();
            break;
        case LeaveChoice::Discard:
            BTNcancelchangeClick();
            break;
        case LeaveChoice::Stay:
            left = false;
            render(); // the list shows the edit's entry again
            break;
        }
    }
    // The Create item toggled itself on the way in.
    ui.MnEditPlantCreate->setChecked(m_doc->mode() == EditorDocument::Mode::Create);
    return left;
}

// What is typed in a cell's open editor goes into the form before the form is compared or
// saved; the editor closes, so that nothing it holds lands in the form afterwards.
void TFRMeditor::commitOpenCell() {
    for (QTableWidget* grid : grids()) {
        const QModelIndex at = grid->currentIndex();
        if (grid->indexWidget(at)) {
            grid->setCurrentIndex({}); // leaving the cell commits and closes its editor
            grid->setCurrentIndex(at);
        }
    }
}

void TFRMeditor::BTNsavechangeClick() {
    const auto outcome = m_doc->save([this] { ui.TXT_Cod->setEnabled(false); });
    render();
    switch (outcome) {
    case EditorDocument::SaveOutcome::NoDestination:
        return;
    case EditorDocument::SaveOutcome::CodeTaken:
        ui.TXT_Cod->setFocus();
        return;
    case EditorDocument::SaveOutcome::NotStored:
        ui.MnEditPlantCreate->setChecked(m_doc->mode() == EditorDocument::Mode::Create);
        // A new plant's code can be corrected after a refused Save.
        ui.TXT_Cod->setEnabled(m_doc->mode() == EditorDocument::Mode::Create);
        return;
    case EditorDocument::SaveOutcome::Stored:
        ChangeTXTsAppearance(false);
        ui.MnEditPlantCreate->setChecked(false);
        ui.ComboBox1->setFocus();
        return;
    }
}

void TFRMeditor::BTNcancelchangeClick() {
    m_closingCodeBox = true;
    ui.TXT_Cod->setEnabled(false);
    m_closingCodeBox = false;
    ChangeTXTsAppearance(false);
    m_doc->cancel();
    render();
    ui.MnEditPlantCreate->setChecked(false);
}

void TFRMeditor::MnEditPlantDelClick() {
    if (!leaveEdit())
        return;
    m_doc->deletePlant();
    render();
}

void TFRMeditor::MnEditGerAltClick() {
    m_doc->alteration();
    render();
}

// ---------------------------------------------------------------------------------------------
// Reports

void TFRMeditor::MnFileExpClick() {
    m_doc->exportCsv();
}

void TFRMeditor::MnFilePrintCurScrClick() {
    // The client area without the menu bar, as it stands on the screen now.
    reportPrinter().printScreen(
        m_dialogs, [this] { return centralWidget()->grab().toImage(); },
        [this] { return m_doc->footer(QDateTime::currentDateTime()); });
}

void TFRMeditor::MnFilePrintCurDataClick() {
    reportPrinter().printSheet(m_dialogs,
                               [this] { return m_doc->sheetTexts(QDateTime::currentDateTime()); });
}

void TFRMeditor::MnFilePrintAllDataClick() {
    AllPlantsJob job = m_doc->allPlantsJob();
    // The window repaints between plants; no user input gets in, so no command starts.
    job.beforeEachPlant = [] {
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    };
    reportPrinter().printAllPlants(m_dialogs, m_doc->registryFileName(), job);
}

// ---------------------------------------------------------------------------------------------
// Events

bool TFRMeditor::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Shortcut)
        if (const auto* action = qobject_cast<QAction*>(watched))
            return !shortcutReachable(action); // eaten when the click could not be made
    if (event->type() == QEvent::ShortcutOverride && m_doc->editing() &&
        qobject_cast<QTableWidget*>(watched) &&
        static_cast<QKeyEvent*>(event)->keyCombination() == QKeyCombination(Qt::Key_F2)) {
        // While editing, F2 is the grid's own, as in any grid: it opens the current cell.
        event->accept();
        return true;
    }
    if (event->type() == QEvent::ShortcutOverride && qobject_cast<QLineEdit*>(watched)) {
        // On X11 desktops a box takes Ctrl+E as the end of its line (and the focus is in the
        // name box after a load): a command of the window that is on comes first.
        const QKeySequence key(static_cast<QKeyEvent*>(event)->keyCombination());
        for (const QAction* item : findChildren<QAction*>())
            if (item->shortcut() == key && !key.isEmpty() && shortcutReachable(item)) {
                event->ignore();
                return true;
            }
    }
    if (watched == ui.Sinal && event->type() == QEvent::MouseButtonDblClick) {
        if (ui.Sinal->isEnabled())
            runGuarded([this] { MnFileLoadClick(); });
        return true;
    }
    if (watched == ui.TXT_Cod && event->type() == QEvent::FocusOut) {
        // Leaving the box, not the window: a box or menu of our own taking the focus for a
        // moment is no exit.
        const auto reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason &&
            reason != Qt::MenuBarFocusReason)
            runGuarded([this] { TXT_CodExit(); });
    }
    return QMainWindow::eventFilter(watched, event);
}
