#include "inflows/Postos.h"

#include "inflows/Text.h"

namespace Torvane {

namespace {

void appendBlankRecord(std::string& out) {
    out.append(std::size_t(kPostoNameSize), ' ');
    appendInt32LE(out, 0);
    appendInt32LE(out, 0);
}

std::string tooWide(std::int64_t value, std::int64_t posto) {
    return "Valor " + decimal(value) + " do posto " + decimal(posto) +
           " não cabe no arquivo texto.";
}

std::string tooNarrow(std::int64_t value, std::int64_t posto, const char* field, int first,
                      int last) {
    return "Valor " + decimal(value) + " do posto " + decimal(posto) + " (" + field +
           ", colunas " + decimal(first) + " a " + decimal(last) +
           ") tem menos de 4 caracteres e não volta do arquivo texto.";
}

} // namespace

ConvResult postosTextToBin(std::string_view text, int numPostos, std::string_view pathForMessages) {
    text = textContent(text);
    std::string out;
    out.reserve(std::size_t(numPostos) * kPostoRecordSize);
    LineReader lines(text);
    // An empty file still has its one (empty) line, which fails on the station number.
    std::optional<std::string_view> line = text.empty() ? std::string_view() : lines.next();
    int lineNumber = 1;
    std::int64_t next = 1;
    // A field that is no integer, or that the line ends inside of: the platform's text, after
    // the file and the line.
    const auto notInteger = [&](int first, int last) {
        return ConvResult::platformError(lineError(
            pathForMessages, lineNumber, notValidInteger(columns(*line, first, last))));
    };
    for (; line; line = lines.next(), lineNumber = lines.lineNumber()) {
        const auto station = parseField(*line, 1, 4);
        if (!station)
            return notInteger(1, 4);
        // A number below the next position would have to go back over written records.
        if (*station < next)
            return ConvResult::warning("Erro no arquivo texto \"" + std::string(pathForMessages) +
                                       "\", linha " + decimal(lineNumber) +
                                       ". Código de posto fora de ordem.");
        for (; next < *station; ++next)
            appendBlankRecord(out);

        const std::string_view name = columns(*line, 7, 18);
        const auto first = parseField(*line, 21, 24);
        if (!first)
            return notInteger(21, 24);
        const auto second = parseField(*line, 27, 30);
        if (!second)
            return notInteger(27, 30);

        // A short line's name is completed with blanks, as in a blank record.
        out.append(name);
        out.append(std::size_t(kPostoNameSize) - name.size(), ' ');
        appendInt32LE(out, *first);
        appendInt32LE(out, *second);
        ++next;
    }
    for (; next <= numPostos; ++next)
        appendBlankRecord(out);
    return ConvResult::success(std::move(out));
}

std::optional<Failure> checkPostosBinarySize(std::uint64_t size, std::string_view path) {
    if (size % kPostoRecordSize != 0)
        return Failure{FailureKind::PlatformError,
                       partialBinaryError(path, size, "um número inteiro de registros de 20 bytes")};
    return std::nullopt;
}

std::optional<Failure> checkPostosBinary(std::string_view binary, std::string_view path) {
    return checkPostosBinarySize(binary.size(), path);
}

ConvResult postosBinToText(std::string_view binary, std::string_view path) {
    const std::size_t records = binary.size() / kPostoRecordSize;
    if (auto failure = checkPostosBinary(binary, path))
        return {{}, std::move(failure)};
    std::string out;
    out.reserve(records * 34);
    for (std::size_t k = 1; k <= records; ++k) {
        const char* record = binary.data() + (k - 1) * kPostoRecordSize;
        const std::int32_t first = readInt32LE(record + kPostoNameSize);
        const std::int32_t second = readInt32LE(record + kPostoNameSize + 4);
        if (first == 0)
            continue;
        const auto posto = std::int64_t(k);
        if (!appendRightJustified(out, posto, 4))
            return ConvResult::warning(tooWide(posto, posto));
        const std::size_t firstWidth = decimal(first).size();
        const std::size_t secondWidth = decimal(second).size();
        if (firstWidth > 4)
            return ConvResult::warning(tooWide(first, posto));
        if (secondWidth > 4)
            return ConvResult::warning(tooWide(second, posto));
        // Written unpadded, a number of fewer than 4 characters would not fill its columns 21
        // to 24 (or 27 to 30), and the text would not read back.
        if (firstWidth < 4)
            return ConvResult::warning(tooNarrow(first, posto, "primeiro número", 21, 24));
        if (secondWidth < 4)
            return ConvResult::warning(tooNarrow(second, posto, "segundo número", 27, 30));
        // A line end inside the name would split the line.
        const std::string_view name(record, std::size_t(kPostoNameSize));
        if (name.find_first_of("\r\n") != std::string_view::npos)
            return ConvResult::warning("Nome do posto " + decimal(posto) +
                                       " tem uma quebra de linha e não cabe no arquivo texto.");
        out += "  ";
        out.append(record, std::size_t(kPostoNameSize));
        out += "  ";
        appendDecimal(out, first);
        out += "  ";
        appendDecimal(out, second);
        out += "\r\n";
    }
    return ConvResult::success(std::move(out));
}

} // namespace Torvane
