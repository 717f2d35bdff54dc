// The edit modes in the window, driven as a user drives them: Create, Change, Save, Cancel,
// Delete and the alteration command, with the files checked on disk.

#include "EditingSupport.h"
#include "EditorHarness.h"
#include "RegistryFixtures.h"
#include "editing/AlterationFile.h"
#include "editing/EditForm.h"
#include "registry/PlantCodec.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTableWidget>
#include <QtTest>
#include <cstring>

using Kind = ScriptedDialogs::Kind;
using RegistryFixtures::fullPlant;
using RegistryFixtures::plantNamed;

namespace {

QByteArray readFile(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QByteArray recordOf(const QByteArray& file, int code) {
    return file.mid(qsizetype(code - 1) * RecordSize, RecordSize);
}

// A plant of the fixtures that passes every rule (detailed sets need a non-zero A0).
TUsinaHd validPlant(const QString& name) {
    TUsinaHd p = fullPlant(name);
    for (int s = 0; s < p.NumConjMaq; ++s)
        p.PH[s][0] = 0.5f + float(s);
    return p;
}

QByteArray sampleRegistry() {
    TUsinaHd foz = validPlant("FOZ CLARA");
    foz.NumConjMaq = 1;
    foz.NumPolsJus = 1;
    return RegistryFixtures::registryBytes(10, {{1, validPlant("PEDRA ALTA")},
                                                {2, validPlant("RIO FUNDO")},
                                                {5, validPlant("SERRA AZUL")},
                                                {6, foz},
                                                {10, validPlant("CAUDAL")}});
}

int entryIndex(const QComboBox* list, int code) {
    for (int i = 0; i < list->count(); ++i)
        if (list->itemText(i).startsWith(QString::number(code) + " - "))
            return i;
    return -1;
}

void select(TFRMeditor& w, int code) {
    w.ui.ComboBox1->setCurrentIndex(entryIndex(w.ui.ComboBox1, code));
    emit w.ui.ComboBox1->activated(w.ui.ComboBox1->currentIndex());
}

// The entry of a selector that starts with the text.
void pick(QComboBox* combo, const QString& start) {
    for (int i = 0; i < combo->count(); ++i)
        if (combo->itemText(i).startsWith(start)) {
            combo->setCurrentIndex(i);
            return;
        }
    QFAIL(qPrintable("no entry " + start + " in " + combo->objectName()));
}

// Fills a new plant's form with values that pass every rule.
void fillNewPlant(TFRMeditor& w, const QString& code, const QString& name) {
    w.ui.TXT_Cod->setText(code);
    w.ui.TXT_Nome->setText(name);
    const QList<std::pair<QLineEdit*, const char*>> boxes = {
        {w.box("TXT_Posto"), "77"},     {w.box("TXT_Posto_BDH"), "123"},
        {w.box("TXT_VMax"), "500"},     {w.box("TXT_VMin"), "100"},
        {w.box("TXT_V_Vert"), "450"},   {w.box("TXT_V_CDesv"), "100"},
        {w.box("TXT_V_Ref"), "300"},    {w.box("TXT_Ymax"), "220"},
        {w.box("TXT_YMin"), "210.5"},   {w.box("TXT_JusNom"), "150"},
        {w.box("TXT_Resp"), "0.0091"},  {w.box("TXT_Phd"), "1.2"},
        {w.box("TXT_FatCgMax"), "100"}, {w.box("TXT_FatCgMin"), "30"},
        {w.box("TXT_TxSForc"), "1.5"},  {w.box("TXT_TxIndProg"), "3.25"},
        {w.box("TXT_QNaMH"), "12"},     {w.box("TXT_N_UBase"), "0"},
        {w.ui.TXT_Data, "07/2026"},     {w.ui.TXT_Obs, "nova usina"},
    };
    for (const auto& [box, text] : boxes)
        box->setText(QString::fromLatin1(text));
    setCell(w.ui.StrGr_PCVA, 0, 0, "205.5");
    setCell(w.ui.StrGr_PCVA, 1, 0, "1.5");
    for (int k = 1; k < 5; ++k) {
        setCell(w.ui.StrGr_PCVA, 0, k, "0");
        setCell(w.ui.StrGr_PCVA, 1, k, "0");
    }
    for (int m = 0; m < 12; ++m)
        setCell(w.ui.StrGr_EvapM, 0, m, QString::number(m));
    setCell(w.ui.StrGr_ConjMaq1, 0, 1, "2");
    setCell(w.ui.StrGr_ConjMaq1, 0, 2, "15.5");
    setCell(w.ui.StrGr_ConjMaq1, 0, 3, "40");
    setCell(w.ui.StrGr_ConjMaq1, 0, 4, "45.25");
    setCell(w.ui.StrGr_PolsJus, 0, 1, "148");
    pick(w.selector("CMBreg"), "D");
}

// The window's look while editing, or while browsing.
void verifyLook(TFRMeditor& w, bool editable) {
    QCOMPARE(!w.ui.BTNsavechange->isHidden(), editable);
    QCOMPARE(!w.ui.BTNcancelchange->isHidden(), editable);
    QCOMPARE(w.box("TXT_VMax")->isReadOnly(), !editable);
    QCOMPARE(w.box("TXT_VMax")->hasFrame(), editable);
    QCOMPARE(w.ui.TXT_Nome->isReadOnly(), !editable);
    for (const auto& [selector, box] : codedSelectorBoxes()) {
        QCOMPARE(!w.findChild<QComboBox*>(selector)->isHidden(), editable);
        QCOMPARE(!w.findChild<QLineEdit*>(box)->isHidden(), !editable);
    }
    // What leaves an edit stays on in it, and asks first.
    QVERIFY(w.ui.MnFileLoad->isEnabled());
    QVERIFY(w.ui.MnEditPlant->menuAction()->isEnabled());
    QVERIFY(w.ui.ComboBox1->isEnabled());
    QVERIFY(w.ui.Sinal->isEnabled());
    QCOMPARE(w.ui.StrGr_ConjMaq2->editTriggers() != QAbstractItemView::NoEditTriggers, editable);
}

// Names of the fields whose bytes differ between two records.
QStringList differingFields(const QByteArray& a, const QByteArray& b) {
    QStringList names;
    TUsinaHd probe;
    forEachPlantField(probe, [&](const char* name, auto&) {
        const FieldSpan span = plantFieldSpan(name);
        if (a.mid(span.offset, span.size) != b.mid(span.offset, span.size))
            names << QString::fromLatin1(name);
    });
    return names;
}

const QDateTime Clock(QDate(2026, 12, 8), QTime(6, 53, 14));

} // namespace

class TestEditWindow : public QObject {
    Q_OBJECT

