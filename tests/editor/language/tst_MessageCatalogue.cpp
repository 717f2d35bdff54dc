// The validation message catalogue, entry by entry in both languages.

#include "language/TMsg.h"

#include <QTest>

namespace {

struct Expected {
    const char* portuguese;
    const char* english;
};

const Expected kExpected[] = {
    {"Código da Usina Inválido. Deve ser entre 1 e 320.",
     "Plant code invalid. Must be between 1 and 320."}, // 0
    {"Nome da Usina Inválido. Deve conter pelo menos 1 caracter",
     "Plant Name invalid. Must have at least 1 caracter."}, // 1
    {"Posto Inválido. Deve ser um número maior que 0",
     "Gauge number invalid. Must be a number greater than 0."}, // 2
    {"Posto BDH Inválido. Deve ser um número maior que 0",
     "Alt Gauge ID invalid. Must be a number greater than 0."},                           // 3
    {"Um ou mais volumes estão nulos!", "At least one volume is null!"},                  // 4
    {"Um ou mais volumes estão negativos!", "At least one volume is negative!"},          // 5
    {"Volume Mínimo Maior que o Máximo!", "Minimum Volume greater than Maximum Volume!"}, // 6
    {"Volume para vertimento menor que o mínimo!",
     "Volume for spilling is smaller than the Minimum Volume!"}, // 7
    {"Volume para vertimento maior que o máximo!",
     "Volume for spilling is greater than the Maximum Volume!"}, // 8
    {"Volume mínimo para o desvio menor que o volume mínimo do aproveitamento!",
     "Volume for deviation smaller than Plant´s Minimum Volume !"}, // 9
    {"Volume mínimo para o desvio maior que o volume máximo do aproveitamento!",
     "Volume for deviation greater than Plant´s Maximum Volume !"},                  // 10
    {"Uma ou mais cotas estão nulas!", "At least one Level is null !"},              // 11
    {"Cota de Montante negativa!", "Negative Level!"},                               // 12
    {"Volumes iguais e cotas diferentes!", "Different levels in the same volume !"}, // 13
    {"Volumes diferentes e cotas iguais!", "Different volumes in the same level"},   // 14
    {"Termo independente do polinômio \"Cota x Volume\" e/ou \"Area x Cota\" nulo!",
     "Independent term (A0) from \"Level x Volume\" and/or \"Area x Level\" Polynomiums is "
     "null!"}, // 15
    {"Termo independente (A0) do polinômio \"Cota x Volume\" e/ou \"Area x Cota\" igual a zero!",
     "Independent term (A0) from \"Level x Volume\" and/or \"Area x Level\" Polynomiums is equal "
     "to zero!"}, // 16
    {"Número de Conjuntos de Máquinas nulo! Deve ser um valor entre 0 e 5.",
     "Number of Unit Types is null! Must be between 0 and 5."}, // 17
    {"Número de Conjuntos de Máquinas inválido! Deve ser um valor entre 0 e 5.",
     "Number of Unit Types is invalid! Must be between 0 and 5."}, // 18
    {"Algum dado do GRID \"Conj. de Máquinas 1\" nulo!",
     "Some data from the first \"Unit Types\" GRID is null"}, // 19
    {"Algum dado do GRID \"Conj. de Máquinas 1\" negativo!",
     "Some data from the first \"Unit Types\" GRID is negative"}, // 20
    {"Algum dado do GRID \"Conj. de Máquinas 2\" nulo!",
     "Some data from the second \"Unit Types\" GRID is null"}, // 21
    {"Algum Termo Independente (A0 dos Polinômios Turbina/Gerador/Potência) do GRID \"Conj. de "
     "Máquinas 2\" igual a zero!",
     "Independent term (A0) from \"Turbin/Generator/Power\" Polynomiums (from the second \"Unit "
     "Types\" GRID) is equal to zero!"}, // 22
    {"Número de Polinômios de Jusante nulo! Deve ser um valor entre 1 e 6.",
     "Number of Downstream Polynomiums is null! Must be between 1 and 6."}, // 23
    {"Número de Polinômios de Jusante inválido! Deve ser um valor entre 1 e 6.",
     "Number of Downstream Polynomiums is invalid! Must be between 1 and 6."},       // 24
    {"Cota do Canal de Fuga Médio nula!", "Medium Tailrace Level is null."},         // 25
    {"Cota do Canal de Fuga Médio negativa!", "Medium Tailrace Level is negative."}, // 26
    {"Cota do Canal de Fuga Médio (jusante) maior que a Cota mínima (montante)!",
     "Medium Tailrace Level greater than Plant´s Minimum Level."}, // 27
    {"Algum dado do GRID \"Polinômios de Jusante\" nulo!",
     "Some data from \"Downstream Polynomiums\" null"}, // 28
    {"Termo Independente (A0) do GRID \"Polinômios de Jusante\" igual a zero!",
     "Independent term (A0) from \"Downstream Polynomiums\" equal to zero."}, // 29
    {"Referência para \"Polinômio de Jusante\" negativa!",
     "Downstream Polynomiums reference (m) negative."},                             // 30
    {"Produtibilidade Específica nula!", "Specific Productivity is null."},         // 31
    {"Produtibilidade Específica negativa!", "Specific Productivity is negative."}, // 32
    {"Coeficiente de Perdas Hidráulicas nulo!", "Losses value is null."},           // 33
    {"Coeficiente de Perdas Hidráulicas negativo!", "Losses value is negative."},   // 34
    {"Fator de Carga nulo!", "Load Factor null."},                                  // 35
    {"Fator de Carga negativo!", "Load Factor negative."},                          // 36
    {"Fator de Carga mínimo maior que o máximo!",
     "Minimum Load Factor greater than Maximum."},                                     // 37
    {"TEIF e/ou IP nula!", "TEIF and/or IP is null."},                                 // 38
    {"TEIF e/ou IP negativa!", "TEIF and/or IP is negative."},                         // 39
    {"Vazão Mínima do Histórico nula!", "Minimal Historical Inflow is null!"},         // 40
    {"Vazão Mínima do Histórico negativa!", "Minimal Historical Inflow is negative!"}, // 41
    {"Número de Unidades de Base nulo!", "Number of Base Units is null!"},             // 42
    {"Número de Unidades de Base negativo!", "Number of Base Units is negative!"},     // 43
    {"Problemas na consistência dos dados!",
     "Velarin had some problems during input data evaluation."}, // 44
    {"Volume de Referência nulo!", "Reference Volume is null!"}, // 45
    {"Volume de Referência deve estar entre o Volume Mínimo e o Volume Máximo!",
     "Reference Volume must be between Minimum Volume and Maximum Volume."}, // 46
};

} // namespace

