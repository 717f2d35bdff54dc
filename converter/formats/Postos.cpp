#include "formats/Postos.h"

#include "formats/Text.h"

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

} // namespace

ConvResult postosTextToBin(std::string_view text, int numPostos, std::string_view pathForMessages) {
    std::string out;
    out.reserve(std::size_t(numPostos) * kPostoRecordSize);
    LineReader lines(text);
    // An empty file still has its one (empty) line, which fails on the station number.
    std::optional<std::string_view> line = text.empty() ? std::string_view() : lines.next();
    int lineNumber = 1;
    std::int64_t next = 1;
    for (; line; line = lines.next(), lineNumber = lines.lineNumber()) {
        const std::string_view stationField = columns(*line, 1, 4);
        const auto station = parseInteger(stationField);
        if (!station)
            return ConvResult::platformError(notValidInteger(stationField));
        // A number below the next position would have to go back over written records.
        if (*station < next)
            return ConvResult::warning("Erro no arquivo texto \"" + std::string(pathForMessages) +
                                       "\", linha " + decimal(lineNumber) +
                                       ". Código de posto fora de ordem.");
        for (; next < *station; ++next)
            appendBlankRecord(out);

        const std::string_view name = columns(*line, 7, 18);
        const std::string_view firstField = columns(*line, 21, 24);
        const auto first = parseInteger(firstField);
        if (!first)
            return ConvResult::platformError(notValidInteger(firstField));
        const std::string_view secondField = columns(*line, 27, 30);
        const auto second = parseInteger(secondField);
        if (!second)
            return ConvResult::platformError(notValidInteger(secondField));

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

ConvResult postosBinToText(std::string_view binary) {
    const std::size_t records = binary.size() / kPostoRecordSize;
    if (binary.size() % kPostoRecordSize != 0)
        return ConvResult::platformError(kReadBeyondEnd);
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
        if (decimal(first).size() > 4)
            return ConvResult::warning(tooWide(first, posto));
        if (decimal(second).size() > 4)
            return ConvResult::warning(tooWide(second, posto));
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
