#include "window/CurvesWindow.h"

#include "core/Dialogs.h"
#include "curves/CurveSources.h"
#include "editing/EditorDocument.h"
#include "registry/PlantFields.h"
#include "reports/PrintJobs.h"
#include "reports/ReportPrinter.h"
#include "window/TFRMeditor.h"

#include <QAbstractItemModel>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>
#include <QtCharts/QChart>
#include <QtCharts/QChartView>
#include <functional>

using namespace PlantCurves;

namespace {

// A chart view that tells where the pointer is, in the chart's values.
class CurveChartView : public QChartView {
public:
    CurveChartView(QChart* chart, std::function<void(double)> moved)
        : QChartView(chart), m_moved(std::move(moved)) {
        setRenderHint(QPainter::Antialiasing);
        setMouseTracking(true);
    }

protected:
    void mouseMoveEvent(QMouseEvent* event) override {
        const QPointF inChart = chart()->mapFromScene(mapToScene(event->position().toPoint()));
        if (chart()->plotArea().contains(inChart))
            m_moved(chart()->mapToValue(inChart).x());
        QChartView::mouseMoveEvent(event);
    }

private:
    std::function<void(double)> m_moved;
};

} // namespace

CurvesWindow::CurvesWindow(TFRMeditor& main, Dialogs& dialogs)
    : m_main(main), m_doc(main.document()), m_dialogs(dialogs) {
    setObjectName(QStringLiteral("FRMcurves"));
    // Closing the main window ends the program, this one open or not.
    setAttribute(Qt::WA_QuitOnClose, false);
    auto* grid = new QGridLayout;
    static const char* const viewNames[CurveCharts::Count] = {"CHTlevelVolume", "CHTareaLevel",
                                                              "CHTtailrace"};
    static const char* const readoutNames[CurveCharts::Count] = {
        "LBLreadLevelVolume", "LBLreadAreaLevel", "LBLreadTailrace"};
    static const char* const noteNames[CurveCharts::Count] = {
        "LBLnotesLevelVolume", "LBLnotesAreaLevel", "LBLnotesTailrace"};
    for (int c = 0; c < CurveCharts::Count; ++c) {
        const auto which = CurveCharts::Which(c);
        auto* view = new CurveChartView(m_charts.chart(which),
                                        [this, which](double x) { showReadout(which, x); });
        view->setObjectName(QLatin1String(viewNames[c]));
        view->setMinimumSize(360, 260);
        m_views[std::size_t(c)] = view;
        auto* readout = new QLabel;
        readout->setObjectName(QLatin1String(readoutNames[c]));
        m_readouts[std::size_t(c)] = readout;
        auto* notes = new QLabel;
        notes->setObjectName(QLatin1String(noteNames[c]));
        notes->setStyleSheet(QStringLiteral("color: darkred"));
        notes->hide();
        m_notes[std::size_t(c)] = notes;
        auto* cell = new QVBoxLayout;
        cell->addWidget(view, 1);
        cell->addWidget(notes);
        cell->addWidget(readout);
        grid->addLayout(cell, c / 2, c % 2);
    }
    m_table = new QTableWidget(FigureCount, 2);
    m_table->setObjectName(QStringLiteral("GRDfigures"));
    m_table->verticalHeader()->hide();
    // Every figure in sight at once.
    m_table->verticalHeader()->setDefaultSectionSize(m_table->fontMetrics().height() + 4);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    m_table->horizontalHeader()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    for (int r = 0; r < FigureCount; ++r)
        for (int c = 0; c < 2; ++c)
            m_table->setItem(r, c, new QTableWidgetItem);
    m_table->setMinimumHeight(m_table->horizontalHeader()->sizeHint().height() +
                              FigureCount * m_table->verticalHeader()->defaultSectionSize() +
                              2 * m_table->frameWidth() + 2);
    m_warningsTitle = new QLabel;
    m_warningsTitle->setObjectName(QStringLiteral("LBLwarningsTitle"));
    m_warnings = new QLabel;
    m_warnings->setObjectName(QStringLiteral("LBLwarnings"));
    m_warnings->setWordWrap(true);
    m_warnings->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_warnings->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // However many warnings, they scroll below the table and never push into it.
    auto* warningsArea = new QScrollArea;
    warningsArea->setObjectName(QStringLiteral("SCRwarnings"));
    warningsArea->setWidget(m_warnings);
    warningsArea->setWidgetResizable(true);
    warningsArea->setFrameShape(QFrame::NoFrame);
    warningsArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    warningsArea->setMinimumHeight(3 * m_warnings->fontMetrics().lineSpacing());
    auto* side = new QVBoxLayout;
    side->addWidget(m_table);
    side->addWidget(m_warningsTitle);
    side->addWidget(warningsArea, 1);
    grid->addLayout(side, 1, 1);
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(1, 1);
    // What does not fit a small screen scrolls; the buttons stay in sight.
    auto* content = new QWidget;
    content->setLayout(grid);
    auto* scroll = new QScrollArea;
    scroll->setObjectName(QStringLiteral("SCRcurves"));
    scroll->setWidget(content);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);

    m_save = new QPushButton;
    m_save->setObjectName(QStringLiteral("BTNsaveCurves"));
    m_print = new QPushButton;
    m_print->setObjectName(QStringLiteral("BTNprintCurves"));
    connect(m_save, &QPushButton::clicked, this,
            [this] { m_main.runGuarded([this] { saveFile(); }); });
    connect(m_print, &QPushButton::clicked, this,
            [this] { m_main.runGuarded([this] { print(); }); });
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_save);
    buttons->addWidget(m_print);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(scroll, 1);
    layout->addLayout(buttons);
    // No larger than the screen leaves free, with room for the window's frame.
    QSize size(1100, 760);
    if (const QScreen* screen = main.screen())
        size = size.boundedTo(screen->availableGeometry().size() - QSize(16, 40));
    resize(size);

    m_timer = new QTimer(this);
    m_timer->setSingleShot(true);
    m_timer->setInterval(0);
    connect(m_timer, &QTimer::timeout, this, [this] { m_main.runGuarded([this] { redraw(); }); });
    followForm(main);
}