    QString m_loaded;
    QByteArray m_loadedBytes;

    TFRMeditor& start(EditorHarness& h, const QByteArray& registry = sampleRegistry(),
                      const QLocale& locale = QLocale::c()) {
        m_loadedBytes = registry;
        m_loaded = h.writeFile("Cadastro.dat", registry);
        TFRMeditor& w = h.start({m_loaded}, locale);
        w.document().Now = [] { return Clock; };
        return w;
    }
    QString savedText(TFRMeditor& w) const {
        return w.ui.MnEditLanPort->isChecked() ? "Alteração gravada com sucesso !"
                                       : "File successfully updated !";
    }

private slots:
    // The rules speak the window's language through its catalogue.
    void messagesFollowTheLanguage() {
        EditorHarness h;
        h.writeFile("Cadastro.dat", sampleRegistry());
        TFRMeditor& w = h.start({h.path("Cadastro.dat")});
        QCOMPARE(w.document().lingua(), 1);
        QCOMPARE(w.document().messages().text(w.document().lingua(), 6), EditingSupport::validationText(1, 6));
        w.ui.MnEditLanEng->trigger();
        QCOMPARE(w.document().messages().text(w.document().lingua(), 6), EditingSupport::validationText(2, 6));
        QCOMPARE(w.document().messages().text(w.document().lingua(), 44), EditingSupport::validationText(2, 44));
    }

    // Change: the destination asked once, the bare numbers, the selectors, the grids; Save
    // writes the destination and the scratch copy, never the loaded file.
    void changeAndSave() {
        EditorHarness h;
        TFRMeditor& w = start(h);
        select(w, 2);
        QCOMPARE(w.box("TXT_VMin")->text(), QString("1974.50   hm3"));
        const QString dest = h.path("HIDR_A.DAT");
        h.dialogs.saveFileAnswers.enqueue(dest);
        w.ui.MnEditPlantChange->trigger();
        QCOMPARE(h.dialogs.count(Kind::SaveFile), 1);
        QCOMPARE(h.dialogs.saveRequests[0].proposedName, QString("HIDR_20261208_065314.DAT"));
        QVERIFY(h.dialogs.saveRequests[0].confirmOverwrite);
        QCOMPARE(w.document().destFileName(), dest);
        verifyLook(w, true);
        QVERIFY(!w.ui.TXT_Cod->isEnabled());
        QCOMPARE(w.box("TXT_VMin")->text(), QString("1974.50"));
        QCOMPARE(w.box("TXT_Ymax")->text(), QString("768.00"));
        QCOMPARE(w.box("TXT_Resp")->text(), QString("0.008700"));
        QCOMPARE(w.box("TXT_JusNom")->text(), QString("667.45"));
        QCOMPARE(w.box("TXT_TxSForc")->text(), QString("2.345"));
        QCOMPARE(w.box("TXT_QNaMH")->text(), QString("187"));
        QCOMPARE(w.box("TXT_Phd")->text(), QString("1.50"));
        QCOMPARE(w.ui.StrGr_ConjMaq1->rowCount(), 5);
        QCOMPARE(w.ui.StrGr_ConjMaq2->rowCount(), 15);
        QCOMPARE(w.ui.StrGr_PolsJus->rowCount(), 6);
        QCOMPARE(cellText(w.ui.StrGr_ConjMaq1, 3, 0), QString("4"));
        QCOMPARE(cellText(w.ui.StrGr_ConjMaq2, 13, 1), QString("QHG"));
        QCOMPARE(cellText(w.ui.StrGr_PolsJus, 4, 0), QString("5"));
        QCOMPARE(cellText(w.ui.StrGr_PolsJus, 4, 3), QString("0"));
        QCOMPARE(w.selector("CMBjusante")->currentText(), QString("6 - FOZ CLARA"));
        QCOMPARE(w.selector("CMBsistema")->currentText(), QString("1 - Sudeste"));
        QCOMPARE(w.selector("CMBreg")->currentText(), QString("M - Mensal"));
        QCOMPARE(w.selector("CMBrepgrger")->currentText(), QString("1 - Det."));

        w.box("TXT_VMax")->setText("23000.00");
        pick(w.selector("CMBreg"), "S");
        QTest::mouseClick(w.ui.BTNsavechange, Qt::LeftButton);
        QCOMPARE(h.dialogs.messageLines(), QStringList{"information: " + savedText(w)});
        verifyLook(w, false);
        QCOMPARE(readFile(m_loaded), m_loadedBytes);
        const QByteArray out = readFile(dest);
        QCOMPARE(readFile(h.path("AuxCad.cad")), out);
        TUsinaHd stored;
        decodePlant(recordOf(out, 2).constData(), RecordSize, stored);
        QCOMPARE(stored.VolMax, 23000.0f);
        QCOMPARE(stored.Reg, 'S');
        QCOMPARE(stored.VolMin, 1974.5f);
        for (int k : {1, 3, 4, 5, 6, 7, 8, 9, 10})
            QCOMPARE(recordOf(out, k), recordOf(m_loadedBytes, k));
        QCOMPARE(w.windowTitle(), languageTitle(Language::Portuguese) + " - " + dest);
        QCOMPARE(w.document().registryFileName(), h.path("AuxCad.cad"));
        QCOMPARE(w.ui.ComboBox1->currentText(), QString("2 - RIO FUNDO"));
        QCOMPARE(w.box("TXT_VMax")->text(), QString("23000.00   hm3"));
        QCOMPARE(w.document().currentCode(), 2);
        QVERIFY(w.ui.MnEditSearchCode->isChecked());

        // A second change of another plant: no question, both changes in the destination.
        select(w, 5);
        w.ui.MnEditPlantChange->trigger();
        QCOMPARE(h.dialogs.count(Kind::SaveFile), 1);
        w.box("TXT_Posto")->setText("999");
        QTest::mouseClick(w.ui.BTNsavechange, Qt::LeftButton);
        const QByteArray out2 = readFile(dest);
        decodePlant(recordOf(out2, 5).constData(), RecordSize, stored);
        QCOMPARE(stored.Posto, 999);
        decodePlant(recordOf(out2, 2).constData(), RecordSize, stored);
        QCOMPARE(stored.VolMax, 23000.0f);
        QCOMPARE(readFile(h.path("AuxCad.cad")), out2);
        QCOMPARE(readFile(m_loaded), m_loadedBytes);

        // The scratch copy goes with the window; the destination and the loaded file stay.
        h.destroy();
        QVERIFY(!QFile::exists(h.path("AuxCad.cad")));
        QCOMPARE(readFile(dest), out2);
        QCOMPARE(readFile(m_loaded), m_loadedBytes);
    }

