#include "window/TFRMeditor.h"

#include "registry/AnsiText.h"
#include "registry/PlantList.h"
#include "registry/PlantTexts.h"

#include <QAction>
#include <QCollator>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QTableWidget>
#include <QTimer>
#include <exception>
#include <new>

static void initWindowResources() {
    Q_INIT_RESOURCE(window);
}

namespace {

const QString DesignTitle = QStringLiteral("Hydro Plant\u00B4s Cadastre Editor");
const QString LoadTitle = QStringLiteral("Velarin");
const QString NoPlantSelected = QStringLiteral("Select the Plant !");

} // namespace

TFRMeditor::TFRMeditor(Dialogs& dialogs, QStringList arguments, QString configDir, QWidget* parent)
    : QMainWindow(parent), Dlg(dialogs), CadHd(dialogs), Arguments(std::move(arguments)) {
    initWindowResources();
    setObjectName(QStringLiteral("TFRMeditor"));
    ConfigPath =
        configDir.isEmpty()
            ? configIniPath()
            : QDir::toNativeSeparators(QDir(configDir).filePath(QStringLiteral("config.ini")));
    BaseTitle = DesignTitle;
    setWindowTitle(DesignTitle);
    buildMenus();
    buildForm();
    connectHandlers();
    resize(808, 580);
    setWindowState(windowState() | Qt::WindowMaximized);
    runGuarded([this] { FormCreate(); });
}

TFRMeditor::~TFRMeditor() {
    runGuarded([this] { FormDestroy(); });
}

// ---------------------------------------------------------------------------------------------
// Errors

void TFRMeditor::showError(const QString& text) {
    Dlg.message(MessageKind::Error, text);
}

void TFRMeditor::runGuarded(const std::function<void()>& handler) {
    try {
        handler();
    } catch (const std::bad_alloc&) {
        showError(QStringLiteral("Memória insuficiente."));
    } catch (const std::exception& e) {
        showError(QString::fromLocal8Bit(e.what()));
    } catch (...) {
        showError(QStringLiteral("Erro inesperado."));
    }
}

// ---------------------------------------------------------------------------------------------
// Title, indicator, language checks

void TFRMeditor::setBaseTitle(const QString& title) {
    BaseTitle = title;
    updateTitle();
}

void TFRMeditor::updateTitle() {
    if (RegistryFileName.isEmpty())
        setWindowTitle(BaseTitle);
    else
        setWindowTitle(BaseTitle + QStringLiteral(" - ") +
                       QDir::toNativeSeparators(RegistryFileName));
}

void TFRMeditor::showSignal(SinalColor color) {
    SinalState = color;
    const QLabel* source = color == SinalColor::Red      ? ImgRed
                           : color == SinalColor::Yellow ? ImgYellow
                                                         : ImgGreen;
    Sinal->setPixmap(source->pixmap());
    static const char* const names[] = {"red", "yellow", "green"};
    Sinal->setAccessibleName(
        QStringLiteral("Cadastre status: %1").arg(QLatin1String(names[static_cast<int>(color)])));
}

bool TFRMeditor::isPortugueseChecked() const {
    return MnEditLanPort->isChecked();
}

bool TFRMeditor::isEnglishChecked() const {
    return MnEditLanEng->isChecked();
}

QString TFRMeditor::auxCadPath() const {
    return QDir(StartDir).filePath(ScratchName);
}

void TFRMeditor::claimScratchCopy() {
    const QDir dir(StartDir);
    auto lockFor = [&](const QString& name) {
        auto lock = std::make_unique<QLockFile>(dir.filePath(name + QStringLiteral(".lock")));
        lock->setStaleLockTime(0); // held for the whole run; only a dead holder makes it stale
        return lock;
    };
    ScratchName = QStringLiteral("AuxCad.cad");
    ScratchLock = lockFor(ScratchName);
    if (ScratchLock->tryLock(0) || ScratchLock->error() != QLockFile::LockFailedError)
        return; // ours, or a folder where no lock can be taken (nor a copy written)
    ScratchName = QStringLiteral("AuxCad-%1.cad").arg(QCoreApplication::applicationPid());
    ScratchLock = lockFor(ScratchName);
    ScratchLock->tryLock(0);
}

// The scratch copy goes, unless it is the registry in use: a user may have opened a
// left-over copy to recover it.
static void removeScratchCopy(const QString& auxCad, const QString& registry) {
    const QFileInfo aux(auxCad);
    if (!aux.exists())
        return;
    if (!registry.isEmpty()) {
        const QFileInfo loaded(registry);
        if (loaded.exists() && loaded.canonicalFilePath() == aux.canonicalFilePath())
            return;
    }
    QFile::remove(auxCad);
}

// ---------------------------------------------------------------------------------------------
// Creation, activation, destruction

