#include "window/SeriesPage.h"

#include "window/RadioGroup.h"
#include "window/SeriesCharts.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollArea>
#include <QSpinBox>
#include <QSplitter>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>
#include <cmath>

namespace Torvane {

namespace {

const QStringList kStatsColumns = {QStringLiteral("Anos"),
                                   QStringLiteral("Média"),
                                   QStringLiteral("Desvio\npadrão"),
                                   QStringLiteral("Mínimo"),
                                   QStringLiteral("Ano do\nmínimo"),
                                   QStringLiteral("Máximo"),
                                   QStringLiteral("Ano do\nmáximo"),
                                   QStringLiteral("Meses\ncom 0"),
                                   QStringLiteral("Anos\nsuspeitos"),
                                   QStringLiteral("MLT"),
                                   QStringLiteral("Dif. %")};

template <typename T> T* named(T* widget, const char* name) {
    widget->setObjectName(QLatin1String(name));
    return widget;
}

// A chart with its read-out and its save button under it.
QWidget* chartPanel(SeriesChartView* view, QLabel* readOut, QPushButton* save) {
    auto* panel = new QWidget;
    auto* row = new QHBoxLayout;
    row->addWidget(readOut, 1);
    row->addWidget(save);
    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(view, 1);
    layout->addLayout(row);
    return panel;
}

} // namespace

SeriesPage::SeriesPage(Dialogs& dialogs, std::function<int()> horizon, QWidget* parent)
    : QWidget(parent), m_dialogs(dialogs), m_horizon(std::move(horizon)),
      m_locale(QLocale::system()) {
    setObjectName(QStringLiteral("TSHseries"));
    const QString seek = QStringLiteral("Procurar...");
    const QStringList kinds{QStringLiteral("Texto"), QStringLiteral("BINÁRIO")};
    LBLseries_v = named(new QLabel(QStringLiteral("Arquivo de VAZÕES :")), "LBLseries_v");
    LBLseries_p =
        named(new QLabel(QStringLiteral("Arquivo de POSTOS (opcional) :")), "LBLseries_p");
    LBLseries_m = named(new QLabel(QStringLiteral("Arquivo de MLT (opcional) :")), "LBLseries_m");
    TXTseries_v = named(new QLineEdit, "TXTseries_v");
    TXTseries_p = named(new QLineEdit, "TXTseries_p");
    TXTseries_m = named(new QLineEdit, "TXTseries_m");
    BTNseek_sv = named(new QPushButton(seek), "BTNseek_sv");
    BTNseek_sp = named(new QPushButton(seek), "BTNseek_sp");
    BTNseek_sm = named(new QPushButton(seek), "BTNseek_sm");
    RGRseries_v = named(new RadioGroup(kinds, 2), "RGRseries_v");
    RGRseries_p = named(new RadioGroup(kinds, 2), "RGRseries_p");
    RGRseries_m = named(new RadioGroup(kinds, 2), "RGRseries_m");
    auto* inputs = new QGridLayout;
    const struct {
        QLabel* label;
        QLineEdit* edit;
        QPushButton* seek;
        RadioGroup* kind;
        const char* kindName;
    } rows[] = {{LBLseries_v, TXTseries_v, BTNseek_sv, RGRseries_v, "Formato do arquivo de VAZÕES"},
                {LBLseries_p, TXTseries_p, BTNseek_sp, RGRseries_p, "Formato do arquivo de POSTOS"},
                {LBLseries_m, TXTseries_m, BTNseek_sm, RGRseries_m, "Formato do arquivo de MLT"}};
    int r = 0;
    for (const auto& row : rows) {
        row.label->setBuddy(row.edit);
        row.kind->setAccessibleName(QString::fromUtf8(row.kindName));
        row.kind->setItemIndex(1);
        row.kind->setFlat(true);
        row.kind->layout()->setContentsMargins(4, 0, 4, 0);
        inputs->addWidget(row.label, r, 0);
        inputs->addWidget(row.edit, r, 1);
        inputs->addWidget(row.seek, r, 2);
        inputs->addWidget(row.kind, r, 3);
        ++r;
    }
    inputs->setColumnStretch(1, 1);

    LBLfrom = named(new QLabel(QStringLiteral("Período de")), "LBLfrom");
    LBLto = named(new QLabel(QStringLiteral("a")), "LBLto");
    SPNfrom = named(new QSpinBox, "SPNfrom");
    SPNto = named(new QSpinBox, "SPNto");
    for (QSpinBox* box : {SPNfrom, SPNto}) {
        box->setRange(kFirstYear, kLastYear);
        box->setKeyboardTracking(false); // a year typed counts when it is whole
        box->setEnabled(false);
    }
    LBLfrom->setBuddy(SPNfrom);
    LBLto->setBuddy(SPNto);
    SPNto->setAccessibleName(QStringLiteral("Último ano do período"));
    BTNshow_s = named(new QPushButton(QStringLiteral("Mostrar")), "BTNshow_s");
    auto* periodRow = new QHBoxLayout;
    periodRow->addWidget(LBLfrom);
    periodRow->addWidget(SPNfrom);
    periodRow->addWidget(LBLto);
    periodRow->addWidget(SPNto);
    periodRow->addStretch();
    periodRow->addWidget(BTNshow_s);

    LSTstations = named(new QListWidget, "LSTstations");
    LSTstations->setAccessibleName(QStringLiteral("Postos com vazões"));
    auto* stationsLabel = new QLabel(QStringLiteral("Postos :"));
    stationsLabel->setBuddy(LSTstations);
    auto* stations = new QWidget;
    auto* stationsLayout = new QVBoxLayout(stations);
    stationsLayout->setContentsMargins(0, 0, 0, 0);
    stationsLayout->addWidget(stationsLabel);
    stationsLayout->addWidget(LSTstations, 1);

    CHTseries = named(new SeriesChartView, "CHTseries");
    CHTprofile = named(new SeriesChartView, "CHTprofile");
    CHTseries->setAccessibleName(QStringLiteral("Série mensal do posto"));
    CHTprofile->setAccessibleName(QStringLiteral("Perfil sazonal do posto"));
    LBLvalue_series = named(new QLabel, "LBLvalue_series");
    LBLvalue_profile = named(new QLabel, "LBLvalue_profile");
    BTNsave_series = named(new QPushButton(QStringLiteral("Salvar gráfico...")), "BTNsave_series");
    BTNsave_profile =
        named(new QPushButton(QStringLiteral("Salvar gráfico...")), "BTNsave_profile");
    BTNsave_series->setAccessibleName(QStringLiteral("Salvar gráfico da série"));
    BTNsave_profile->setAccessibleName(QStringLiteral("Salvar gráfico do perfil"));

    GRDstats = named(new QTableWidget(12, int(kStatsColumns.size())), "GRDstats");
    GRDstats->setAccessibleName(QStringLiteral("Estatísticas por mês"));
    GRDstats->setHorizontalHeaderLabels(kStatsColumns);
    QStringList monthNames;
    for (int m = 1; m <= 12; ++m)
        monthNames << monthAbbreviation(m);
    GRDstats->setVerticalHeaderLabels(monthNames);
    GRDstats->setEditTriggers(QAbstractItemView::NoEditTriggers);
    GRDstats->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    GRDstats->verticalHeader()->setDefaultSectionSize(GRDstats->fontMetrics().height() + 4);
    GRDstats->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    LBLstats_note = named(
        new QLabel(QStringLiteral("* MLT distante da média do período (mais de 1 % da média e "
                                  "de 0,5 m³/s)")),
        "LBLstats_note");
    LBLstats_note->setVisible(false);
    auto* statsPanel = new QWidget;
    auto* statsLayout = new QVBoxLayout(statsPanel);
    statsLayout->setContentsMargins(0, 0, 0, 0);
    statsLayout->addWidget(GRDstats, 1);
    statsLayout->addWidget(LBLstats_note);

    // The series, the profile and the table each on a tab of their own: side by side they
    // did not fit a 1280x720 screen (the table hid months behind a scroll bar, the charts their
    // axis titles).
    auto* views = named(new QTabWidget, "TABseries_views");
    views->addTab(chartPanel(CHTseries, LBLvalue_series, BTNsave_series),
                  QStringLiteral("Série mensal"));
    views->addTab(chartPanel(CHTprofile, LBLvalue_profile, BTNsave_profile),
                  QStringLiteral("Perfil sazonal"));
    views->addTab(statsPanel, QStringLiteral("Estatísticas por mês"));
    auto* body = new QSplitter(Qt::Horizontal);
    body->addWidget(stations);
    body->addWidget(views);
    body->setStretchFactor(1, 1);
    body->setSizes({130, 1000});

    // In a scroll area: the page's room for the charts does not become the whole window's
    // minimum, so the other pages keep their size.
    auto* content = new QWidget;
    // Small enough for a 1280x720 screen with the window's heading, horizon and logo around it.
    content->setMinimumSize(880, 400);
    auto* contentLayout = new QVBoxLayout(content);
    contentLayout->setContentsMargins(6, 6, 6, 6);
    inputs->setVerticalSpacing(2);
    contentLayout->addLayout(inputs);
    contentLayout->addLayout(periodRow);
    contentLayout->addWidget(body, 1);
    auto* scroll = new QScrollArea;
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    scroll->setWidget(content);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(scroll);
    clearStation();

    CHTseries->setReadOut([this](QPointF v) { return seriesReadOut(v); });
    CHTprofile->setReadOut([this](QPointF v) { return profileReadOut(v); });
    connect(CHTseries, &SeriesChartView::readOutChanged, LBLvalue_series, &QLabel::setText);
    connect(CHTprofile, &SeriesChartView::readOutChanged, LBLvalue_profile, &QLabel::setText);
    connect(BTNseek_sv, &QPushButton::clicked, this, &SeriesPage::BTNseek_svClick);
    connect(BTNseek_sp, &QPushButton::clicked, this, &SeriesPage::BTNseek_spClick);
    connect(BTNseek_sm, &QPushButton::clicked, this, &SeriesPage::BTNseek_smClick);
    connect(BTNshow_s, &QPushButton::clicked, this, &SeriesPage::BTNshow_sClick);
    connect(LSTstations, &QListWidget::currentRowChanged, this, &SeriesPage::LSTstationsChange);
    connect(SPNfrom, &QSpinBox::valueChanged, this, &SeriesPage::SPNperiodChange);
    connect(SPNto, &QSpinBox::valueChanged, this, &SeriesPage::SPNperiodChange);
    for (QLineEdit* edit : {TXTseries_v, TXTseries_p, TXTseries_m})
        connect(edit, &QLineEdit::textChanged, this, [this] {
            if (m_data)
                clearShown();
        });
    for (RadioGroup* kind : {RGRseries_v, RGRseries_p, RGRseries_m})
        connect(kind, &RadioGroup::itemIndexChanged, this, [this] {
            if (m_data)
                clearShown();
        });
    connect(BTNsave_series, &QPushButton::clicked, this, &SeriesPage::BTNsave_seriesClick);
    connect(BTNsave_profile, &QPushButton::clicked, this, &SeriesPage::BTNsave_profileClick);
}

void SeriesPage::seek(QLineEdit* edit, const QString& title) {
    const QString path = m_dialogs.openFile(title, QStringLiteral("(*)"));
    if (!path.isEmpty())
        edit->setText(path);
}

void SeriesPage::BTNseek_svClick() {
    seek(TXTseries_v, QStringLiteral("Abrir arquivo de VAZÕES"));
}
void SeriesPage::BTNseek_spClick() {
    seek(TXTseries_p, QStringLiteral("Abrir arquivo de POSTOS"));
}
void SeriesPage::BTNseek_smClick() {
    seek(TXTseries_m, QStringLiteral("Abrir arquivo de MLT"));
}

void SeriesPage::BTNshow_sClick() {
    if (TXTseries_v->text().isEmpty()) {
        clearShown();
        m_dialogs.message(BoxKind::Warning, QStringLiteral("Informe o arquivo de VAZÕES."));
        return;
    }
    const SeriesFiles files{TXTseries_v->text(), RGRseries_v->itemIndex() == 0,
                            TXTseries_p->text(), RGRseries_p->itemIndex() == 0,
                            TXTseries_m->text(), RGRseries_m->itemIndex() == 0};
    // A failed read leaves nothing of an earlier file on the page (nor in a chart saved).
    std::optional<SeriesData> data = readSeries(m_dialogs, files, m_horizon());
    if (!data) {
        clearShown();
        return;
    }
    const int previous = m_posto;
    m_data = std::move(data);
    m_files = files;
    m_periodEdited = false;
    m_filling = true;
    LSTstations->clear();
    int row = 0;
    for (int posto = 1; posto <= m_data->history.numPostos(); ++posto) {
        if (!m_data->history.hasData(posto))
            continue;
        if (posto == previous)
            row = LSTstations->count();
        auto* item = new QListWidgetItem(stationLabel(*m_data, posto), LSTstations);
        item->setData(Qt::UserRole, posto);
    }
    m_filling = false;
    LBLstats_note->setVisible(m_data->mlt.has_value());
    if (LSTstations->count() == 0) {
        clearStation();
        m_dialogs.message(BoxKind::Information,
                          QStringLiteral("Nenhum posto com vazões diferentes de 0 no arquivo %1.")
                              .arg(files.vazoes));
        return;
    }
    LSTstations->setCurrentRow(row);
}

void SeriesPage::LSTstationsChange() {
    if (m_filling)
        return;
    const QListWidgetItem* item = LSTstations->currentItem();
    if (!m_data || !item) {
        clearStation();
        return;
    }
    m_posto = item->data(Qt::UserRole).toInt();
    if (!m_periodEdited)
        setPeriod(defaultPeriod(m_data->history, m_posto,
                                m_data->names ? &*m_data->names : nullptr));
    showStation();
}

void SeriesPage::SPNperiodChange() {
    if (m_filling)
        return;
    m_periodEdited = true;
    m_filling = true;
    SPNto->setMinimum(SPNfrom->value());
    SPNfrom->setMaximum(SPNto->value());
    m_filling = false;
    showStation();
}

Period SeriesPage::period() const {
    return {SPNfrom->value(), SPNto->value()};
}

void SeriesPage::setPeriod(Period period) {
    m_filling = true;
    for (QSpinBox* box : {SPNfrom, SPNto}) {
        box->setRange(kFirstYear, m_data->history.lastYear());
        box->setEnabled(true);
    }
    SPNfrom->setValue(period.from);
    SPNto->setValue(period.to);
    SPNfrom->setMaximum(period.to);
    SPNto->setMinimum(period.from);
    m_filling = false;
}

void SeriesPage::showStation() {
    if (!m_data || m_posto == 0)
        return;
    const Period p = period();
    m_months = monthStats(m_data->history, m_posto, p, m_data->mlt ? &*m_data->mlt : nullptr);
    CHTseries->replaceChart(makeSeriesChart(*m_data, m_posto, p, m_months));
    CHTprofile->replaceChart(makeProfileChart(*m_data, m_posto, p, m_months));
    LBLvalue_series->clear();
    LBLvalue_profile->clear();
    fillTable(m_months);
    BTNsave_series->setEnabled(true);
    BTNsave_profile->setEnabled(true);
}

void SeriesPage::clearShown() {
    m_data.reset();
    m_filling = true;
    LSTstations->clear();
    m_filling = false;
    clearStation();
    for (QSpinBox* box : {SPNfrom, SPNto})
        box->setEnabled(false);
    LBLstats_note->setVisible(false);
}

void SeriesPage::clearStation() {
    m_posto = 0;
    CHTseries->replaceChart(new QChart);
    CHTprofile->replaceChart(new QChart);
    LBLvalue_series->clear();
    LBLvalue_profile->clear();
    GRDstats->clearContents();
    BTNsave_series->setEnabled(false);
    BTNsave_profile->setEnabled(false);
}

QString SeriesPage::number(double x) const {
    QLocale locale = m_locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return locale.toString(x, 'f', 2);
}

void SeriesPage::fillTable(const std::array<MonthStats, 12>& months) {
    for (int m = 0; m < 12; ++m) {
        const MonthStats& s = months[std::size_t(m)];
        const bool any = s.years > 0;
        QStringList suspects;
        for (const int year : s.suspectYears)
            suspects << QString::number(year);
        const QString mark = s.mltDiffers ? QStringLiteral(" *") : QString();
        const QString texts[] = {QString::number(s.years),
                                 s.mean ? number(*s.mean) : QString(),
                                 s.stdDev ? number(*s.stdDev) : QString(),
                                 s.min ? QString::number(*s.min) : QString(),
                                 any ? QString::number(s.minYear) : QString(),
                                 s.max ? QString::number(*s.max) : QString(),
                                 any ? QString::number(s.maxYear) : QString(),
                                 QString::number(s.zeros),
                                 suspects.join(QLatin1Char(' ')),
                                 s.mlt ? QString::number(*s.mlt) + mark : QString(),
                                 s.differencePercent ? number(*s.differencePercent) + mark
                                                     : QString()};
        for (int c = 0; c < int(std::size(texts)); ++c) {
            auto* cell = new QTableWidgetItem(texts[c]);
            cell->setTextAlignment(Qt::AlignVCenter | (c == 8 ? Qt::AlignLeft : Qt::AlignRight));
            if ((c >= 9 && s.mltDiffers) || (c == 8 && !s.suspectYears.empty()))
                cell->setBackground(QColor(0xFA, 0xD7, 0xA0));
            GRDstats->setItem(m, c, cell);
        }
    }
}

QString SeriesPage::seriesReadOut(QPointF value) const {
    if (!m_data || m_posto == 0)
        return {};
    const Period p = period();
    const long index = std::lround((value.x() - p.from) * 12);
    if (index < 0 || index >= long(p.years()) * 12)
        return {};
    const int year = p.from + int(index / 12);
    const int month = int(index % 12) + 1;
    return QStringLiteral("%1/%2: %3 m³/s")
        .arg(monthAbbreviation(month))
        .arg(year)
        .arg(m_data->history.value(m_posto, year, month));
}

QString SeriesPage::profileReadOut(QPointF value) const {
    const long month = std::lround(value.x());
    if (!m_data || m_posto == 0 || month < 0 || month > 11)
        return {};
    const MonthStats& s = m_months[std::size_t(month)];
    if (s.years == 0)
        return {};
    QString text = QStringLiteral("%1: média %2; mín. %3 (%4); máx. %5 (%6)")
                       .arg(monthAbbreviation(int(month) + 1), number(*s.mean))
                       .arg(*s.min)
                       .arg(s.minYear)
                       .arg(*s.max)
                       .arg(s.maxYear);
    if (s.mlt)
        text += QStringLiteral("; MLT %1").arg(*s.mlt);
    return text + QStringLiteral(" m³/s");
}

void SeriesPage::BTNsave_seriesClick() {
    saveChart(false);
}
void SeriesPage::BTNsave_profileClick() {
    saveChart(true);
}

void SeriesPage::saveChart(bool profile) {
    if (!m_data || m_posto == 0)
        return;
    const QString path =
        m_dialogs.saveFile(profile ? QStringLiteral("Salvar gráfico do perfil sazonal")
                                   : QStringLiteral("Salvar gráfico da série"),
                           QStringLiteral("Gráfico PNG|*.png|Gráfico SVG|*.svg|Gráfico PDF|*.pdf"));
    if (path.isEmpty())
        return;
    const std::optional<ChartFormat> format = chartFormatOf(path);
    if (!format) {
        m_dialogs.message(BoxKind::Warning,
                          QStringLiteral("O gráfico é salvo em PNG, SVG ou PDF: o nome \"%1\" "
                                         "deve terminar em .png, .svg ou .pdf.")
                              .arg(path));
        return;
    }
    const Period p = period();
    saveOutput(
        m_dialogs, path, m_files.paths(),
        [&]() -> std::optional<QByteArray> {
            QChart* chart = profile ? makeProfileChart(*m_data, m_posto, p, m_months)
                                    : makeSeriesChart(*m_data, m_posto, p, m_months);
            QByteArray bytes = renderCharts({chart}, *format, QSize(1000, 520));
            if (bytes.isEmpty()) {
                m_dialogs.message(BoxKind::Error,
                                  QStringLiteral("O gráfico não pôde ser desenhado."));
                return std::nullopt;
            }
            return bytes;
        },
        QStringLiteral("Gráfico"));
}

} // namespace Torvane
