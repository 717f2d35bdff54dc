// TForm1 as a user meets it: the captions at start, the pages' directions, the horizon read
// at each press, and each conversion's dialogs and messages through the scripted seam.
#include "ScriptedDialogs.h"
#include "TestData.h"
#include "inflows/Postos.h"
#include "window/RadioGroup.h"
#include "window/SeriesCharts.h"
#include "window/TForm1.h"
#include "window/WindowApplication.h"

#include <QAccessible>
#include <QApplication>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QLineSeries>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSettings>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QWindow>
#include <cstring>
#include <memory>

using namespace Torvane;

class TstWindow : public QObject {
    Q_OBJECT
    QTemporaryDir dir;
    ScriptedDialogs dialogs;
    std::unique_ptr<TForm1> form;

    template <typename T> T* get(const char* name) {
        T* w = form->findChild<T*>(QString::fromLatin1(name));
        if (!w)
            qWarning("no control %s", name);
        return w;
    }
    QString text(const char* name) { return get<QAbstractButton>(name)->text(); }
    QString path(const QString& name) const { return dir.filePath(name); }
    void chooseDirection(const char* group, int index) {
        get<RadioGroup>(group)->findChildren<QRadioButton*>().at(index)->click();
    }
    // Station 1 flat at 10; station 6 with January 100, 200, 300 and an MLT of 250 beside it;
    // chosen with the page's dialogs, VAZOES as text, and shown.
    void showSeries() {
        std::string vazoes;
        for (int year = 1931; year <= 1933; ++year) {
            std::string flat;
            std::string six = sixColumns(100 * (year - 1930));
            for (int m = 1; m <= 12; ++m)
                flat += sixColumns(10);
            for (int m = 2; m <= 12; ++m)
                six += sixColumns(50);
            const std::string y = std::to_string(year);
            vazoes += vazoesLine("  1", y.c_str(), flat) + "\r\n" +
                      vazoesLine("  6", y.c_str(), six) + "\r\n";
        }
        QVERIFY(writeBytes(path("V.txt"), QByteArray::fromStdString(vazoes)));
        const ConvResult postos = postosTextToBin("   1  FURNAS        1001  2001\r\n"
                                                  "   6  \xC9"
                                                  "BANO         1006  2006\r\n",
                                                  600, "P");
        QVERIFY(writeBytes(path("P.bin"), QByteArray::fromStdString(postos.output.str())));
        std::vector<std::int32_t> mlt(12 * 600, 0);
        mlt[5] = 250;
        QVERIFY(writeBytes(path("M.bin"), QByteArray::fromStdString(int32Records(mlt))));
        form->setNumberLocale(QLocale(QLocale::Portuguese, QLocale::Brazil));
        dialogs.fileAnswers << path("V.txt") << path("P.bin") << path("M.bin");
        for (const char* seek : {"BTNseek_sv", "BTNseek_sp", "BTNseek_sm"})
            get<QPushButton>(seek)->click();
        chooseDirection("RGRseries_v", 0);
        get<QPushButton>("BTNshow_s")->click();
    }
    QLineSeries* monthlyFlows() {
        return qobject_cast<QLineSeries*>(
            get<SeriesChartView>("CHTseries")->chart()->series().value(0));
    }
    QString cell(int row, int column) {
        const QTableWidgetItem* item = get<QTableWidget>("GRDstats")->item(row, column);
        return item ? item->text() : QString();
    }

