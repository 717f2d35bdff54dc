// The about box in both languages, with and without its picture.

#include "window/TfrmHelpAbout.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

class TstAboutBox : public QObject {
    Q_OBJECT
private slots:
    void languages_data();
    void languages();
    void okCloses();
    void badPictureLeavesTheBoxWithoutIt();
};

void TstAboutBox::languages_data() {
    QTest::addColumn<bool>("portugueseChecked");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("heading");
    QTest::newRow("pt") << true << QStringLiteral("Sobre o Velarin...")
                        << QStringLiteral("Desenvolvido por:");
    QTest::newRow("en") << false << QStringLiteral("About Velarin...")
                        << QStringLiteral("Developed by:");
}

void TstAboutBox::languages() {
    QFETCH(bool, portugueseChecked);
    QFETCH(QString, title);
    QFETCH(QString, heading);
    TfrmHelpAbout box;
    // The box is kept for the run: a second preparation must replace the first one's texts.
    box.prepare(!portugueseChecked, QStringLiteral("Version 3.9"));
    box.prepare(portugueseChecked, QStringLiteral("Version 4.0 a"));
    QCOMPARE(box.windowTitle(), title);
    QCOMPARE(box.Label3->text(), heading);
    QCOMPARE(box.Label2->text(), QStringLiteral("Version 4.0 a"));
    QCOMPARE(box.Label1->text(), QStringLiteral("Velarin"));
    QVERIFY(box.Label1->font().pointSizeF() >= 2 * box.Label2->font().pointSizeF());
    QCOMPARE(box.BTNok->text(), QStringLiteral("&OK"));
    QVERIFY(box.pictureError().isEmpty());
    QCOMPARE(box.ImgHelp->pixmap().size(), QSize(200, 160));
    QVERIFY(!box.Label4->text().isEmpty());
    QCOMPARE(box.findChild<QLabel*>("ImgHelp"), box.ImgHelp);
}

void TstAboutBox::okCloses() {
    TfrmHelpAbout box;
    box.prepare(true, QStringLiteral("Version 4.0 a"));
    bool wasVisible = false;
    QTimer::singleShot(0, &box, [&] {
        wasVisible = box.isVisible();
        QTest::mouseClick(box.BTNok, Qt::LeftButton);
    });
    QCOMPARE(box.exec(), int(QDialog::Accepted));
    QVERIFY(wasVisible);
    QVERIFY(!box.isVisible());
}

void TstAboutBox::badPictureLeavesTheBoxWithoutIt() {
    QByteArray cut = TfrmHelpAbout::builtInPicture();
    cut.truncate(cut.size() / 3);
    TfrmHelpAbout box(nullptr, cut);
    QVERIFY(!box.pictureError().isEmpty());
    QVERIFY(box.ImgHelp->pixmap().isNull());
    box.prepare(false, QStringLiteral("Version 4.0 a"));
    QCOMPARE(box.windowTitle(), QStringLiteral("About Velarin..."));
    QTimer::singleShot(0, box.BTNok, &QPushButton::click);
    QCOMPARE(box.exec(), int(QDialog::Accepted));
}

QTEST_MAIN(TstAboutBox)
#include "tst_AboutBox.moc"
