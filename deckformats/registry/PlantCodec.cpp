#include "registry/PlantCodec.h"

#include <cstring>
#include <type_traits>

namespace {

template <class T> struct IsStdArray : std::false_type {};
template <class T, std::size_t N> struct IsStdArray<std::array<T, N>> : std::true_type {};

// Numbers go through their 32-bit pattern, so no float changes on the way.
inline std::uint32_t bitsOf(std::int32_t v) {
    return static_cast<std::uint32_t>(v);
}
inline std::uint32_t bitsOf(float v) {
    std::uint32_t u;
    std::memcpy(&u, &v, 4);
    return u;
}
inline void setBits(std::int32_t& v, std::uint32_t u) {
    v = static_cast<std::int32_t>(u);
}
inline void setBits(float& v, std::uint32_t u) {
    std::memcpy(&v, &u, 4);
}

struct Writer {
    char* out;
    int pos = 0;
    void put(char c) { out[pos++] = c; }
    template <class T> void put(const T& v) {
        if constexpr (IsStdArray<T>::value) {
            for (const auto& e : v)
                put(e);
        } else {
            const std::uint32_t u = bitsOf(v);
            out[pos++] = static_cast<char>(u & 0xFF);
            out[pos++] = static_cast<char>((u >> 8) & 0xFF);
            out[pos++] = static_cast<char>((u >> 16) & 0xFF);
            out[pos++] = static_cast<char>((u >> 24) & 0xFF);
        }
    }
    template <class T> void operator()(const char*, const T& v) { put(v); }
};

struct Reader {
    const unsigned char* in;
    std::size_t size;
    std::size_t pos = 0;
    void get(char& c) {
        if (pos + 1 <= size)
            c = static_cast<char>(in[pos]);
        ++pos;
    }
    template <class T> void get(T& v) {
        if constexpr (IsStdArray<T>::value) {
            for (auto& e : v)
                get(e);
        } else {
            if (pos + 4 <= size) {
                const std::uint32_t u = std::uint32_t(in[pos]) | (std::uint32_t(in[pos + 1]) << 8) |
                                        (std::uint32_t(in[pos + 2]) << 16) |
                                        (std::uint32_t(in[pos + 3]) << 24);
                setBits(v, u);
            }
            pos += 4;
        }
    }
    template <class T> void operator()(const char*, T& v) { get(v); }
};

template <class T> constexpr int fileSizeOf() {
    if constexpr (IsStdArray<T>::value)
        return int(std::tuple_size<T>::value) * fileSizeOf<typename T::value_type>();
    else if constexpr (std::is_same_v<T, char>)
        return 1;
    else
        return 4;
}

} // namespace

void encodePlant(const TUsinaHd& plant, char* out) {
    Writer w{out};
    forEachPlantField(plant, w);
}

QByteArray encodePlant(const TUsinaHd& plant) {
    QByteArray bytes(RecordSize, '\0');
    encodePlant(plant, bytes.data());
    return bytes;
}

void decodePlant(const char* data, std::size_t size, TUsinaHd& plant) {
    Reader r{reinterpret_cast<const unsigned char*>(data), size};
    forEachPlantField(plant, r);
}

FieldSpan plantFieldSpan(const char* name) {
    FieldSpan found;
    int offset = 0;
    TUsinaHd probe;
    forEachPlantField(probe, [&](const char* fieldName, auto& field) {
        const int size = fileSizeOf<std::remove_reference_t<decltype(field)>>();
        if (std::strcmp(fieldName, name) == 0)
            found = {offset, size};
        offset += size;
    });
    return found;
}

bool samePlantBits(const TUsinaHd& a, const TUsinaHd& b) {
    return encodePlant(a) == encodePlant(b);
}
