// The validation message catalogue, entry by entry in both languages.

#include "EditingSupport.h"
#include "language/TMsg.h"

#include <QTest>

using EditingSupport::validationText;

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
    for (int e = 0; e < EditingSupport::ValidationEntries; ++e) {
        QTest::addRow("pt-%02d", e) << 1 << e << validationText(1, e);
        QTest::addRow("en-%02d", e) << 2 << e << validationText(2, e);
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
    QCOMPARE(msg.text(2, 44), validationText(2, 44));
    QCOMPARE(msg.text(1, 6), validationText(1, 6));
    // The inner double quotes belong to the text.
    QVERIFY(msg.text(1, 15).contains(QStringLiteral("\"Cota x Volume\"")));
}

QTEST_GUILESS_MAIN(TstMessageCatalogue)
#include "tst_MessageCatalogue.moc"
