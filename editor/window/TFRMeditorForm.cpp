// The main window's controls, menus and their layout, in the grouping of the design.
#include "window/TFRMeditor.h"

#include "registry/PlantFields.h"
#include "window/GridColumnLabels.h"
#include "window/LanguageApply.h"

#include <QAction>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <QRadialGradient>
#include <QScrollArea>
#include <QShortcut>
#include <QStyle>
#include <QSvgWidget>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <functional>

// One of the load indicator's pictures, hidden: a lit lamp of the given colour.
static QLabel* lamp(const char* name, const QColor& color) {
    const int size = 33;
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    QRadialGradient light(QPointF(size * 0.38, size * 0.35), size * 0.55);
    light.setColorAt(0, color.lighter(170));
    light.setColorAt(0.6, color);
    light.setColorAt(1, color.darker(160));
    painter.setPen(QPen(QColor(60, 60, 60), 1.5));
    painter.setBrush(light);
    painter.drawEllipse(QRectF(2, 2, size - 4, size - 4));
    painter.end();
    auto* image = new QLabel;
    image->setObjectName(QString::fromLatin1(name));
    image->setPixmap(pixmap);
    image->hide();
    return image;
}

// The labels over a grid's columns, as the form table heads them: a text the same in every
// language, or a label captioned from the language table.
static QList<QLabel*> headingLabels(const FormGrid& grid,
                                    const std::function<QLabel*(const char*)>& captioned) {
    QList<QLabel*> labels;
    for (const GridHeading& h : grid.headings) {
        QLabel* label = h.text ? new QLabel(QString::fromUtf8(h.text)) : captioned(h.label);
        label->setObjectName(QString::fromLatin1(h.label));
        labels << label;
    }
    return labels;
}

static const FormGrid& tableGrid(const char* name) {
    return *formGrid(QString::fromLatin1(name));
}

static QFont bold(QFont font) {
    font.setBold(true);
    return font;
}

QLineEdit* TFRMeditor::makeBox(const char* name) {
    auto* box = new QLineEdit;
    box->setObjectName(QString::fromLatin1(name));
    // The browsing look: no border, the button face behind the text, read-only.
    box->setReadOnly(true);
    box->setFrame(false);
    QPalette palette = box->palette();
    palette.setColor(QPalette::Base, palette.color(QPalette::Button));
    box->setPalette(palette);
    box->setCursorPosition(0);
    return box;
}

QComboBox* TFRMeditor::makeSelector(const char* name) {
    auto* selector = new QComboBox;
    selector->setObjectName(QString::fromLatin1(name));
    selector->setMaxVisibleItems(25);
    selector->hide();
    return selector;
}

// A label captioned with its design text, the English of the language table.
QLabel* TFRMeditor::makeLabel(const char* name, QLineEdit* buddy, QString caption) {
    if (caption.isNull())
        for (const LanguageText& row : controlCaptions())
            if (qstrcmp(row.control, name) == 0)
                caption = row.in(Language::English);
    auto* label = new QLabel(caption);
    label->setObjectName(QString::fromLatin1(name));
    if (buddy)
        label->setBuddy(buddy);
    return label;
}

QTableWidget* TFRMeditor::makeGrid(const char* name, int columns, int rows) {
    auto* grid = new QTableWidget(rows, columns);
    grid->setObjectName(QString::fromLatin1(name));
    grid->horizontalHeader()->hide();
    grid->verticalHeader()->hide();
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setSelectionMode(QAbstractItemView::ContiguousSelection);
    grid->setSelectionBehavior(QAbstractItemView::SelectItems);
    grid->setShowGrid(true);
    grid->setWordWrap(false);
    grid->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    const int rowHeight = fontMetrics().height() + 6;
    grid->verticalHeader()->setMinimumSectionSize(rowHeight);
    grid->verticalHeader()->setDefaultSectionSize(rowHeight);
    grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // The number and name columns of the rows keep their widths.
    const FormGrid& table = tableGrid(name);
    for (const auto& [column, width] : {std::pair{table.numberColumn, 36}, {table.labelColumn, 48}})
        if (column >= 0) {
            grid->horizontalHeader()->setSectionResizeMode(column, QHeaderView::Fixed);
            grid->setColumnWidth(column, width);
        }
    return grid;
}

