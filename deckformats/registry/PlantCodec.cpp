#include "registry/PlantCodec.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstring>
#include <type_traits>

namespace {

template <class T> struct IsStdArray : std::false_type {};
template <class T, std::size_t N> struct IsStdArray<std::array<T, N>> : std::true_type {};

// Numbers go through their bit patterns, so no value changes on the way.
inline std::uint32_t bitsOf(std::int32_t v) {
    return static_cast<std::uint32_t>(v);
}
inline std::uint32_t bitsOf(float v) {
    return std::bit_cast<std::uint32_t>(v);
}
inline void setBits(std::int32_t& v, std::uint32_t u) {
    v = static_cast<std::int32_t>(u);
}
inline void setBits(float& v, std::uint32_t u) {
    v = std::bit_cast<float>(u);
}

struct Writer {
    char* out;
    bool wide;
    int pos = 0;
    void put(char c) { out[pos++] = c; }
    void putBytes(std::uint64_t u, int n) {
        for (int i = 0; i < n; ++i)
            out[pos++] = static_cast<char>((u >> (8 * i)) & 0xFF);
    }
    void put(double v) {
        if (wide)
            putBytes(std::bit_cast<std::uint64_t>(v), 8);
        else
            putBytes(bitsOf(narrowExact(v)), 4);
    }
    template <class T> void put(const T& v) {
        if constexpr (IsStdArray<T>::value) {
            for (const auto& e : v)
                put(e);
        } else {
            putBytes(bitsOf(v), 4);
        }
    }
    template <class T> void operator()(const char*, const T& v) { put(v); }
};

struct Reader {
    const unsigned char* in;
    std::size_t size;
    bool wide;
    std::size_t pos = 0;
    std::uint64_t bytes(int n) const {
        std::uint64_t u = 0;
        for (int i = 0; i < n; ++i)
            u |= std::uint64_t(in[pos + std::size_t(i)]) << (8 * i);
        return u;
    }
    void get(char& c) {
        if (pos + 1 <= size)
            c = static_cast<char>(in[pos]);
        ++pos;
    }
    void get(double& v) {
        const int n = wide ? 8 : 4;
        if (pos + std::size_t(n) <= size)
            v = wide ? std::bit_cast<double>(bytes(8))
                     : widenExact(std::bit_cast<float>(std::uint32_t(bytes(4))));
        pos += std::size_t(n);
    }
    template <class T> void get(T& v) {
        if constexpr (IsStdArray<T>::value) {
            for (auto& e : v)
                get(e);
        } else {
            if (pos + 4 <= size)
                setBits(v, std::uint32_t(bytes(4)));
            pos += 4;
        }
    }
    template <class T> void operator()(const char*, T& v) { get(v); }
};

template <class T> int fileSizeOf(bool wide) {
    if constexpr (IsStdArray<T>::value)
        return int(std::tuple_size<T>::value) * fileSizeOf<typename T::value_type>(wide);
    else if constexpr (std::is_same_v<T, char>)
        return 1;
    else if constexpr (std::is_same_v<T, double>)
        return wide ? 8 : 4;
    else
        return 4;
}

bool isWide(RecordForm form) {
    return form == RecordForm::Bytes832;
}

constexpr std::uint64_t kDoubleMantissa = (std::uint64_t(1) << 52) - 1;
constexpr int kMantissaShift = 52 - 23;

} // namespace

RecordForm formOfSize(qint64 size) {
    return size % WideRecordSize == 0 && size % RecordSize != 0 ? RecordForm::Bytes832
                                                                : RecordForm::Bytes792;
}

bool isAmbiguousSize(qint64 size) {
    return size > 0 && size % WideRecordSize == 0 && size % RecordSize == 0;
}

RecordForm resolveForm(RecordForm form, qint64 size) {
    return form == RecordForm::BySize ? formOfSize(size) : form;
}