    // The destination is asked for once per loaded registry: loading another asks again, and
    // the newly loaded file is the one refused.
    void destinationPerLoadedRegistry() {
        EditorHarness h;
        TFRMeditor& w = start(h);
        select(w, 2);
        h.dialogs.saveFileAnswers.enqueue(h.path("D1.DAT"));
        w.ui.MnEditPlantChange->trigger();
        w.ui.BTNsavechange->click();
        const QString second = h.writeFile("Segundo.dat", sampleRegistry());
        h.dialogs.openFileAnswers.enqueue(second);
        w.ui.MnFileLoad->trigger();
        QVERIFY(w.document().destFileName().isEmpty());
        select(w, 5);
        h.dialogs.clear();
        h.dialogs.saveFileAnswers.enqueue(second);
        w.ui.MnEditPlantChange->trigger();
        QCOMPARE(h.dialogs.count(Kind::SaveFile), 1);
        QCOMPARE(h.dialogs.count(Kind::Warning), 1);
        verifyLook(w, false);
        h.dialogs.saveFileAnswers.enqueue(h.path("D2.DAT"));
        w.ui.MnEditPlantChange->trigger();
        w.box("TXT_Posto")->setText("8");
        w.ui.BTNsavechange->click();
        TUsinaHd stored;
        decodePlant(recordOf(readFile(h.path("D2.DAT")), 5).constData(), RecordSize, stored);
        QCOMPARE(stored.Posto, 8);
        QCOMPARE(readFile(second), sampleRegistry());
        QCOMPARE(readFile(h.path("AuxCad.cad")), readFile(h.path("D2.DAT")));
    }

    // After stores, a store that fails drops the destination; the file loaded at the start is
    // still refused when the next one is chosen.
    void loadedRefusedAfterAFailedStore() {
        EditorHarness h;
        TFRMeditor& w = start(h);
        select(w, 2);
        QVERIFY(QDir(h.path("")).mkdir("out"));
        h.dialogs.saveFileAnswers.enqueue(h.path("out/D.DAT"));
        w.ui.MnEditPlantChange->trigger();
        w.ui.BTNsavechange->click();
        QCOMPARE(w.document().registryFileName(), h.path("AuxCad.cad"));
        select(w, 5);
        w.ui.MnEditPlantChange->trigger();
        QVERIFY(QDir(h.path("out")).removeRecursively());
        w.ui.BTNsavechange->click();
        QVERIFY(w.document().destFileName().isEmpty());
        h.dialogs.clear();
        h.dialogs.saveFileAnswers.enqueue(m_loaded);
        w.ui.BTNsavechange->click();
        QCOMPARE(h.dialogs.messageLines(),
                 QStringList{"warning: Arquivo de Destino não pode ser igual ao Arquivo de "
                             "Origem !"});
        verifyLook(w, true);
        QCOMPARE(readFile(m_loaded), m_loadedBytes);
    }

    // A left-over scratch copy opened as the registry is never written over: the destination
    // becomes the registry in use.
    void loadedScratchCopyStays() {
        EditorHarness h;
        m_loadedBytes = sampleRegistry();
        const QString aux = h.writeFile("AuxCad.cad", m_loadedBytes);
        TFRMeditor& w = h.start({aux});
        select(w, 2);
        h.dialogs.saveFileAnswers.enqueue(h.path("D.DAT"));
        w.ui.MnEditPlantChange->trigger();
        w.box("TXT_Posto")->setText("3");
        w.ui.BTNsavechange->click();
        QCOMPARE(h.dialogs.count(Kind::Information), 1);
        QCOMPARE(readFile(aux), m_loadedBytes);
        QCOMPARE(w.document().registryFileName(), h.path("D.DAT"));
        QCOMPARE(w.ui.ComboBox1->currentText(), QString("2 - RIO FUNDO"));
    }

    // The grids take typing while editing, and only then.
    void gridsTakeTyping() {
        EditorHarness h;
        TFRMeditor& w = start(h);
        select(w, 2);
        // F2 opens the cell's editor, which then takes the keys; Return commits them.
        const auto typeInto = [&](QTableWidget* grid, int row, int column, const QString& keys) {
            w.activateWindow();
            grid->setFocus();
            grid->setCurrentCell(row, column);
            QTest::keyClick(grid, Qt::Key_F2);
            QWidget* editor = QApplication::focusWidget();
            if (!editor || editor == grid)
                return;
            QTest::keyClick(editor, Qt::Key_A, Qt::ControlModifier);
            QTest::keyClicks(editor, keys);
            QTest::keyClick(editor, Qt::Key_Return);
            QCoreApplication::processEvents(); // the delegate commits on a queued call
        };
        typeInto(w.ui.StrGr_PolsJus, 0, 6, "9");
        QCOMPARE(cellText(w.ui.StrGr_PolsJus, 0, 6), QString("668.00"));
        h.dialogs.saveFileAnswers.enqueue(h.path("D.DAT"));
        w.ui.MnEditPlantChange->trigger();
        typeInto(w.ui.StrGr_PolsJus, 0, 6, "670.5");
        QCOMPARE(cellText(w.ui.StrGr_PolsJus, 0, 6), QString("670.5"));
        typeInto(w.ui.StrGr_PCVA, 1, 4, "7");
        QCOMPARE(cellText(w.ui.StrGr_PCVA, 1, 4), QString("7"));
        w.ui.BTNsavechange->click();
        TUsinaHd stored;
        decodePlant(recordOf(readFile(h.path("D.DAT")), 2).constData(), RecordSize, stored);
        QCOMPARE(stored.PolJusRef[0], 670.5f);
        QCOMPARE(stored.PAC[4], 7.0);
    }

