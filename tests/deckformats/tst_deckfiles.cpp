// The deck's own files: the example lines of each format read to their fields, and every way a
// line can fail names its line and field.
#include "deck/DeckFiles.h"

#include <QTest>

using namespace Deck;
using Field = ReadError::Field;

Q_DECLARE_METATYPE(Field)

namespace {

const std::string kConfhdHead =
    " NUM  NOME         POSTO JUS   REE V.INIC U.EXIS MODIF INIC.HIST FIM HIST\r\n"
    " XXXX XXXXXXXXXXXX XXXX  XXXX XXXX XXX.XX XXXX   XXXX     XXXX     XXXX\r\n";
const std::string kFunil =
    "    4 FUNIL-GRANDE  211     6   10   0.00   EX      1     1931     2021";
const std::string kBatalha =
    "   20 BATALHA        22    21   10  55.70   EE      0     1940     2019";

const std::string kExphHead = "COD  NOME        ENCHIMENTO  VOLUME MORTO    DATA    POT.   MQ CJ\n"
                              "                  INICIO    DUR.MESES  %    ENTRADA\n"
                              "XXXX XXXXXXXXXXXX XX/XXXX      XX     XX.X  XX/XXXX XXXX.X\n";
const std::string kJuruena = " 309 JURUENA      03/2024       3      0.0\n"
                             " 309                                        01/2025   25.0   1  1\n"
                             "9999\n";

} // namespace

class TstDeckFiles : public QObject {
    Q_OBJECT

private slots:
    void confhdReadsTheExampleLines() {
        const auto r = readConfhd(kConfhdHead + kFunil + "\r\n" + kBatalha + "\n\n");
        QVERIFY(r.ok());
        QCOMPARE(r.value->size(), std::size_t(2));
        const ConfhdPlant& f = r.value->at(0);
        QCOMPARE(f.line, 3);
        QCOMPARE(f.code, 4);
        QCOMPARE(f.name, std::string("FUNIL-GRANDE"));
        QCOMPARE(f.station, 211);
        QCOMPARE(f.downstream, 6);
        QCOMPARE(f.ree, 10);
        QCOMPARE(f.status, std::string("EX"));
        QCOMPARE(f.modified, 1);
        QCOMPARE(f.historyFrom, 1931);
        QCOMPARE(f.historyTo, 2021);
        const ConfhdPlant& b = r.value->at(1);
        QCOMPARE(b.name, std::string("BATALHA     "));
        QCOMPARE(b.initialStorage, 55.70);
        QCOMPARE(b.status, std::string("EE"));
        QCOMPARE(b.historyFrom, 1940);
    }

    void failuresNameLineAndField_data() {
        QTest::addColumn<int>("kind"); // 0 CONFHD, 1 EXPH, 2 MODIF
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<int>("line");
        QTest::addColumn<Field>("field");
        auto confhd = [](const char* name, std::string line, int number, Field f) {
            QTest::newRow(name) << 0 << QByteArray::fromStdString(kFunil + "\n" + line) << number
                                << f;
        };
        confhd("code blank", "      BATALHA", 4, Field::Code);
        confhd("station letters", std::string(kBatalha).replace(20, 2, "2x"), 4, Field::Station);
        confhd("storage two points", std::string(kBatalha).replace(36, 2, "5."), 4,
               Field::InitialStorage);
        confhd("cut in history to", kBatalha.substr(0, 69), 4, Field::HistoryTo);
        confhd("cut in downstream", kBatalha.substr(0, 27), 4, Field::Downstream);
        auto exph = [](const char* name, std::string body, int number, Field f) {
            QTest::newRow(name) << 1 << QByteArray::fromStdString(body) << number << f;
        };
        exph("no 9999", kJuruena.substr(0, kJuruena.size() - 5), 4, Field::BlockEnd);
        exph("other code in block",
             " 309 JURUENA      03/2024       3      0.0\n"
             " 310                                        01/2025   25.0   1  1\n9999\n",
             5, Field::BlockCode);
        exph("month 13", " 309 JURUENA      13/2024       3      0.0\n9999\n", 4,
             Field::FillingStart);
        exph("machine without date",
             " 309 JURUENA      03/2024       3      0.0\n"
             " 309                                                25.0   1  1\n9999\n",
             5, Field::EntryDate);
        QTest::newRow("modif code") << 2 << QByteArray(" USINA  1x  NOME\n") << 3 << Field::Code;
    }
    void failuresNameLineAndField() {
        QFETCH(int, kind);
        QFETCH(QByteArray, body);
        QFETCH(int, line);
        QFETCH(Field, field);
        ReadError e;
        if (kind == 0) {
            const auto r = readConfhd(kConfhdHead + body.toStdString());
            QVERIFY(!r.ok());
            e = r.error;
        } else if (kind == 1) {
            const auto r = readExph(kExphHead + body.toStdString());
            QVERIFY(!r.ok());
            e = r.error;
        } else {
            const auto r = readModif(" P.CHAVE\n XXXX\n" + body.toStdString());
            QVERIFY(!r.ok());
            e = r.error;
        }
        QCOMPARE(e.line, line);
        QCOMPARE(e.field, field);
    }

