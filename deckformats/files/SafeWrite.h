#pragma once
// Writing a whole file so that a failure leaves the old file (or none) in place.
//
// QSaveFile alone is not enough: commit() flushes its write buffer but ignores a flush that
// fails, so on a full disk a buffered write put a short file in place of the old one and
// reported success. The file is therefore written unbuffered, every short write retried for
// the system's reason, and committed only when every byte is down.

#include "files/FileChecks.h"

#include <QByteArray>
#include <QSaveFile>
#include <QString>
#include <functional>
#include <optional>

// Why a whole write failed: the step, and the system's reason for it.
struct WriteFailure {
    enum class Step {
        NotRegularFile, // the path names a FIFO, a device, a socket or a folder: not touched
        Create,         // the temporary file could not be made
        Write,          // the bytes, or the rename into place, did not all reach the disk
    };
    Step step = Step::Write;
    QString reason; // the platform's text; with NotRegularFile, notRegularFileText(path)
};

// Writes size bytes to path through a temporary file renamed into place, every short write
// retried; nullopt once the whole file is committed, else why not (the old file then stays).
std::optional<WriteFailure> writeWhole(const QString& path, const char* data, qint64 size);

// The same, for the editor's callers: false and the reason when the file could not be written
// whole, or when path is special.
bool writeFileAtomically(const QString& path, const QByteArray& bytes, QString* error = nullptr);

// Seam for fault tests: asked with the path once the bytes are written, just before the
// commit. An answer that is not empty is the system's error text (say "No space left on
// device"): the commit is abandoned as a failing disk would abandon it. Unset in the programs.
using CommitFault = std::function<QString(const QString& path)>;
void setCommitFaultForTesting(CommitFault fault);

// For streamed writers (a PDF): opens a QSaveFile unbuffered, so that every failing write is
// seen by the file and its commit() then refuses to replace the target.
bool openUnbuffered(QSaveFile& file);

// The file a streamed writer (QPdfWriter) writes through. Opened unbuffered, and every write
// is whole or fails: a full disk takes the bytes that fit and answers that short count
// without an error, which the writer would not look at, and a document whose last write came
// out short would then be committed cut. Here the rest is written again, the disk's refusal
// then reaches the file, and commit() keeps the old file.
class WholeSaveFile : public QSaveFile {
public:
    using QSaveFile::QSaveFile;
    bool openForWriting() { return openUnbuffered(*this); }

protected:
    qint64 writeData(const char* data, qint64 len) override;
};