    // Changed only in its name, a plant keeps a subsystem 0, a blank regulation letter and
    // every float bit for bit.
    void untouchedValuesStay_data() {
        QTest::addColumn<QString>("locale");
        QTest::newRow("point") << "C";
        QTest::newRow("comma") << "pt_BR";
    }
    void untouchedValuesStay() {
        QFETCH(QString, locale);
        TUsinaHd odd = validPlant("ODD");
        odd.Sistema = 0;
        odd.Reg = ' ';
        odd.Empresa = 7;
        odd.VolMin = 1974.4567f;
        odd.ProdEsp = 0.00873219f;
        odd.TEIF = 2.34567f;
        odd.PCV[1] = 3.51928765e-3f;
        odd.PolJusRef[0] = 668.123f;
        EditorHarness h;
        TFRMeditor& w =
            start(h, RegistryFixtures::registryBytes(4, {{3, odd}, {1, fullPlant("UM")}}),
                  QLocale(locale));
        select(w, 3);
        h.dialogs.saveFileAnswers.enqueue(h.path("DEST.DAT"));
        w.ui.MnEditPlantChange->trigger();
        QCOMPARE(w.selector("CMBsistema")->currentText(), QString("0 - "));
        QCOMPARE(w.selector("CMBempresa")->currentText(), QString("7 - "));
        QCOMPARE(w.selector("CMBreg")->currentText(), QString("  - "));
        w.ui.TXT_Nome->setText("ODDITY");
        w.ui.BTNsavechange->click();
        QCOMPARE(h.dialogs.messageLines(), QStringList{"information: " + savedText(w)});
        TUsinaHd expected = odd;
        std::memcpy(expected.Nome.data(), "ODDITY      ", 12);
        const QStringList differing =
            differingFields(recordOf(readFile(h.path("DEST.DAT")), 3), encodePlant(expected));
        QVERIFY2(differing.isEmpty(), qPrintable(differing.join(", ")));
    }

    // Create: the empty form with its layout; Save stores the new plant at its code.
    void createAndSave() {
        EditorHarness h;
        TFRMeditor& w = start(h);
        select(w, 2);
        h.dialogs.saveFileAnswers.enqueue(h.path("NOVO.DAT"));
        w.ui.MnEditPlantCreate->trigger();
        QVERIFY(w.ui.MnEditPlantCreate->isChecked());
        verifyLook(w, true);
        QVERIFY(w.ui.TXT_Cod->isEnabled());
        QCOMPARE(w.ui.TXT_Nome->text(), QString());
        QCOMPARE(w.box("TXT_VMax")->text(), QString());
        QCOMPARE(w.box("TXT_NGrMaq")->text(), QString("1"));
        QCOMPARE(w.box("TXT_NKeyCur")->text(), QString("1"));
        for (int r = 0; r < 5; ++r) {
            QCOMPARE(cellText(w.ui.StrGr_ConjMaq1, r, 0), QString::number(r + 1));
            QCOMPARE(cellText(w.ui.StrGr_ConjMaq1, r, 4), QString("0"));
        }
        QCOMPARE(cellText(w.ui.StrGr_ConjMaq2, 0, 1), QString("QHT"));
        QCOMPARE(cellText(w.ui.StrGr_ConjMaq2, 1, 1), QString("QHG"));
        QCOMPARE(cellText(w.ui.StrGr_ConjMaq2, 14, 1), QString("PH"));
        QCOMPARE(cellText(w.ui.StrGr_ConjMaq2, 14, 0), QString("5"));
        QCOMPARE(cellText(w.ui.StrGr_PolsJus, 5, 0), QString("6"));
        QCOMPARE(cellText(w.ui.StrGr_PolsJus, 5, 6), QString("0"));
        QCOMPARE(cellText(w.ui.StrGr_PCVA, 0, 0), QString());
        QCOMPARE(cellText(w.ui.StrGr_EvapM, 0, 11), QString());
        QCOMPARE(w.selector("CMBjusante")->currentText(), QString("0 - NÃO HÁ"));
        QCOMPARE(w.selector("CMBdesvio")->currentText(), QString("0 - NÃO HÁ"));
        QCOMPARE(w.selector("CMBreg")->currentText(), QString("M - Mensal"));
        QCOMPARE(w.selector("CMBvicf")->currentText(), QString("0 - No"));
        QCOMPARE(w.selector("CMBtp_perda")->currentText(), QString("1 - %"));
        QCOMPARE(w.selector("CMBrepgrger")->currentText(), QString("0 - Aprox."));
        QCOMPARE(w.selector("CMBsistema")->currentText(), QString("1 - Sudeste"));
        QCOMPARE(w.selector("CMBempresa")->currentText(), QString("11 - Escelsa"));
        QCOMPARE(w.selector("CMBtipo_turb")->currentText(), QString("0 - NÃO HÁ"));

        fillNewPlant(w, "7", "nova");
        QCOMPARE(w.ui.TXT_Nome->text(), QString("nova")); // setText is no typing
        QTest::keyClicks(w.ui.TXT_Nome, "ta");
        QCOMPARE(w.ui.TXT_Nome->text(), QString("NOVATA"));
        w.ui.BTNsavechange->click();
        QCOMPARE(h.dialogs.messageLines(), QStringList{"information: " + savedText(w)});
        QVERIFY(!w.ui.MnEditPlantCreate->isChecked());
        verifyLook(w, false);
        const QByteArray out = readFile(h.path("NOVO.DAT"));
        TUsinaHd stored;
        decodePlant(recordOf(out, 7).constData(), RecordSize, stored);
        QCOMPARE(QByteArray(stored.Nome.data(), 12), QByteArray("NOVATA      "));
        QCOMPARE(QByteArray(stored.PostoBDH.data(), 8), QByteArray("123     "));
        QCOMPARE(stored.Reg, 'D');
        QCOMPARE(stored.CotaMin, 210.5f);
        QCOMPARE(stored.NumConjMaq, 1);
        QCOMPARE(stored.HEf[0], 45.25f);
        QCOMPARE(stored.PotEf[1], 0.0f);
        QCOMPARE(stored.EvapMen[11], 11);
        QCOMPARE(w.document().currentCode(), 7);
        QCOMPARE(w.ui.ComboBox1->currentText(), QString("7 - NOVATA"));
        QCOMPARE(w.box("TXT_VMax")->text(), QString("500.00   hm3"));
        QCOMPARE(readFile(m_loaded), m_loadedBytes);
    }