void TFRMeditor::buildMenus() {
    auto action = [](QMenu* menu, const char* name, const QString& caption) {
        QAction* a = menu->addAction(caption);
        a->setObjectName(QString::fromLatin1(name));
        return a;
    };
    auto menu = [](QMenu* parent, QMenuBar* bar, const char* name, const QString& caption) {
        QMenu* m = parent ? parent->addMenu(caption) : bar->addMenu(caption);
        m->setObjectName(QString::fromLatin1(name));
        m->menuAction()->setObjectName(QString::fromLatin1(name));
        return m;
    };
    QMenuBar* bar = menuBar();

    ui.MnFile = menu(nullptr, bar, "MnFile", QStringLiteral("&File"));
    ui.MnFileLoad = action(ui.MnFile, "MnFileLoad", QStringLiteral("&Load..."));
    ui.MnFileExp = action(ui.MnFile, "MnFileExp", QStringLiteral("&Export..."));
    ui.MnFilePrint = menu(ui.MnFile, nullptr, "MnFilePrint", QStringLiteral("&Print..."));
    ui.MnFilePrintCurScr =
        action(ui.MnFilePrint, "MnFilePrintCurScr", QStringLiteral("&Screen..."));
    ui.MnFilePrintCurData =
        action(ui.MnFilePrint, "MnFilePrintCurData", QStringLiteral("&Hydroplant Data..."));
    ui.MnFilePrintAllData =
        action(ui.MnFilePrint, "MnFilePrintAllData", QStringLiteral("&All Plants Data..."));
    ui.MnFile->addSeparator();
    ui.MnFileExit = action(ui.MnFile, "MnFileExit", QStringLiteral("&Exit"));

    ui.MnEdit = menu(nullptr, bar, "MnEdit", QStringLiteral("&Edit"));
    ui.MnEditLang = menu(ui.MnEdit, nullptr, "MnEditLang", QStringLiteral("Language"));
    ui.MnEditLanPort = action(ui.MnEditLang, "MnEditLanPort", QStringLiteral("&Português"));
    ui.MnEditLanEng = action(ui.MnEditLang, "MnEditLanEng", QStringLiteral("&English"));
    ui.MnEditLanEsp = action(ui.MnEditLang, "MnEditLanEsp", QStringLiteral("&Español"));
    ui.MnEditLanFran = action(ui.MnEditLang, "MnEditLanFran", QStringLiteral("&Français"));
    for (QAction* a : {ui.MnEditLanPort, ui.MnEditLanEng, ui.MnEditLanEsp, ui.MnEditLanFran})
        a->setCheckable(true);
    ui.MnEditLanEng->setChecked(true);
    ui.MnEditLanEsp->setEnabled(false);
    ui.MnEditLanFran->setEnabled(false);

    ui.MnEditSearch = menu(ui.MnEdit, nullptr, "MnEditSearch", QStringLiteral("&Search"));
    ui.MnEditSearchCode = action(ui.MnEditSearch, "MnEditSearchCode", QStringLiteral("by &Code"));
    ui.MnEditSearchName = action(ui.MnEditSearch, "MnEditSearchName", QStringLiteral("by &Name"));
    for (QAction* a : {ui.MnEditSearchCode, ui.MnEditSearchName})
        a->setCheckable(true);
    ui.MnEditSearchCode->setChecked(true);
    ui.MnEditSearch->menuAction()->setEnabled(false);

    ui.MnEditPlant = menu(ui.MnEdit, nullptr, "MnEditPlant", QStringLiteral("&Plant"));
    ui.MnEditPlantCreate = action(ui.MnEditPlant, "MnEditPlantCreate", QStringLiteral("&Create"));
    ui.MnEditPlantCreate->setCheckable(true);
    ui.MnEditPlantChange = action(ui.MnEditPlant, "MnEditPlantChange", QStringLiteral("C&hange"));
    ui.MnEditPlantDel = action(ui.MnEditPlant, "MnEditPlantDel", QStringLiteral("&Delete"));
    ui.MnEditPlantCreateFrom = action(ui.MnEditPlant, "MnEditPlantCreateFrom",
                                      QStringLiteral("Create &from This Plant..."));
    ui.MnEditPlant->insertAction(ui.MnEditPlantChange, ui.MnEditPlantCreateFrom); // after Create
    ui.MnEditPlantCreateFrom->setEnabled(false);

    ui.MnEditGerAlt = action(ui.MnEdit, "MnEditGerAlt", QStringLiteral("&Gera Alter. MSD"));
    ui.MnEditGerAlt->setVisible(false);

    ui.MnHelp = menu(nullptr, bar, "MnHelp", QStringLiteral("&Help"));
    ui.MnHelpAbout = action(ui.MnHelp, "MnHelpAbout", QStringLiteral("&About Velarin..."));
}