void TFRMeditor::FormCreate() {
    InitLanguage();
    Limpa_Campos();
    StartDir = QDir::currentPath();
    claimScratchCopy();
    showSignal(SinalColor::Red);
    Lookup.clear();
    PlantNames = PlantList::emptyPlantNames();
    const ConfigResult config = readLookupLists(ConfigPath, Lookup);
    if (!config.found)
        Dlg.message(MessageKind::Warning, config.warning);
    update();
}

void TFRMeditor::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    // The start-up work runs once, after the window is first on screen; activation comes
    // back after every modal box, so it cannot hang on that.
    if (!m_activationQueued) {
        m_activationQueued = true;
        QTimer::singleShot(0, this, [this] { runGuarded([this] { FormActivate(); }); });
    }
}

void TFRMeditor::FormActivate() {
    if (FirstActivationDone)
        return;
    FirstActivationDone = true;
    MnEditLanPortClick();
    const QString first = Arguments.value(0);
    if (!first.trimmed().isEmpty()) {
        RegistryFileName = first;
        updateTitle();
        Monta_Combo();
        MnFileExp->setEnabled(true);
        MnEditSearch->menuAction()->setEnabled(true);
        showSignal(SinalColor::Green);
        MnEditSearchCodeClick();
    } else {
        MnFileLoadClick();
    }
    DestFileName.clear();
    removeScratchCopy(auxCadPath(), RegistryFileName);
    if (ComboBox1->count() > 0) {
        ComboBox1->setCurrentIndex(0);
        ComboBox1Change();
    }
}

void TFRMeditor::FormDestroy() {
    if (m_destroyed)
        return;
    m_destroyed = true;
    removeScratchCopy(auxCadPath(), RegistryFileName);
}

// ---------------------------------------------------------------------------------------------
// File menu

void TFRMeditor::MnFileLoadClick() {
    showSignal(SinalColor::Yellow);
    RegistryFileName.clear();
    Limpa_Combo();
    Limpa_Campos();
    setBaseTitle(LoadTitle);
    MnFileExp->setEnabled(false);
    MnEditSearch->menuAction()->setEnabled(false);
    DestFileName.clear();

    const QString chosen = Dlg.openFile(OpenDialog.Title, OpenDialog.Filter, StartDir);
    if (chosen.isEmpty()) {
        showSignal(SinalColor::Red);
        return;
    }
    RegistryFileName = chosen;
    updateTitle();
    Monta_Combo();
    TXT_Nome->setFocus();
    MnFileExp->setEnabled(true);
    MnEditSearch->menuAction()->setEnabled(true);
    showSignal(SinalColor::Green);
    MnEditSearchCodeClick();
}

void TFRMeditor::MnFileClick() {
    MnFilePrint->menuAction()->setEnabled(!plantListShownText().isEmpty());
}

void TFRMeditor::MnFileExitClick() {
    close();
}

// ---------------------------------------------------------------------------------------------
// Plant list

QString TFRMeditor::plantListShownText() const {
    if (ComboBox1->currentIndex() >= 0)
        return ComboBox1->currentText();
    return ComboBox1->placeholderText();
}

void TFRMeditor::Limpa_Combo() {
    ComboBox1->clear();
    ComboBox1->setPlaceholderText(QString());
}

void TFRMeditor::Monta_Combo() {
    QByteArray bytes;
    if (RegistryFileName.isEmpty() || !readWholeFile(RegistryFileName, bytes)) {
        Dlg.message(MessageKind::Plain, RegistryTexts::ReadProblem);
        // Nothing of an earlier registry may stay listed under this file's name.
        ComboBox2->clear();
        PlantNames = PlantList::emptyPlantNames();
        Limpa_Combo();
        return;
    }
    const PlantList list = plantListFromBytes(bytes);
    ComboBox2->clear();
    ComboBox2->addItems(list.entries);
    PlantNames = list.plantNames;
    ComboBox1->setPlaceholderText(NoPlantSelected);
    ComboBox1->setCurrentIndex(-1);
}

void TFRMeditor::MnEditSearchCodeClick() {
    PlantListMode = ListMode::ByCode;
    MnEditSearchCode->setChecked(true);
    MnEditSearchName->setChecked(false);
    QStringList entries;
    entries.reserve(ComboBox2->count());
    for (int i = 0; i < ComboBox2->count(); ++i)
        entries << ComboBox2->itemText(i);
    ComboBox1->clear();
    ComboBox1->addItems(entries);
    ComboBox1->setCurrentIndex(-1);
}