    void modifBlocksByTokens() {
        const auto r =
            readModif(" P.CHAVE  MODIFICACOES E INDICES\n XXXXXXXX XXXXXXXXXXXXXXXXXXXXX\n"
                      " USINA      1                               CAMARGOS\n"
                      " VAZMIN         34\n"
                      " VMAXT    12 2023  71.700 '%'\n"
                      "\tusina 002 ITUTINGA NOVA\r\n"
                      " VAZMIN         34\n"
                      " USINA      1\n");
        QVERIFY(r.ok());
        QCOMPARE(r.value->size(), std::size_t(3));
        QCOMPARE(r.value->at(0).code, 1);
        QCOMPARE(r.value->at(0).name, std::string("CAMARGOS"));
        QCOMPARE(r.value->at(0).keywords, (std::vector<std::string>{"VAZMIN", "VMAXT"}));
        QCOMPARE(r.value->at(1).code, 2);
        QCOMPARE(r.value->at(1).name, std::string("ITUTINGA NOVA"));
        QCOMPARE(r.value->at(1).line, 6);
        QCOMPARE(r.value->at(2).code, 1);
    }

    void exphBlocks() {
        const auto r = readExph(kExphHead + kJuruena +
                                " 310 NOVA         \n 310                                        "
                                "11/2026  100.5  12  3\n9999\n");
        QVERIFY(r.ok());
        QCOMPARE(r.value->size(), std::size_t(2));
        const ExphPlant& j = r.value->at(0);
        QCOMPARE(j.code, 309);
        QVERIFY(j.fillingStart.has_value());
        QCOMPARE(j.fillingStart->month, 3);
        QCOMPARE(j.fillingStart->year, 2024);
        QCOMPARE(j.fillingMonths, 3);
        QCOMPARE(j.machines.size(), std::size_t(1));
        QCOMPARE(j.machines[0].entry.year, 2025);
        QCOMPARE(j.machines[0].power, 25.0);
        const ExphPlant& n = r.value->at(1);
        QVERIFY(!n.fillingStart.has_value());
        QCOMPARE(n.machines.at(0).number, 12);
        QCOMPARE(n.machines.at(0).set, 3);
    }

    void indexByLabel() {
        QCOMPARE(readCaso("arquivos.dat   \r\nmore\r\n"), std::string("arquivos.dat"));
        const auto index = readDeckIndex("DADOS GERAIS                : dger.dat\n"
                                         "CONFIGURACAO HIDRAULICA     :  confhd.dat  \r\n"
                                         "ALTERACAO DADOS USINAS HIDRO: modif.dat\n"
                                         "DADOS DE EXPANSAO HIDRAULICA:exph.dat\n"
                                         "CONFIGURACAO HIDRAULICA: wrong column\n");
        QCOMPARE(indexedFile(index, kConfhdLabel), std::string("confhd.dat"));
        QCOMPARE(indexedFile(index, kModifLabel), std::string("modif.dat"));
        QCOMPARE(indexedFile(index, kExphLabel), std::string("exph.dat"));
        QCOMPARE(indexedFile(index, "VAZOES"), std::string());
    }
};

QTEST_APPLESS_MAIN(TstDeckFiles)
#include "tst_deckfiles.moc"
