// The main window's controls, menus and their layout, in the grouping of the design.
#include "window/TFRMeditor.h"

#include "registry/PlantTexts.h"
#include "window/GridColumnLabels.h"

#include <QAction>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <QRadialGradient>
#include <QScrollArea>
#include <QStyle>
#include <QSvgWidget>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

// The load indicator's pictures: a lit lamp of the given colour.
static QPixmap lampPicture(const QColor& color) {
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
    return pixmap;
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

QLabel* TFRMeditor::makeLabel(const char* name, const QString& caption, QLineEdit* buddy) {
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
    return grid;
}

void TFRMeditor::setHint(const QString& hint, QWidget* label, QWidget* box) {
    if (label)
        label->setToolTip(hint);
    if (box)
        box->setToolTip(hint);
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

    MnFile = menu(nullptr, bar, "MnFile", QStringLiteral("&File"));
    MnFileLoad = action(MnFile, "MnFileLoad", QStringLiteral("&Load..."));
    MnFileExp = action(MnFile, "MnFileExp", QStringLiteral("&Export..."));
    MnFilePrint = menu(MnFile, nullptr, "MnFilePrint", QStringLiteral("&Print..."));
    MnFilePrintCurScr = action(MnFilePrint, "MnFilePrintCurScr", QStringLiteral("&Screen..."));
    MnFilePrintCurData =
        action(MnFilePrint, "MnFilePrintCurData", QStringLiteral("&Hydroplant Data..."));
    MnFilePrintAllData =
        action(MnFilePrint, "MnFilePrintAllData", QStringLiteral("&All Plants Data..."));
    MnFile->addSeparator();
    MnFileExit = action(MnFile, "MnFileExit", QStringLiteral("&Exit"));

    MnEdit = menu(nullptr, bar, "MnEdit", QStringLiteral("&Edit"));
    MnEditLang = menu(MnEdit, nullptr, "MnEditLang", QStringLiteral("Language"));
    MnEditLanPort = action(MnEditLang, "MnEditLanPort", QStringLiteral("&Português"));
    MnEditLanEng = action(MnEditLang, "MnEditLanEng", QStringLiteral("&English"));
    MnEditLanEsp = action(MnEditLang, "MnEditLanEsp", QStringLiteral("&Español"));
    MnEditLanFran = action(MnEditLang, "MnEditLanFran", QStringLiteral("&Français"));
    for (QAction* a : {MnEditLanPort, MnEditLanEng, MnEditLanEsp, MnEditLanFran})
        a->setCheckable(true);
    MnEditLanEng->setChecked(true);
    MnEditLanEsp->setEnabled(false);
    MnEditLanFran->setEnabled(false);

    MnEditSearch = menu(MnEdit, nullptr, "MnEditSearch", QStringLiteral("&Search"));
    MnEditSearchCode = action(MnEditSearch, "MnEditSearchCode", QStringLiteral("by &Code"));
    MnEditSearchName = action(MnEditSearch, "MnEditSearchName", QStringLiteral("by &Name"));
    MnEditSearchCode->setCheckable(true);
    MnEditSearchName->setCheckable(true);
    MnEditSearchCode->setChecked(true);
    MnEditSearch->menuAction()->setEnabled(false);

    MnEditPlant = menu(MnEdit, nullptr, "MnEditPlant", QStringLiteral("&Plant"));
    MnEditPlantCreate = action(MnEditPlant, "MnEditPlantCreate", QStringLiteral("&Create"));
    MnEditPlantCreate->setCheckable(true);
    MnEditPlantChange = action(MnEditPlant, "MnEditPlantChange", QStringLiteral("C&hange"));
    MnEditPlantDel = action(MnEditPlant, "MnEditPlantDel", QStringLiteral("&Delete"));

    MnEditGerAlt = action(MnEdit, "MnEditGerAlt", QStringLiteral("&Gera Alter. MSD"));
    MnEditGerAlt->setVisible(false);

    MnHelp = menu(nullptr, bar, "MnHelp", QStringLiteral("&Help"));
    MnHelpAbout = action(MnHelp, "MnHelpAbout", QStringLiteral("&About Velarin..."));
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

    // A box with its selector in the same place: only one of them is ever shown.
    auto pair = [](QGridLayout* grid, int row, int column, QWidget* box, QWidget* selector) {
        grid->addWidget(box, row, column);
        if (selector)
            grid->addWidget(selector, row, column);
    };

    // ---- top strip ----
    Sinal = new QLabel;
    Sinal->setObjectName(QStringLiteral("Sinal"));
    Sinal->setFixedSize(33, 33);
    Sinal->setToolTip(QStringLiteral("Cadastre status (double-click to load a cadastre)"));
    Sinal->installEventFilter(this);
    ImgRed = new QLabel;
    ImgRed->setObjectName(QStringLiteral("ImgRed"));
    ImgRed->setPixmap(lampPicture(QColor(210, 30, 30)));
    ImgYellow = new QLabel;
    ImgYellow->setObjectName(QStringLiteral("ImgYellow"));
    ImgYellow->setPixmap(lampPicture(QColor(235, 200, 20)));
    ImgGreen = new QLabel;
    ImgGreen->setObjectName(QStringLiteral("ImgGreen"));
    ImgGreen->setPixmap(lampPicture(QColor(30, 170, 50)));
    for (QLabel* img : {ImgRed, ImgYellow, ImgGreen})
        img->hide();

    ComboBox1 = new QComboBox;
    ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
    ComboBox1->setMaxVisibleItems(25);
    ComboBox1->setToolTip(QStringLiteral("'Plants Avaiable in the Cadastre'"));
    ComboBox1->setAccessibleName(QStringLiteral("Plants"));
    ComboBox1->setMinimumContentsLength(28);
    ComboBox1->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    ComboBox2 = new QComboBox;
    ComboBox2->setObjectName(QStringLiteral("ComboBox2"));
    ComboBox2->hide();

    TXT_Cod = makeBox("TXT_Cod");
    TXT_Cod->setEnabled(false);
    TXT_Cod->setAccessibleName(QStringLiteral("Plant code"));
    TXT_Cod->setMaximumWidth(70);
    TXT_Cod->installEventFilter(this);
    TXT_Nome = makeBox("TXT_Nome");
    TXT_Nome->setAccessibleName(QStringLiteral("Plant name"));
    {
        QFont bold = TXT_Nome->font();
        bold.setBold(true);
        TXT_Nome->setFont(bold);
    }
    TXT_Data = makeBox("TXT_Data");
    LBLdata = makeLabel("LBLdata", QStringLiteral("Date: "), TXT_Data);
    TXT_Obs = makeBox("TXT_Obs");
    Label76 = makeLabel("Label76", QStringLiteral("Obs.:"), TXT_Obs);
    Label1 = makeLabel("Label1", QStringLiteral("Version 4.0 a"));

    auto* top = new QGridLayout;
    top->setHorizontalSpacing(6);
    top->setVerticalSpacing(3);
    top->addWidget(Sinal, 0, 0, Qt::AlignLeft | Qt::AlignVCenter);
    top->addWidget(ComboBox1, 0, 1, 1, 2);
    top->addWidget(TXT_Cod, 1, 0, 1, 1);
    top->addWidget(TXT_Nome, 1, 1, 1, 2);
    top->addWidget(LBLdata, 0, 3, Qt::AlignRight);
    top->addWidget(TXT_Data, 0, 4);
    top->addWidget(Label76, 1, 3, Qt::AlignRight);
    top->addWidget(TXT_Obs, 1, 4, 1, 2);
    auto* images = new QHBoxLayout;
    images->addWidget(ImgRed);
    images->addWidget(ImgYellow);
    images->addWidget(ImgGreen);
    images->addStretch();
    images->addWidget(Label1);
    top->addLayout(images, 0, 5, 1, 2);
    top->addWidget(ComboBox2, 1, 6);
    top->setColumnMinimumWidth(0, 70);
    top->setColumnStretch(1, 1);
    top->setColumnStretch(2, 1);
    top->setColumnStretch(4, 1);
    top->setColumnStretch(5, 2);
    TXT_Nome->setMinimumWidth(180);
    TXT_Data->setMaximumWidth(120);
    main->addLayout(top);

    // ---- registry data ----
    GroupBox1 = new QGroupBox(QStringLiteral("Hydro Cadastre"));
    GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
    {
        auto* g = new QGridLayout(GroupBox1);
        g->setVerticalSpacing(4);
        TXT_SistUsi = makeBox("TXT_SistUsi");
        CMBsistema = makeSelector("CMBsistema");
        LBLsystem = makeLabel("LBLsystem", QStringLiteral("System:"), TXT_SistUsi);
        TXT_Empresa = makeBox("TXT_Empresa");
        CMBempresa = makeSelector("CMBempresa");
        LBLgencoID = makeLabel("LBLgencoID", QStringLiteral("Genco ID:"), TXT_Empresa);
        TXT_Posto = makeBox("TXT_Posto");
        LBLgaugenum = makeLabel("LBLgaugenum", QStringLiteral("Gauge Number:"), TXT_Posto);
        TXT_Posto_BDH = makeBox("TXT_Posto_BDH");
        LBLaltgaugeid = makeLabel("LBLaltgaugeid", QStringLiteral("Alt Gauge ID:"), TXT_Posto_BDH);
        TXT_Jusante = makeBox("TXT_Jusante");
        CMBjusante = makeSelector("CMBjusante");
        LBLdowngauge = makeLabel("LBLdowngauge", QStringLiteral("Downstream Gauge:"), TXT_Jusante);
        TXT_Desvio = makeBox("TXT_Desvio");
        CMBdesvio = makeSelector("CMBdesvio");
        LBLdeviation = makeLabel("LBLdeviation", QStringLiteral("Deviation:"), TXT_Desvio);
        TXT_SistUsi->setToolTip(QStringLiteral("Subsystem of the plant"));
        const struct {
            QLabel* label;
            QLineEdit* box;
            QComboBox* selector;
        } rows[] = {
            {LBLsystem, TXT_SistUsi, CMBsistema},    {LBLgencoID, TXT_Empresa, CMBempresa},
            {LBLgaugenum, TXT_Posto, nullptr},       {LBLaltgaugeid, TXT_Posto_BDH, nullptr},
            {LBLdowngauge, TXT_Jusante, CMBjusante}, {LBLdeviation, TXT_Desvio, CMBdesvio},
        };
        int r = 0;
        for (const auto& row : rows) {
            g->addWidget(row.label, r, 0);
            pair(g, r, 1, row.box, row.selector);
            ++r;
        }
        g->setColumnStretch(1, 1);
        g->setRowStretch(r, 1);
    }

    Image1 = new QSvgWidget(logoResource());
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setFixedSize(160, 100);
    Image1->setAccessibleName(QStringLiteral("Logo"));

    // ---- reservoir ----
    GroupBox2 = new QGroupBox(QStringLiteral("Reservoir"));
    GroupBox2->setObjectName(QStringLiteral("GroupBox2"));
    {
        auto* v = new QVBoxLayout(GroupBox2);
        v->setSpacing(3);
        auto* g = new QGridLayout;
        g->setVerticalSpacing(4);
        TXT_reg = makeBox("TXT_reg");
        CMBreg = makeSelector("CMBreg");
        LBLregul = makeLabel("LBLregul", QStringLiteral("Regulation:"), TXT_reg);
        TXT_V_Ref = makeBox("TXT_V_Ref");
        lblvolref = makeLabel("lblvolref", QStringLiteral("Reference Volume:"), TXT_V_Ref);
        TXT_VMax = makeBox("TXT_VMax");
        LBLmaxvol = makeLabel("LBLmaxvol", QStringLiteral("Maximum Volume:"), TXT_VMax);
        TXT_Ymax = makeBox("TXT_Ymax");
        LBLmaxlev = makeLabel("LBLmaxlev", QStringLiteral("Maximum Level:"), TXT_Ymax);
        TXT_V_Vert = makeBox("TXT_V_Vert");
        Lblvolspill = makeLabel("Lblvolspill", QStringLiteral("Volume for spilling:"), TXT_V_Vert);
        TXT_VMin = makeBox("TXT_VMin");
        LBLminvol = makeLabel("LBLminvol", QStringLiteral("Minimum Volume:"), TXT_VMin);
        TXT_YMin = makeBox("TXT_YMin");
        LBLminlev = makeLabel("LBLminlev", QStringLiteral("Minimum Level:"), TXT_YMin);
        TXT_V_CDesv = makeBox("TXT_V_CDesv");
        LBLvoldev = makeLabel("LBLvoldev", QStringLiteral("Volume for deviation:"), TXT_V_CDesv);
        setHint(QStringLiteral("Regulation = M (Monthly), S (Weekly) ou D (Daily)"), LBLregul,
                TXT_reg);
        setHint(QStringLiteral("Maximum Volume (hm3)"), LBLmaxvol, TXT_VMax);
        setHint(QStringLiteral("Minimum Volume (hm3)"), LBLminvol, TXT_VMin);
        setHint(QStringLiteral("Maximum Level (m)"), LBLmaxlev, TXT_Ymax);
        setHint(QStringLiteral("Minimum Level (m)"), LBLminlev, TXT_YMin);
        setHint(QStringLiteral("Reference Volume (hm3)"), lblvolref, TXT_V_Ref);
        setHint(QStringLiteral("Vol. for Spilling (hm3)"), Lblvolspill, TXT_V_Vert);
        setHint(QStringLiteral("Vol. for Deviation (hm3)"), LBLvoldev, TXT_V_CDesv);
        g->addWidget(LBLregul, 0, 0);
        pair(g, 0, 1, TXT_reg, CMBreg);
        g->addWidget(lblvolref, 0, 2);
        g->addWidget(TXT_V_Ref, 0, 3);
        g->addWidget(LBLmaxvol, 1, 0);
        g->addWidget(TXT_VMax, 1, 1);
        g->addWidget(LBLmaxlev, 1, 2);
        g->addWidget(TXT_Ymax, 1, 3);
        g->addWidget(Lblvolspill, 1, 4);
        g->addWidget(TXT_V_Vert, 1, 5);
        g->addWidget(LBLminvol, 2, 0);
        g->addWidget(TXT_VMin, 2, 1);
        g->addWidget(LBLminlev, 2, 2);
        g->addWidget(TXT_YMin, 2, 3);
        g->addWidget(LBLvoldev, 2, 4);
        g->addWidget(TXT_V_CDesv, 2, 5);
        for (int c : {1, 3, 5})
            g->setColumnStretch(c, 1);
        v->addLayout(g);

        LBLpolin = makeLabel("LBLpolin", QStringLiteral("Polynomiums"));
        QFont heading = LBLpolin->font();
        heading.setBold(true);
        LBLpolin->setFont(heading);
        v->addWidget(LBLpolin);
        StrGr_PCVA = makeGrid("StrGr_PCVA", 5, 2);
        StrGr_PCVA->setAccessibleName(QStringLiteral("Polynomiums: Level x Volume, Area x Level"));
        QList<QLabel*> heads;
        for (int k = 0; k < 5; ++k) {
            QLabel* head = new QLabel(QStringLiteral("A%1").arg(k));
            head->setObjectName(QStringLiteral("LBLpcva_A%1").arg(k));
            heads << head;
        }
        const int rowHeight = StrGr_PCVA->verticalHeader()->defaultSectionSize();
        const int frame = StrGr_PCVA->frameWidth();
        StrGr_PCVA->setFixedHeight(2 * rowHeight + 2 * frame);
        StrGr_PCVA->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        LBLcotavol = makeLabel("LBLcotavol", QStringLiteral("Level x Volume"));
        LBLareacota = makeLabel("LBLareacota", QStringLiteral("Area x Level"));
        auto* rowLabels = new QVBoxLayout;
        rowLabels->setSpacing(0);
        rowLabels->setContentsMargins(0, frame, 0, frame);
        for (QLabel* l : {LBLcotavol, LBLareacota}) {
            l->setFixedHeight(rowHeight);
            rowLabels->addWidget(l);
        }
        auto* pg = new QGridLayout;
        pg->setVerticalSpacing(0);
        pg->addWidget(new GridColumnLabels(StrGr_PCVA, heads), 0, 1);
        pg->addLayout(rowLabels, 1, 0);
        pg->addWidget(StrGr_PCVA, 1, 1);
        pg->setColumnStretch(1, 1);
        v->addLayout(pg);

        LBLevap = makeLabel("LBLevap", QStringLiteral("Monthly Evaporation (mm/month):"));
        LBLevap->setFont(heading);
        v->addWidget(LBLevap);
        StrGr_EvapM = makeGrid("StrGr_EvapM", 12, 1);
        StrGr_EvapM->setAccessibleName(QStringLiteral("Monthly Evaporation (mm/month)"));
        StrGr_EvapM->setFixedHeight(rowHeight + 2 * frame);
        StrGr_EvapM->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        const struct {
            QLabel** member;
            const char* name;
            const char* caption;
        } months[] = {
            {&LBLjan, "LBLjan", "JAN"}, {&LBLfev, "LBLfev", "FEB"}, {&LBLmar, "LBLmar", "MAR"},
            {&LBLabr, "LBLabr", "APR"}, {&LBLmai, "LBLmai", "MAI"}, {&LBLjun, "LBLjun", "JUN"},
            {&LBLjul, "LBLjul", "JUL"}, {&LBLago, "LBLago", "AUG"}, {&LBLset, "LBLset", "SEP"},
            {&LBLout, "LBLout", "OCT"}, {&LBLnov, "LBLnov", "NOV"}, {&LBLdez, "LBLdez", "DEC"},
        };
        QList<QLabel*> monthLabels;
        for (const auto& m : months) {
            *m.member = makeLabel(m.name, QString::fromLatin1(m.caption));
            monthLabels << *m.member;
        }
        v->addWidget(new GridColumnLabels(StrGr_EvapM, monthLabels));
        v->addWidget(StrGr_EvapM);
        v->addStretch();
    }

    // ---- hydro plant ----
    GroupBox3 = new QGroupBox(QStringLiteral("Hydro Plant"));
    GroupBox3->setObjectName(QStringLiteral("GroupBox3"));
    {
        auto* v = new QVBoxLayout(GroupBox3);
        v->setSpacing(3);
        auto* fields = new QHBoxLayout;
        fields->setSpacing(14);
        struct Row {
            QLabel* label;
            QWidget* box;
            QComboBox* selector = nullptr;
        };
        auto column = [&](std::initializer_list<Row> rows) {
            auto* g = new QGridLayout;
            g->setVerticalSpacing(4);
            int r = 0;
            for (const Row& row : rows) {
                if (row.label)
                    g->addWidget(row.label, r, 0);
                if (row.box)
                    pair(g, r, 1, row.box, row.selector);
                ++r;
            }
            g->setColumnStretch(1, 1);
            g->setRowStretch(r, 1);
            fields->addLayout(g, 1);
        };
        TXT_Resp = makeBox("TXT_Resp");
        LBLprodesp = makeLabel("LBLprodesp", QStringLiteral("Specific Productivity:"), TXT_Resp);
        TXT_JusNom = makeBox("TXT_JusNom");
        LBLmedtail = makeLabel("LBLmedtail", QStringLiteral("Medium Tailrace:"), TXT_JusNom);
        TXT_TxSForc = makeBox("TXT_TxSForc");
        LBLteif = makeLabel("LBLteif", QStringLiteral("TEIF:"), TXT_TxSForc);
        TXT_TxIndProg = makeBox("TXT_TxIndProg");
        LBLip = makeLabel("LBLip", QStringLiteral("IP:"), TXT_TxIndProg);
        TXT_Tipo_Turb = makeBox("TXT_Tipo_Turb");
        CMBtipo_turb = makeSelector("CMBtipo_turb");
        LBLturbtype = makeLabel("LBLturbtype", QStringLiteral("Turbin Type:"), TXT_Tipo_Turb);
        TXT_NGrMaq = makeBox("TXT_NGrMaq");
        LBLnumtunit = makeLabel("LBLnumtunit", QStringLiteral("Num Unit Types:"), TXT_NGrMaq);
        TXT_NKeyCur = makeBox("TXT_NKeyCur");
        LBLndownpols =
            makeLabel("LBLndownpols", QStringLiteral("Num.Downstream Pols:"), TXT_NKeyCur);
        LBLperdas = makeLabel("LBLperdas", QStringLiteral("Losses"));
        QFont heading = LBLperdas->font();
        heading.setBold(true);
        LBLperdas->setFont(heading);
        TXT_TpPerda = makeBox("TXT_TpPerda");
        CMBtp_perda = makeSelector("CMBtp_perda");
        LBLtipo = makeLabel("LBLtipo", QStringLiteral("Type:"), TXT_TpPerda);
        TXT_Phd = makeBox("TXT_Phd");
        LBLvalor = makeLabel("LBLvalor", QStringLiteral("Value"), TXT_Phd);
        TXT_FatCgMax = makeBox("TXT_FatCgMax");
        LBLmaxfatcarga =
            makeLabel("LBLmaxfatcarga", QStringLiteral("Maximum Load Factor:"), TXT_FatCgMax);
        TXT_FatCgMin = makeBox("TXT_FatCgMin");
        LBLminfatcarga =
            makeLabel("LBLminfatcarga", QStringLiteral("Minimum Load Factor:"), TXT_FatCgMin);
        TXT_VICF = makeBox("TXT_VICF");
        CMBvicf = makeSelector("CMBvicf");
        LBLinflspill =
            makeLabel("LBLinflspill",
                      QStringLiteral("Influency of Spilling in the Downstream Level:"), TXT_VICF);
        // Two lines for the long caption, without making the whole form's height depend on
        // its width (which would keep the form from shrinking into a small screen).
        LBLinflspill->setWordWrap(true);
        {
            QSizePolicy policy = LBLinflspill->sizePolicy();
            policy.setHeightForWidth(false);
            LBLinflspill->setSizePolicy(policy);
            LBLinflspill->setFixedHeight(2 * LBLinflspill->fontMetrics().lineSpacing() + 2);
        }
        TXT_RepGrGer = makeBox("TXT_RepGrGer");
        CMBrepgrger = makeSelector("CMBrepgrger");
        LBLrepset = makeLabel("LBLrepset", QStringLiteral("Representation type for the set:"),
                              TXT_RepGrGer);
        TXT_QNaMH = makeBox("TXT_QNaMH");
        LBLminhistflow =
            makeLabel("LBLminhistflow", QStringLiteral("Min. Historical Inflow:"), TXT_QNaMH);
        TXT_N_UBase = makeBox("TXT_N_UBase");
        LBLnumbaseunits =
            makeLabel("LBLnumbaseunits", QStringLiteral("Num. of Base Units:"), TXT_N_UBase);

        setHint(QStringLiteral("Specific Productivity (MW/m3/s/m)"), LBLprodesp, TXT_Resp);
        setHint(QStringLiteral("Medium Tailrace (m)"), LBLmedtail, TXT_JusNom);
        setHint(QStringLiteral("TEIF (%)"), LBLteif, TXT_TxSForc);
        setHint(QStringLiteral("IP (%)"), LBLip, TXT_TxIndProg);
        setHint(QStringLiteral("Max. Load Factor (%)"), LBLmaxfatcarga, TXT_FatCgMax);
        setHint(QStringLiteral("Min. Load Factor (%)"), LBLminfatcarga, TXT_FatCgMin);
        setHint(QStringLiteral("Min.Hist.Inflow (m3/s)"), LBLminhistflow, TXT_QNaMH);
        setHint(QStringLiteral("Infl. of Spilling in the Downstream Level (0 = NO , 1 = YES)"),
                LBLinflspill, TXT_VICF);
        setHint(QStringLiteral("Set Repres.(0=aprox.,1=detailed.,2=simpl.)"), LBLrepset,
                TXT_RepGrGer);

        column({{LBLprodesp, TXT_Resp},
                {LBLmedtail, TXT_JusNom},
                {LBLteif, TXT_TxSForc},
                {LBLip, TXT_TxIndProg}});
        column({{LBLturbtype, TXT_Tipo_Turb, CMBtipo_turb},
                {LBLnumtunit, TXT_NGrMaq},
                {LBLndownpols, TXT_NKeyCur}});
        column({{LBLperdas, nullptr}, {LBLtipo, TXT_TpPerda, CMBtp_perda}, {LBLvalor, TXT_Phd}});
        column({{LBLmaxfatcarga, TXT_FatCgMax},
                {LBLminfatcarga, TXT_FatCgMin},
                {LBLinflspill, TXT_VICF, CMBvicf},
                {LBLrepset, TXT_RepGrGer, CMBrepgrger}});
        column({{LBLminhistflow, TXT_QNaMH}, {LBLnumbaseunits, TXT_N_UBase}});
        LBLinflspill->setMaximumWidth(200);
        v->addLayout(fields);

        LBLunitypes = makeLabel("LBLunitypes", QStringLiteral("UNIT TYPES"));
        LBLunitypes->setFont(heading);
        v->addWidget(LBLunitypes);
        StrGr_ConjMaq1 = makeGrid("StrGr_ConjMaq1", 5, 1);
        StrGr_ConjMaq1->setAccessibleName(QStringLiteral("Unit types"));
        StrGr_ConjMaq2 = makeGrid("StrGr_ConjMaq2", 7, 1);
        StrGr_ConjMaq2->setAccessibleName(QStringLiteral("Unit type polynomiums"));
        auto headings = [](const char* prefix, const QStringList& texts) {
            QList<QLabel*> labels;
            for (int k = 0; k < texts.size(); ++k) {
                auto* label = new QLabel(texts.at(k));
                label->setObjectName(QStringLiteral("%1_%2").arg(QLatin1String(prefix)).arg(k));
                labels << label;
            }
            return labels;
        };
        for (QTableWidget* grid : {StrGr_ConjMaq2}) {
            grid->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Fixed);
            grid->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Fixed);
            grid->setColumnWidth(0, 36);
            grid->setColumnWidth(1, 48);
        }
        StrGr_ConjMaq1->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Fixed);
        StrGr_ConjMaq1->setColumnWidth(0, 36);
        auto* machines = new QGridLayout;
        machines->setVerticalSpacing(0);
        machines->setHorizontalSpacing(10);
        machines->addWidget(
            new GridColumnLabels(
                StrGr_ConjMaq1,
                headings("LBLconjmaq1",
                         {QStringLiteral("#"), QStringLiteral("#Maq"), QStringLiteral("PotEf (MW)"),
                          QStringLiteral("QEf (m3/s)"), QStringLiteral("HEf (m)")})),
            0, 0);
        machines->addWidget(
            new GridColumnLabels(
                StrGr_ConjMaq2, headings("LBLconjmaq2", {QStringLiteral("#"), QStringLiteral("RL"),
                                                         QStringLiteral("A0"), QStringLiteral("A1"),
                                                         QStringLiteral("A2"), QStringLiteral("A3"),
                                                         QStringLiteral("A4")})),
            0, 1);
        machines->addWidget(StrGr_ConjMaq1, 1, 0);
        machines->addWidget(StrGr_ConjMaq2, 1, 1);
        machines->setColumnStretch(0, 2);
        machines->setColumnStretch(1, 5);
        v->addLayout(machines, 3);

        LBLpolsdown = makeLabel("LBLpolsdown", QStringLiteral("Downstream Polynomiums"));
        LBLpolsdown->setFont(heading);
        v->addWidget(LBLpolsdown);
        StrGr_PolsJus = makeGrid("StrGr_PolsJus", 7, 1);
        StrGr_PolsJus->setAccessibleName(QStringLiteral("Downstream Polynomiums"));
        StrGr_PolsJus->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Fixed);
        StrGr_PolsJus->setColumnWidth(0, 36);
        auto* pols = new QVBoxLayout;
        pols->setSpacing(0);
        pols->addWidget(new GridColumnLabels(
            StrGr_PolsJus,
            headings("LBLpolsjus", {QStringLiteral("#"), QStringLiteral("A0"), QStringLiteral("A1"),
                                    QStringLiteral("A2"), QStringLiteral("A3"),
                                    QStringLiteral("A4"), QStringLiteral("Refer (m):")})));
        pols->addWidget(StrGr_PolsJus);
        v->addLayout(pols, 2);
    }

    BTNsavechange = new QPushButton(QStringLiteral("&Save"));
    BTNsavechange->setObjectName(QStringLiteral("BTNsavechange"));
    BTNcancelchange = new QPushButton(QStringLiteral("&Cancel"));
    BTNcancelchange->setObjectName(QStringLiteral("BTNcancelchange"));
    BTNsavechange->hide();
    BTNcancelchange->hide();

    // Registry data and logo at the left, the reservoir at the right; the plant below.
    auto* middle = new QHBoxLayout;
    auto* left = new QVBoxLayout;
    left->addWidget(GroupBox1, 1);
    left->addWidget(Image1, 0, Qt::AlignHCenter);
    middle->addLayout(left, 2);
    middle->addWidget(GroupBox2, 5);
    main->addLayout(middle);

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(GroupBox3, 1);
    auto* buttons = new QVBoxLayout;
    buttons->addStretch();
    buttons->addWidget(BTNsavechange);
    buttons->addWidget(BTNcancelchange);
    bottom->addLayout(buttons);
    main->addLayout(bottom, 1);

    for (QLineEdit* box : plantBoxes())
        box->setMinimumWidth(60);
    const QFontMetrics metrics(font());
    auto atLeast = [&](QLineEdit* box, const char* widest) {
        box->setMinimumWidth(metrics.horizontalAdvance(QString::fromLatin1(widest)) + 8);
    };
    atLeast(TXT_Resp, "-0.000000 MW/m3/s/m");
    for (QLineEdit* box : {TXT_VMin, TXT_VMax, TXT_V_Vert, TXT_V_CDesv, TXT_V_Ref})
        atLeast(box, "-000000.00   hm3");
    for (QLineEdit* box : {TXT_YMin, TXT_Ymax})
        atLeast(box, "-0000.00   m");
    atLeast(TXT_Nome, "WWWWWWWWWWWW");
    atLeast(TXT_Obs, "Observation of forty-three characters, wide.");
    fitGridColumns();
    // The machine and downstream grids grow with the window; this much they always show.
    const int rowHeight = StrGr_ConjMaq1->verticalHeader()->defaultSectionSize();
    for (QTableWidget* grid : {StrGr_ConjMaq1, StrGr_ConjMaq2, StrGr_PolsJus})
        grid->setMinimumHeight(3 * rowHeight + 2 * grid->frameWidth());
}