QLayout* TFRMeditor::buildTopStrip() {
    ui.Sinal = new QLabel;
    ui.Sinal->setObjectName(QStringLiteral("Sinal"));
    ui.Sinal->setFixedSize(33, 33);
    ui.Sinal->installEventFilter(this);
    ui.ImgRed = lamp("ImgRed", QColor(210, 30, 30));
    ui.ImgYellow = lamp("ImgYellow", QColor(235, 200, 20));
    ui.ImgGreen = lamp("ImgGreen", QColor(30, 170, 50));

    ui.ComboBox1 = new QComboBox;
    ui.ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
    ui.ComboBox1->setMaxVisibleItems(25);
    ui.ComboBox1->setAccessibleName(QStringLiteral("Plants"));
    ui.ComboBox1->setMinimumContentsLength(28);
    ui.ComboBox1->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    ui.ComboBox2 = new QComboBox;
    ui.ComboBox2->setObjectName(QStringLiteral("ComboBox2"));
    ui.ComboBox2->hide();

    ui.TXT_Cod = makeBox("TXT_Cod");
    ui.TXT_Cod->setEnabled(false);
    ui.TXT_Cod->setAccessibleName(QStringLiteral("Plant code"));
    ui.TXT_Cod->setMaximumWidth(70);
    ui.TXT_Cod->installEventFilter(this);
    ui.TXT_Nome = makeBox("TXT_Nome");
    ui.TXT_Nome->setAccessibleName(QStringLiteral("Plant name"));
    ui.TXT_Nome->setFont(bold(ui.TXT_Nome->font()));
    ui.TXT_Data = makeBox("TXT_Data");
    QLabel* LBLdata = makeLabel("LBLdata", ui.TXT_Data, QStringLiteral("Date: "));
    ui.TXT_Obs = makeBox("TXT_Obs");
    QLabel* Label76 = makeLabel("Label76", ui.TXT_Obs, QStringLiteral("Obs.:"));
    ui.Label1 = makeLabel("Label1", nullptr, QStringLiteral("Version 4.0 a"));
    ui.Label1->setMinimumWidth(ui.Label1->sizeHint().width()); // never cut

    auto* top = new QGridLayout;
    top->setHorizontalSpacing(6);
    top->setVerticalSpacing(3);
    top->addWidget(ui.Sinal, 0, 0, Qt::AlignLeft | Qt::AlignVCenter);
    top->addWidget(ui.ComboBox1, 0, 1, 1, 2);
    top->addWidget(ui.TXT_Cod, 1, 0, 1, 1);
    top->addWidget(ui.TXT_Nome, 1, 1, 1, 2);
    top->addWidget(LBLdata, 0, 3, Qt::AlignRight);
    top->addWidget(ui.TXT_Data, 0, 4);
    top->addWidget(Label76, 1, 3, Qt::AlignRight);
    top->addWidget(ui.TXT_Obs, 1, 4, 1, 2);
    auto* images = new QHBoxLayout;
    images->addWidget(ui.ImgRed);
    images->addWidget(ui.ImgYellow);
    images->addWidget(ui.ImgGreen);
    images->addStretch();
    images->addWidget(ui.Label1);
    top->addLayout(images, 0, 5, 1, 2);
    top->addWidget(ui.ComboBox2, 1, 6);
    top->setColumnMinimumWidth(0, 70);
    top->setColumnStretch(1, 1);
    top->setColumnStretch(2, 1);
    top->setColumnStretch(4, 1);
    top->setColumnStretch(5, 2);
    ui.TXT_Nome->setMinimumWidth(180);
    ui.TXT_Data->setMaximumWidth(120);
    return top;
}

