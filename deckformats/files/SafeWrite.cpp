#include "registry/SafeWrite.h"

#include <QDir>
#include <QFileInfo>
#include <QFile>
#include <QSaveFile>
#include <sys/stat.h>

bool isSpecialFile(const QString& path) {
    struct stat st {};
    return !path.isEmpty() && ::stat(QFile::encodeName(path).constData(), &st) == 0 &&
           !S_ISREG(st.st_mode);
}

QString notRegularFileText(const QString& path) {
    return QStringLiteral("Arquivo de saída \"%1\" não é um arquivo comum.")
        .arg(QDir::toNativeSeparators(path));
}

bool openUnbuffered(QSaveFile& file) {
    return file.open(QIODevice::WriteOnly | QIODevice::Unbuffered);
}

qint64 WholeSaveFile::writeData(const char* data, qint64 len) {
    qint64 done = 0;
    while (done < len) {
        const qint64 written = QSaveFile::writeData(data + done, len - done);
        if (written <= 0)
            return -1;
        done += written;
    }
    return done;
}

bool writeFileAtomically(const QString& path, const QByteArray& bytes, QString* error) {
    QSaveFile file(path);
    const auto fail = [&] {
        if (error)
            *error = file.errorString();
        file.cancelWriting();
        return false;
    };
    if (isSpecialFile(path)) {
        if (error)
            *error = notRegularFileText(path);
        return false;
    }
    if (path.isEmpty() || !openUnbuffered(file))
        return fail();
    const char* data = bytes.constData();
    qint64 left = bytes.size();
    while (left > 0) {
        const qint64 written = file.write(data, left);
        if (written <= 0)
            return fail();
        data += written;
        left -= written;
    }
    if (!file.commit()) {
        if (error)
            *error = file.errorString();
        return false;
    }
    return true;
}

namespace {

bool sameInode(const QString& a, const QString& b) {
    struct stat sa {};
    struct stat sb {};
    if (::stat(QFile::encodeName(a).constData(), &sa) != 0 ||
        ::stat(QFile::encodeName(b).constData(), &sb) != 0)
        return false;
    return sa.st_dev == sb.st_dev && sa.st_ino == sb.st_ino;
}

} // namespace

bool sameFile(const QString& a, const QString& b) {
    if (a.isEmpty() || b.isEmpty())
        return false;
    const QFileInfo ia(a);
    const QFileInfo ib(b);
    if (ia.exists() && ib.exists()) {
        const QString ca = ia.canonicalFilePath();
        if (!ca.isEmpty() && ca == ib.canonicalFilePath())
            return true;
        return sameInode(a, b);
    }
    return QDir::cleanPath(ia.absoluteFilePath()) == QDir::cleanPath(ib.absoluteFilePath());
}

QString clashingFile(const QString& output, const QStringList& files) {
    for (const QString& file : files)
        if (sameFile(output, file))
            return file;
    return {};
}
