#include "window/QualityTools.h"

#include "core/Dialogs.h"
#include "editing/Destination.h"
#include "editing/EditorDocument.h"
#include "language/WorkbookTexts.h"
#include "registry/PlantList.h"
#include "registry/TCadHd.h"
#include "reports/TableExport.h"
#include "tools/DeckLoad.h"
#include "tools/RegistryCheck.h"
#include "tools/RegistryDiff.h"
#include "window/CurvesWindow.h"
#include "window/ResultWindow.h"
#include "window/TFRMeditor.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>

QualityTools::QualityTools(TFRMeditor& window, Dialogs& dialogs, std::function<void(int)> showPlant)
    : m_window(window), m_doc(window.document()), m_dialogs(dialogs),
      m_showPlant(std::move(showPlant)) {
    // After Edit, as the other menus: named on the menu and on its action.
    m_menu = new QMenu(QStringLiteral("&Tools"), window.menuBar());
    m_menu->setObjectName(QStringLiteral("MnTools"));
    m_menu->menuAction()->setObjectName(QStringLiteral("MnTools"));
    window.menuBar()->insertMenu(window.ui.MnHelp->menuAction(), m_menu);
    m_check = m_menu->addAction(QStringLiteral("&Check Registry..."));
    m_check->setObjectName(QStringLiteral("MnToolsCheck"));
    m_compare = m_menu->addAction(QStringLiteral("Co&mpare with..."));
    m_compare->setObjectName(QStringLiteral("MnToolsCompare"));
    m_curves = m_menu->addAction(QStringLiteral("Plant C&urves..."));
    m_curves->setObjectName(QStringLiteral("MnToolsCurves"));
    m_checkDeck = m_menu->addAction(QStringLiteral("Check &Deck..."));
    m_checkDeck->setObjectName(QStringLiteral("MnToolsCheckDeck"));
    m_convert = m_menu->addAction(QStringLiteral("Convert Record &Form..."));
    m_convert->setObjectName(QStringLiteral("MnToolsConvert"));
    m_formLabel = new QLabel(window.menuBar());
    m_formLabel->setObjectName(QStringLiteral("LBL_RecordForm"));
    m_formLabel->setContentsMargins(8, 0, 8, 0);
    window.menuBar()->setCornerWidget(m_formLabel, Qt::TopRightCorner);
    const auto guarded = [this](void (QualityTools::*handler)()) {
        return [this, handler] { m_window.runGuarded([this, handler] { (this->*handler)(); }); };
    };
    // The curves follow an edit; the others leave it first.
    const auto leaving = [this](void (QualityTools::*handler)()) {
        return [this, handler] {
            m_window.runGuarded([this, handler] {
                if (m_window.leaveEdit())
                    (this->*handler)();
            });
        };
    };
    connect(m_check, &QAction::triggered, this, leaving(&QualityTools::check));
    connect(m_compare, &QAction::triggered, this, leaving(&QualityTools::compareWith));
    connect(m_curves, &QAction::triggered, this, guarded(&QualityTools::curves));
    connect(m_checkDeck, &QAction::triggered, this, leaving(&QualityTools::checkDeck));
    connect(m_convert, &QAction::triggered, this, leaving(&QualityTools::convertForm));
    updateMenu();
}

QualityTools::~QualityTools() = default;

void QualityTools::updateMenu() {
    // Check, Compare, Check Deck and Convert read the registry, not the form: while editing
    // they ask first whether to save the edit (TFRMeditor::leaveEdit).
    m_menu->menuAction()->setEnabled(!m_doc.registryFileName().isEmpty());
    m_formLabel->setText(m_doc.registryFileName().isEmpty()
                             ? QString()
                             : formText(FormText::FormLabel, language())
                                   .arg(QLatin1String(formDigits(m_doc.recordForm()))));
    if (m_curvesWindow)
        m_curvesWindow->scheduleRedraw(); // the plant shown or the edit may have changed
}

void QualityTools::languageChanged() {
    updateMenu();
    if (m_checkWindow && m_checkWindow->isVisible())
        refreshCheck();
    if (m_compareWindow && m_compareWindow->isVisible())
        refreshComparison();
    if (m_deckWindow && m_deckWindow->isVisible())
        refreshDeck();
    if (m_curvesWindow)
        m_curvesWindow->scheduleRedraw();
}

