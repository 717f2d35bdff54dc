#pragma once
// Fictional plants and registries for the report tests, and a dialog double that records
// every box.

#include "registry/TUsinaHd.h"
#include "core/Dialogs.h"

#include <QByteArray>
#include <QMap>
#include <QString>
#include <QStringList>
#include <functional>

namespace ReportSamples {

// A plant with a distinct value in every field (two machine sets, one downstream
// polynomial; InflVert 7; evaporation holding -123 and 1250).
TUsinaHd knownPlant();
// A plant holding only a name (everything else zero), Reg 'M'.
TUsinaHd namedPlant(const char* name);
void setText(char* field, std::size_t size, const char* text); // blank-padded

// A registry of `records` records (at least the highest code), the given plants at their
// codes and NUL bytes elsewhere.
QByteArray registry(const QMap<int, TUsinaHd>& plants, int records = 0);
bool writeFile(const QString& path, const QByteArray& bytes);
QByteArray readFile(const QString& path);

// Runs a program and answers its standard output (empty when it could not run).
QByteArray runTool(const QString& program, const QStringList& arguments);
// pdftotext -layout of a PDF, and the page count from pdfinfo.
QString pdfText(const QString& pdf);
int pdfPages(const QString& pdf);

} // namespace ReportSamples

// Records every box as "kind: text"; answers confirmations, save dialogs and print dialogs
// from queues (an empty queue answers No / cancel).
class ReportDialogs : public Dialogs {
public:
    QStringList messages;
    QList<MessageKind> kinds;
    QList<bool> confirmAnswers;
    QStringList saveAnswers;
    QList<std::function<bool(QPrinter&, const PrintRequest&)>> printAnswers;
    QList<PrintRequest> printRequests;
    QStringList saveDirs;
    QStringList saveNames;
    QList<bool> saveConfirmFlags;

    void message(MessageKind kind, const QString& text) override;
    bool confirm(const QString& text) override;
    QString openFile(const QString&, const QString&, const QString&) override { return {}; }
    QString saveFile(const QString& title, const QString& filter, const QString& dir,
                     const QString& proposedName, bool confirmOverwrite) override;
    std::optional<QString> inputText(const QString&, const QString&, const QString&) override {
        return std::nullopt;
    }
    bool choosePrinter(QPrinter& printer, const PrintRequest& request) override;
};
