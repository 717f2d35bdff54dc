#include "window/QtDialogs.h"

#include "dialogs/DialogBoxes.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QInputDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>

void QtDialogs::message(MessageKind kind, const QString& text) {
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    switch (kind) {
    case MessageKind::Plain:
        icon = QMessageBox::NoIcon;
        break;
    case MessageKind::Warning:
        icon = QMessageBox::Warning;
        break;
    case MessageKind::Error:
        icon = QMessageBox::Critical;
        break;
    case MessageKind::Information:
        icon = QMessageBox::Information;
        break;
    }
    DialogBoxes::message(m_parent, applicationCaption(), icon, text);
}

bool QtDialogs::confirm(const QString& text) {
    return DialogBoxes::confirm(m_parent, applicationCaption(), text);
}

QString QtDialogs::openFile(const QString& title, const QString& filter, const QString& dir) {
    return QFileDialog::getOpenFileName(m_parent, title, dir, filter);
}

QString QtDialogs::chooseFolder(const QString& title, const QString& dir) {
    return QFileDialog::getExistingDirectory(m_parent, title, dir);
}

QString QtDialogs::saveFile(const QString& title, const QString& filter, const QString& dir,
                            const QString& proposedName, bool confirmOverwrite) {
    QString chosenType;
    return saveFileOfType(title, filter, dir, proposedName, confirmOverwrite, chosenType);
}

QString QtDialogs::saveFileOfType(const QString& title, const QString& filter, const QString& dir,
                                  const QString& proposedName, bool confirmOverwrite,
                                  QString& chosenType) {
    DialogBoxes::FileRequest request;
    request.mode = DialogBoxes::FileRequest::Mode::Save;
    request.title = title;
    request.dir = dir;
    request.filter = filter;
    request.proposedName = proposedName;
    request.confirmOverwrite = confirmOverwrite;
    const DialogBoxes::ChosenFile chosen = DialogBoxes::chooseFile(m_parent, request);
    chosenType = chosen.type;
    return chosen.path;
}

std::optional<QString> QtDialogs::inputText(const QString& title, const QString& prompt,
                                            const QString& initial) {
    bool ok = false;
    const QString text =
        QInputDialog::getText(m_parent, title, prompt, QLineEdit::Normal, initial, &ok);
    if (!ok)
        return std::nullopt;
    return text;
}

bool QtDialogs::choosePrinter(QPrinter& printer, const PrintRequest& request) {
    QPrintDialog dialog(&printer, m_parent);
    QAbstractPrintDialog::PrintDialogOptions options;
    if (request.allowPageRange)
        options |= QAbstractPrintDialog::PrintPageRange;
    if (request.allowPrintToFile)
        options |= QAbstractPrintDialog::PrintToFile;
    dialog.setOptions(options);
    if (request.allowPageRange) {
        dialog.setMinMax(request.minPage, request.maxPage);
        printer.setFromTo(request.minPage, request.maxPage);
    }
    return dialog.exec() == QDialog::Accepted;
}

LeaveChoice QtDialogs::askLeave(const LeaveQuestion& question) {
    QMessageBox box(QMessageBox::Question, applicationCaption(), question.text,
                    QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, m_parent);
    box.button(QMessageBox::Save)->setText(question.save);
    box.button(QMessageBox::Discard)->setText(question.discard);
    box.button(QMessageBox::Cancel)->setText(question.stay);
    // Enter saves; Escape or closing the box goes on editing: nothing is lost by a slip.
    box.setDefaultButton(QMessageBox::Save);
    box.setEscapeButton(QMessageBox::Cancel);
    box.exec();
    switch (box.standardButton(box.clickedButton())) {
    case QMessageBox::Save:
        return LeaveChoice::Save;
    case QMessageBox::Discard:
        return LeaveChoice::Discard;
    default:
        return LeaveChoice::Stay;
    }
}