// One grid of the form's boxes: each box behind its label, a coded box with its selector in
// the same place (only one of them is ever shown), a label without a box a heading. Made from
// the names, in the order given, which is also the order the focus takes through them.
QGridLayout* TFRMeditor::placeBoxes(std::initializer_list<BoxPlace> places) {
    auto* g = new QGridLayout;
    g->setVerticalSpacing(4);
    for (const BoxPlace& place : places) {
        QLineEdit* box = place.box ? makeBox(place.box) : nullptr;
        g->addWidget(makeLabel(place.label, box), place.row, 2 * place.pair);
        if (!box)
            continue;
        g->addWidget(box, place.row, 2 * place.pair + 1);
        if (const char* selector = plantField(box->objectName())->selector; *selector)
            g->addWidget(makeSelector(selector), place.row, 2 * place.pair + 1);
    }
    return g;
}

QLineEdit* TFRMeditor::box(const QString& name) const {
    return findChild<QLineEdit*>(name);
}

QComboBox* TFRMeditor::selector(const QString& name) const {
    return findChild<QComboBox*>(name);
}

// The plant's codes and its place in the cascade.
QGroupBox* TFRMeditor::buildRegistryBox() {
    ui.GroupBox1 = new QGroupBox(QStringLiteral("Hydro Cadastre"));
    ui.GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
    QGridLayout* g = placeBoxes({{"LBLsystem", "TXT_SistUsi", 0},
                                 {"LBLgencoID", "TXT_Empresa", 1},
                                 {"LBLgaugenum", "TXT_Posto", 2},
                                 {"LBLaltgaugeid", "TXT_Posto_BDH", 3},
                                 {"LBLdowngauge", "TXT_Jusante", 4},
                                 {"LBLdeviation", "TXT_Desvio", 5}});
    ui.GroupBox1->setLayout(g);
    g->setColumnStretch(1, 1);
    g->setRowStretch(6, 1);
    return ui.GroupBox1;
}

// Volumes, levels, the reservoir's polynomials and the evaporation.
QGroupBox* TFRMeditor::buildReservoirBox() {
    ui.GroupBox2 = new QGroupBox(QStringLiteral("Reservoir"));
    ui.GroupBox2->setObjectName(QStringLiteral("GroupBox2"));
    auto* v = new QVBoxLayout(ui.GroupBox2);
    v->setSpacing(3);
    QGridLayout* g = placeBoxes({{"LBLregul", "TXT_reg", 0, 0},
                                 {"lblvolref", "TXT_V_Ref", 0, 1},
                                 {"LBLmaxvol", "TXT_VMax", 1, 0},
                                 {"LBLmaxlev", "TXT_Ymax", 1, 1},
                                 {"Lblvolspill", "TXT_V_Vert", 1, 2},
                                 {"LBLminvol", "TXT_VMin", 2, 0},
                                 {"LBLminlev", "TXT_YMin", 2, 1},
                                 {"LBLvoldev", "TXT_V_CDesv", 2, 2}});
    for (int c : {1, 3, 5})
        g->setColumnStretch(c, 1);
    v->addLayout(g);

    const auto captioned = [this](const char* name) { return makeLabel(name); };
    const FormGrid& pcva = tableGrid("StrGr_PCVA");
    QLabel* LBLpolin = makeLabel(pcva.caption);
    const QFont heading = bold(LBLpolin->font());
    LBLpolin->setFont(heading);
    v->addWidget(LBLpolin);
    ui.StrGr_PCVA = makeGrid(pcva.control, pcva.columns(), pcva.rowsPerItem);
    ui.StrGr_PCVA->setAccessibleName(QStringLiteral("Polynomiums: Level x Volume, Area x Level"));
    const QList<QLabel*> heads = headingLabels(pcva, captioned);
    const int rowHeight = ui.StrGr_PCVA->verticalHeader()->defaultSectionSize();
    const int frame = ui.StrGr_PCVA->frameWidth();
    ui.StrGr_PCVA->setFixedHeight(pcva.rowsPerItem * rowHeight + 2 * frame);
    ui.StrGr_PCVA->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    auto* rowLabels = new QVBoxLayout;
    rowLabels->setSpacing(0);
    rowLabels->setContentsMargins(0, frame, 0, frame);
    for (const char* caption : pcva.rowCaptions) {
        QLabel* l = makeLabel(caption);
        l->setFixedHeight(rowHeight);
        rowLabels->addWidget(l);
    }
    auto* pg = new QGridLayout;
    pg->setVerticalSpacing(0);
    pg->addWidget(new GridColumnLabels(ui.StrGr_PCVA, heads), 0, 1);
    pg->addLayout(rowLabels, 1, 0);
    pg->addWidget(ui.StrGr_PCVA, 1, 1);
    pg->setColumnStretch(1, 1);
    v->addLayout(pg);

    const FormGrid& evap = tableGrid("StrGr_EvapM");
    QLabel* LBLevap = makeLabel(evap.caption);
    LBLevap->setFont(heading);
    v->addWidget(LBLevap);
    ui.StrGr_EvapM = makeGrid(evap.control, evap.columns(), evap.rowsPerItem);
    ui.StrGr_EvapM->setAccessibleName(QStringLiteral("Monthly Evaporation (mm/month)"));
    ui.StrGr_EvapM->setFixedHeight(rowHeight + 2 * frame);
    ui.StrGr_EvapM->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    v->addWidget(new GridColumnLabels(ui.StrGr_EvapM, headingLabels(evap, captioned)));
    v->addWidget(ui.StrGr_EvapM);
    v->addStretch();
    return ui.GroupBox2;
}

