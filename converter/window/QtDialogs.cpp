#include "window/QtDialogs.h"

#include <QDesktopServices>
#include <QFileDialog>
#include <QMessageBox>
#include <QUrl>

namespace Torvane {

void QtDialogs::message(BoxKind kind, const QString& text) {
    QMessageBox box(m_parent);
    box.setWindowTitle(applicationTitle());
    box.setText(text);
    switch (kind) {
    case BoxKind::Warning:
        box.setIcon(QMessageBox::Warning);
        break;
    case BoxKind::Error:
        box.setIcon(QMessageBox::Critical);
        break;
    case BoxKind::Information:
        box.setIcon(QMessageBox::Information);
        break;
    }
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
}

bool QtDialogs::confirm(const QString& text) {
    QMessageBox box(m_parent);
    box.setWindowTitle(applicationTitle());
    box.setText(text);
    box.setIcon(QMessageBox::Question);
    box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

QString QtDialogs::openFile(const QString& title, const QString& filter) {
    QFileDialog dialog(m_parent, title, QString(), qtFileFilter(filter));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

QString QtDialogs::saveFile(const QString& title, const QString& filter) {
    QFileDialog dialog(m_parent, title, QString(), qtFileFilter(filter));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    // The conversion asks its own overwrite question.
    dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    // A name typed without an extension takes the chosen type's.
    return withFilterSuffix(dialog.selectedFiles().constFirst(), dialog.selectedNameFilter());
}

bool QtDialogs::openDocument(const QString& path) {
    // A URL, never a shell command line: the path cannot be read as arguments.
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

} // namespace Torvane