void TFRMeditor::MnEditSearchNameClick() {
    if (PlantListMode == ListMode::ByName) {
        // The action toggled itself off on the way in; the mode stays as it was.
        MnEditSearchName->setChecked(true);
        return;
    }
    PlantListMode = ListMode::ByName;
    MnEditSearchCode->setChecked(false);
    MnEditSearchName->setChecked(true);
    QStringList byCode;
    byCode.reserve(ComboBox2->count());
    for (int i = 0; i < ComboBox2->count(); ++i)
        byCode << ComboBox2->itemText(i);
    QCollator collator(NumberLocale);
    const QStringList byName = plantEntriesByName(byCode, collator);
    ComboBox1->clear();
    ComboBox1->addItems(byName);
    ComboBox1->setCurrentIndex(-1);
}

void TFRMeditor::ComboBox1Change() {
    const QString entry = ComboBox1->currentText();
    if (entry.trimmed().isEmpty())
        return;
    Limpa_Campos();
    CurrentPlant = TUsinaHd{};
    const QString codeText = codeTextOfEntry(entry, PlantListMode == ListMode::ByCode);
    const std::int32_t code = codeText.trimmed().toInt();
    CadHd.ReadPlant(code, CurrentPlant, RegistryFileName);
    AtualizaTela();
    CurrentCode = code;
}

void TFRMeditor::TXT_CodExit() {
    bool ok = false;
    const int typed = TXT_Cod->text().trimmed().toInt(&ok);
    if (!ok)
        return; // not a code: validation reports it on Save
    for (int i = 0; i < ComboBox2->count(); ++i) {
        const QString entry = ComboBox2->itemText(i);
        bool entryOk = false;
        const int code = entry.left(NthCharPos(entry, u' ', 1) - 1).toInt(&entryOk);
        if (entryOk && code == typed) {
            Dlg.message(MessageKind::Warning,
                        QStringLiteral("O Código ") + TXT_Cod->text() +
                            QStringLiteral(" já existe, e corresponde à usina \"") + entry +
                            QStringLiteral("\". Favor escolher outro código."));
            TXT_Cod->setFocus();
            return;
        }
    }
}

// ---------------------------------------------------------------------------------------------
// Display

void TFRMeditor::setCell(QTableWidget* grid, int row, int column, const QString& text) {
    QTableWidgetItem* item = grid->item(row, column);
    if (!item) {
        item = new QTableWidgetItem(text);
        grid->setItem(row, column, item);
    } else {
        item->setText(text);
    }
}

QString TFRMeditor::cellText(const QTableWidget* grid, int row, int column) {
    const QTableWidgetItem* item = grid->item(row, column);
    return item ? item->text() : QString();
}

void TFRMeditor::setGridRows(QTableWidget* grid, int rows) {
    grid->setRowCount(rows);
}

void TFRMeditor::Limpa_Campos() {
    for (QLineEdit* box : plantBoxes())
        box->clear();
    TXT_Cod->clear();
    for (QTableWidget* grid : grids())
        for (int r = 0; r < grid->rowCount(); ++r)
            for (int c = 0; c < grid->columnCount(); ++c)
                if (QTableWidgetItem* item = grid->item(r, c))
                    item->setText(QString());
}

void TFRMeditor::AtualizaTela() {
    for (QLineEdit* box : {TXT_Cod, TXT_Nome, TXT_Posto_BDH, TXT_Data, TXT_Obs, TXT_reg})
        box->clear();
    TXT_Cod->setText(codeTextOfEntry(ComboBox1->currentText(), PlantListMode == ListMode::ByCode));

    const PlantTexts texts = plantDisplayTexts(CurrentPlant, Lookup, PlantNames, NumberLocale);
    for (QLineEdit* box : plantBoxes()) {
        box->setText(texts.box(box->objectName()));
        box->setCursorPosition(0);
    }
    const struct {
        QTableWidget* grid;
        const GridTexts* cells;
    } tables[] = {
        {StrGr_PCVA, &texts.PCVA},         {StrGr_EvapM, &texts.EvapM},
        {StrGr_ConjMaq1, &texts.ConjMaq1}, {StrGr_ConjMaq2, &texts.ConjMaq2},
        {StrGr_PolsJus, &texts.PolsJus},
    };
    for (const auto& t : tables) {
        setGridRows(t.grid, t.cells->rows);
        for (int r = 0; r < t.cells->rows; ++r)
            for (int c = 0; c < t.cells->columns && c < t.grid->columnCount(); ++c)
                setCell(t.grid, r, c, t.cells->at(r, c));
    }
}

// ---------------------------------------------------------------------------------------------
// Events

bool TFRMeditor::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Sinal && event->type() == QEvent::MouseButtonDblClick) {
        if (Sinal->isEnabled())
            runGuarded([this] { MnFileLoadClick(); });
        return true;
    }
    if (watched == TXT_Cod && event->type() == QEvent::FocusOut) {
        // Leaving the box, not the window: a box or menu of our own taking the focus for a
        // moment is no exit.
        const auto reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason &&
            reason != Qt::MenuBarFocusReason)
            runGuarded([this] { TXT_CodExit(); });
    }
    return QMainWindow::eventFilter(watched, event);
}