    // A taken code is refused at Save too, without leaving the box; nothing is written.
    void createTakenCode() {
        EditorHarness h;
        TFRMeditor& w = start(h);
        h.dialogs.saveFileAnswers.enqueue(h.path("NOVO.DAT"));
        w.ui.MnEditPlantCreate->trigger();
        fillNewPlant(w, "005", "OUTRA");
        h.dialogs.clear();
        w.ui.BTNsavechange->click();
        QCOMPARE(h.dialogs.messageLines(),
                 QStringList{"warning: O Código 005 já existe, e corresponde à usina \"5 - "
                             "SERRA AZUL\". Favor escolher outro código."});
        QVERIFY(w.ui.MnEditPlantCreate->isChecked());
        verifyLook(w, true);
        QVERIFY(!QFile::exists(h.path("NOVO.DAT")));
        QVERIFY(w.ui.TXT_Cod->isEnabled()); // still open for another code
        w.ui.TXT_Cod->setText("8");
        h.dialogs.clear();
        w.ui.BTNsavechange->click();
        QCOMPARE(h.dialogs.messageLines(), QStringList{"information: " + savedText(w)});
        QCOMPARE(recordOf(readFile(h.path("NOVO.DAT")), 5), recordOf(m_loadedBytes, 5));
        QCOMPARE(w.ui.ComboBox1->currentText(), QString("8 - OUTRA"));
    }

    // An invalid form: every failed rule in order, the check's end, nothing written; the
    // boxes keep what was typed, press after press.
    void invalidForm() {
        EditorHarness h;
        TFRMeditor& w = start(h);
        w.ui.MnEditLanEng->trigger();
        select(w, 2);
        h.dialogs.saveFileAnswers.enqueue(h.path("D.DAT"));
        w.ui.MnEditPlantChange->trigger();
        w.ui.TXT_Nome->setText("ABC");
        w.box("TXT_VMin")->setText("30000");
        w.box("TXT_Posto")->setText("");
        for (int i = 0; i < 3; ++i)
            w.ui.BTNsavechange->click();
        const QString warn = "warning: ";
        const QString e2 = EditingSupport::validationText(2, 2);
        const QString e44 = "plain: " + EditingSupport::validationText(2, 44);
        QCOMPARE(h.dialogs.messageLines(),
                 QStringList({warn + e2, e44, warn + e2, e44, warn + e2, e44}));
        QCOMPARE(w.ui.TXT_Nome->text(), QString("ABC"));
        QCOMPARE(w.ui.TXT_Obs->text(), w.document().shownForEdit()->texts.box("TXT_Obs"));
        verifyLook(w, true);
        QVERIFY(!QFile::exists(h.path("D.DAT")));
        w.box("TXT_Posto")->setText("156");
        h.dialogs.clear();
        w.ui.BTNsavechange->click();
        QCOMPARE(h.dialogs.messageLines(),
                 QStringList({warn + EditingSupport::validationText(2, 6),
                              warn + EditingSupport::validationText(2, 7),
                              warn + EditingSupport::validationText(2, 46)}));
        w.box("TXT_VMin")->setText("1974.50");
        h.dialogs.clear();
        w.ui.BTNsavechange->click();
        QCOMPARE(h.dialogs.count(Kind::Information), 1);
        TUsinaHd stored;
        decodePlant(recordOf(readFile(h.path("D.DAT")), 2).constData(), RecordSize, stored);
        QCOMPARE(QByteArray(stored.Nome.data(), 12), QByteArray("ABC         "));
    }

    // A cell that only the building converts: its error in the window's language, and the
    // edit goes on.
    void buildingError() {
        EditorHarness h;
        TFRMeditor& w = start(h);
        select(w, 1);
        h.dialogs.saveFileAnswers.enqueue(h.path("D.DAT"));
        w.ui.MnEditPlantChange->trigger();
        setCell(w.ui.StrGr_EvapM, 0, 4, "57.5");
        w.ui.BTNsavechange->click();
        w.ui.MnEditLanEng->trigger();
        setCell(w.ui.StrGr_EvapM, 0, 4, ""); // an empty cell no rule checks
        w.ui.BTNsavechange->click();
        QCOMPARE(h.dialogs.messageLines(),
                 QStringList({"error: '57.5' não é um valor inteiro válido",
                              "error: '' is not a valid integer value"}));
        verifyLook(w, true);
        QVERIFY(!QFile::exists(h.path("D.DAT")));
    }

    void cancel() {
        EditorHarness h;
        TFRMeditor& w = start(h);
        select(w, 5);
        h.dialogs.saveFileAnswers.enqueue(h.path("D.DAT"));
        w.ui.MnEditPlantChange->trigger();
        w.box("TXT_VMax")->setText("1");
        w.ui.BTNcancelchange->click();
        verifyLook(w, false);
        QCOMPARE(w.ui.ComboBox1->currentText(), QString("5 - SERRA AZUL"));
        QCOMPARE(w.box("TXT_VMax")->text(), QString("22950.00   hm3"));
        w.ui.MnEditPlantCreate->trigger(); // the destination stays chosen
        QCOMPARE(h.dialogs.count(Kind::SaveFile), 1);
        QVERIFY(w.ui.MnEditPlantCreate->isChecked());
        w.ui.BTNcancelchange->click();
        QVERIFY(!w.ui.MnEditPlantCreate->isChecked());
        QCOMPARE(w.ui.ComboBox1->currentText(), QString("5 - SERRA AZUL"));
        QCOMPARE(w.ui.TXT_Nome->text(), QString("SERRA AZUL  "));
        QCOMPARE(w.ui.TXT_Cod->text(), QString("5"));
        QVERIFY(!QFile::exists(h.path("D.DAT")));
        QVERIFY(h.dialogs.messageLines().isEmpty());
    }