void TFRMeditor::fitGridColumns() {
    // Each grid is at least wide enough for its widest value and heading in every column.
    const QFontMetrics metrics(font());
    const int scrollBar = style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    for (GridColumnLabels* strip : findChildren<GridColumnLabels*>()) {
        QTableWidget* grid = strip->grid();
        const char* widest = grid == StrGr_EvapM      ? "-00000"
                             : grid == StrGr_ConjMaq1 ? "-00000.00"
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

template <class F> static auto guarded(TFRMeditor* window, F handler) {
    return [window, handler] { window->runGuarded([window, handler] { (window->*handler)(); }); };
}

void TFRMeditor::connectHandlers() {
    connect(MnFile, &QMenu::aboutToShow, this, guarded(this, &TFRMeditor::MnFileClick));
    connect(MnFileLoad, &QAction::triggered, this, guarded(this, &TFRMeditor::MnFileLoadClick));
    connect(MnFileExp, &QAction::triggered, this, guarded(this, &TFRMeditor::MnFileExpClick));
    connect(MnFilePrintCurScr, &QAction::triggered, this,
            guarded(this, &TFRMeditor::MnFilePrintCurScrClick));
    connect(MnFilePrintCurData, &QAction::triggered, this,
            guarded(this, &TFRMeditor::MnFilePrintCurDataClick));
    connect(MnFilePrintAllData, &QAction::triggered, this,
            guarded(this, &TFRMeditor::MnFilePrintAllDataClick));
    connect(MnFileExit, &QAction::triggered, this, guarded(this, &TFRMeditor::MnFileExitClick));
    connect(MnEditLanPort, &QAction::triggered, this,
            guarded(this, &TFRMeditor::MnEditLanPortClick));
    connect(MnEditLanEng, &QAction::triggered, this, guarded(this, &TFRMeditor::MnEditLanEngClick));
    connect(MnEditSearchCode, &QAction::triggered, this,
            guarded(this, &TFRMeditor::MnEditSearchCodeClick));
    connect(MnEditSearchName, &QAction::triggered, this,
            guarded(this, &TFRMeditor::MnEditSearchNameClick));
    connect(MnEditPlantCreate, &QAction::triggered, this,
            guarded(this, &TFRMeditor::MnEditPlantCreateClick));
    connect(MnEditPlantChange, &QAction::triggered, this,
            guarded(this, &TFRMeditor::MnEditPlantChangeClick));
    connect(MnEditPlantDel, &QAction::triggered, this,
            guarded(this, &TFRMeditor::MnEditPlantDelClick));
    connect(MnEditGerAlt, &QAction::triggered, this, guarded(this, &TFRMeditor::MnEditGerAltClick));
    connect(MnHelpAbout, &QAction::triggered, this, guarded(this, &TFRMeditor::MnHelpAboutClick));
    connect(ComboBox1, &QComboBox::activated, this, guarded(this, &TFRMeditor::ComboBox1Change));
    connect(BTNsavechange, &QPushButton::clicked, this,
            guarded(this, &TFRMeditor::BTNsavechangeClick));
    connect(BTNcancelchange, &QPushButton::clicked, this,
            guarded(this, &TFRMeditor::BTNcancelchangeClick));
}

QList<QLineEdit*> TFRMeditor::plantBoxes() const {
    QList<QLineEdit*> boxes;
    for (const QString& name : plantBoxNames())
        if (auto* box = findChild<QLineEdit*>(name))
            boxes << box;
    return boxes;
}

QList<TFRMeditor::CodedField> TFRMeditor::codedFields() const {
    return {{LBLsystem, TXT_SistUsi, CMBsistema},
            {LBLgencoID, TXT_Empresa, CMBempresa},
            {LBLdowngauge, TXT_Jusante, CMBjusante},
            {LBLdeviation, TXT_Desvio, CMBdesvio},
            {LBLturbtype, TXT_Tipo_Turb, CMBtipo_turb},
            {LBLrepset, TXT_RepGrGer, CMBrepgrger},
            {LBLinflspill, TXT_VICF, CMBvicf},
            {LBLtipo, TXT_TpPerda, CMBtp_perda},
            {LBLregul, TXT_reg, CMBreg}};
}

void TFRMeditor::showSelectors(bool selectors) {
    for (const CodedField& f : codedFields()) {
        f.box->setVisible(!selectors);
        f.selector->setVisible(selectors);
        f.label->setBuddy(selectors ? static_cast<QWidget*>(f.selector) : f.box);
    }
}

QList<QTableWidget*> TFRMeditor::grids() const {
    return {StrGr_PCVA, StrGr_EvapM, StrGr_ConjMaq1, StrGr_ConjMaq2, StrGr_PolsJus};
}
