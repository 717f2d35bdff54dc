#include "window/QtDialogs.h"

#include "dialogs/DialogBoxes.h"

#include <QDesktopServices>
#include <QUrl>

namespace Torvane {

void QtDialogs::message(BoxKind kind, const QString& text) {
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    switch (kind) {
    case BoxKind::Warning:
        icon = QMessageBox::Warning;
        break;
    case BoxKind::Error:
        icon = QMessageBox::Critical;
        break;
    case BoxKind::Information:
        icon = QMessageBox::Information;
        break;
    }
    DialogBoxes::message(m_parent, applicationTitle(), icon, text);
}

bool QtDialogs::confirm(const QString& text) {
    return DialogBoxes::confirm(m_parent, applicationTitle(), text);
}

QString QtDialogs::openFile(const QString& title, const QString& filter, const QString& folder) {
    DialogBoxes::FileRequest request;
    request.title = title;
    request.dir = folder;
    request.filter = qtFileFilter(filter);
    return DialogBoxes::chooseFile(m_parent, request).path;
}

QString QtDialogs::saveFile(const QString& title, const QString& filter, const QString& folder) {
    DialogBoxes::FileRequest request;
    request.mode = DialogBoxes::FileRequest::Mode::Save;
    request.title = title;
    request.dir = folder;
    request.filter = qtFileFilter(filter);
    // The conversion asks its own overwrite question.
    request.confirmOverwrite = false;
    const DialogBoxes::ChosenFile chosen = DialogBoxes::chooseFile(m_parent, request);
    // A name typed without an extension takes the chosen type's.
    return withFilterSuffix(chosen.path, chosen.type);
}

bool QtDialogs::openDocument(const QString& path) {
    // A URL, never a shell command line: the path cannot be read as arguments.
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

} // namespace Torvane
