// The about box picture decoded by the program's own libjpeg code, and damaged pictures
// that must give an error instead of ending the program.

#include "language/JpegImage.h"
#include "window/TfrmHelpAbout.h"

#include <QBuffer>
#include <QTest>

namespace {

bool near(QRgb a, QRgb b, int tolerance = 6) {
    return qAbs(qRed(a) - qRed(b)) <= tolerance && qAbs(qGreen(a) - qGreen(b)) <= tolerance &&
           qAbs(qBlue(a) - qBlue(b)) <= tolerance;
}

QString describe(QRgb c) {
    return QStringLiteral("rgb(%1,%2,%3)").arg(qRed(c)).arg(qGreen(c)).arg(qBlue(c));
}

} // namespace

class TstJpegImage : public QObject {
    Q_OBJECT
private slots:
    void builtInPicture_data();
    void builtInPicture();
    void damaged_data();
    void damaged();
    void grayscale();
};

// Points of the drawing: sky, sun, dam wall, spillway, river.
void TstJpegImage::builtInPicture_data() {
    QTest::addColumn<QPoint>("at");
    QTest::addColumn<QRgb>("colour");
    QTest::newRow("sky") << QPoint(5, 5) << qRgb(120, 180, 230);
    QTest::newRow("sun") << QPoint(160, 30) << qRgb(250, 215, 90);
    QTest::newRow("dam wall") << QPoint(75, 115) << qRgb(175, 175, 170);
    QTest::newRow("spillway") << QPoint(100, 110) << qRgb(230, 240, 250);
    QTest::newRow("river") << QPoint(100, 150) << qRgb(60, 120, 200);
}

void TstJpegImage::builtInPicture() {
    QFETCH(QPoint, at);
    QFETCH(QRgb, colour);
    const JpegDecodeResult result = decodeJpeg(TfrmHelpAbout::builtInPicture());
    QVERIFY2(result.ok(), qPrintable(result.error));
    QCOMPARE(result.image.size(), QSize(200, 160));
    const QRgb got = result.image.pixel(at);
    QVERIFY2(near(got, colour), qPrintable(describe(got)));
}

void TstJpegImage::damaged_data() {
    QTest::addColumn<QByteArray>("data");
    const QByteArray good = TfrmHelpAbout::builtInPicture();
    QVERIFY(good.size() > 1000);
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("not a JPEG") << QByteArray("GIF89a this is not a picture at all");
    QTest::newRow("start marker only") << QByteArray("\xFF\xD8", 2);
    QTest::newRow("header only") << good.left(300);
    QTest::newRow("cut in the scan") << good.left(good.size() / 2);
    QByteArray scrambled = good;
    for (qsizetype i = 200; i < 600; ++i)
        scrambled[i] = char(0xA5 ^ i);
    QTest::newRow("scrambled tables") << scrambled;
    QByteArray huge = good;
    // Start-of-frame height and width: 28672 x 28672, which libjpeg itself would accept.
    const qsizetype sof = huge.indexOf(QByteArray("\xFF\xC0", 2));
    QVERIFY(sof > 0);
    huge[sof + 5] = huge[sof + 7] = char(0x70);
    huge[sof + 6] = huge[sof + 8] = char(0x00);
    QTest::newRow("absurd size") << huge;
}

void TstJpegImage::damaged() {
    QFETCH(QByteArray, data);
    const JpegDecodeResult result = decodeJpeg(data);
    QVERIFY(!result.ok());
    QVERIFY(result.image.isNull());
    // The program goes on, and the next picture decodes.
    QVERIFY(decodeJpeg(TfrmHelpAbout::builtInPicture()).ok());
}

// A grey picture comes out as grey RGB.
void TstJpegImage::grayscale() {
    QImage gray(16, 8, QImage::Format_Grayscale8);
    gray.fill(90);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!gray.save(&buffer, "JPEG", 95))
        QSKIP("no JPEG writer in this Qt");
    const JpegDecodeResult result = decodeJpeg(bytes);
    QVERIFY2(result.ok(), qPrintable(result.error));
    QCOMPARE(result.image.size(), QSize(16, 8));
    QVERIFY(near(result.image.pixel(3, 3), qRgb(90, 90, 90), 3));
}

QTEST_MAIN(TstJpegImage)
#include "tst_JpegImage.moc"