Language QualityTools::language() const {
    return m_doc.lingua() == int(Language::English) ? Language::English : Language::Portuguese;
}

QString QualityTools::shownRegistry() const {
    const RegistryFiles& files = m_doc.files();
    const bool scratch = Destination::sameFile(files.registry(), files.scratchPath());
    return QDir::toNativeSeparators(scratch && !files.destination().isEmpty() ? files.destination()
                                                                              : files.registry());
}

bool QualityTools::read(const QString& path, QByteArray& bytes, QString& failure) {
    if (readWholeFile(path, bytes))
        return true;
    const QString shown =
        path == m_doc.registryFileName() ? shownRegistry() : QDir::toNativeSeparators(path);
    failure = qualityText(QualityText::CannotRead, language()).arg(shown);
    m_dialogs.message(MessageKind::Plain, failure);
    return false;
}

void QualityTools::showPlant(int code) {
    // An edit under way is left first; a code no longer listed has nothing to show.
    m_window.runGuarded([&] {
        if (!m_window.leaveEdit())
            return;
        const int index = m_doc.listIndexOf(code);
        if (index < 0)
            return;
        m_showPlant(index);
        m_window.raise();
        m_window.activateWindow();
    });
}

// ---------------------------------------------------------------------------------------------
// Check Registry

// A result window, made at its first use, filled anew and brought up.
void QualityTools::present(std::unique_ptr<ResultWindow>& window, const QString& name,
                           void (QualityTools::*refresh)()) {
    if (!window) {
        window = std::make_unique<ResultWindow>(name);
        window->refreshRequested = [this, refresh] {
            m_window.runGuarded([this, refresh] { (this->*refresh)(); });
        };
        window->plantRequested = [this](int code) { showPlant(code); };
        ResultWindow* shown = window.get();
        window->exportRequested = [this, shown] {
            m_window.runGuarded([this, shown] { exportTable(*shown); });
        };
    }
    (this->*refresh)();
    window->show();
    window->raise();
    window->activateWindow();
}

// The table as the window holds it, in the order found, as a CSV or a workbook.
void QualityTools::exportTable(const ResultWindow& window) {
    TableExport::Request request;
    request.startDir = m_doc.startDir();
    request.language = language();
    request.refusal = [this](const QString& output) { return m_doc.reportRefusal(output); };
    TableExport::save(m_dialogs, {window.contents().headers, window.contents().rows}, request);
}

void QualityTools::check() {
    present(m_checkWindow, QStringLiteral("FRMcheck"), &QualityTools::refreshCheck);
}

void QualityTools::refreshCheck() {
    const Language lang = language();
    ResultWindow::Contents contents;
    contents.title = qualityText(QualityText::CheckTitle, lang);
    contents.files = {qualityText(QualityText::RegistryFile, lang).arg(shownRegistry())};
    contents.headers = {qualityText(QualityText::ColumnCode, lang),
                        qualityText(QualityText::ColumnPlant, lang),
                        qualityText(QualityText::ColumnMessage, lang)};
    contents.refresh = qualityText(QualityText::Refresh, lang);
    contents.exportCaption = workbookText(WorkbookText::ExportButton, lang);
    QByteArray bytes;
    if (read(m_doc.registryFileName(), bytes, contents.summary)) {
        const CheckReport report =
            checkRegistry(bytes, m_doc.lookup(), m_doc.locale(), lang, m_doc.recordForm());
        for (const CheckFinding& finding : report.findings)
            contents.rows.append(findingCells(finding));
        contents.summary = checkSummary(report, lang);
    }
    m_checkWindow->setContents(contents);
}

// ---------------------------------------------------------------------------------------------
// Compare with...

void QualityTools::compareWith() {
    const Language lang = language();
    const QString chosen = m_dialogs.openFileFor(FileKind::Registry,
                                                 qualityText(QualityText::CompareDialogTitle, lang),
                                                 openDialogTexts(lang).filter, m_doc.startDir());
    if (chosen.isEmpty())
        return;
    m_other = chosen;
    present(m_compareWindow, QStringLiteral("FRMcompare"), &QualityTools::refreshComparison);
}

