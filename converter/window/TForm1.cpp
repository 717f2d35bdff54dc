#include "window/TForm1.h"

#include "window/FolderDialogs.h"
#include "window/RadioGroup.h"
#include "window/SeriesPage.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSettings>
#include <QTabWidget>
#include <QVBoxLayout>

// The logo lives in the library's resources, which a static link would otherwise drop.
static void initTorvaneResources() {
    Q_INIT_RESOURCE(converter);
}

namespace Torvane {

namespace {

const QString kToBin = QStringLiteral("Converter de Texto para BINÁRIO");
const QString kToText = QStringLiteral("Converter de BINÁRIO para Texto");

QPushButton* makeButton(const QString& name, const QString& caption, QWidget* parent) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    return button;
}

} // namespace

LogoImage::LogoImage(QWidget* parent) : QSvgWidget(parent) {
    initTorvaneResources();
    load(QStringLiteral(":/torvane/logo.svg"));
    setAttribute(Qt::WA_TranslucentBackground);
    setAccessibleName(QStringLiteral("Tobrel"));
}

void LogoImage::mouseDoubleClickEvent(QMouseEvent* event) {
    QSvgWidget::mouseDoubleClickEvent(event);
    emit doubleClicked();
}

TForm1::TForm1(Dialogs& dialogs, QWidget* parent)
    : QWidget(parent), m_folderDialogs(std::make_unique<FolderDialogs>(dialogs)),
      m_dialogs(*m_folderDialogs), m_tables(std::make_unique<Tables>()),
      m_methodologyDir(QCoreApplication::applicationDirPath()), m_locale(QLocale::system()) {
    setObjectName(QStringLiteral("TForm1"));
    setWindowTitle(QStringLiteral("Gerador dos Arquivos POSTOS, VAZOES e MLT"));

    Label3 = new QLabel(QStringLiteral("Gerador dos Arquivos POSTOS, VAZOES e MLT"), this);
    Label3->setObjectName(QStringLiteral("Label3"));
    QFont headingFont = Label3->font();
    headingFont.setBold(true);
    headingFont.setItalic(true);
    headingFont.setPointSizeF(headingFont.pointSizeF() * 1.6);
    Label3->setFont(headingFont);
    Label4 = new QLabel(QStringLiteral("Versão ") + applicationVersion(), this);
    Label4->setObjectName(QStringLiteral("Label4"));
    Label4->setAlignment(Qt::AlignRight | Qt::AlignTop);

    GroupBox1 = new QGroupBox(QStringLiteral("Horizonte"), this);
    GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
    RBTop = new QRadioButton(QStringLiteral("Operação (320 postos)"), GroupBox1);
    RBTop->setObjectName(QStringLiteral("RBTop"));
    RBTplan = new QRadioButton(QStringLiteral("Planejamento (600 postos)"), GroupBox1);
    RBTplan->setObjectName(QStringLiteral("RBTplan"));
    RBTplan->setChecked(true);
    auto* horizonLayout = new QHBoxLayout(GroupBox1);
    horizonLayout->addWidget(RBTop);
    horizonLayout->addWidget(RBTplan);
    horizonLayout->addStretch();

    PageControl1 = new QTabWidget(this);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    TSHpostos = buildPage(QStringLiteral("postos"), QStringLiteral("p"),
                          QStringLiteral("Arquivo Texto de POSTOS :"), RGRpostos, LBLpostos,
                          TXTpostosname, BTNseek_p, BTNgenerate_p);
    TSHvazoes = buildPage(QStringLiteral("vazoes"), QStringLiteral("v"),
                          QStringLiteral("Arquivo Texto de VAZÕES :"), RGRvazoes, LBLvazoes,
                          TXTvazoesname, BTNseek_v, BTNgenerate_v);
    TSHmlt = buildPage(QStringLiteral("mlt"), QStringLiteral("m"),
                       QStringLiteral("Arquivo Texto de MLT :"), RGRmlt, LBLmlt, TXTmltname,
                       BTNseek_m, BTNgenerate_m);
    PageControl1->addTab(TSHpostos, QStringLiteral("Postos"));
    PageControl1->addTab(TSHvazoes, QStringLiteral("Vazões"));
    PageControl1->addTab(TSHmlt, QStringLiteral("MLT"));
    // The series read the horizon checked when "Mostrar" is pressed, as the conversions do.
    TSHseries = new SeriesPage(m_dialogs, [this] { return RBTplan->isChecked() ? 600 : 320; });
    PageControl1->addTab(TSHseries, QStringLiteral("Séries"));
    // Another horizon reads the files anew: what the page showed goes.
    connect(RBTplan, &QRadioButton::toggled, TSHseries, &SeriesPage::clearShown);
    PageControl1->setCurrentWidget(TSHvazoes);
    // The charts need more room than the conversions: the window grows the first time the
    // page is shown, within the screen.
    // The charts need more room than the conversions: the window grows, within the screen
    // and its frame, while the page is shown, and goes back to its size on the other pages.
    connect(PageControl1, &QTabWidget::currentChanged, this, [this] {
        if (isMaximized() || isFullScreen())
            return;
        if (PageControl1->currentWidget() != TSHseries) {
            if (m_sizeBeforeSeries.isValid() && size() == m_grownSize)
                resize(m_sizeBeforeSeries);
            m_sizeBeforeSeries = QSize();
            return;
        }
        QSize room(1200, 880);
        if (const QScreen* s = screen()) {
            const QSize frame = frameGeometry().size() - geometry().size();
            room = room.boundedTo(s->availableSize() - frame);
        }
        m_sizeBeforeSeries = size();
        resize(size().expandedTo(room));
        m_grownSize = size();
    });

    Image1 = new LogoImage(this);
    setWindowIcon(QIcon(QStringLiteral(":/torvane/logo.svg")));
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setFixedSize(176, 64);
    BTNclose = makeButton(QStringLiteral("BTNclose"), QStringLiteral("Fecha&r"), this);
    // Operations of these three are reached another way; the window never shows them.
    BTNmetod = makeButton(QStringLiteral("BTNmetod"), QStringLiteral("Ver Metodologia"), this);
    BTNenergiaf = makeButton(QStringLiteral("BTNenergiaf"), QStringLiteral("ENERGIAF NW"), this);
    BTNenergiadc = makeButton(QStringLiteral("BTNenergiadc"), QStringLiteral("ENERGIA DC"), this);
    for (QPushButton* hidden : {BTNmetod, BTNenergiaf, BTNenergiadc})
        hidden->setVisible(false);

    auto* top = new QHBoxLayout;
    top->addWidget(Label3, 1);
    top->addWidget(Label4, 0, Qt::AlignTop);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(Image1, 0, Qt::AlignLeft | Qt::AlignBottom);
    bottom->addStretch();
    bottom->addWidget(BTNmetod);
    bottom->addWidget(BTNenergiaf);
    bottom->addWidget(BTNenergiadc);
    bottom->addWidget(BTNclose, 0, Qt::AlignRight | Qt::AlignBottom);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(GroupBox1);
    layout->addWidget(PageControl1, 1);
    layout->addLayout(bottom);

    connect(RGRpostos, &RadioGroup::itemIndexChanged, this, &TForm1::RGRpostosClick);
    connect(RGRvazoes, &RadioGroup::itemIndexChanged, this, &TForm1::RGRvazoesClick);
    connect(RGRmlt, &RadioGroup::itemIndexChanged, this, &TForm1::RGRmltClick);
    connect(BTNseek_p, &QPushButton::clicked, this, &TForm1::BTNseek_pClick);
    connect(BTNseek_v, &QPushButton::clicked, this, &TForm1::BTNseek_vClick);
    connect(BTNseek_m, &QPushButton::clicked, this, &TForm1::BTNseek_mClick);
    connect(BTNgenerate_p, &QPushButton::clicked, this, &TForm1::BTNgenerate_pClick);
    connect(BTNgenerate_v, &QPushButton::clicked, this, &TForm1::BTNgenerate_vClick);
    connect(BTNgenerate_m, &QPushButton::clicked, this, &TForm1::BTNgenerate_mClick);
    connect(BTNclose, &QPushButton::clicked, this, &TForm1::BTNcloseClick);
    connect(Image1, &LogoImage::doubleClicked, this, &TForm1::Image1DblClick);
    connect(BTNenergiaf, &QPushButton::clicked, this, &TForm1::BTNenergiafClick);
    connect(BTNenergiadc, &QPushButton::clicked, this, &TForm1::BTNenergiadcClick);
    connect(BTNmetod, &QPushButton::clicked, this, &TForm1::BTNmetodClick);

    resize(640, 420);
    FormCreate();
}

