#include "ScriptedDialogs.h"

#include <QPrinter>

QString ScriptedDialogs::kindName(Kind kind) {
    switch (kind) {
    case Kind::Plain:
        return QStringLiteral("plain");
    case Kind::Warning:
        return QStringLiteral("warning");
    case Kind::Error:
        return QStringLiteral("error");
    case Kind::Information:
        return QStringLiteral("information");
    case Kind::Confirm:
        return QStringLiteral("confirm");
    case Kind::OpenFile:
        return QStringLiteral("openFile");
    case Kind::SaveFile:
        return QStringLiteral("saveFile");
    case Kind::InputText:
        return QStringLiteral("inputText");
    case Kind::ChoosePrinter:
        return QStringLiteral("choosePrinter");
    case Kind::ChooseFolder:
        return QStringLiteral("chooseFolder");
    case Kind::Leave:
        return QStringLiteral("leave");
    }
    return {};
}

QStringList ScriptedDialogs::messageLines() const {
    QStringList lines;
    for (const Box& box : boxes)
        if (box.kind == Kind::Plain || box.kind == Kind::Warning || box.kind == Kind::Error ||
            box.kind == Kind::Information || box.kind == Kind::Confirm || box.kind == Kind::Leave)
            lines << kindName(box.kind) + QStringLiteral(": ") + box.text;
    return lines;
}

QStringList ScriptedDialogs::texts(Kind kind) const {
    QStringList result;
    for (const Box& box : boxes)
        if (box.kind == kind)
            result << box.text;
    return result;
}

void ScriptedDialogs::message(MessageKind kind, const QString& text) {
    Kind k = Kind::Plain;
    switch (kind) {
    case MessageKind::Plain:
        k = Kind::Plain;
        break;
    case MessageKind::Warning:
        k = Kind::Warning;
        break;
    case MessageKind::Error:
        k = Kind::Error;
        break;
    case MessageKind::Information:
        k = Kind::Information;
        break;
    }
    boxes.append({k, text, {}});
}

bool ScriptedDialogs::confirm(const QString& text) {
    boxes.append({Kind::Confirm, text, {}});
    return confirmAnswers.isEmpty() ? false : confirmAnswers.dequeue();
}

QString ScriptedDialogs::openFile(const QString& title, const QString& filter, const QString& dir) {
    boxes.append({Kind::OpenFile, title, filter});
    dirs.append(dir);
    return openFileAnswers.isEmpty() ? QString() : openFileAnswers.dequeue();
}

QString ScriptedDialogs::chooseFolder(const QString& title, const QString& dir) {
    boxes.append({Kind::ChooseFolder, title, dir});
    dirs.append(dir);
    return folderAnswers.isEmpty() ? QString() : folderAnswers.dequeue();
}

QString ScriptedDialogs::saveFile(const QString& title, const QString& filter, const QString& dir,
                                  const QString& proposedName, bool confirmOverwrite) {
    boxes.append({Kind::SaveFile, title, filter});
    saveRequests.append({filter, dir, proposedName, confirmOverwrite});
    dirs.append(dir);
    return saveFileAnswers.isEmpty() ? QString() : saveFileAnswers.dequeue();
}

QString ScriptedDialogs::saveFileOfType(const QString& title, const QString& filter,
                                        const QString& dir, const QString& proposedName,
                                        bool confirmOverwrite, QString& chosenType) {
    const QString file = saveFile(title, filter, dir, proposedName, confirmOverwrite);
    chosenType = saveTypeAnswers.isEmpty() ? QString() : saveTypeAnswers.dequeue();
    return file;
}

std::optional<QString> ScriptedDialogs::inputText(const QString& title, const QString& prompt,
                                                  const QString&) {
    boxes.append({Kind::InputText, title, prompt});
    if (inputAnswers.isEmpty())
        return std::nullopt;
    return inputAnswers.dequeue();
}

bool ScriptedDialogs::choosePrinter(QPrinter& printer, const PrintRequest& request) {
    boxes.append({Kind::ChoosePrinter, QString(), QString()});
    printRequests.append(request);
    return !printerAnswers.isEmpty() && printerAnswers.dequeue()(printer, request);
}

ScriptedDialogs::PrinterAnswer ScriptedDialogs::printToPdf(const QString& file, int from, int to) {
    return [=](QPrinter& printer, const PrintRequest&) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(file);
        if (from > 0) {
            printer.setPrintRange(QPrinter::PageRange);
            printer.setFromTo(from, to);
        } else {
            printer.setPrintRange(QPrinter::AllPages);
            printer.setPageRanges(QPageRanges());
        }
        return true;
    };
}

LeaveChoice ScriptedDialogs::askLeave(const LeaveQuestion& question) {
    boxes.append({Kind::Leave, question.text,
                  QStringList{question.save, question.discard, question.stay}.join(u'|')});
    return leaveAnswers.isEmpty() ? LeaveChoice::Stay : leaveAnswers.dequeue();
}
