#pragma once
// What a conversion answers: the output bytes, or the one failure that ended it.
// Messages are UTF-8; the file bytes themselves are never transcoded.

#include <optional>
#include <string>

namespace Torvane {

enum class FailureKind {
    Warning,       // an error of content, shown in a warning box
    PlatformError, // a malformed number or a read past the end, shown in the error box
};

struct Failure {
    FailureKind kind;
    std::string message;
};

struct ConvResult {
    std::string output;
    std::optional<Failure> failure;

    bool ok() const { return !failure.has_value(); }

    static ConvResult success(std::string bytes) { return {std::move(bytes), std::nullopt}; }
    static ConvResult warning(std::string message) {
        return {{}, Failure{FailureKind::Warning, std::move(message)}};
    }
    static ConvResult platformError(std::string message) {
        return {{}, Failure{FailureKind::PlatformError, std::move(message)}};
    }
};

// The platform's texts for the two errors the conversions raise themselves.
inline const char* const kReadBeyondEnd = "Read beyond end of file";
std::string notValidInteger(std::string_view fieldBytes);

} // namespace Torvane