TForm1::~TForm1() {
    if (m_remember)
        storeSettings();
}

namespace {

// The converter's own settings file (on Linux ~/.config/Tobrel/Tobrel.conf).
QSettings converterSettings() {
    return QSettings(applicationTitle(), applicationTitle());
}

const char* const kPages[] = {"postos", "vazoes", "mlt", "series"};
const char* const kDirections[] = {"to-bin", "to-text"};

// The index of value among names, or -1.
template <std::size_t N> int indexOf(const char* const (&names)[N], const QString& value) {
    for (std::size_t i = 0; i < N; ++i)
        if (value == QLatin1String(names[i]))
            return int(i);
    return -1;
}

QString existingFolder(const QString& folder) {
    return QFileInfo(folder).isDir() ? folder : QString();
}

} // namespace

void TForm1::rememberSettings() {
    m_remember = true;
    const QSettings settings = converterSettings();
    if (settings.value(QStringLiteral("horizon")).toString() == QLatin1String("320"))
        RBTop->setChecked(true);
    else
        RBTplan->setChecked(true);
    const QList<RadioGroup*> groups{RGRpostos, RGRvazoes, RGRmlt};
    for (qsizetype i = 0; i < groups.size(); ++i) {
        const int index = indexOf(
            kDirections,
            settings.value(QLatin1String(kPages[i]) + QStringLiteral("/direction")).toString());
        groups.at(i)->setItemIndex(index < 0 ? 0 : index);
    }
    const int page = indexOf(kPages, settings.value(QStringLiteral("page")).toString());
    const QList<QWidget*> pages{TSHpostos, TSHvazoes, TSHmlt, TSHseries};
    PageControl1->setCurrentWidget(page < 0 ? TSHvazoes : pages.at(page));
    m_folderDialogs->openFolder =
        existingFolder(settings.value(QStringLiteral("folders/open")).toString());
    m_folderDialogs->saveFolder =
        existingFolder(settings.value(QStringLiteral("folders/save")).toString());
}