    // A new plant's taken code: one box when the box is left for another, none on the way
    // to Cancel; a refused Save leaves the code open to correction.
    void createCodeBox() {
        EditorHarness h;
        TFRMeditor& w = start(h);
        w.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        h.dialogs.saveFileAnswers.enqueue(h.path("NOVO.DAT"));
        w.ui.MnEditPlantCreate->trigger();
        QTest::keyClicks(w.ui.TXT_Cod, "5");
        w.ui.TXT_Nome->setFocus();
        QVERIFY(w.ui.TXT_Cod->hasFocus());
        QTest::mouseClick(w.ui.BTNcancelchange, Qt::LeftButton);
        QCOMPARE(h.dialogs.count(Kind::Warning), 1);
        w.ui.MnEditPlantCreate->trigger();
        fillNewPlant(w, "7", "NOVA");
        w.box("TXT_Posto")->clear();
        w.ui.BTNsavechange->click();
        QVERIFY(w.ui.TXT_Cod->isEnabled());
        QCOMPARE(w.ui.TXT_Nome->text(), QString("NOVA"));
    }

    // The loaded registry, directly or through a link, and the scratch copy are refused.
    void destinationRefused_data() {
        QTest::addColumn<QString>("chosen");
        QTest::newRow("the loaded file") << "Cadastro.dat";
        QTest::newRow("a link to it") << "link.dat";
        QTest::newRow("the scratch copy") << "AuxCad.cad";
    }
    void destinationRefused() {
        QFETCH(QString, chosen);
        EditorHarness h;
        TFRMeditor& w = start(h);
        QVERIFY(QFile::link(m_loaded, h.path("link.dat")));
        select(w, 2);
        h.dialogs.saveFileAnswers.enqueue(h.path(chosen));
        w.ui.MnEditPlantChange->trigger();
        QCOMPARE(h.dialogs.messageLines(),
                 QStringList{"warning: Arquivo de Destino não pode ser igual ao Arquivo de "
                             "Origem !"});
        verifyLook(w, false);
        QVERIFY(w.document().destFileName().isEmpty());
        h.dialogs.saveFileAnswers.enqueue(h.path(chosen));
        w.ui.MnEditPlantCreate->trigger();
        QVERIFY(!w.ui.MnEditPlantCreate->isChecked());
        verifyLook(w, false);
        QCOMPARE(readFile(m_loaded), m_loadedBytes);
    }

    // The texts of Change without a plant and of the successes follow the language item.
    void languageTexts_data() {
        QTest::addColumn<bool>("english");
        QTest::addColumn<QString>("nothingShown");
        QTest::addColumn<QString>("saved");
        QTest::addColumn<QString>("deleted");
        QTest::newRow("Portuguese") << false << "Selecione alguma Usina para Alterar ;-("
                                    << "Alteração gravada com sucesso !"
                                    << "Alteração gravada com sucesso ! Até breve !";
        QTest::newRow("English") << true << "You\u00B4ve gotta select a Plant to change ;-("
                                 << "File successfully updated !"
                                 << "File successfully updated ! See you soon !";
    }
    void languageTexts() {
        QFETCH(bool, english);
        QFETCH(QString, nothingShown);
        QFETCH(QString, saved);
        QFETCH(QString, deleted);
        EditorHarness h;
        TFRMeditor& w = start(h);
        if (english)
            w.ui.MnEditLanEng->trigger();
        w.ui.TXT_Nome->clear();
        w.ui.MnEditPlantChange->trigger();
        QCOMPARE(h.dialogs.messageLines(), QStringList{"warning: " + nothingShown});
        QCOMPARE(h.dialogs.count(Kind::SaveFile), 0);
        verifyLook(w, false);
        select(w, 2);
        h.dialogs.clear();
        h.dialogs.saveFileAnswers.enqueue(h.path("D.DAT"));
        w.ui.MnEditPlantChange->trigger();
        w.ui.BTNsavechange->click();
        // The title names the destination, after the language's title.
        const Language language = english ? Language::English : Language::Portuguese;
        QCOMPARE(w.windowTitle(), languageTitle(language) + " - " + h.path("D.DAT"));
        h.dialogs.inputAnswers.enqueue(QString("10"));
        w.ui.MnEditPlantDel->trigger();
        QCOMPARE(h.dialogs.messageLines(),
                 QStringList({"information: " + saved, "information: " + deleted}));
    }

    // Leaving an edit mode without a registry loaded leaves Export and Search off.
    void noRegistryLoaded() {
        EditorHarness h;
        h.dialogs.openFileAnswers.enqueue(QString());
        TFRMeditor& w = h.start();
        QVERIFY(!w.ui.MnEditPlantCreateFrom->isEnabled()); // no plant shown to start from
        h.dialogs.saveFileAnswers.enqueue(h.path("D.DAT"));
        w.ui.MnEditPlantCreate->trigger();
        verifyLook(w, true);
        w.ui.BTNcancelchange->click();
        QVERIFY(!w.ui.MnFileExp->isEnabled());
        QVERIFY(!w.ui.MnEditSearch->menuAction()->isEnabled());
        QVERIFY(w.ui.MnFileLoad->isEnabled());
    }

