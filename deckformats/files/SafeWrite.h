#pragma once
// Writing a whole file so that a failure leaves the old file (or none) in place.
//
// QSaveFile alone is not enough: commit() flushes its write buffer but ignores a flush that
// fails, so on a full disk a buffered write put a short file in place of the old one and
// reported success. The file is therefore written unbuffered, every short write retried for
// the system's reason, and committed only when every byte is down.

#include <QByteArray>
#include <QSaveFile>
#include <QString>
#include <QStringList>

// True when the path names something that exists and is not a regular file (a FIFO, a device,
// a socket, a folder), through links: no output may replace it and no input is read from it.
bool isSpecialFile(const QString& path);
// "Arquivo de saída "<path>" não é um arquivo comum."
QString notRegularFileText(const QString& path);

// True when both paths name the same file: the same canonical path or the same device and
// inode (a symbolic or hard link to it); a path that does not exist compares by its absolute,
// cleaned form. An empty path is never the same as anything.
bool sameFile(const QString& a, const QString& b);
// The first of files that output is the same file as; empty when none.
QString clashingFile(const QString& output, const QStringList& files);

// Writes bytes to path through a temporary file renamed into place; false and the reason
// (the platform's text) when the file could not be written whole, or when path is special.
bool writeFileAtomically(const QString& path, const QByteArray& bytes, QString* error = nullptr);

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