void TForm1::storeSettings() const {
    QSettings settings = converterSettings();
    settings.setValue(QStringLiteral("horizon"), RBTplan->isChecked() ? 600 : 320);
    const QList<QWidget*> pages{TSHpostos, TSHvazoes, TSHmlt, TSHseries};
    const int page = int(pages.indexOf(PageControl1->currentWidget()));
    settings.setValue(QStringLiteral("page"), QLatin1String(kPages[page < 0 ? 1 : page]));
    const QList<RadioGroup*> groups{RGRpostos, RGRvazoes, RGRmlt};
    for (qsizetype i = 0; i < groups.size(); ++i)
        settings.setValue(QLatin1String(kPages[i]) + QStringLiteral("/direction"),
                          QLatin1String(kDirections[groups.at(i)->itemIndex() == 1 ? 1 : 0]));
    settings.setValue(QStringLiteral("folders/open"), m_folderDialogs->openFolder);
    settings.setValue(QStringLiteral("folders/save"), m_folderDialogs->saveFolder);
    // Written when settings goes; a file that cannot be written is passed over.
}

QWidget* TForm1::buildPage(const QString& pageName, const QString& suffix, const QString& labelText,
                           RadioGroup*& group, QLabel*& label, QLineEdit*& edit, QPushButton*& seek,
                           QPushButton*& generate) {
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("TSH") + pageName);
    group = new RadioGroup({kToBin, kToText}, 2, page);
    group->setObjectName(QStringLiteral("RGR") + pageName);
    // The group has no title of its own; its name tells a screen reader what it chooses.
    group->setAccessibleName(QStringLiteral("Direção da conversão"));
    label = new QLabel(labelText, page);
    label->setObjectName(QStringLiteral("LBL") + pageName);
    edit = new QLineEdit(page);
    edit->setObjectName(QStringLiteral("TXT") + pageName + QStringLiteral("name"));
    label->setBuddy(edit);
    seek = makeButton(QStringLiteral("BTNseek_") + suffix, QStringLiteral("Procurar..."), page);
    generate = makeButton(QStringLiteral("BTNgenerate_") + suffix,
                          QStringLiteral("Converter Texto para Binário"), page);

    auto* pathRow = new QHBoxLayout;
    pathRow->addWidget(edit, 1);
    pathRow->addWidget(seek);
    auto* generateRow = new QHBoxLayout;
    generateRow->addStretch();
    generateRow->addWidget(generate);
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(group);
    layout->addSpacing(8);
    layout->addWidget(label);
    layout->addLayout(pathRow);
    layout->addStretch();
    layout->addLayout(generateRow);
    return page;
}

void TForm1::FormCreate() {
    RGRpostos->setItemIndex(0);
    RGRvazoes->setItemIndex(0);
    RGRmlt->setItemIndex(0);
}

void TForm1::RGRpostosClick() {
    const int index = RGRpostos->itemIndex();
    BTNgenerate_p->setText(RGRpostos->itemText(index));
    LBLpostos->setText(index == 0 ? QStringLiteral("Arquivo TEXTO de postos")
                                  : QStringLiteral("Arquivo BINÁRIO de postos"));
}

void TForm1::RGRvazoesClick() {
    const int index = RGRvazoes->itemIndex();
    BTNgenerate_v->setText(RGRvazoes->itemText(index));
    LBLvazoes->setText(index == 0 ? QStringLiteral("Arquivo TEXTO de vazoes")
                                  : QStringLiteral("Arquivo BINÁRIO de vazoes"));
}