void QualityTools::refreshComparison() {
    const Language lang = language();
    ResultWindow::Contents contents;
    contents.title = qualityText(QualityText::CompareTitle, lang);
    contents.files = {
        qualityText(QualityText::OldFile, lang).arg(shownRegistry()),
        qualityText(QualityText::NewFile, lang).arg(QDir::toNativeSeparators(m_other))};
    contents.headers = {
        qualityText(QualityText::ColumnCode, lang), qualityText(QualityText::ColumnPlant, lang),
        qualityText(QualityText::ColumnField, lang), qualityText(QualityText::ColumnOld, lang),
        qualityText(QualityText::ColumnNew, lang)};
    contents.refresh = qualityText(QualityText::Refresh, lang);
    contents.exportCaption = workbookText(WorkbookText::ExportButton, lang);
    QByteArray before, after;
    if (read(m_doc.registryFileName(), before, contents.summary) &&
        read(m_other, after, contents.summary)) {
        // The registry in use in its own form, the other one in the form its size tells.
        const DiffReport report =
            diffRegistries(before, after, m_doc.locale(), m_doc.recordForm(), RecordForm::BySize);
        for (const DiffLine& line : report.lines)
            contents.rows.append(diffCells(line, lang));
        contents.summary = diffSummary(report, lang);
    }
    m_compareWindow->setContents(contents);
}

// ---------------------------------------------------------------------------------------------
// Convert Record Form

void QualityTools::convertForm() {
    m_doc.convertRecordForm();
}

// ---------------------------------------------------------------------------------------------
// Plant Curves

void QualityTools::curves() {
    if (!m_curvesWindow)
        m_curvesWindow = std::make_unique<CurvesWindow>(m_window, m_dialogs);
    m_curvesWindow->show();
    m_curvesWindow->redraw();
    m_curvesWindow->raise();
    m_curvesWindow->activateWindow();
}

// ---------------------------------------------------------------------------------------------
// Check Deck

void QualityTools::checkDeck() {
    const Language lang = language();
    const QString start =
        m_deckDir.isEmpty() ? QFileInfo(shownRegistry()).absolutePath() : m_deckDir;
    const QString chosen = m_dialogs.chooseFolderFor(
        FileKind::DeckFolder, inLanguage(lang, "Pasta do deck", "Deck folder"), start);
    if (chosen.isEmpty())
        return;
    m_deckDir = chosen;
    present(m_deckWindow, QStringLiteral("FRMcheckDeck"), &QualityTools::refreshDeck);
}

void QualityTools::refreshDeck() {
    using namespace DeckCheck;
    const Language lang = language();
    ResultWindow::Contents contents;
    contents.title = inLanguage(lang, "Verificação do Deck", "Deck Check");
    contents.headers = {qualityText(QualityText::ColumnCode, lang),
                        qualityText(QualityText::ColumnPlant, lang),
                        inLanguage(lang, "Arquivo", "File"), inLanguage(lang, "Nível", "Level"),
                        qualityText(QualityText::ColumnMessage, lang)};
    contents.refresh = qualityText(QualityText::Refresh, lang);
    contents.exportCaption = workbookText(WorkbookText::ExportButton, lang);
    DeckPaths paths;
    paths.dir = m_deckDir;
    // The registry in use stands for the deck's HIDR when the deck is its folder.
    if (QFileInfo(shownRegistry()).absoluteDir() == QDir(m_deckDir)) {
        paths.given[QStringLiteral("HIDR")] = m_doc.registryFileName();
        paths.form = m_doc.recordForm();
    }
    const LoadResult loaded = loadDeck(paths, lang);
    if (!loaded.deck) {
        contents.files = {QDir::toNativeSeparators(m_deckDir)};
        contents.summary = loaded.error;
        m_dialogs.message(MessageKind::Plain, loaded.error);
    } else {
        for (const auto& [label, path] : loaded.deck->fileList())
            contents.files.append(QStringLiteral("%1: %2").arg(
                label, label == u"HIDR" && path == m_doc.registryFileName()
                           ? shownRegistry()
                           : QDir::toNativeSeparators(path)));
        const QList<Finding> findings = DeckCheck::check(loaded.deck->inputs, lang);
        for (const Finding& f : findings)
            contents.rows.append(findingCells(f, lang));
        contents.summary = summaryLine(findings, loaded.deck->fileList(), lang);
    }
    m_deckWindow->setContents(contents);
}