// The plant's figures, its machine sets and the downstream polynomials.
QGroupBox* TFRMeditor::buildPlantBox() {
    ui.GroupBox3 = new QGroupBox(QStringLiteral("Hydro Plant"));
    ui.GroupBox3->setObjectName(QStringLiteral("GroupBox3"));
    auto* v = new QVBoxLayout(ui.GroupBox3);
    v->setSpacing(3);
    auto* fields = new QHBoxLayout;
    fields->setSpacing(14);
    // Four columns: the form fits a 1280-pixel screen while editing.
    const auto column = [&](std::initializer_list<BoxPlace> places) {
        QGridLayout* g = placeBoxes(places);
        g->setColumnStretch(1, 1);
        g->setRowStretch(int(places.size()), 1);
        fields->addLayout(g, 1);
    };
    column({{"LBLprodesp", "TXT_Resp", 0},
            {"LBLmedtail", "TXT_JusNom", 1},
            {"LBLteif", "TXT_TxSForc", 2},
            {"LBLip", "TXT_TxIndProg", 3}});
    column({{"LBLturbtype", "TXT_Tipo_Turb", 0},
            {"LBLnumtunit", "TXT_NGrMaq", 1},
            {"LBLndownpols", "TXT_NKeyCur", 2},
            {"LBLminhistflow", "TXT_QNaMH", 3},
            {"LBLnumbaseunits", "TXT_N_UBase", 4}});
    column({{"LBLperdas", nullptr, 0}, {"LBLtipo", "TXT_TpPerda", 1}, {"LBLvalor", "TXT_Phd", 2}});
    column({{"LBLmaxfatcarga", "TXT_FatCgMax", 0},
            {"LBLminfatcarga", "TXT_FatCgMin", 1},
            {"LBLinflspill", "TXT_VICF", 2},
            {"LBLrepset", "TXT_RepGrGer", 3}});
    v->addLayout(fields);
    auto* LBLperdas = ui.GroupBox3->findChild<QLabel*>(QStringLiteral("LBLperdas"));
    const QFont heading = bold(LBLperdas->font());
    LBLperdas->setFont(heading);
    // Two lines for the long caption, without making the whole form's height depend on
    // its width (which would keep the form from shrinking into a small screen).
    auto* LBLinflspill = ui.GroupBox3->findChild<QLabel*>(QStringLiteral("LBLinflspill"));
    LBLinflspill->setWordWrap(true);
    QSizePolicy policy = LBLinflspill->sizePolicy();
    policy.setHeightForWidth(false);
    LBLinflspill->setSizePolicy(policy);
    LBLinflspill->setFixedHeight(2 * LBLinflspill->fontMetrics().lineSpacing() + 2);
    LBLinflspill->setMaximumWidth(200);

    const auto captioned = [this](const char* name) { return makeLabel(name); };
    const FormGrid& sets = tableGrid("StrGr_ConjMaq1");
    const FormGrid& curves = tableGrid("StrGr_ConjMaq2");
    QLabel* LBLunitypes = makeLabel(sets.caption);
    LBLunitypes->setFont(heading);
    v->addWidget(LBLunitypes);
    ui.StrGr_ConjMaq1 = makeGrid(sets.control, sets.columns(), 1);
    ui.StrGr_ConjMaq1->setAccessibleName(QStringLiteral("Unit types"));
    ui.StrGr_ConjMaq2 = makeGrid(curves.control, curves.columns(), 1);
    ui.StrGr_ConjMaq2->setAccessibleName(QStringLiteral("Unit type polynomiums"));
    auto* machines = new QGridLayout;
    machines->setVerticalSpacing(0);
    machines->setHorizontalSpacing(10);
    machines->addWidget(new GridColumnLabels(ui.StrGr_ConjMaq1, headingLabels(sets, captioned)), 0,
                        0);
    machines->addWidget(new GridColumnLabels(ui.StrGr_ConjMaq2, headingLabels(curves, captioned)),
                        0, 1);
    machines->addWidget(ui.StrGr_ConjMaq1, 1, 0);
    machines->addWidget(ui.StrGr_ConjMaq2, 1, 1);
    machines->setColumnStretch(0, 2);
    machines->setColumnStretch(1, 5);
    v->addLayout(machines, 3);

    const FormGrid& polynomials = tableGrid("StrGr_PolsJus");
    QLabel* LBLpolsdown = makeLabel(polynomials.caption);
    LBLpolsdown->setFont(heading);
    v->addWidget(LBLpolsdown);
    ui.StrGr_PolsJus = makeGrid(polynomials.control, polynomials.columns(), 1);
    ui.StrGr_PolsJus->setAccessibleName(QStringLiteral("Downstream Polynomiums"));
    auto* pols = new QVBoxLayout;
    pols->setSpacing(0);
    pols->addWidget(new GridColumnLabels(ui.StrGr_PolsJus, headingLabels(polynomials, captioned)));
    pols->addWidget(ui.StrGr_PolsJus);
    v->addLayout(pols, 2);
    return ui.GroupBox3;
}

