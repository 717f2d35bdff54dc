#pragma once
// The checks every program makes before it reads or writes a file the user named: is it a
// regular file, is it one of the files being read. Both programs refuse the same cases; each
// says so in its own words, the texts they share are here.

#include <QString>
#include <QStringList>

// True when the path names something that exists and is not a regular file (a FIFO, a device,
// a socket, a folder), through links: no output may replace it and no input is read from it.
bool isSpecialFile(const QString& path);

// True when both paths name the same file: the same canonical path or the same device and
// inode (a symbolic or hard link to it). A path that does not exist compares by its absolute,
// cleaned form, so two names of one file yet to be written are one file. An empty path is
// never the same as anything.
bool sameFile(const QString& a, const QString& b);
// The first of files that output is the same file as; empty when none.
QString clashingFile(const QString& output, const QStringList& files);

// Why an output may not be written, checked before anything is read: no regular file first (it
// needs no comparison), then one of the inputs.
enum class OutputRefusal { None, NotRegularFile, IsAnInput };
struct OutputCheck {
    OutputRefusal refusal = OutputRefusal::None;
    QString input; // with IsAnInput, the input it is
};
OutputCheck checkOutput(const QString& output, const QStringList& inputs);

// "Arquivo de saída "<path>" não é um arquivo comum." (both programs, whatever the language).
QString notRegularFileText(const QString& path);
// "Arquivo de entrada "<path>" não é um arquivo comum."
QString notRegularInputText(const QString& path);
// Tobrel's refusal of an output that is its input. Velarin names the registry instead, in the
// interface's language (its language table's OutputIsRegistry).
QString outputIsInputText();
