// The file dialogs both windows open: each built as its seam asks (the converter's save asks
// its own overwrite question, the editor's lets Qt ask), answered here as the user would.

#include "dialogs/DialogBoxes.h"

#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <functional>

namespace {

// Runs answer on the modal dialog of type W once it is up (it waits for its user until then).
template <typename W> void whenUp(std::function<void(W*)> answer) {
    auto* timer = new QTimer;
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, [timer, answer] {
        if (auto* w = qobject_cast<W*>(QApplication::activeModalWidget())) {
            timer->stop();
            timer->deleteLater();
            answer(w);
        }
    });
    timer->start();
}

} // namespace

class TestDialogBoxes : public QObject {
    Q_OBJECT

private slots:
    // What each dialog offers, and what the user's answer comes back as.
    void files_data() {
        QTest::addColumn<bool>("save");
        QTest::addColumn<bool>("confirmOverwrite");
        QTest::addColumn<QString>("proposed");
        QTest::addColumn<QString>("answer");  // the name picked in the folder; empty cancels
        QTest::addColumn<QString>("offered"); // accept mode, file mode, Qt's overwrite question
        QTest::newRow("open") << false << true << QString() << "in.dat"
                              << "open existing";
        QTest::newRow("save, the caller asks before replacing")
            << true << false << QString() << "out"
            << "save any";
        QTest::newRow("save, a name proposed, Qt asks before replacing")
            << true << true << "HIDR_1.DAT"
            << "HIDR_1.DAT"
            << "save any asks";
        QTest::newRow("cancelled") << true << true << QString() << QString() << "save any asks";
    }
    void files() {
        QFETCH(bool, save);
        QFETCH(bool, confirmOverwrite);
        QFETCH(QString, proposed);
        QFETCH(QString, answer);
        QFETCH(QString, offered);
        QTemporaryDir dir;
        QFile in(dir.filePath("in.dat"));
        QVERIFY(in.open(QIODevice::WriteOnly));
        in.close();
        DialogBoxes::FileRequest request;
        request.mode =
            save ? DialogBoxes::FileRequest::Mode::Save : DialogBoxes::FileRequest::Mode::Open;
        request.title = QStringLiteral("Destino");
        request.dir = dir.path();
        request.filter = QStringLiteral("Every file (*)");
        request.proposedName = proposed;
        request.confirmOverwrite = confirmOverwrite;
        QStringList seen;
        whenUp<QFileDialog>([&](QFileDialog* d) {
            seen << d->windowTitle() << d->nameFilters()
                 << QStringList{d->acceptMode() == QFileDialog::AcceptSave ? "save" : "open",
                                d->fileMode() == QFileDialog::ExistingFile ? "existing" : "any"}
                            .join(u' ') +
                        (d->acceptMode() == QFileDialog::AcceptSave &&
                                 !d->testOption(QFileDialog::DontConfirmOverwrite)
                             ? " asks"
                             : "")
                 << d->selectedFiles().value(0);
            if (answer.isEmpty()) {
                d->reject();
                return;
            }
            // Typed into the name box, as the user does: selectFile() leaves a box that has the
            // focus alone, and whether it has it yet depends on the machine's load.
            if (answer != proposed)
                d->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->setText(answer);
            // Accepted as the button leaves it, without the button's own checks: under load the
            // dialog's folder model may not have listed the folder yet, and an accept() that
            // takes the name for a folder waits for the user forever.
            static_cast<QDialog*>(d)->done(QDialog::Accepted);
        });
        const DialogBoxes::ChosenFile chosen = DialogBoxes::chooseFile(nullptr, request);
        QCOMPARE(seen.mid(0, 3), (QStringList{"Destino", "Every file (*)", offered}));
        if (!proposed.isEmpty())
            QCOMPARE(seen.value(3), dir.filePath(proposed));
        QCOMPARE(chosen.path, answer.isEmpty() ? QString() : dir.filePath(answer));
        QCOMPARE(chosen.type, answer.isEmpty() ? QString() : QStringLiteral("Every file (*)"));
    }
};

QTEST_MAIN(TestDialogBoxes)
#include "tst_dialogboxes.moc"