CurvesWindow::~CurvesWindow() = default;

// The main window hands what is typed to the document first (its connections were made
// before these), so a redraw on the next turn reads the form as it now stands.
void CurvesWindow::followForm(TFRMeditor& main) {
    const auto later = [this] { scheduleRedraw(); };
    for (const PlantField& f : plantFields())
        if (auto* box = main.findChild<QLineEdit*>(f.name()))
            connect(box, &QLineEdit::textChanged, this, later);
    // The grids holding a value the curves read.
    m_grids.clear();
    for (const FormGrid& g : formGrids()) {
        bool read = false;
        for (const PlantField& f : formFields())
            read = read || (f.grid == &g && f.curves != CurveInput::None);
        if (auto* grid = main.findChild<QTableWidget*>(g.name()); grid && read)
            m_grids << grid;
    }
    for (QTableWidget* grid : m_grids) {
        connect(grid->model(), &QAbstractItemModel::dataChanged, this, later);
        // A cell's editor appears on the viewport: followed as it is typed, not only when
        // committed.
        grid->viewport()->installEventFilter(this);
    }
    for (const PlantField& f : plantFields())
        if (f.kind == FieldKind::Coded && f.curves != CurveInput::None)
            if (auto* selector = main.findChild<QComboBox*>(QString::fromLatin1(f.selector)))
                connect(selector, &QComboBox::currentIndexChanged, this, later);
}

bool CurvesWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::ChildPolished)
        if (auto* editor = qobject_cast<QLineEdit*>(static_cast<QChildEvent*>(event)->child())) {
            connect(editor, &QLineEdit::textChanged, this, &CurvesWindow::scheduleRedraw,
                    Qt::UniqueConnection);
            // Escape drops what was typed: the committed text stands again.
            connect(editor, &QObject::destroyed, this, &CurvesWindow::scheduleRedraw,
                    Qt::UniqueConnection);
        }
    return QWidget::eventFilter(watched, event);
}

// The form as the document holds it, with the text of a cell's open editor in its cell.
FormTexts CurvesWindow::formAsTyped() const {
    FormTexts texts = m_doc.form().texts();
    for (QTableWidget* grid : m_grids) {
        const QModelIndex at = grid->currentIndex();
        if (auto* editor = qobject_cast<QLineEdit*>(grid->indexWidget(at)))
            if (GridTexts* cells = texts.grid(grid->objectName()))
                cells->set(at.row(), at.column(), editor->text());
    }
    return texts;
}

void CurvesWindow::scheduleRedraw() {
    if (isVisible() && !m_timer->isActive())
        m_timer->start();
}

Language CurvesWindow::language() const {
    return m_doc.lingua() == int(Language::English) ? Language::English : Language::Portuguese;
}

CurvePage CurvesWindow::page() const {
    return {m_title, language(), m_doc.locale()};
}