void TForm1::RGRmltClick() {
    const int index = RGRmlt->itemIndex();
    BTNgenerate_m->setText(RGRmlt->itemText(index));
    LBLmlt->setText(index == 0 ? QStringLiteral("Arquivo TEXTO de MLT")
                               : QStringLiteral("Arquivo BINÁRIO de MLT"));
}

void TForm1::BTNseek_pClick() {
    const QString path = m_dialogs.openFile(QStringLiteral("Abrir arquivo Texto de POSTOS"),
                                            QStringLiteral("POSTOS|*.*"));
    if (!path.isEmpty())
        TXTpostosname->setText(path);
}

void TForm1::BTNseek_vClick() {
    const QString path = m_dialogs.openFile(QStringLiteral("Abrir arquivo Texto de VAZOES"),
                                            QStringLiteral("VAZOES|*.*"));
    if (!path.isEmpty())
        TXTvazoesname->setText(path);
}

void TForm1::BTNseek_mClick() {
    const QString path =
        m_dialogs.openFile(QStringLiteral("Abrir arquivo Texto de MLT"), QStringLiteral("MLT|*.*"));
    if (!path.isEmpty())
        TXTmltname->setText(path);
}

void TForm1::setNumPostos() {
    NumPostos = RBTplan->isChecked() ? 600 : 320;
}

void TForm1::BTNgenerate_pClick() {
    setNumPostos();
    if (RGRpostos->itemIndex() == 0)
        Postos_TextToBin();
    else
        Postos_BinToText();
}

void TForm1::BTNgenerate_vClick() {
    setNumPostos();
    if (RGRvazoes->itemIndex() == 0)
        Vazoes_TextToBin();
    else
        Vazoes_BintoText();
}

void TForm1::BTNgenerate_mClick() {
    setNumPostos();
    m_tables->mlt.clear(NumPostos);
    if (RGRmlt->itemIndex() == 0)
        Mlt_TextToBin();
    else
        Mlt_BinToText();
}

void TForm1::setNumberLocale(const QLocale& locale) {
    m_locale = locale;
    TSHseries->setNumberLocale(locale);
}

void TForm1::BTNcloseClick() {
    close();
}

void TForm1::Image1DblClick() {
    m_dialogs.message(BoxKind::Information,
                      QStringLiteral("Tobrel - Gerador dos Arquivos POSTOS, VAZOES e MLT\n"
                                     "Versão ") +
                          applicationVersion() +
                          QStringLiteral("\n\nDesenvolvido pela equipe de Hidrologia Operativa."));
}

void TForm1::convert(FileKind kind, Direction direction, QLineEdit* input) {
    runConversion(m_dialogs, input->text(), conversionDef(kind, direction, NumPostos, *m_tables));
}

void TForm1::Postos_TextToBin() {
    convert(FileKind::Postos, Direction::TextToBin, TXTpostosname);
}
void TForm1::Postos_BinToText() {
    convert(FileKind::Postos, Direction::BinToText, TXTpostosname);
}
void TForm1::Vazoes_TextToBin() {
    convert(FileKind::Vazoes, Direction::TextToBin, TXTvazoesname);
}
void TForm1::Vazoes_BintoText() {
    convert(FileKind::Vazoes, Direction::BinToText, TXTvazoesname);
}
void TForm1::Mlt_TextToBin() {
    convert(FileKind::Mlt, Direction::TextToBin, TXTmltname);
}
void TForm1::Mlt_BinToText() {
    convert(FileKind::Mlt, Direction::BinToText, TXTmltname);
}

void TForm1::BTNenergiafClick() {
    runConversion(m_dialogs, QString(), auxiliaryDef(Auxiliary::EnergiafToText, m_locale));
}

void TForm1::BTNenergiadcClick() {
    runConversion(m_dialogs, QString(), auxiliaryDef(Auxiliary::EnergiaFilter, m_locale));
}

void TForm1::BTNmetodClick() {
    const QString path = QDir(m_methodologyDir).filePath(QStringLiteral("Metodologia.mdb"));
    // The desktop reports success even for a missing file, so look for it first.
    if (QFileInfo(path).isFile() && m_dialogs.openDocument(path))
        return;
    QString folder = QDir::toNativeSeparators(m_methodologyDir);
    if (!folder.endsWith(QDir::separator()))
        folder += QDir::separator();
    m_dialogs.message(BoxKind::Error,
                      QStringLiteral("Problema na inicialização da Metodologia.\n\r"
                                     "O arquivo \"Metodologia.mdb\" não encontra-se em ") +
                          folder + QLatin1Char('.'));
}

} // namespace Torvane
