#include "files/SafeWrite.h"

#include <QSaveFile>

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

namespace {

CommitFault& commitFault() {
    static CommitFault fault;
    return fault;
}

} // namespace

void setCommitFaultForTesting(CommitFault fault) {
    commitFault() = std::move(fault);
}

std::optional<WriteFailure> writeWhole(const QString& path, const char* data, qint64 size) {
    using Step = WriteFailure::Step;
    if (isSpecialFile(path))
        return WriteFailure{Step::NotRegularFile, notRegularFileText(path)};
    QSaveFile file(path);
    // Unbuffered: a buffered write fails only at the flush inside commit(), which ignores it
    // (a full disk then put an empty file in place of the old one and reported success).
    if (path.isEmpty() || !openUnbuffered(file))
        return WriteFailure{Step::Create, file.errorString()};
    const auto failed = [&file](const QString& why) {
        file.cancelWriting();
        (void)file.commit(); // discards the temporary file; the old one stays
        return WriteFailure{Step::Write, why};
    };
    // A short write carries no reason; writing the rest again fails with the system's own.
    while (size > 0) {
        const qint64 written = file.write(data, size);
        if (written <= 0)
            return failed(file.errorString());
        data += written;
        size -= written;
    }
    if (!file.flush())
        return failed(file.errorString());
    if (commitFault())
        if (const QString injected = commitFault()(path); !injected.isEmpty())
            return failed(injected);
    if (!file.commit())
        return WriteFailure{Step::Write, file.errorString()};
    return std::nullopt;
}

bool writeFileAtomically(const QString& path, const QByteArray& bytes, QString* error) {
    const std::optional<WriteFailure> failure = writeWhole(path, bytes.constData(), bytes.size());
    if (failure && error)
        *error = failure->reason;
    return !failure;
}
