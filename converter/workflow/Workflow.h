#pragma once
// The steps every conversion shares: save dialog, same-file refusal, refusal of an output that
// is not a regular file, overwrite question, input check, conversion, atomic write, success
// message.

#include "inflows/Result.h"
#include "workflow/Dialogs.h"

#include "files/SafeWrite.h"

#include <QString>
#include <QStringList>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace Torvane {

enum class InputCheck {
    Warning,      // a missing input is "Arquivo <path> inexistente.", before anything is read
    FileNotFound, // no check of its own: opening fails with the platform's "File not found"
};

struct ConversionDef {
    // When set, the input is chosen in the open dialog first instead of being given.
    QString openTitle;
    QString openFilter;
    QString saveTitle;
    QString saveFilter;
    QString successPrefix; // the success text before the quoted output path
    QString successSuffix = QStringLiteral(" gerado com sucesso !");
    InputCheck inputCheck = InputCheck::Warning;
    // Refuses an input by its size before it is read (one larger than any valid file of its
    // kind); unset: no limit.
    std::function<std::optional<Failure>(std::uint64_t size, const std::string& inputPath)>
        checkSize;
    // A word of caution on the input read, shown before the conversion runs on; nullopt: none.
    std::function<std::optional<std::string>(std::string_view input, const std::string& inputPath)>
        advise;
    // Input bytes and the input path as the messages show it (UTF-8).
    std::function<ConvResult(std::string_view input, const std::string& inputPath)> convert;
};

enum class Outcome {
    Succeeded,
    Cancelled,      // a file dialog was cancelled
    SameFile,       // output and input are one file
    NotRegularFile, // the output exists, or the input is, a FIFO, a device, a socket or a folder
    Declined,       // the overwrite question was not answered Yes
    MissingInput,   // the input file does not exist
    Failed,         // an error of content or of the platform
};

// inputPath is used when the definition has no open dialog of its own.
Outcome runConversion(Dialogs& dialogs, const QString& inputPath, const ConversionDef& def);

// The refusals of an output before anything is read: one of the inputs, no regular file, or an
// existing file whose overwrite question is not answered Yes. nullopt when it may be written.
std::optional<Outcome> refuseOutput(Dialogs& dialogs, const QString& outputPath,
                                    const QStringList& inputPaths);

// An input read whole, or the outcome after its message (missing, unreadable).
struct InputRead {
    std::optional<ByteBuffer> bytes;
    Outcome outcome = Outcome::Succeeded;
};
// An input that is no regular file is refused before it is opened, and one that checkSize
// refuses before it is read.
using SizeCheck =
    std::function<std::optional<Failure>(std::uint64_t size, const std::string& inputPath)>;
InputRead readInput(Dialogs& dialogs, const QString& path, InputCheck check = InputCheck::Warning,
                    const SizeCheck& checkSize = {});

// The failure shown in its box: a warning or the error box.
void showFailure(Dialogs& dialogs, const Failure& failure);

// The overwrite question; LF before CR, as the users' scripts expect.
QString overwriteQuestion(const QString& path);

// Writes the whole of bytes to path through QSaveFile; the error text on failure, else empty.
QString writeWholeFile(const QString& path, std::string_view bytes);

// The fault tests' seam of the one atomic write (files/SafeWrite.h).
using ::CommitFault;
using ::setCommitFaultForTesting;

} // namespace Torvane