void TFRMeditor::buildForm() {
    // On a screen smaller than the form the form scrolls rather than squeezing its texts.
    auto* scroller = new QScrollArea;
    scroller->setObjectName(QStringLiteral("FormScroller"));
    scroller->setWidgetResizable(true);
    scroller->setFrameShape(QFrame::NoFrame);
    auto* central = new QWidget;
    central->setObjectName(QStringLiteral("FormArea"));
    scroller->setWidget(central);
    setCentralWidget(scroller);
    auto* main = new QVBoxLayout(central);
    main->setContentsMargins(6, 4, 6, 6);
    main->setSpacing(4);

    main->addLayout(buildTopStrip());
    buildRegistryBox();
    ui.Image1 = new QSvgWidget(logoResource());
    ui.Image1->setObjectName(QStringLiteral("Image1"));
    ui.Image1->setFixedSize(160, 100);
    ui.Image1->setAccessibleName(QStringLiteral("Logo"));

    buildReservoirBox();
    buildPlantBox();

    ui.BTNsavechange = new QPushButton(QStringLiteral("&Save"));
    ui.BTNsavechange->setObjectName(QStringLiteral("BTNsavechange"));
    ui.BTNcancelchange = new QPushButton(QStringLiteral("&Cancel"));
    ui.BTNcancelchange->setObjectName(QStringLiteral("BTNcancelchange"));
    ui.BTNsavechange->hide();
    ui.BTNcancelchange->hide();

    // Registry data and logo at the left, the reservoir at the right; the plant below.
    auto* middle = new QHBoxLayout;
    auto* left = new QVBoxLayout;
    left->addWidget(ui.GroupBox1, 1);
    left->addWidget(ui.Image1, 0, Qt::AlignHCenter);
    middle->addLayout(left, 2);
    middle->addWidget(ui.GroupBox2, 5);
    main->addLayout(middle);

    // Save and Cancel under the plant, at the right: beside it they would widen the form.
    main->addWidget(ui.GroupBox3, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ui.BTNsavechange);
    buttons->addWidget(ui.BTNcancelchange);
    main->addLayout(buttons);

    for (QLineEdit* box : formBoxes())
        if (box != ui.TXT_Cod)
            box->setMinimumWidth(60);
    const QFontMetrics metrics(font());
    auto atLeast = [&](QLineEdit* box, const char* widest) {
        box->setMinimumWidth(metrics.horizontalAdvance(QString::fromLatin1(widest)) + 8);
    };
    atLeast(box(QStringLiteral("TXT_Resp")), "-0.000000 MW/m3/s/m");
    for (const char* name : {"TXT_VMin", "TXT_VMax", "TXT_V_Vert", "TXT_V_CDesv", "TXT_V_Ref"})
        atLeast(box(QString::fromLatin1(name)), "-000000.00   hm3");
    for (const char* name : {"TXT_YMin", "TXT_Ymax"})
        atLeast(box(QString::fromLatin1(name)), "-0000.00   m");
    atLeast(ui.TXT_Nome, "WWWWWWWWWWWW");
    atLeast(ui.TXT_Obs, "Observation of forty-three characters, wide.");
    // The design's hints: the English of the language table.
    for (const LanguageText& row : controlHints())
        if (auto* control = findChild<QWidget*>(QString::fromLatin1(row.control)))
            control->setToolTip(row.in(Language::English));
    fitGridColumns();
    // The machine and downstream grids grow with the window; this much they always show.
    const int rowHeight = ui.StrGr_ConjMaq1->verticalHeader()->defaultSectionSize();
    for (QTableWidget* grid : {ui.StrGr_ConjMaq1, ui.StrGr_ConjMaq2, ui.StrGr_PolsJus})
        grid->setMinimumHeight(3 * rowHeight + 2 * grid->frameWidth());
}