class TstMessageCatalogue : public QObject {
    Q_OBJECT
private slots:
    void entries_data();
    void entries();
    void unfilled_data();
    void unfilled();
    void emptyBeforeFilling();
    void fillingAgainKeepsTheTexts();
};

void TstMessageCatalogue::entries_data() {
    QTest::addColumn<int>("lingua");
    QTest::addColumn<int>("entry");
    QTest::addColumn<QString>("text");
    for (int e = 0; e < int(std::size(kExpected)); ++e) {
        QTest::addRow("pt-%02d", e) << 1 << e << QString::fromUtf8(kExpected[e].portuguese);
        QTest::addRow("en-%02d", e) << 2 << e << QString::fromUtf8(kExpected[e].english);
    }
}

void TstMessageCatalogue::entries() {
    QFETCH(int, lingua);
    QFETCH(int, entry);
    QFETCH(QString, text);
    TMsg msg;
    QVERIFY(msg.InitMensagens());
    QCOMPARE(msg.text(lingua, entry), text);
}

// Rows 3 and 4, entries past 46, and indices outside the table answer an empty text.
void TstMessageCatalogue::unfilled_data() {
    QTest::addColumn<int>("lingua");
    QTest::addColumn<int>("entry");
    QTest::newRow("pt entry 47") << 1 << 47;
    QTest::newRow("en entry 100") << 2 << 100;
    QTest::newRow("row 3") << 3 << 0;
    QTest::newRow("row 4 entry 46") << 4 << 46;
    QTest::newRow("Lingua 0 at start") << 0 << 6;
    QTest::newRow("row 5") << 5 << 6;
    QTest::newRow("negative row") << -1 << 6;
    QTest::newRow("entry 101") << 1 << 101;
    QTest::newRow("negative entry") << 2 << -1;
}

void TstMessageCatalogue::unfilled() {
    QFETCH(int, lingua);
    QFETCH(int, entry);
    TMsg msg;
    msg.InitMensagens();
    QVERIFY(msg.text(lingua, entry).isEmpty());
}

void TstMessageCatalogue::emptyBeforeFilling() {
    TMsg msg;
    for (int e = 0; e < TMsg::Entries; ++e) {
        QVERIFY(msg.text(1, e).isEmpty());
        QVERIFY(msg.text(2, e).isEmpty());
    }
}

void TstMessageCatalogue::fillingAgainKeepsTheTexts() {
    TMsg msg;
    msg.InitMensagens();
    const QString before = msg.text(2, 44);
    QVERIFY(msg.InitMensagens());
    QCOMPARE(msg.text(2, 44), before);
    QCOMPARE(msg.text(2, 44),
             QStringLiteral("Velarin had some problems during input data evaluation."));
    QCOMPARE(msg.text(1, 6), QStringLiteral("Volume Mínimo Maior que o Máximo!"));
    // The inner double quotes belong to the text.
    QVERIFY(msg.text(1, 15).contains(QStringLiteral("\"Cota x Volume\"")));
}

QTEST_GUILESS_MAIN(TstMessageCatalogue)
#include "tst_MessageCatalogue.moc"
