#include "window/QtDialogs.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>

void QtDialogs::message(MessageKind kind, const QString& text) {
    QMessageBox box(m_parent);
    box.setWindowTitle(applicationCaption());
    box.setText(text);
    switch (kind) {
    case MessageKind::Plain:
        box.setIcon(QMessageBox::NoIcon);
        break;
    case MessageKind::Warning:
        box.setIcon(QMessageBox::Warning);
        break;
    case MessageKind::Error:
        box.setIcon(QMessageBox::Critical);
        break;
    case MessageKind::Information:
        box.setIcon(QMessageBox::Information);
        break;
    }
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
}

bool QtDialogs::confirm(const QString& text) {
    QMessageBox box(m_parent);
    box.setWindowTitle(applicationCaption());
    box.setText(text);
    box.setIcon(QMessageBox::Question);
    box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
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
    chosenType.clear();
    QFileDialog dialog(m_parent, title, dir, filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    if (!confirmOverwrite)
        dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
    if (!proposedName.isEmpty())
        dialog.selectFile(proposedName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    chosenType = dialog.selectedNameFilter();
    return dialog.selectedFiles().constFirst();
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
