#include "core/Dialogs.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

QString applicationCaption() {
    const QString name = QCoreApplication::applicationName();
    return name.isEmpty() ? ApplicationName : name;
}

QString Dialogs::startFolder(FileKind kind, const QString& dir) const {
    const QString last = m_folders ? m_folders->lastFolder(kind) : QString();
    return !last.isEmpty() && QFileInfo(last).isDir() ? last : dir;
}

QString Dialogs::chosen(FileKind kind, const QString& path, bool isFolder) {
    if (m_folders && !path.isEmpty()) {
        const QFileInfo info(path);
        m_folders->setLastFolder(
            kind, QDir::cleanPath(isFolder ? info.absoluteFilePath() : info.absolutePath()));
    }
    return path;
}

QString Dialogs::openFileFor(FileKind kind, const QString& title, const QString& filter,
                             const QString& dir) {
    return chosen(kind, openFile(title, filter, startFolder(kind, dir)), false);
}

QString Dialogs::saveFileFor(FileKind kind, const QString& title, const QString& filter,
                             const QString& dir, const QString& proposedName,
                             bool confirmOverwrite) {
    return chosen(kind,
                  saveFile(title, filter, startFolder(kind, dir), proposedName, confirmOverwrite),
                  false);
}

QString Dialogs::saveFileOfTypeFor(FileKind kind, const QString& title, const QString& filter,
                                   const QString& dir, const QString& proposedName,
                                   bool confirmOverwrite, QString& chosenType) {
    return chosen(kind,
                  saveFileOfType(title, filter, startFolder(kind, dir), proposedName,
                                 confirmOverwrite, chosenType),
                  false);
}

QString Dialogs::chooseFolderFor(FileKind kind, const QString& title, const QString& dir) {
    return chosen(kind, chooseFolder(title, startFolder(kind, dir)), true);
}