void TFRMeditor::fitGridColumns() {
    // Each grid is at least wide enough for its widest value and heading in every column.
    const QFontMetrics metrics(font());
    const int scrollBar = style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    for (GridColumnLabels* strip : findChildren<GridColumnLabels*>()) {
        QTableWidget* grid = strip->grid();
        const char* widest = grid == ui.StrGr_EvapM      ? "-00000"
                             : grid == ui.StrGr_ConjMaq1 ? "-00000.00"
                                                         : "-0.000000E+00";
        int need = metrics.horizontalAdvance(QString::fromLatin1(widest)) + 12;
        for (const QLabel* label : strip->labels())
            need = std::max(need, label->sizeHint().width() + 6);
        int width = 2 * grid->frameWidth();
        const QHeaderView* header = grid->horizontalHeader();
        for (int c = 0; c < grid->columnCount(); ++c)
            width +=
                header->sectionResizeMode(c) == QHeaderView::Fixed ? header->sectionSize(c) : need;
        if (grid->verticalScrollBarPolicy() != Qt::ScrollBarAlwaysOff)
            width += scrollBar;
        grid->setMinimumWidth(width);
    }
}

void TFRMeditor::connectHandlers() {
    const auto on = [this](auto* sender, auto signal, void (TFRMeditor::*handler)()) {
        connect(sender, signal, this,
                [this, handler] { runGuarded([this, handler] { (this->*handler)(); }); });
    };
    on(ui.MnFile, &QMenu::aboutToShow, &TFRMeditor::MnFileClick);
    on(ui.MnFileLoad, &QAction::triggered, &TFRMeditor::MnFileLoadClick);
    on(ui.MnFileExp, &QAction::triggered, &TFRMeditor::MnFileExpClick);
    on(ui.MnFilePrintCurScr, &QAction::triggered, &TFRMeditor::MnFilePrintCurScrClick);
    on(ui.MnFilePrintCurData, &QAction::triggered, &TFRMeditor::MnFilePrintCurDataClick);
    on(ui.MnFilePrintAllData, &QAction::triggered, &TFRMeditor::MnFilePrintAllDataClick);
    connect(ui.MnFileExit, &QAction::triggered, this, &QWidget::close);
    // The checkable items act on their toggling, so that a check mark set by assistive
    // technology (no click) is followed as well; the window's own settings are no choice.
    const auto onToggle = [this](QAction* item, const std::function<void()>& handler) {
        connect(item, &QAction::toggled, this, [this, handler] {
            if (!m_rendering)
                runGuarded(handler);
        });
    };
    onToggle(ui.MnEditLanPort, [this] { MnEditLanguageClick(int(Language::Portuguese)); });
    onToggle(ui.MnEditLanEng, [this] { MnEditLanguageClick(int(Language::English)); });
    onToggle(ui.MnEditSearchCode, [this] { MnEditSearchCodeClick(); });
    onToggle(ui.MnEditSearchName, [this] { MnEditSearchNameClick(); });
    on(ui.MnEditPlantCreate, &QAction::triggered, &TFRMeditor::MnEditPlantCreateClick);
    on(ui.MnEditPlantChange, &QAction::triggered, &TFRMeditor::MnEditPlantChangeClick);
    on(ui.MnEditPlantDel, &QAction::triggered, &TFRMeditor::MnEditPlantDelClick);
    on(ui.MnEditPlantCreateFrom, &QAction::triggered, &TFRMeditor::MnEditPlantCreateFromClick);
    on(ui.MnEditPlant, &QMenu::aboutToShow, &TFRMeditor::updateCreateFrom);
    on(ui.MnEditGerAlt, &QAction::triggered, &TFRMeditor::MnEditGerAltClick);
    on(ui.MnHelpAbout, &QAction::triggered, &TFRMeditor::MnHelpAboutClick);
    on(ui.ComboBox1, &QComboBox::activated, &TFRMeditor::ComboBox1Change);
    on(ui.BTNsavechange, &QPushButton::clicked, &TFRMeditor::BTNsavechangeClick);
    on(ui.BTNcancelchange, &QPushButton::clicked, &TFRMeditor::BTNcancelchangeClick);
}

