#pragma once
// Writing a whole file so that a failure leaves the old file (or none) in place.
//
// QSaveFile alone is not enough: commit() flushes its write buffer but ignores a flush that
// fails, so on a full disk a buffered write put a short file in place of the old one and
// reported success. The file is therefore written unbuffered, every short write retried for
// the system's reason, and committed only when every byte is down.

#include <QByteArray>
#include <QString>

class QSaveFile;

// Writes bytes to path through a temporary file renamed into place; false and the reason
// (the platform's text) when the file could not be written whole.
bool writeFileAtomically(const QString& path, const QByteArray& bytes, QString* error = nullptr);

// For streamed writers (a PDF): opens a QSaveFile unbuffered, so that every failing write is
// seen by the file and its commit() then refuses to replace the target.
bool openUnbuffered(QSaveFile& file);