const char* formDigits(RecordForm form) {
    return isWide(form) ? "832" : "792";
}

double widenExact(float value) {
    const std::uint32_t bits = std::bit_cast<std::uint32_t>(value);
    if (!std::isnan(value))
        return double(value); // exact for every number, subnormals and zeros included
    const std::uint64_t sign = std::uint64_t(bits >> 31) << 63;
    const std::uint64_t payload = std::uint64_t(bits & 0x7FFFFFu) << kMantissaShift;
    return std::bit_cast<double>(sign | (std::uint64_t(0x7FF) << 52) | payload);
}

float narrowExact(double value, bool* kept) {
    float result;
    if (std::isnan(value)) {
        const std::uint64_t bits = std::bit_cast<std::uint64_t>(value);
        std::uint32_t payload = std::uint32_t((bits & kDoubleMantissa) >> kMantissaShift);
        if (payload == 0)
            payload = 1; // a payload only in the low bits: still a NaN, not an infinity
        result = std::bit_cast<float>(std::uint32_t(bits >> 63) << 31 | 0x7F800000u | payload);
    } else {
        result = float(value); // round to nearest
    }
    if (kept)
        *kept =
            std::bit_cast<std::uint64_t>(widenExact(result)) == std::bit_cast<std::uint64_t>(value);
    return result;
}

void encodePlant(const TUsinaHd& plant, char* out, RecordForm form) {
    Writer w{out, isWide(form)};
    forEachPlantField(plant, w);
}

QByteArray encodePlant(const TUsinaHd& plant, RecordForm form) {
    QByteArray bytes(recordSize(form), '\0');
    encodePlant(plant, bytes.data(), form);
    return bytes;
}

void decodePlant(const char* data, std::size_t size, TUsinaHd& plant, RecordForm form) {
    Reader r{reinterpret_cast<const unsigned char*>(data), size, isWide(form)};
    forEachPlantField(plant, r);
}

FieldSpan plantFieldSpan(const char* name, RecordForm form) {
    FieldSpan found;
    int offset = 0;
    TUsinaHd probe;
    forEachPlantField(probe, [&](const char* fieldName, auto& field) {
        const int size = fileSizeOf<std::remove_reference_t<decltype(field)>>(isWide(form));
        if (std::strcmp(fieldName, name) == 0)
            found = {offset, size};
        offset += size;
    });
    return found;
}

bool samePlantBits(const TUsinaHd& a, const TUsinaHd& b) {
    return encodePlant(a, RecordForm::Bytes832) == encodePlant(b, RecordForm::Bytes832);
}

QByteArray convertRegistry(const QByteArray& registry, RecordForm from, RecordForm to,
                           std::vector<std::pair<int, int>>* changed) {
    from = resolveForm(from, registry.size());
    to = resolveForm(to, registry.size());
    const qsizetype inSize = recordSize(from);
    const qsizetype outSize = recordSize(to);
    const qsizetype records = (registry.size() + inSize - 1) / inSize;
    QByteArray out(records * outSize, ' ');
    for (qsizetype k = 0; k < records; ++k) {
        const char* in = registry.constData() + k * inSize;
        const qsizetype n = std::min(inSize, registry.size() - k * inSize);
        if (n == inSize && std::all_of(in, in + n, [](char c) { return c == ' '; }))
            continue; // a vacated slot stays one
        TUsinaHd plant;
        decodePlant(in, std::size_t(n), plant, from);
        encodePlant(plant, out.data() + k * outSize, to);
        if (changed && !isWide(to)) {
            int count = 0;
            for (const WideCoeffs5* coeffs : {&plant.PCV, &plant.PAC})
                for (const double c : *coeffs) {
                    bool kept = true;
                    narrowExact(c, &kept);
                    count += kept ? 0 : 1;
                }
            if (count > 0)
                changed->emplace_back(int(k + 1), count);
        }
    }
    return out;
}
