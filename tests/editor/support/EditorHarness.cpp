#include "EditorHarness.h"

#include "registry/PlantFields.h"

#include <QLineEdit>
#include <QTableWidget>

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTest>

EditorHarness::EditorHarness(bool withConfig) : m_previousDir(QDir::currentPath()) {
    QDir::setCurrent(m_dir.path());
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_settingsDir.path());
    if (withConfig)
        writeFile(QStringLiteral("config.ini"), defaultConfig());
}

EditorHarness::~EditorHarness() {
    destroy();
    QDir::setCurrent(m_previousDir);
}

QString EditorHarness::path(const QString& fileName) const {
    return QDir(m_dir.path()).filePath(fileName);
}

QString EditorHarness::writeFile(const QString& fileName, const QByteArray& bytes) const {
    QFile file(path(fileName));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        return {};
    return file.fileName();
}

QByteArray EditorHarness::defaultConfig() {
    return QStringLiteral("[TURBINAS]\n0=NÃO HÁ\n1=Francis\n2=Kaplan/Propeller\n3=Pelton\n"
                          "[SISTEMAS]\n1=Sudeste\n2=Sul\n3=Nordeste\n4=Norte\n"
                          "[EMPRESAS]\n11=Escelsa\n13=ELTNORTE-SE\n15=Eletropaulo\n16=CESP\n"
                          "17=Light\n18=Cemig\n19=Furnas\n20=Celesc\n22=CEEE\n23=Copel\n"
                          "24=Eletrosul\n33=CHESF\n34=Celpa\n37=Eletronorte\n40=Itaipu\n"
                          "42=CDSA\n51=Externas SE\n52=Externas Sul\n53=Externas NE\n"
                          "54=Externas Norte\n")
        .toUtf8();
}

TFRMeditor& EditorHarness::create(const QStringList& arguments) {
    destroy();
    m_window = std::make_unique<TFRMeditor>(dialogs, arguments, m_dir.path());
    return *m_window;
}

TFRMeditor& EditorHarness::start(const QStringList& arguments, const QLocale& locale) {
    TFRMeditor& w = create(arguments);
    w.document().setLocale(locale);
    w.show();
    QTest::qWait(0);
    for (int i = 0; i < 100 && !w.firstActivationDone(); ++i)
        QTest::qWait(10);
    return w;
}

void EditorHarness::destroy() {
    m_window.reset();
}

QList<QLineEdit*> plantBoxes(const TFRMeditor& window) {
    QList<QLineEdit*> boxes;
    for (const PlantField& f : plantFields())
        if (auto* box = window.findChild<QLineEdit*>(f.name()))
            boxes << box;
    return boxes;
}

QList<QTableWidget*> grids(const TFRMeditor& window) {
    const EditorControls& ui = window.ui;
    return {ui.StrGr_PCVA, ui.StrGr_EvapM, ui.StrGr_ConjMaq1, ui.StrGr_ConjMaq2, ui.StrGr_PolsJus};
}

QString cellText(const QTableWidget* grid, int row, int column) {
    const QTableWidgetItem* item = grid->item(row, column);
    return item ? item->text() : QString();
}

void setCell(QTableWidget* grid, int row, int column, const QString& text) {
    if (QTableWidgetItem* item = grid->item(row, column))
        item->setText(text);
    else
        grid->setItem(row, column, new QTableWidgetItem(text));
}