    // The destination cannot be written: nothing adopted, the edit goes on, and the next
    // Save asks for a destination first.
    void destinationUnwritable() {
        EditorHarness h;
        TFRMeditor& w = start(h);
        select(w, 2);
        QVERIFY(QDir(h.path("")).mkdir("out"));
        h.dialogs.saveFileAnswers.enqueue(h.path("out/D.DAT"));
        w.ui.MnEditPlantChange->trigger();
        QVERIFY(QDir(h.path("")).rmdir("out")); // the folder went away
        const QString titleBefore = w.windowTitle();
        w.box("TXT_Posto")->setText("321");
        w.ui.BTNsavechange->click();
        QCOMPARE(h.dialogs.messageLines(),
                 QStringList{"plain: Novo Cadastro de Usinas: Arquivo não pode ser gravado!"});
        verifyLook(w, true);
        QCOMPARE(w.box("TXT_Posto")->text(), QString("321"));
        QVERIFY(w.document().destFileName().isEmpty());
        QCOMPARE(w.document().registryFileName(), m_loaded);
        QCOMPARE(w.windowTitle(), titleBefore);
        QVERIFY(!QFile::exists(h.path("AuxCad.cad")));
        QCOMPARE(w.ui.ComboBox1->count(), 5);
        h.dialogs.clear();
        h.dialogs.saveFileAnswers.enqueue(h.path("D2.DAT"));
        w.ui.BTNsavechange->click();
        QCOMPARE(h.dialogs.count(Kind::SaveFile), 1);
        QCOMPARE(h.dialogs.count(Kind::Information), 1);
        TUsinaHd stored;
        decodePlant(recordOf(readFile(h.path("D2.DAT")), 2).constData(), RecordSize, stored);
        QCOMPARE(stored.Posto, 321);
    }

    // The scratch copy cannot be written: the destination becomes the registry in use, and
    // the next store rebuilds it from itself.
    void scratchCopyUnwritable() {
        EditorHarness h;
        TFRMeditor& w = start(h);
        QVERIFY(QDir(h.path("")).mkdir("AuxCad.cad")); // the place is taken by a folder
        select(w, 2);
        const QString dest = h.path("D.DAT");
        h.dialogs.saveFileAnswers.enqueue(dest);
        w.ui.MnEditPlantChange->trigger();
        w.box("TXT_Posto")->setText("4");
        w.ui.BTNsavechange->click();
        QCOMPARE(
            h.dialogs.messageLines(),
            QStringList({"plain: Cópia de trabalho " + h.path("AuxCad.cad") +
                             " não pode ser gravada! O Cadastro em uso passa a ser " + dest + ".",
                         "information: " + savedText(w)}));
        QCOMPARE(w.document().registryFileName(), dest);
        QVERIFY(w.windowTitle().endsWith(dest));
        select(w, 5);
        w.ui.MnEditPlantChange->trigger();
        w.box("TXT_Posto")->setText("55");
        w.ui.BTNsavechange->click();
        const QByteArray out = readFile(dest);
        TUsinaHd stored;
        decodePlant(recordOf(out, 2).constData(), RecordSize, stored);
        QCOMPARE(stored.Posto, 4);
        decodePlant(recordOf(out, 5).constData(), RecordSize, stored);
        QCOMPARE(stored.Posto, 55);
        QCOMPARE(readFile(m_loaded), m_loadedBytes);
        w.ui.MnEditPlantCreate->trigger(); // the registry in use is refused as a destination too
        QCOMPARE(h.dialogs.count(Kind::SaveFile), 1);
        w.ui.BTNcancelchange->click();
        QVERIFY(QDir(h.path("")).rmdir("AuxCad.cad"));
    }

    // A name longer than twelve characters: the stored plant comes back by its code.
    void longNameSelectedByCode() {
        EditorHarness h;
        TFRMeditor& w = start(h);
        select(w, 6);
        h.dialogs.saveFileAnswers.enqueue(h.path("D.DAT"));
        w.ui.MnEditPlantChange->trigger();
        w.ui.TXT_Nome->setText("FOZ CLARA DO NORTE");
        w.ui.BTNsavechange->click();
        QCOMPARE(w.ui.ComboBox1->currentText(), QString("6 - FOZ CLARA DO"));
        QCOMPARE(w.ui.TXT_Nome->text(), QString("FOZ CLARA DO"));
        QCOMPARE(w.ui.TXT_Nome->text().size(), 12);
        QCOMPARE(w.box("TXT_VMax")->text(), QString("22950.00   hm3"));
        QCOMPARE(w.document().currentCode(), 6);
    }

    // A plant whose entry the list does not show (its name begins with a blank) stays on
    // screen with bare numbers; a second Change keeps their digits.
    void secondChangeKeepsDigits() {
        EditorHarness h;
        TFRMeditor& w = start(h);
        select(w, 6);
        h.dialogs.saveFileAnswers.enqueue(h.path("D.DAT"));
        w.ui.MnEditPlantChange->trigger();
        w.ui.TXT_Nome->setText(" OCULTA");
        w.ui.BTNsavechange->click();
        QCOMPARE(w.ui.ComboBox1->currentIndex(), -1);
        QCOMPARE(w.box("TXT_VMin")->text(), QString("1974.50"));
        w.ui.MnEditPlantChange->trigger();
        QCOMPARE(w.box("TXT_VMin")->text(), QString("1974.50"));
        QCOMPARE(w.box("TXT_Ymax")->text(), QString("768.00"));
        QCOMPARE(w.box("TXT_QNaMH")->text(), QString("187"));
        w.ui.BTNcancelchange->click();
    }

