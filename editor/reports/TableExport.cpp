#include "reports/TableExport.h"

#include "core/Dialogs.h"
#include "files/SafeWrite.h"
#include "language/WorkbookTexts.h"
#include "registry/AnsiText.h"
#include "reports/CsvExport.h"

#include <QFileInfo>

namespace TableExport {

namespace {

QString csvField(const QString& text) {
    if (!text.contains(u';') && !text.contains(u'"') && !text.contains(u'\r') &&
        !text.contains(u'\n'))
        return text;
    QString quoted = text;
    quoted.replace(u'"', QStringLiteral("\"\""));
    return u'"' + quoted + u'"';
}

QByteArray csvLine(const QStringList& cells) {
    QStringList fields;
    for (const QString& cell : cells)
        fields << csvField(cell);
    return AnsiText::encode(fields.join(u';')) + "\r\n";
}

// A code, written by the tools as a plain whole number.
bool isCode(const QString& text) {
    if (text.isEmpty() || text.size() > 9)
        return false;
    for (const QChar c : text)
        if (c < u'0' || c > u'9')
            return false;
    return true;
}

} // namespace

QByteArray csv(const Table& table) {
    QByteArray out = csvLine(table.headers);
    for (const QStringList& row : table.rows)
        out += csvLine(row);
    return out;
}

Workbook::Sheet sheet(const Table& table) {
    Workbook::Sheet out;
    out.header = table.headers;
    for (const QStringList& cells : table.rows) {
        Workbook::Row row;
        for (qsizetype c = 0; c < cells.size(); ++c)
            row << (c == 0 && isCode(cells.at(c)) ? Workbook::Cell(cells.at(c).toDouble())
                                                  : Workbook::Cell(cells.at(c)));
        out.rows << row;
    }
    return out;
}

bool save(Dialogs& dialogs, const Table& table, const Request& request) {
    const QString csvType = workbookText(WorkbookText::CsvFileType, request.language);
    const QString workbookType = workbookText(WorkbookText::FileType, request.language);
    QString chosenType;
    const QString chosen =
        dialogs.saveFileOfType(workbookText(WorkbookText::ExportTitle, request.language),
                               csvType + QStringLiteral(";;") + workbookType, request.startDir,
                               QString(), true, chosenType);
    if (chosen.isEmpty())
        return false;
    const bool workbook = chosenType == workbookType || Workbook::isWorkbookName(chosen);
    // A name without the type's extension takes it.
    const QString extension = workbook ? QStringLiteral(".xlsx") : QStringLiteral(".csv");
    const QString target = QFileInfo(chosen).suffix().isEmpty() ? chosen + extension : chosen;
    if (!CsvExport::mayWriteTarget(chosen, target, request.refusal, dialogs))
        return false;
    QString error;
    bool written = true;
    if (!workbook) {
        written = writeFileAtomically(target, csv(table), &error);
    } else if (const auto failure = Workbook::write(target, sheet(table))) {
        written = false;
        error = failure->reason;
    }
    if (!written) {
        dialogs.message(MessageKind::Error, cannotWriteText(target, error));
        return false;
    }
    dialogs.message(MessageKind::Information,
                    workbook ? workbookText(WorkbookText::Written, request.language)
                             : languageMessage(LanguageMessage::CsvWritten, int(request.language)));
    return true;
}

} // namespace TableExport
