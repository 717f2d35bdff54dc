// Reading a plant from a registry and storing one into a new registry, in both record forms:
// the three code cases byte for byte, the target replaced, and what happens when something
// is wrong.

#include "ScriptedDialogs.h"
#include "registry/PlantCodec.h"
#include "registry/TCadHd.h"

#include <QBuffer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <cstring>

namespace {

// Record k of a test registry: every byte differs from those of the other records.
QByteArray testRecord(int k, int size = RecordSize) {
    QByteArray r(size, '\0');
    for (int i = 0; i < size; ++i)
        r[i] = char((k * 53 + i * 7) % 251 + 1);
    r.replace(0, 12, QByteArray("PLANTA ") + QByteArray::number(k).rightJustified(5, '0'));
    return r;
}

QByteArray testRegistry(int records, int trailing = 0, int size = RecordSize) {
    QByteArray bytes;
    for (int k = 1; k <= records; ++k)
        bytes += testRecord(k, size);
    return bytes + testRecord(records + 1, size).left(trailing);
}

RecordForm formOf(int size) {
    return size == WideRecordSize ? RecordForm::Bytes832 : RecordForm::Bytes792;
}

TUsinaHd testPlant() {
    TUsinaHd p;
    std::memcpy(p.Nome.data(), "NOVA ESTRELA", 12);
    p.Posto = 4321;
    p.VolRef = 1234.5f;
    p.EvapMen[11] = -7;
    p.Reg = 'M';
    return p;
}

bool writeFile(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

QByteArray readFile(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QByteArray record(const QByteArray& registry, int code, int size = RecordSize) {
    return registry.mid(qsizetype(code - 1) * size, size);
}

} // namespace

class TestTCadHd : public QObject {
    Q_OBJECT
private slots:
    void init();

    void readPlant_data();
    void readPlant();
    void readAlfaRecord();
    void readMissingFile();

    void storeCases_data();
    void storeCases();
    void storeReplacesTarget();
    void storeOverItsSource();
    void storeFailures_data();
    void storeFailures();
    void storeKeepsTrailingBytes();
    void storeBlankNameVacatesSlot();
    void roundTripThroughFiles();
    void writePlantFields();

private:
    QTemporaryDir m_dir;
    QString path(const char* name) const { return m_dir.filePath(QString::fromLatin1(name)); }
};

void TestTCadHd::init() {
    QVERIFY(m_dir.isValid());
    for (const QString& name : QDir(m_dir.path()).entryList(QDir::Files))
        QFile::remove(m_dir.filePath(name));
}

void TestTCadHd::readPlant_data() {
    QTest::addColumn<int>("size"); // of the record form
    QTest::addColumn<int>("records");
    QTest::addColumn<int>("trailing");
    QTest::addColumn<int>("code");
    QTest::addColumn<int>("bytesRead"); // how much of the record reaches the plant
    for (const int size : {RecordSize, WideRecordSize}) {
        const auto row = [size](const char* name) -> QTestData& {
            return QTest::addRow("%d %s", size, name) << size;
        };

        row("first") << 5 << 0 << 1 << size;
        row("middle") << 5 << 0 << 3 << size;
        row("last") << 5 << 0 << 5 << size;
        row("past the end") << 5 << 0 << 6 << 0;
        row("far past the end") << 5 << 0 << 320 << 0;
        row("empty file") << 0 << 0 << 1 << 0;
        row("code 0") << 5 << 0 << 0 << 0;
        row("negative code") << 5 << 0 << -4 << 0;
        row("trailing partial record") << 5 << 100 << 6 << 100;
        row("trailing bytes, whole record before") << 5 << 100 << 5 << size;
    }
}

// Past the end the plant stays as it was, without a message; a partial record fills the
// fields whose bytes exist.
void TestTCadHd::readPlant() {
    QFETCH(int, size);
    QFETCH(int, records);
    QFETCH(int, trailing);
    QFETCH(int, code);
    QFETCH(int, bytesRead);

    const QString file = path("USINAS.DAT");
    const QByteArray registry = testRegistry(records, trailing, size);
    QVERIFY(writeFile(file, registry));

    const RecordForm form = formOf(size);
    TUsinaHd before = testPlant();
    TUsinaHd plant = before;
    ScriptedDialogs dialogs;
    TCadHd cad(dialogs);
    cad.setForm(form);
    cad.ReadPlant(code, plant, file);
    QVERIFY(dialogs.boxes.isEmpty());

    QByteArray expected = encodePlant(before, form);
    if (bytesRead > 0) {
        // Fields are whole: only those ending within the bytes read change.
        const QByteArray source = record(registry, code, size);
        TUsinaHd fromSource = before;
        decodePlant(source.constData(), std::size_t(bytesRead), fromSource, form);
        expected = encodePlant(fromSource, form);
        if (bytesRead == size)
            QCOMPARE(expected, source);
    }
    QCOMPARE(encodePlant(plant, form).toHex(), expected.toHex());
}

// The first edge case: ALFA and eight blanks, last byte M.
void TestTCadHd::readAlfaRecord() {
    QByteArray bytes(RecordSize, '\0');
    bytes.replace(0, 12, "ALFA        ");
    bytes[RecordSize - 1] = 'M';
    const QString file = path("ALFA.DAT");
    QVERIFY(writeFile(file, bytes));
    TUsinaHd plant;
    ScriptedDialogs dialogs;
    TCadHd(dialogs).ReadPlant(1, plant, file);
    QCOMPARE(QByteArray(plant.Nome.data(), 12), QByteArray("ALFA        "));
    QCOMPARE(plant.Reg, 'M');
    QCOMPARE(plant.Posto, 0);
    QVERIFY(dialogs.boxes.isEmpty());
}

void TestTCadHd::readMissingFile() {
    TUsinaHd plant = testPlant();
    ScriptedDialogs dialogs;
    TCadHd cad(dialogs);
    cad.ReadPlant(1, plant, path("NADA.DAT"));
    cad.ReadPlant(1, plant, QString());
    cad.ReadPlant(1, plant, m_dir.path()); // a folder is no registry
    QCOMPARE(dialogs.messageLines(),
             QStringList(3, QStringLiteral("plain: Arquivo <Usinas.Dat> não encontrado")));
    QVERIFY(samePlantBits(plant, testPlant()));
}

void TestTCadHd::storeCases_data() {
    QTest::addColumn<int>("size"); // of the record form
    QTest::addColumn<int>("oldCode");
    QTest::addColumn<int>("newCode");
    QTest::addColumn<int>("blankCode"); // 0: no slot vacated
    for (const int size : {RecordSize, WideRecordSize}) {
        const auto row = [size](const char* name) -> QTestData& {
            return QTest::addRow("%d %s", size, name) << size;
        };

        row("same code") << 3 << 3 << 0;
        row("same code, first") << 1 << 1 << 0;
        row("same code, last") << 5 << 5 << 0;
        row("old < new") << 2 << 4 << 2;
        row("old > new") << 4 << 2 << 4;
        row("neighbours up") << 4 << 5 << 4;
        row("neighbours down") << 2 << 1 << 2;
        row("first to last") << 1 << 5 << 1;
    }
}

// A 5-record source: the plant at the new code, blanks at the old one, every other record
// byte for byte, and the source untouched.
void TestTCadHd::storeCases() {
    QFETCH(int, size);
    QFETCH(int, oldCode);
    QFETCH(int, newCode);
    QFETCH(int, blankCode);

    const QString source = path("USINAS.DAT");
    const QString target = path("NOVO.DAT");
    const QByteArray registry = testRegistry(5, 0, size);
    QVERIFY(writeFile(source, registry));

    ScriptedDialogs dialogs;
    TCadHd cad(dialogs);
    cad.setForm(formOf(size));
    QVERIFY(cad.StorePlant(target, source, oldCode, newCode, testPlant()));
    QVERIFY(dialogs.boxes.isEmpty());

    const QByteArray written = readFile(target);
    QCOMPARE(written.size(), registry.size());
    for (int k = 1; k <= 5; ++k) {
        QByteArray expected = record(registry, k, size);
        if (k == newCode)
            expected = encodePlant(testPlant(), formOf(size));
        else if (k == blankCode)
            expected = QByteArray(size, ' ');
        QVERIFY2(record(written, k, size) == expected,
                 qPrintable(QStringLiteral("record %1").arg(k)));
    }
    QCOMPARE(readFile(source), registry);
    QCOMPARE(QDir(m_dir.path()).entryList(QDir::Files).size(), 2); // no temporary left
}

// An existing, longer target is replaced, not appended to or overlaid.
void TestTCadHd::storeReplacesTarget() {
    const QString source = path("USINAS.DAT");
    const QString target = path("NOVO.DAT");
    QVERIFY(writeFile(source, testRegistry(3)));
    QVERIFY(writeFile(target, QByteArray(10 * RecordSize, 'Z')));
    ScriptedDialogs dialogs;
    QVERIFY(TCadHd(dialogs).StorePlant(target, source, 2, 2, testPlant()));
    QByteArray expected = testRegistry(3);
    expected.replace(RecordSize, RecordSize, encodePlant(testPlant()));
    QCOMPARE(readFile(target), expected);
}

// A target naming the source itself gets the new registry; nothing is lost on the way.
void TestTCadHd::storeOverItsSource() {
    const QString source = path("USINAS.DAT");
    QVERIFY(writeFile(source, testRegistry(4)));
    ScriptedDialogs dialogs;
    QVERIFY(TCadHd(dialogs).StorePlant(source, source, 1, 3, testPlant()));
    QByteArray expected = testRegistry(4);
    expected.replace(0, RecordSize, QByteArray(RecordSize, ' '));
    expected.replace(2 * RecordSize, RecordSize, encodePlant(testPlant()));
    QCOMPARE(readFile(source), expected);
    QVERIFY(dialogs.boxes.isEmpty());
}

void TestTCadHd::storeFailures_data() {
    QTest::addColumn<QString>("sourceName"); // "" = no such file
    QTest::addColumn<QString>("targetName"); // relative to the test folder
    QTest::addColumn<int>("oldCode");
    QTest::addColumn<int>("newCode");
    QTest::addColumn<QString>("message");

    const QString readProblem = QStringLiteral("Problemas na leitura do Cadastro !");
    const QString cannotWrite =
        QStringLiteral("Novo Cadastro de Usinas: Arquivo não pode ser gravado!");
    QTest::newRow("no source") << ""
                               << "NOVO.DAT" << 1 << 1 << readProblem;
    QTest::newRow("target in a missing folder") << "USINAS.DAT"
                                                << "falta/NOVO.DAT" << 1 << 1 << cannotWrite;
    QTest::newRow("target is a folder") << "USINAS.DAT"
                                        << "pasta" << 1 << 1 << cannotWrite;
    QTest::newRow("new code past the end")
        << "USINAS.DAT"
        << "NOVO.DAT" << 6 << 6
        << QStringLiteral("Código 6 inexistente no Cadastro (5 registros).");
    QTest::newRow("moved past the end")
        << "USINAS.DAT"
        << "NOVO.DAT" << 2 << 320
        << QStringLiteral("Código 320 inexistente no Cadastro (5 registros).");
    QTest::newRow("moved from past the end")
        << "USINAS.DAT"
        << "NOVO.DAT" << 9 << 2
        << QStringLiteral("Código 9 inexistente no Cadastro (5 registros).");
    QTest::newRow("code 0") << "USINAS.DAT"
                            << "NOVO.DAT" << 0 << 0
                            << QStringLiteral("Código 0 inexistente no Cadastro (5 registros).");
    QTest::newRow("store at the trailing partial record")
        << "PARCIAL.DAT"
        << "NOVO.DAT" << 6 << 6
        << QStringLiteral("Código 6 inexistente no Cadastro (5 registros).");
}

// One plain message, the flag false, the source as it was, and no target file written (an
// existing one untouched).
void TestTCadHd::storeFailures() {
    QFETCH(QString, sourceName);
    QFETCH(QString, targetName);
    QFETCH(int, oldCode);
    QFETCH(int, newCode);
    QFETCH(QString, message);

    QVERIFY(writeFile(path("USINAS.DAT"), testRegistry(5)));
    QVERIFY(writeFile(path("PARCIAL.DAT"), testRegistry(5, 300)));
    QVERIFY(QDir(m_dir.path()).mkpath(QStringLiteral("pasta")));
    const QString source = sourceName.isEmpty() ? path("NADA.DAT") : m_dir.filePath(sourceName);
    const QString target = m_dir.filePath(targetName);
    const QByteArray sourceBefore = readFile(source);
    if (targetName == QLatin1String("NOVO.DAT"))
        QVERIFY(writeFile(target, "old target"));

    ScriptedDialogs dialogs;
    QVERIFY(!TCadHd(dialogs).StorePlant(target, source, oldCode, newCode, testPlant()));
    QCOMPARE(dialogs.messageLines(), QStringList{"plain: " + message});
    QCOMPARE(readFile(source), sourceBefore);
    if (targetName == QLatin1String("NOVO.DAT"))
        QCOMPARE(readFile(target), QByteArray("old target"));
    QVERIFY(!QFile::exists(m_dir.filePath(QStringLiteral("falta"))));
    QCOMPARE(QDir(m_dir.filePath(QStringLiteral("pasta"))).entryList(QDir::Files).size(), 0);
    QCOMPARE(QDir(m_dir.path()).entryList(QDir::Files).size(),
             targetName == QLatin1String("NOVO.DAT") ? 3 : 2);
}

// A size that is not a multiple of 792: the trailing bytes are copied as they are.
void TestTCadHd::storeKeepsTrailingBytes() {
    const QString source = path("PARCIAL.DAT");
    const QString target = path("NOVO.DAT");
    const QByteArray registry = testRegistry(5, 300);
    QVERIFY(writeFile(source, registry));
    ScriptedDialogs dialogs;
    QVERIFY(TCadHd(dialogs).StorePlant(target, source, 5, 4, testPlant()));
    QByteArray expected = registry;
    expected.replace(3 * RecordSize, RecordSize, encodePlant(testPlant()));
    expected.replace(4 * RecordSize, RecordSize, QByteArray(RecordSize, ' '));
    QCOMPARE(readFile(target).size(), 5 * RecordSize + 300);
    QCOMPARE(readFile(target), expected);
}

// Storing a plant whose name starts with a blank makes its slot an empty one; a delete
// stores 792 blanks the same way.
void TestTCadHd::storeBlankNameVacatesSlot() {
    const QString source = path("USINAS.DAT");
    const QString target = path("NOVO.DAT");
    QVERIFY(writeFile(source, testRegistry(3)));
    TUsinaHd blank;
    decodePlant(QByteArray(RecordSize, ' ').constData(), RecordSize, blank);
    ScriptedDialogs dialogs;
    QVERIFY(TCadHd(dialogs).StorePlant(target, source, 2, 2, blank));
    QCOMPARE(record(readFile(target), 2), QByteArray(RecordSize, ' '));
}

// Every float of a plant comes back with its bits through the files.
void TestTCadHd::roundTripThroughFiles() {
    const QString source = path("USINAS.DAT");
    const QString target = path("NOVO.DAT");
    QVERIFY(writeFile(source, testRegistry(4)));
    TUsinaHd plant = testPlant();
    const std::uint32_t nan = 0x7FA5A5A5, subnormal = 0x00000003;
    std::memcpy(&plant.VolRef, &nan, 4);
    std::memcpy(&plant.QHT[4][4], &subnormal, 4);
    plant.CotaMax = -0.0f;
    ScriptedDialogs dialogs;
    QVERIFY(TCadHd(dialogs).StorePlant(target, source, 4, 4, plant));
    TUsinaHd back;
    TCadHd(dialogs).ReadPlant(4, back, target);
    QVERIFY(samePlantBits(back, plant));
    std::uint32_t bits;
    std::memcpy(&bits, &back.VolRef, 4);
    QCOMPARE(bits, nan);
}

// The plant's 792 bytes at the stream's position.
void TestTCadHd::writePlantFields() {
    QByteArray bytes("head");
    QBuffer buffer(&bytes);
    QVERIFY(buffer.open(QIODevice::ReadWrite));
    buffer.seek(4);
    ScriptedDialogs dialogs;
    QVERIFY(TCadHd(dialogs).WritePlantFields(buffer, testPlant()));
    QCOMPARE(bytes, QByteArray("head") + encodePlant(testPlant()));
    QBuffer readOnly(&bytes);
    QVERIFY(readOnly.open(QIODevice::ReadOnly));
    QTest::ignoreMessage(QtWarningMsg, "QIODevice::write (QBuffer): ReadOnly device");
    QVERIFY(!TCadHd(dialogs).WritePlantFields(readOnly, testPlant()));
}

QTEST_GUILESS_MAIN(TestTCadHd)
#include "tst_TCadHd.moc"