    // Delete: the code asked for, the blank plant in its slot, every other record as it was.
    void deletePlant() {
        EditorHarness h;
        TFRMeditor& w = start(h);
        select(w, 2);
        const QString dest = h.path("D.DAT");
        h.dialogs.inputAnswers.enqueue(QString("5"));
        h.dialogs.saveFileAnswers.enqueue(dest);
        w.ui.MnEditPlantDel->trigger();
        const QString done = w.ui.MnEditLanPort->isChecked() ? "Alteração gravada com sucesso ! Até breve !"
                                                     : "File successfully updated ! See you soon !";
        QCOMPARE(h.dialogs.messageLines(), QStringList{"information: " + done});
        QCOMPARE(h.dialogs.texts(Kind::InputText), QStringList{"Excluir Usina"});
        const QByteArray out = readFile(dest);
        QCOMPARE(out.size(), 10 * RecordSize);
        QByteArray blank(RecordSize, '\0');
        std::memset(blank.data(), ' ', 12);
        std::memset(blank.data() + 16, ' ', 8);
        std::memset(blank.data() + 736, ' ', 51);
        blank[791] = ' ';
        QCOMPARE(recordOf(out, 5), blank);
        for (int k : {1, 2, 3, 4, 6, 7, 8, 9, 10})
            QCOMPARE(recordOf(out, k), recordOf(m_loadedBytes, k));
        QCOMPARE(readFile(h.path("AuxCad.cad")), out);
        QCOMPARE(readFile(m_loaded), m_loadedBytes);
        QCOMPARE(entryIndex(w.ui.ComboBox1, 5), -1);
        QCOMPARE(w.ui.ComboBox1->currentText(), QString("2 - RIO FUNDO"));
        verifyLook(w, false);

        // The plant on screen itself: its values stay, nothing is selected.
        h.dialogs.clear();
        h.dialogs.inputAnswers.enqueue(QString(" 2 "));
        w.ui.MnEditPlantDel->trigger();
        QCOMPARE(h.dialogs.count(Kind::SaveFile), 0);
        QCOMPARE(w.ui.ComboBox1->currentIndex(), -1);
        QCOMPARE(w.ui.TXT_Nome->text(), QString("RIO FUNDO   "));
        QCOMPARE(recordOf(readFile(dest), 2), blank);
        w.ui.MnEditPlantCreate->trigger(); // Cancel goes back to it
        w.ui.BTNcancelchange->click();
        QCOMPARE(w.ui.TXT_Nome->text(), QString("RIO FUNDO   "));
    }

    void deleteRefused_data() {
        QTest::addColumn<bool>("english");
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("message");
        QTest::newRow("0") << false << "0"
                           << "warning: Código da Usina deve ser entre 1 e 320.";
        QTest::newRow("321, English") << true << "321"
                                      << "warning: Plant code must be between 1 and 320.";
        QTest::newRow("letters") << false << "abc"
                                 << "error: 'abc' não é um valor inteiro válido";
        QTest::newRow("empty, English") << true << ""
                                        << "error: '' is not a valid integer value";
    }
    void deleteRefused() {
        QFETCH(bool, english);
        QFETCH(QString, input);
        QFETCH(QString, message);
        EditorHarness h;
        TFRMeditor& w = start(h);
        if (english)
            w.ui.MnEditLanEng->trigger();
        h.dialogs.clear();
        h.dialogs.inputAnswers.enqueue(input);
        w.ui.MnEditPlantDel->trigger();
        QCOMPARE(h.dialogs.boxes.first().text, english ? "Delete Plant" : "Excluir Usina");
        QCOMPARE(h.dialogs.boxes.first().extra, english ? "Type the code of the plant to delete:"
                                                        : "Digite Código da Usina a ser excluída:");
        QCOMPARE(h.dialogs.messageLines(), QStringList{message});
        QCOMPARE(h.dialogs.count(Kind::SaveFile), 0);
        h.dialogs.clear();
        h.dialogs.inputAnswers.enqueue(std::nullopt);
        w.ui.MnEditPlantDel->trigger();
        QVERIFY(h.dialogs.messageLines().isEmpty());
        // Nothing written but the lock that holds the scratch copy's name.
        QCOMPARE(QDir(h.path("")).entryList(QDir::Files),
                 QStringList({"AuxCad.cad.lock", "Cadastro.dat", "config.ini"}));
    }

    // Deleting code 320 of a 320-record registry replaces the last record.
    void deleteLastRecord() {
        EditorHarness h;
        TFRMeditor& w = start(
            h, RegistryFixtures::registryBytes(320, {{1, fullPlant("A1")}, {320, fullPlant("Z")}}));
        h.dialogs.inputAnswers.enqueue(QString("320"));
        h.dialogs.saveFileAnswers.enqueue(h.path("D.DAT"));
        w.ui.MnEditPlantDel->trigger();
        const QByteArray out = readFile(h.path("D.DAT"));
        QCOMPARE(out.size(), 320 * RecordSize);
        QCOMPARE(recordOf(out, 320), encodePlant(blankPlant()));
        QCOMPARE(w.ui.ComboBox1->count(), 1);
    }

    // The hidden alteration command.
    void alteration() {
        EditorHarness h;
        TFRMeditor& w = start(h);
        QVERIFY(!w.ui.MnEditGerAlt->isVisible());
        const QString before = w.document().registryFileName();
        w.ui.MnEditGerAlt->trigger();
        QCOMPARE(h.dialogs.messageLines(),
                 QStringList{"plain: Problemas na leitura do Cadastro !"});
        QCOMPARE(w.document().registryFileName(), before);
        QVERIFY(!QFile::exists(h.path("Hidr_Modif.dat")));

        TUsinaHd daily = fullPlant("DIARIA");
        daily.CotaMax = daily.CotaMin;
        const QByteArray bytes =
            RegistryFixtures::registryBytes(3, {{1, daily}, {3, fullPlant("MENSAL")}}) +
            QByteArray("partial");
        const QString path = h.writeFile("Hidr_Modif.dat", bytes);
        h.dialogs.clear();
        w.ui.MnEditGerAlt->trigger();
        QCOMPARE(h.dialogs.messageLines(),
                 QStringList{"warning: Alterações MSD geradas com sucesso."});
        QCOMPARE(w.document().registryFileName(), path);
        QVERIFY(w.windowTitle().endsWith(" - " + path));
        const QByteArray out = readFile(path);
        QCOMPARE(out.size(), bytes.size());
        QCOMPARE(out.at(791), 'D');
        QCOMPARE(out.mid(787, 4), out.mid(44, 4));
        QCOMPARE(out.at(3 * RecordSize - 1), 'M');
        QCOMPARE(recordOf(out, 2), recordOf(bytes, 2));
        QCOMPARE(out.right(7), QByteArray("partial"));
        QCOMPARE(w.document().plantNames().at(1), QString("DIARIA      "));
        QCOMPARE(readFile(m_loaded), m_loadedBytes);
    }
};

QTEST_MAIN(TestEditWindow)
#include "tst_editwindow.moc"