    // The converter's settings file, in the test's own folder (initTestCase).
    QString settingsFile() const { return path("settings/Tobrel/Tobrel.conf"); }
    void reopenRemembering() {
        form.reset();
        dialogs = ScriptedDialogs();
        form = std::make_unique<TForm1>(dialogs);
        form->rememberSettings();
    }

private slots:
    void initTestCase() {
        // Never the user's own settings.
        QStandardPaths::setTestModeEnabled(true);
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, path("settings"));
    }
    void init() {
        dialogs = ScriptedDialogs();
        form = std::make_unique<TForm1>(dialogs);
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    }
    void cleanup() { form.reset(); }

    void startState() {
        QCOMPARE(form->windowTitle(), QStringLiteral("Gerador dos Arquivos POSTOS, VAZOES e MLT"));
        QCOMPARE(applicationTitle(), QStringLiteral("Tobrel"));
        QCOMPARE(get<QLabel>("Label3")->text(),
                 QStringLiteral("Gerador dos Arquivos POSTOS, VAZOES e MLT"));
        QVERIFY(get<QLabel>("Label3")->font().bold() && get<QLabel>("Label3")->font().italic());
        QCOMPARE(get<QLabel>("Label4")->text(), QStringLiteral("Versão 0.2"));
        QCOMPARE(get<QGroupBox>("GroupBox1")->title(), QStringLiteral("Horizonte"));
        QCOMPARE(text("RBTop"), QStringLiteral("Operação (320 postos)"));
        QCOMPARE(text("RBTplan"), QStringLiteral("Planejamento (600 postos)"));
        QVERIFY(get<QRadioButton>("RBTplan")->isChecked());
        QVERIFY(!get<QRadioButton>("RBTop")->isChecked());

        auto* pages = get<QTabWidget>("PageControl1");
        QCOMPARE(pages->count(), 4);
        QCOMPARE(pages->tabText(0), QStringLiteral("Postos"));
        QCOMPARE(pages->tabText(1), QStringLiteral("Vazões"));
        QCOMPARE(pages->tabText(2), QStringLiteral("MLT"));
        QCOMPARE(pages->tabText(3), QStringLiteral("Séries"));
        QCOMPARE(pages->widget(3), get<QWidget>("TSHseries"));
        for (const char* group : {"RGRseries_v", "RGRseries_p", "RGRseries_m"})
            QCOMPARE(get<RadioGroup>(group)->itemIndex(), 1); // BINÁRIO
        QCOMPARE(pages->currentWidget(), get<QWidget>("TSHvazoes"));
        QCOMPARE(pages->widget(0), get<QWidget>("TSHpostos"));
        QCOMPARE(pages->widget(2), get<QWidget>("TSHmlt"));

        for (const char* group : {"RGRpostos", "RGRvazoes", "RGRmlt"}) {
            auto* g = get<RadioGroup>(group);
            QCOMPARE(g->itemIndex(), 0);
            const auto buttons = g->findChildren<QRadioButton*>();
            QCOMPARE(buttons.size(), 2);
            QCOMPARE(buttons.at(0)->text(), QStringLiteral("Converter de Texto para BINÁRIO"));
            QCOMPARE(buttons.at(1)->text(), QStringLiteral("Converter de BINÁRIO para Texto"));
        }
        for (const char* b : {"BTNgenerate_p", "BTNgenerate_v", "BTNgenerate_m"})
            QCOMPARE(text(b), QStringLiteral("Converter de Texto para BINÁRIO"));
        QCOMPARE(get<QLabel>("LBLpostos")->text(), QStringLiteral("Arquivo TEXTO de postos"));
        QCOMPARE(get<QLabel>("LBLvazoes")->text(), QStringLiteral("Arquivo TEXTO de vazoes"));
        QCOMPARE(get<QLabel>("LBLmlt")->text(), QStringLiteral("Arquivo TEXTO de MLT"));
        for (const char* e : {"TXTpostosname", "TXTvazoesname", "TXTmltname"})
            QVERIFY(get<QLineEdit>(e)->text().isEmpty());
        QCOMPARE(get<QLabel>("LBLvazoes")->buddy(), get<QWidget>("TXTvazoesname"));
        for (const char* b : {"BTNseek_p", "BTNseek_v", "BTNseek_m"})
            QCOMPARE(text(b), QStringLiteral("Procurar..."));
        QCOMPARE(text("BTNclose"), QStringLiteral("Fecha&r"));
        QVERIFY(get<QWidget>("BTNclose")->isVisible());
        QVERIFY(get<QWidget>("Image1")->isVisible());
        QCOMPARE(text("BTNmetod"), QStringLiteral("Ver Metodologia"));
        QCOMPARE(text("BTNenergiaf"), QStringLiteral("ENERGIAF NW"));
        QCOMPARE(text("BTNenergiadc"), QStringLiteral("ENERGIA DC"));
        for (const char* b : {"BTNmetod", "BTNenergiaf", "BTNenergiadc"})
            QVERIFY(!get<QWidget>(b)->isVisible());
        QCOMPARE(form->numPostos(), 0);
        QVERIFY(dialogs.events.isEmpty());
    }

    void titlesAreTheDesignedTexts() {
        setUpWindowApplication();
        QCOMPARE(QCoreApplication::applicationName(), QStringLiteral("Tobrel"));
        QCOMPARE(QCoreApplication::applicationVersion(), QStringLiteral("0.2"));
        // A display name, once set, is appended to every window title (" — Tobrel"); unset, it
        // is only the application name, following it.
        QCoreApplication::setApplicationName(QStringLiteral("outro"));
        QCOMPARE(QGuiApplication::applicationDisplayName(), QStringLiteral("outro"));
        setUpWindowApplication();
        QCOMPARE(form->windowTitle(), QStringLiteral("Gerador dos Arquivos POSTOS, VAZOES e MLT"));
        QCOMPARE(form->windowHandle()->title(), form->windowTitle());
    }

    void directionChangesButtonAndLabel_data() {
        QTest::addColumn<QString>("suffix");
        QTest::addColumn<QString>("label1");
        QTest::newRow("postos") << "postos|p" << QStringLiteral("Arquivo BINÁRIO de postos");
        QTest::newRow("vazoes") << "vazoes|v" << QStringLiteral("Arquivo BINÁRIO de vazoes");
        QTest::newRow("mlt") << "mlt|m" << QStringLiteral("Arquivo BINÁRIO de MLT");
    }
    void directionChangesButtonAndLabel() {
        QFETCH(QString, suffix);
        QFETCH(QString, label1);
        const QString page = suffix.section('|', 0, 0);
        const QByteArray group = ("RGR" + page).toLatin1();
        const QByteArray button = ("BTNgenerate_" + suffix.section('|', 1)).toLatin1();
        const QByteArray label = ("LBL" + page).toLatin1();
        const QString label0 = get<QLabel>(label)->text();
        chooseDirection(group, 1);
        QCOMPARE(text(button), QStringLiteral("Converter de BINÁRIO para Texto"));
        QCOMPARE(get<QLabel>(label)->text(), label1);
        chooseDirection(group, 0);
        QCOMPARE(text(button), QStringLiteral("Converter de Texto para BINÁRIO"));
        QCOMPARE(get<QLabel>(label)->text(), label0);
    }

    void directionWithoutAClick_data() {
        QTest::addColumn<QString>("page");
        QTest::addColumn<QString>("how");
        QTest::addColumn<QString>("label1");
        QTest::addColumn<QString>("saveTitle");
        const struct {
            const char* page;
            const char* label;
            const char* title;
        } pages[] = {{"postos|p", "Arquivo BINÁRIO de postos", "Salvar arquivo TEXTO de postos"},
                     {"vazoes|v", "Arquivo BINÁRIO de vazoes", "Salvar arquivo TEXTO de vazões"},
                     {"mlt|m", "Arquivo BINÁRIO de MLT", "Salvar arquivo TEXTO de MLT"}};
        for (const auto& p : pages)
            for (const char* how : {"accessible toggle", "toggle", "setChecked"})
                QTest::addRow("%s, %s", p.page, how)
                    << QString::fromUtf8(p.page) << QString::fromLatin1(how)
                    << QString::fromUtf8(p.label) << QString::fromUtf8(p.title);
    }
    void directionWithoutAClick() {
        // A screen reader's toggle action checks the item with no click: the page follows it.
        QFETCH(QString, page);
        QFETCH(QString, how);
        QFETCH(QString, label1);
        QFETCH(QString, saveTitle);
        const QString name = page.section('|', 0, 0);
        const QByteArray button = ("BTNgenerate_" + page.section('|', 1)).toLatin1();
        QRadioButton* toText =
            get<RadioGroup>(("RGR" + name).toLatin1())->findChildren<QRadioButton*>().at(1);
        if (how == "toggle") {
            toText->toggle();
        } else if (how == "setChecked") {
            toText->setChecked(true);
        } else {
            QAccessibleInterface* item = QAccessible::queryAccessibleInterface(toText);
            QVERIFY(item && item->actionInterface());
            QVERIFY(item->actionInterface()->actionNames().contains(
                QAccessibleActionInterface::toggleAction()));
            item->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
        }
        QVERIFY(toText->isChecked());
        QCOMPARE(text(button), QStringLiteral("Converter de BINÁRIO para Texto"));
        QCOMPARE(get<QLabel>(("LBL" + name).toLatin1())->text(), label1);
        get<QPushButton>(button)->click();
        QCOMPARE(dialogs.log(), QStringList{QStringLiteral("save: ") + saveTitle});
    }

    void seekDialogs_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("edit");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("filter");
        QTest::newRow("postos") << "BTNseek_p"
                                << "TXTpostosname"
                                << "Abrir arquivo Texto de POSTOS"
                                << "POSTOS|*.*";
        QTest::newRow("vazoes") << "BTNseek_v"
                                << "TXTvazoesname"
                                << "Abrir arquivo Texto de VAZOES"
                                << "VAZOES|*.*";
        QTest::newRow("mlt") << "BTNseek_m"
                             << "TXTmltname"
                             << "Abrir arquivo Texto de MLT"
                             << "MLT|*.*";
    }
    void seekDialogs() {
        QFETCH(QString, button);
        QFETCH(QString, edit);
        QFETCH(QString, title);
        QFETCH(QString, filter);
        // The title does not follow the direction.
        chooseDirection("RGRpostos", 1);
        auto* box = get<QLineEdit>(edit.toLatin1());
        box->setText(QStringLiteral("digitado"));
        dialogs.fileAnswers << QStringLiteral("/dados/ESCOLHIDO");
        get<QPushButton>(button.toLatin1())->click();
        QCOMPARE(box->text(), QStringLiteral("/dados/ESCOLHIDO"));
        get<QPushButton>(button.toLatin1())->click(); // cancelled: the text stays
        QCOMPARE(box->text(), QStringLiteral("/dados/ESCOLHIDO"));
        QCOMPARE(dialogs.events.size(), 2);
        QCOMPARE(dialogs.events.at(0).kind, QStringLiteral("open"));
        QCOMPARE(dialogs.events.at(0).text, title);
        QCOMPARE(dialogs.events.at(0).filter, filter);
    }

    void conversions_data() {
        QTest::addColumn<QString>("page"); // p, v or m
        QTest::addColumn<int>("direction");
        QTest::addColumn<QByteArray>("input");
        QTest::addColumn<QString>("saveTitle");
        QTest::addColumn<QString>("saveFilter");
        QTest::addColumn<QString>("success");
        QTest::addColumn<int>("outputSize");
        const QByteArray vazoes = "  1 1931" + QByteArray("    10").repeated(12) + "\r\n";
        const QByteArray mlt = "  1 " + QByteArray("    10").repeated(12) + "\r\n";
        QTest::newRow("Postos_TextToBin")
            << "p" << 0 << QByteArray("   1  RIO CLARO     1001  2001\r\n")
            << "Salvar arquivo BINÁRIO de postos"
            << "POSTOS.DAT(*.*)|*.*"
            << "Arquivo BINÁRIO de postos" << 12000;
        QTest::newRow("Postos_BinToText")
            << "p" << 1
            << QByteArray::fromStdString(std::string(12, 'N') + int32LE(1001) + int32LE(2005))
            << "Salvar arquivo TEXTO de postos"
            << "POSTOS(*.*)|*.*"
            << "Arquivo TEXTO de postos" << 32;
        QTest::newRow("Vazoes_TextToBin")
            << "v" << 0 << vazoes << "Salvar arquivo BINÁRIO de vazões"
            << "VAZOES.DAT(*.*)|*.*"
            << "Arquivo BINÁRIO de vazões" << 28800;
        QTest::newRow("Vazoes_BintoText")
            << "v" << 1 << QByteArray::fromStdString(int32LE(3)) + QByteArray(28796, '\0')
            << "Salvar arquivo TEXTO de vazões"
            << "VAZOES(*.*)|*.*"
            << "Arquivo TEXTO de vazões" << 82;
        QTest::newRow("Mlt_TextToBin") << "m" << 0 << mlt << "Salvar arquivo BINÁRIO de MLT"
                                       << "MLT.DAT(*.*)|*.*"
                                       << "Arquivo BINÁRIO de MLT" << 28800;
        QTest::newRow("Mlt_BinToText")
            << "m" << 1 << QByteArray(28800, '\0') << "Salvar arquivo TEXTO de MLT"
            << "MLT(*.*)|*.*"
            << "Arquivo TEXTO de MLT" << 600 * 78;
    }
    void conversions() {
        QFETCH(QString, page);
        QFETCH(int, direction);
        QFETCH(QByteArray, input);
        QFETCH(QString, saveTitle);
        QFETCH(QString, saveFilter);
        QFETCH(QString, success);
        QFETCH(int, outputSize);
        const QString name = page == "p" ? "postos" : page == "v" ? "vazoes" : "mlt";
        QVERIFY(writeBytes(path("ENTRADA"), input));
        QFile::remove(path("SAIDA"));
        get<QLineEdit>(("TXT" + name + "name").toLatin1())->setText(path("ENTRADA"));
        chooseDirection(("RGR" + name).toLatin1(), direction);
        dialogs.fileAnswers << path("SAIDA");
        get<QPushButton>(("BTNgenerate_" + page).toLatin1())->click();
        QCOMPARE(form->numPostos(), 600);
        QCOMPARE(dialogs.events.at(0).kind, QStringLiteral("save"));
        QCOMPARE(dialogs.events.at(0).text, saveTitle);
        QCOMPARE(dialogs.events.at(0).filter, saveFilter);
        QCOMPARE(dialogs.boxes(), QStringList{QStringLiteral("information: ") + success + " \"" +
                                              path("SAIDA") + "\" gerado com sucesso !"});
        QCOMPARE(readBytes(path("SAIDA")).size(), outputSize);
        // The same again in this run gives the same file.
        const QByteArray first = readBytes(path("SAIDA"));
        QFile::remove(path("SAIDA"));
        dialogs.fileAnswers << path("SAIDA");
        get<QPushButton>(("BTNgenerate_" + page).toLatin1())->click();
        QCOMPARE(readBytes(path("SAIDA")), first);
    }

    void seriesPageShowsAStation() {
        showSeries();
        QCOMPARE(dialogs.log(),
                 QStringList({"open: Abrir arquivo de VAZÕES", "open: Abrir arquivo de POSTOS",
                              "open: Abrir arquivo de MLT"}));
        for (const DialogEvent& e : dialogs.events)
            QCOMPARE(e.filter, QStringLiteral("(*)"));
        auto* list = get<QListWidget>("LSTstations");
        QCOMPARE(list->count(), 2);
        QCOMPARE(list->item(0)->text(), QStringLiteral("1 - FURNAS"));
        QCOMPARE(list->item(1)->text(), QStringLiteral("6 - ÉBANO"));
        QCOMPARE(get<QSpinBox>("SPNfrom")->value(), 1931);
        QCOMPARE(get<QSpinBox>("SPNto")->value(), 1933);
        QCOMPARE(monthlyFlows()->count(), 36);
        QCOMPARE(monthlyFlows()->at(0).y(), 10.0);

        // Another station: the chart, the profile and the table are drawn again for it.
        list->setCurrentRow(1);
        QCOMPARE(get<SeriesChartView>("CHTseries")->chart()->title(),
                 QStringLiteral("Posto 6 - ÉBANO: vazões mensais de 1931 a 1933"));
        QCOMPARE(monthlyFlows()->at(12).y(), 200.0);
        QStringList profile;
        for (const QAbstractSeries* series : get<SeriesChartView>("CHTprofile")->chart()->series())
            profile << series->name();
        QCOMPARE(profile, QStringList({"Mínimo a máximo", "Média", "MLT"}));
        // January: 3 years, mean 200, spread 100, MLT 25 % above; February: 50 and no MLT.
        QCOMPARE(QStringList({cell(0, 0), cell(0, 1), cell(0, 2), cell(0, 3), cell(0, 4),
                              cell(0, 9), cell(0, 10)}),
                 QStringList({"3", "200,00", "100,00", "100", "1931", "250 *", "25,00 *"}));
        QCOMPARE(cell(1, 9), QStringLiteral("0 *"));
        QCOMPARE(get<SeriesChartView>("CHTseries")->readOutAt(QPointF(1932.02, 0)),
                 QStringLiteral("Jan/1932: 200 m³/s"));
        QCOMPARE(
            get<SeriesChartView>("CHTprofile")->readOutAt(QPointF(0.1, 0)),
            QStringLiteral("Jan: média 200,00; mín. 100 (1931); máx. 300 (1933); MLT 250 m³/s"));

        // A period of the user's own holds when the station changes.
        get<QSpinBox>("SPNto")->setValue(1932);
        QCOMPARE(monthlyFlows()->count(), 24);
        QCOMPARE(cell(0, 1), QStringLiteral("150,00"));
        list->setCurrentRow(0);
        QCOMPARE(get<QSpinBox>("SPNto")->value(), 1932);
        QCOMPARE(monthlyFlows()->count(), 24);
        QVERIFY(dialogs.boxes().isEmpty());
    }

    void seriesReadFailureClearsThePage_data() {
        QTest::addColumn<QString>("mltBytes");
        QTest::addColumn<bool>("operation"); // the horizon of 320 checked before the press
        QTest::addColumn<QString>("message");
        QTest::newRow("MLT of two blocks")
            << "two blocks" << false << "warning: Arquivo \"%1\" tem mais de um bloco de MLT.";
        QTest::newRow("MLT missing") << "" << false << "warning: Arquivo %1 inexistente.";
        // The MLT of 600 stations under 320 is not whole blocks.
        QTest::newRow("horizon changed")
            << "kept" << true
            << "error: Erro no arquivo binário \"%1\": Read beyond end of file. O arquivo tem 28800 "
               "bytes, que não são um bloco de 15360 bytes (320 postos). O tamanho é o do bloco de "
               "600 postos.";
    }
    void seriesReadFailureClearsThePage() {
        QFETCH(QString, mltBytes);
        QFETCH(bool, operation);
        QFETCH(QString, message);
        showSeries();
        QFile::remove(path("M.bin"));
        if (mltBytes == "two blocks")
            QVERIFY(writeBytes(path("M.bin"), QByteArray(2 * 28800, '\0')));
        else if (mltBytes == "kept")
            QVERIFY(writeBytes(path("M.bin"), QByteArray(28800, '\0')));
        if (operation)
            get<QRadioButton>("RBTop")->click();
        get<QListWidget>("LSTstations")->setCurrentRow(1);
        dialogs.events.clear();
        get<QPushButton>("BTNshow_s")->click();
        QCOMPARE(dialogs.boxes(), QStringList{message.arg(path("M.bin"))});
        // Nothing of the earlier file stays on the page, nor can be saved.
        QCOMPARE(get<QListWidget>("LSTstations")->count(), 0);
        QVERIFY(get<SeriesChartView>("CHTseries")->chart()->series().isEmpty());
        QVERIFY(cell(0, 9).isEmpty());
        QVERIFY(!get<QPushButton>("BTNsave_series")->isEnabled());
        QVERIFY(!get<QPushButton>("BTNsave_profile")->isEnabled());
    }

    // The series page fits a 1280x720 screen without scroll bars, and the window it grew goes
    // back to its size on the other pages.
    void seriesPageFitsAndGivesTheRoomBack() {
        auto* pages = get<QTabWidget>("PageControl1");
        form->resize(640, 420);
        pages->setCurrentIndex(1);
        pages->setCurrentWidget(form->findChild<QWidget*>(QStringLiteral("TSHseries")));
        QVERIFY(form->size() != QSize(640, 420));
        pages->setCurrentIndex(1);
        QCOMPARE(form->size(), QSize(640, 420));

        form->resize(1280, 690); // a 1280x720 screen less the title bar
        showSeries();
        pages->setCurrentWidget(form->findChild<QWidget*>(QStringLiteral("TSHseries")));
        get<QTabWidget>("TABseries_views")->setCurrentIndex(2);
        QApplication::processEvents();
        auto* scroll = form->findChild<QWidget*>(QStringLiteral("TSHseries"))
                           ->findChild<QScrollArea*>();
        QCOMPARE(scroll->verticalScrollBar()->maximum(), 0);
        QCOMPARE(scroll->horizontalScrollBar()->maximum(), 0);
        auto* table = get<QTableWidget>("GRDstats");
        QCOMPARE(table->verticalScrollBar()->maximum(), 0);
        QCOMPARE(table->horizontalScrollBar()->maximum(), 0);
    }

    // A change of the inputs takes away what the page showed.
    void seriesClearedWhenInputsChange() {
        showSeries();
        QCOMPARE(get<QListWidget>("LSTstations")->count(), 2);
        get<QLineEdit>("TXTseries_m")->setText(path("outro"));
        QCOMPARE(get<QListWidget>("LSTstations")->count(), 0);
        QVERIFY(!get<QPushButton>("BTNsave_series")->isEnabled());
        showSeries();
        QCOMPARE(get<QListWidget>("LSTstations")->count(), 2);
        get<QRadioButton>("RBTop")->click();
        QCOMPARE(get<QListWidget>("LSTstations")->count(), 0);
    }

    // Qt's own buttons and dialogs speak Portuguese, as the window does.
    void qtTranslationsLoaded() {
        QVERIFY(installQtTranslations(*QCoreApplication::instance()));
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"),
                 QStringLiteral("Cancelar"));
    }

    void seriesWithoutStations() {
        // After a station was shown, a file of zeros leaves nothing to show or save.
        showSeries();
        dialogs.events.clear();
        get<QLineEdit>("TXTseries_v")->clear();
        get<QPushButton>("BTNshow_s")->click();
        QVERIFY(writeBytes(path("ZERO"), QByteArray(28800, '\0')));
        get<QLineEdit>("TXTseries_v")->setText(path("ZERO"));
        chooseDirection("RGRseries_v", 1);
        get<QPushButton>("BTNshow_s")->click();
        QCOMPARE(dialogs.boxes(),
                 QStringList({"warning: Informe o arquivo de VAZÕES.",
                              "information: Nenhum posto com vazões diferentes de 0 no arquivo " +
                                  path("ZERO") + "."}));
        QCOMPARE(get<QListWidget>("LSTstations")->count(), 0);
        QVERIFY(get<SeriesChartView>("CHTseries")->chart()->series().isEmpty());
        QVERIFY(cell(0, 0).isEmpty());
        QVERIFY(!get<QPushButton>("BTNsave_series")->isEnabled());
    }

    void seriesChartSaved_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("start");
        QTest::newRow("png") << "G.png" << QByteArray("\x89PNG");
        QTest::newRow("svg") << "G.SVG" << QByteArray("<?xml");
        QTest::newRow("pdf") << "G.pdf" << QByteArray("%PDF");
    }
    void seriesChartSaved() {
        QFETCH(QString, name);
        QFETCH(QByteArray, start);
        showSeries();
        dialogs.events.clear();
        dialogs.fileAnswers << path(name);
        get<QPushButton>("BTNsave_profile")->click();
        QCOMPARE(dialogs.log(),
                 QStringList({"save: Salvar gráfico do perfil sazonal",
                              "information: Gráfico \"" + path(name) + "\" gerado com sucesso !"}));
        QVERIFY(readBytes(path(name)).startsWith(start));
        // Only in the three formats.
        dialogs.events.clear();
        dialogs.fileAnswers << path("G.txt");
        get<QPushButton>("BTNsave_series")->click();
        QCOMPARE(dialogs.boxes(),
                 QStringList{"warning: O gráfico é salvo em PNG, SVG ou PDF: o "
                             "nome \"" +
                             path("G.txt") + "\" deve terminar em .png, .svg ou .pdf."});
        QVERIFY(!QFile::exists(path("G.txt")));
    }

    void horizonIsReadAtEachPress() {
        QVERIFY(writeBytes(path("VAZ"), "  1 1931" + QByteArray("     1").repeated(12)));
        get<QLineEdit>("TXTvazoesname")->setText(path("VAZ"));
        dialogs.fileAnswers << path("OUT");
        get<QPushButton>("BTNgenerate_v")->click();
        QCOMPARE(readBytes(path("OUT")).size(), 28800);
        get<QRadioButton>("RBTop")->click();
        QCOMPARE(form->numPostos(), 600); // not before the next press
        dialogs.fileAnswers << path("OUT");
        dialogs.confirmAnswers << true;
        get<QPushButton>("BTNgenerate_v")->click();
        QCOMPARE(form->numPostos(), 320);
        QCOMPARE(readBytes(path("OUT")).size(), 15360);
    }

    void cancelNoAndMissingInput() {
        QVERIFY(writeBytes(path("KEEP"), "guardado"));
        get<QLineEdit>("TXTmltname")->setText(path("nao_existe"));
        get<QPushButton>("BTNgenerate_m")->click(); // save dialog cancelled
        dialogs.fileAnswers << path("KEEP");
        dialogs.confirmAnswers << false;
        get<QPushButton>("BTNgenerate_m")->click(); // No at the question
        dialogs.fileAnswers << path("KEEP");
        dialogs.confirmAnswers << true;
        get<QPushButton>("BTNgenerate_m")->click(); // Yes, but the input is missing
        QCOMPARE(dialogs.log(),
                 QStringList({"save: Salvar arquivo BINÁRIO de MLT",
                              "save: Salvar arquivo BINÁRIO de MLT",
                              "confirm: " + overwriteQuestion(path("KEEP")),
                              "save: Salvar arquivo BINÁRIO de MLT",
                              "confirm: " + overwriteQuestion(path("KEEP")),
                              "warning: Arquivo " + path("nao_existe") + " inexistente."}));
        QCOMPARE(readBytes(path("KEEP")), QByteArray("guardado"));
    }

    void energiafListing() {
        QByteArray record(24000, '\0');
        const double v = 1234.5;
        std::memcpy(record.data(), &v, 8); // little-endian host, as the files
        QVERIFY(writeBytes(path("ENERGIAF.DAT"), record));
        form->setNumberLocale(QLocale(QLocale::Portuguese, QLocale::Brazil));
        dialogs.fileAnswers << path("ENERGIAF.DAT") << path("ENERGIAF.TXT");
        get<QPushButton>("BTNenergiaf")->click();
        QCOMPARE(dialogs.log(),
                 QStringList({"open: Abrir arquivo Binário de ENERGIAF (NEWAVE)",
                              "save: Salvar arquivo TEXTO de ENERGIAF",
                              "information: Arquivo TEXTO de ENERGIAF \"" + path("ENERGIAF.TXT") +
                                  "\" gerado com sucesso !"}));
        QCOMPARE(dialogs.events.at(0).filter, QStringLiteral("ENERGIAF|*.*"));
        QCOMPARE(dialogs.events.at(1).filter, QStringLiteral("ENERGIAF(*.*)|*.*"));
        const QList<QByteArray> lines = readBytes(path("ENERGIAF.TXT")).split('\n');
        QCOMPARE(lines.size(), 10); // nine lines and nothing after the last end
        QCOMPARE(lines.at(2).left(10), QByteArray("  1234,50 "));
    }

    void energiafFailures() {
        // A cancelled open dialog ends at once.
        get<QPushButton>("BTNenergiaf")->click();
        QCOMPARE(dialogs.log(), QStringList{"open: Abrir arquivo Binário de ENERGIAF (NEWAVE)"});
        // A missing input, after the overwrite question.
        QVERIFY(writeBytes(path("OLD.TXT"), "antigo"));
        dialogs = ScriptedDialogs();
        dialogs.fileAnswers << path("NAO_HA") << path("OLD.TXT");
        dialogs.confirmAnswers << true;
        get<QPushButton>("BTNenergiaf")->click();
        QCOMPARE(dialogs.boxes(),
                 QStringList({"confirm: " + overwriteQuestion(path("OLD.TXT")),
                              "warning: Arquivo " + path("NAO_HA") + " inexistente."}));
        // A length that is not whole records: the read error, and the old file stays.
        QVERIFY(writeBytes(path("CURTO.DAT"), QByteArray(24001, '\0')));
        dialogs = ScriptedDialogs();
        dialogs.fileAnswers << path("CURTO.DAT") << path("OLD.TXT");
        dialogs.confirmAnswers << true;
        get<QPushButton>("BTNenergiaf")->click();
        QCOMPARE(dialogs.events.last().kind, QStringLiteral("error"));
        QCOMPARE(dialogs.events.last().text, QStringLiteral("Read beyond end of file"));
        QCOMPARE(readBytes(path("OLD.TXT")), QByteArray("antigo"));
    }

    void auxiliaryOutputEqualToInput_data() {
        QTest::addColumn<QString>("button");
        QTest::newRow("energiaf") << "BTNenergiaf";
        QTest::newRow("energia") << "BTNenergiadc";
    }
    void auxiliaryOutputEqualToInput() {
        QFETCH(QString, button);
        QVERIFY(writeBytes(path("MESMO"), QByteArray(24000, '\0')));
        dialogs.fileAnswers << path("MESMO") << path("MESMO");
        dialogs.confirmAnswers << true;
        get<QPushButton>(button.toLatin1())->click();
        QCOMPARE(dialogs.boxes(),
                 QStringList{QStringLiteral(
                     "warning: Arquivo de saída não pode ser igual ao arquivo de entrada !")});
        QCOMPARE(readBytes(path("MESMO")), QByteArray(24000, '\0'));
    }

    void energiaFilter() {
        QVERIFY(writeBytes(path("ENERGIA"),
                           "   Subs        SE\r\n   1   100,0\r\n   EARM\r\n   2   200,0\r\n"));
        dialogs.fileAnswers << path("ENERGIA") << path("FILTRADO");
        get<QPushButton>("BTNenergiadc")->click();
        QCOMPARE(
            dialogs.log(),
            QStringList(
                {"open: Abrir arquivo TEXTO de ENERGIA (DECOMP)",
                 "save: Salvar arquivo TEXTO FILTRADO de ENERGIA (DECOMP)",
                 "information: Arquivo TEXTO de ENERGIA FILTRADO (DECOMP) \"" + path("FILTRADO") +
                     "\" gerado com sucesso !\n\r\n\rForam lidos somente:\"Dados de Energia "
                     "Natural Afluente para Acoplamento c/ Longo Prazo (MWmed)\"."}));
        QCOMPARE(dialogs.events.at(0).filter, QStringLiteral("ENERGIA|*.*"));
        QCOMPARE(dialogs.events.at(1).filter, QStringLiteral("ENERGIA(*.*)|*.*"));
        QCOMPARE(
            readBytes(path("FILTRADO")),
            QByteArray(
                " Sb      Cen  Sem_01   Sem_02   Sem_03   Sem_04   Sem_05   Mes_02   Mes_03\r\n"
                " SE     1   100,0\r\n"));
    }

    void energiaMissingInput_data() {
        QTest::addColumn<bool>("outputExists");
        QTest::newRow("output exists") << true;
        QTest::newRow("no output") << false;
    }
    void energiaMissingInput() {
        QFETCH(bool, outputExists);
        QFile::remove(path("FILTRADO"));
        if (outputExists)
            QVERIFY(writeBytes(path("FILTRADO"), "antigo"));
        dialogs.fileAnswers << path("NAO_HA") << path("FILTRADO");
        dialogs.confirmAnswers << true;
        get<QPushButton>("BTNenergiadc")->click();
        QCOMPARE(dialogs.events.last().kind, QStringLiteral("error"));
        QCOMPARE(dialogs.events.last().text, QStringLiteral("File not found"));
        QCOMPARE(QFile::exists(path("FILTRADO")), outputExists);
        if (outputExists)
            QCOMPARE(readBytes(path("FILTRADO")), QByteArray("antigo"));
    }

    void methodology_data() {
        QTest::addColumn<bool>("present");
        QTest::addColumn<bool>("opens");
        QTest::newRow("missing file") << false << true;
        QTest::newRow("the desktop refuses") << true << false;
        QTest::newRow("opened") << true << true;
    }
    void methodology() {
        QFETCH(bool, present);
        QFETCH(bool, opens);
        const QString folder = path(QStringLiteral("prog"));
        QDir(folder).removeRecursively();
        QDir().mkpath(folder);
        if (present)
            QVERIFY(writeBytes(folder + "/Metodologia.mdb", "doc"));
        form->setMethodologyDir(folder);
        dialogs.openDocumentAnswers << opens;
        get<QPushButton>("BTNmetod")->click();
        QStringList expected;
        if (present)
            expected << "document: " + folder + "/Metodologia.mdb";
        if (!present || !opens)
            expected << "error: Problema na inicialização da Metodologia.\n\rO arquivo "
                        "\"Metodologia.mdb\" "
                        "não encontra-se em " +
                            folder + "/.";
        QCOMPARE(dialogs.log(), expected);
    }

    void logoShowsTheCredit() {
        QTest::mouseDClick(get<QWidget>("Image1"), Qt::LeftButton);
        QCOMPARE(dialogs.events.size(), 1);
        QCOMPARE(dialogs.events.at(0).kind, QStringLiteral("information"));
        QVERIFY(dialogs.events.at(0).text.contains(QStringLiteral("Tobrel")));
    }

    void settingsRoundTrip_data() {
        QTest::addColumn<QString>("horizon"); // the button checked
        QTest::addColumn<QString>("page");
        QTest::addColumn<int>("direction"); // of every page
        QTest::newRow("320, Postos, to text") << "RBTop"
                                              << "TSHpostos" << 1;
        QTest::newRow("600, Séries, to binary") << "RBTplan"
                                                << "TSHseries" << 0;
    }
    void settingsRoundTrip() {
        QFETCH(QString, horizon);
        QFETCH(QString, page);
        QFETCH(int, direction);
        QFile::remove(settingsFile());
        QVERIFY(QDir().mkpath(path("in")) && QDir().mkpath(path("out")));
        reopenRemembering();
        get<QRadioButton>(qPrintable(horizon))->click();
        get<QTabWidget>("PageControl1")->setCurrentWidget(get<QWidget>(qPrintable(page)));
        for (const char* group : {"RGRpostos", "RGRvazoes", "RGRmlt"})
            chooseDirection(group, direction);
        dialogs.fileAnswers << path("in/VAZOES") << path("out/VAZOES.DAT");
        get<QPushButton>("BTNseek_v")->click();
        get<QPushButton>("BTNgenerate_v")->click(); // saved nothing: no such input

        reopenRemembering();
        QVERIFY(get<QRadioButton>(qPrintable(horizon))->isChecked());
        QCOMPARE(get<QTabWidget>("PageControl1")->currentWidget(), get<QWidget>(qPrintable(page)));
        for (const char* group : {"RGRpostos", "RGRvazoes", "RGRmlt"})
            QCOMPARE(get<RadioGroup>(group)->itemIndex(), direction);
        get<QPushButton>("BTNseek_m")->click();
        QCOMPARE(dialogs.events.last().folder, path("in"));
        get<QPushButton>("BTNgenerate_m")->click();
        QCOMPARE(dialogs.events.last().folder, path("out"));
    }

    void settingsUnusable_data() {
        QTest::addColumn<QByteArray>("file"); // empty: a folder in the file's place
        QTest::newRow("garbage") << QByteArray("\x00\xff[[=\n\x01\x02]\xfe=\x00\n[", 14);
        QTest::newRow("unknown values")
            << QByteArray("[General]\nhorizon=999\npage=nowhere\n[postos]\ndirection=sideways\n"
                          "[folders]\nopen=/no/such/folder\n");
        QTest::newRow("a folder, neither read nor written") << QByteArray();
    }
    void settingsUnusable() {
        QFETCH(QByteArray, file);
        QDir(path("settings")).removeRecursively();
        QVERIFY(QDir().mkpath(path("settings/Tobrel")));
        QVERIFY(file.isEmpty() ? QDir().mkpath(settingsFile()) : writeBytes(settingsFile(), file));
        reopenRemembering();
        QVERIFY(get<QRadioButton>("RBTplan")->isChecked());
        QCOMPARE(get<QTabWidget>("PageControl1")->currentWidget(), get<QWidget>("TSHvazoes"));
        for (const char* group : {"RGRpostos", "RGRvazoes", "RGRmlt"})
            QCOMPARE(get<RadioGroup>(group)->itemIndex(), 0);
        get<QPushButton>("BTNseek_p")->click();
        QCOMPARE(dialogs.events.last().folder, QString());
        form.reset(); // keeps what it can, and goes
    }

    void closeButtonClosesTheWindow() {
        get<QPushButton>("BTNclose")->click();
        QVERIFY(!form->isVisible());
    }
};

QTEST_MAIN(TstWindow)
#include "tst_window.moc"