QList<QLineEdit*> TFRMeditor::formBoxes() const {
    QList<QLineEdit*> boxes;
    for (const PlantField& f : plantFields())
        if (auto* box = findChild<QLineEdit*>(f.name()))
            boxes << box;
    boxes << ui.TXT_Cod;
    return boxes;
}

QList<QTableWidget*> TFRMeditor::grids() const {
    return {ui.StrGr_PCVA, ui.StrGr_EvapM, ui.StrGr_ConjMaq1, ui.StrGr_ConjMaq2, ui.StrGr_PolsJus};
}

// The desktop's usual keys, shown beside their items.
void TFRMeditor::setShortcuts() {
    const std::pair<const char*, QKeySequence> items[] = {
        {"MnFileLoad", QKeySequence(Qt::CTRL | Qt::Key_O)},
        {"MnFileExp", QKeySequence(Qt::CTRL | Qt::Key_E)},
        {"MnFilePrintCurData", QKeySequence(Qt::CTRL | Qt::Key_P)},
        {"MnFileExit", QKeySequence(Qt::CTRL | Qt::Key_Q)},
        {"MnEditSearchName", QKeySequence(Qt::CTRL | Qt::Key_F)},
        {"MnEditSearchCode", QKeySequence(Qt::CTRL | Qt::Key_G)},
        {"MnEditPlantChange", QKeySequence(Qt::Key_F2)},
        {"MnToolsCheck", QKeySequence(Qt::Key_F7)},
    };
    for (const auto& [name, key] : items)
        if (QAction* item = findChild<QAction*>(QString::fromLatin1(name))) {
            item->setShortcut(key);
            item->installEventFilter(this); // see shortcutReachable
        }
    for (QLineEdit* box : formBoxes())
        box->installEventFilter(this); // a box's own keys would hide the window's
    for (QTableWidget* grid : grids())
        grid->installEventFilter(this); // F2 opens a cell while editing

    // Save and Cancel of an edit. The keys are the buttons' own, so they act only while the
    // buttons are shown and on (a button's caption would replace a key set on the button).
    // The focus goes to the button first, as with a click: a cell being typed is taken in.
    const std::pair<QPushButton*, QKeySequence> buttons[] = {
        {ui.BTNsavechange, QKeySequence(Qt::CTRL | Qt::Key_S)},
        {ui.BTNcancelchange, QKeySequence(Qt::Key_Escape)},
    };
    for (const auto& [button, key] : buttons) {
        auto* shortcut = new QShortcut(key, button);
        shortcut->setObjectName(button->objectName() + QStringLiteral("Key"));
        shortcut->setContext(Qt::WindowShortcut);
        connect(shortcut, &QShortcut::activated, button, [button = button] {
            button->setFocus(Qt::ShortcutFocusReason);
            button->click();
        });
    }
}

static bool clickable(const QAction* item) {
    if (!item->isEnabled() || !item->isVisible())
        return false;
    for (const QObject* owner : item->associatedObjects())
        if (const auto* menu = qobject_cast<const QMenu*>(owner))
            if (!clickable(menu->menuAction()))
                return false;
    return true;
}

bool TFRMeditor::shortcutReachable(const QAction* action) {
    // The Print menu is set on or off as the File menu opens, and a key opens no menu.
    MnFileClick();
    return clickable(action);
}
