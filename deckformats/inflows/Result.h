#pragma once
// What a conversion answers: the output bytes, or the one failure that ended it.
// Messages are UTF-8; the file bytes themselves are never transcoded.

#include <cstddef>
#include <cstring>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace Torvane {

enum class FailureKind {
    Warning,       // an error of content, shown in a warning box
    PlatformError, // a malformed number or a read past the end, shown in the error box
};

struct Failure {
    FailureKind kind;
    std::string message;
};

// The bytes of an output, allocated once and not cleared: the largest conversions format
// straight into it, so no byte is written twice.
class ByteBuffer {
public:
    ByteBuffer() = default;
    explicit ByteBuffer(std::string_view bytes) : ByteBuffer(uninitialized(bytes.size())) {
        if (!bytes.empty())
            std::memcpy(m_data.get(), bytes.data(), bytes.size());
    }
    // size bytes of indeterminate value, for the caller to fill.
    static ByteBuffer uninitialized(std::size_t size);

    char* data() { return m_data.get(); }
    const char* data() const { return m_data.get(); }
    std::size_t size() const { return m_size; }
    bool empty() const { return m_size == 0; }
    // Keeps the first size bytes (size no larger than now).
    void shrink(std::size_t size) { m_size = size; }

    std::string_view view() const { return {m_data.get(), m_size}; }
    operator std::string_view() const { return view(); }
    std::string str() const { return std::string(view()); }
    friend bool operator==(const ByteBuffer& a, std::string_view b) { return a.view() == b; }

private:
    struct Free {
        void operator()(char* p) const;
    };
    std::unique_ptr<char, Free> m_data;
    std::size_t m_size = 0;
};

struct ConvResult {
    ByteBuffer output;
    std::optional<Failure> failure;

    bool ok() const { return !failure.has_value(); }

    static ConvResult success(ByteBuffer bytes) { return {std::move(bytes), std::nullopt}; }
    static ConvResult success(const std::string& bytes) {
        return {ByteBuffer(std::string_view(bytes)), std::nullopt};
    }
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