void CurvesWindow::redraw() {
    ++m_redraws;
    const Language lang = language();
    const FormState& form = m_doc.form();
    const QString code = form.box(CodeBox).trimmed();
    const QString name = form.box(QStringLiteral("TXT_Nome")).trimmed();
    m_hasPlant = m_doc.editing() || !name.isEmpty();
    m_title = code + QStringLiteral(" - ") + name;
    if (m_doc.mode() == EditorDocument::Mode::Create) {
        // A plant not stored yet: say so, with what is typed of its code and name.
        QStringList typed;
        for (const QString& t : {code, name})
            if (!t.isEmpty())
                typed << t;
        m_title = curveText(CurveText::NewPlant, lang);
        if (!typed.isEmpty())
            m_title += QStringLiteral(": ") + typed.join(QStringLiteral(" - "));
    }
    if (m_hasPlant) {
        const CurveSource source = m_doc.editing()
                                       ? formSource(formAsTyped(), m_doc.shownForEdit(),
                                                    m_doc.locale(), lang, m_doc.recordForm())
                                       : storedSource(m_doc.currentPlant());
        m_figures = computeFigures(source);
        m_charts.show(m_figures, lang, m_doc.locale());
    } else {
        m_figures = {};
        m_charts.clear(lang);
    }
    const QString title = curveText(CurveText::WindowTitle, lang);
    setWindowTitle(m_hasPlant ? title + QStringLiteral(" - ") + m_title : title);
    m_table->setHorizontalHeaderLabels(
        {curveText(CurveText::ColumnFigure, lang), curveText(CurveText::ColumnValue, lang)});
    for (int r = 0; r < FigureCount; ++r) {
        const Figure f = Figure(r);
        m_table->item(r, 0)->setText(figureLabel(f, lang));
        const QString value =
            m_hasPlant ? figureText(m_figures[f], f, lang, m_doc.locale()) : QString();
        m_table->item(r, 1)->setText(value);
        m_table->item(r, 1)->setTextAlignment(m_figures[f].value
                                                  ? Qt::AlignRight | Qt::AlignVCenter
                                                  : Qt::AlignLeft | Qt::AlignVCenter);
    }
    m_warningsTitle->setText(QStringLiteral("<b>%1</b>").arg(curveText(CurveText::Warnings, lang)));
    QStringList warnings;
    for (const CurveWarning& w : m_figures.warnings)
        warnings << warningText(w, lang, m_doc.locale());
    m_warnings->setText(!m_hasPlant          ? curveText(CurveText::NoPlant, lang)
                        : warnings.isEmpty() ? curveText(CurveText::NoWarnings, lang)
                                             : warnings.join(u'\n'));
    m_save->setText(curveText(CurveText::Save, lang));
    m_print->setText(curveText(CurveText::Print, lang));
    m_save->setEnabled(m_hasPlant);
    m_print->setEnabled(m_hasPlant);
    for (QLabel* readout : m_readouts)
        readout->clear();
    // The charts and the table stand without labels: they name themselves.
    m_table->setAccessibleName(curveText(CurveText::ColumnFigure, lang));
    for (int c = 0; c < CurveCharts::Count; ++c) {
        m_views[std::size_t(c)]->setAccessibleName(m_charts.chart(CurveCharts::Which(c))->title());
        const QStringList& notes = m_charts.notes(CurveCharts::Which(c));
        m_notes[std::size_t(c)]->setText(notes.join(u'\n'));
        m_notes[std::size_t(c)]->setVisible(!notes.isEmpty());
    }
}

void CurvesWindow::showReadout(CurveCharts::Which which, double x) {
    m_readouts[std::size_t(which)]->setText(m_charts.readout(which, x, language(), m_doc.locale()));
}

void CurvesWindow::saveFile() {
    const Language lang = language();
    const QString code = m_doc.form().box(CodeBox).trimmed();
    QString type;
    QString chosen = m_dialogs.saveFileOfTypeFor(
        FileKind::CurvesImage, curveText(CurveText::SaveTitle, lang),
        curveText(CurveText::SaveFilter, lang), m_doc.startDir(),
        code.isEmpty() ? QStringLiteral("Curvas.pdf") : QStringLiteral("Curvas_%1.pdf").arg(code),
        true, type);
    if (chosen.isEmpty())
        return;
    if (QFileInfo(chosen).suffix().isEmpty()) {
        // The type chosen ("PNG (*.png)") gives the extension; PDF when the dialog cannot tell.
        const qsizetype dot = type.lastIndexOf(QStringLiteral("*."));
        const QString ext = dot < 0 ? QStringLiteral("pdf") : type.mid(dot + 2, 3).toLower();
        chosen += u'.' + ext;
        // The dialog asked about the name without it.
        if (QFileInfo::exists(chosen) &&
            !m_dialogs.confirm(curveText(CurveText::SaveReplace, lang).arg(chosen)))
            return;
    }
    if (!isCurveFileName(chosen)) {
        m_dialogs.message(MessageKind::Warning,
                          curveText(CurveText::SaveExtension, lang).arg(chosen));
        return;
    }
    if (const QString why = m_doc.reportRefusal(chosen); !why.isEmpty()) {
        m_dialogs.message(MessageKind::Warning, why);
        return;
    }
    QString error;
    if (!writeCurveFile(chosen, m_figures, page(), error))
        m_dialogs.message(MessageKind::Error, error);
}

void CurvesWindow::print() {
    QPrinter& printer = m_main.reportPrinter().printer();
    PrintRequest request;
    if (!m_dialogs.choosePrinter(printer, request))
        return;
    if (printer.outputFormat() == QPrinter::PdfFormat)
        if (const QString why = m_doc.reportRefusal(printer.outputFileName()); !why.isEmpty()) {
            m_dialogs.message(MessageKind::Warning, why);
            return;
        }
    const LandscapeScope landscape(printer);
    PrintJob job(printer, curveText(CurveText::WindowTitle, language()));
    if (job.begin()) {
        paintCurvePage(job.painter(), job.pageSize(), m_figures, page());
        if (job.finish())
            return;
    }
    m_dialogs.message(MessageKind::Error, job.error());
}
