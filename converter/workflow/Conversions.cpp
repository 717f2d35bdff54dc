#include "workflow/Conversions.h"

#include "inflows/Energia.h"
#include "inflows/Postos.h"
#include "inflows/Text.h"

#include <QDate>

namespace Torvane {

namespace {

std::string kindName(FileKind kind, bool text) {
    const char* what = kind == FileKind::Postos ? "postos" : kind == FileKind::Vazoes ? "vazões" : "MLT";
    return std::string(text ? "TEXTO" : "BINÁRIO") + " de " + what;
}

std::optional<Failure> tooLarge(std::uint64_t size, std::uint64_t largest, const std::string& kind,
                                const std::string& path) {
    if (size <= largest)
        return std::nullopt;
    return Failure{FailureKind::Warning,
                   "Arquivo \"" + path + "\" tem " + decimal(std::int64_t(size)) +
                       " bytes, mais do que qualquer arquivo " + kind + " válido (até " +
                       decimal(std::int64_t(largest)) + " bytes)."};
}

} // namespace

int currentYear() {
    return QDate::currentDate().year();
}

std::optional<Failure> checkInputSize(FileKind kind, bool text, int numPostos, std::uint64_t size,
                                      const std::string& path) {
    if (text)
        return tooLarge(size, kMaxTextInputBytes, kindName(kind, text), path);
    // Past the largest valid binary, the readers' own checks tell what is wrong when they can
    // tell it from the size alone (a partial record, more than 200 years, more than one block).
    switch (kind) {
    case FileKind::Postos: {
        // A text numbers its stations in 4 columns: 9999 records at most.
        const std::uint64_t largest = std::uint64_t(9999) * kPostoRecordSize;
        if (size <= largest)
            return std::nullopt;
        if (auto partial = checkPostosBinarySize(size, path))
            return partial;
        return tooLarge(size, largest, kindName(kind, text), path);
    }
    case FileKind::Vazoes: {
        const std::uint64_t largest = std::uint64_t(kMaxYears) * vazoesYearBlockBytes(numPostos);
        if (size <= largest)
            return std::nullopt;
        return checkVazoesBinarySize(size, numPostos, path);
    }
    case FileKind::Mlt: {
        const std::uint64_t largest = std::uint64_t(12) * std::uint64_t(numPostos) * 4;
        if (size <= largest)
            return std::nullopt;
        return checkMltBinarySize(size, numPostos, path);
    }
    }
    return std::nullopt;
}

ConversionDef conversionDef(FileKind kind, Direction direction, int numPostos, Tables& tables) {
    ConversionDef def;
    const bool toBin = direction == Direction::TextToBin;
    def.checkSize = [kind, toBin, numPostos](std::uint64_t size, const std::string& path) {
        return checkInputSize(kind, toBin, numPostos, size, path);
    };
    switch (kind) {
    case FileKind::Postos:
        if (toBin) {
            def.saveTitle = QStringLiteral("Salvar arquivo BINÁRIO de postos");
            def.saveFilter = QStringLiteral("POSTOS.DAT(*.*)|*.*");
            def.successPrefix = QStringLiteral("Arquivo BINÁRIO de postos ");
            def.convert = [numPostos](std::string_view in, const std::string& path) {
                return postosTextToBin(in, numPostos, path);
            };
        } else {
            def.saveTitle = QStringLiteral("Salvar arquivo TEXTO de postos");
            def.saveFilter = QStringLiteral("POSTOS(*.*)|*.*");
            def.successPrefix = QStringLiteral("Arquivo TEXTO de postos ");
            def.convert = [](std::string_view in, const std::string& path) {
                return postosBinToText(in, path);
            };
        }
        break;
    case FileKind::Vazoes:
        if (toBin) {
            def.saveTitle = QStringLiteral("Salvar arquivo BINÁRIO de vazões");
            def.saveFilter = QStringLiteral("VAZOES.DAT(*.*)|*.*");
            def.successPrefix = QStringLiteral("Arquivo BINÁRIO de vazões ");
            def.convert = [numPostos](std::string_view in, const std::string& path) {
                return vazoesTextToBin(in, numPostos, path);
            };
        } else {
            def.saveTitle = QStringLiteral("Salvar arquivo TEXTO de vazões");
            def.saveFilter = QStringLiteral("VAZOES(*.*)|*.*");
            def.successPrefix = QStringLiteral("Arquivo TEXTO de vazões ");
            def.convert = [numPostos](std::string_view in, const std::string& path) {
                return vazoesBinToText(in, numPostos, path);
            };
            def.advise = [numPostos](std::string_view in, const std::string& path) {
                return vazoesHorizonWarning(in.size(), numPostos, currentYear(), path);
            };
        }
        break;
    case FileKind::Mlt:
        if (toBin) {
            def.saveTitle = QStringLiteral("Salvar arquivo BINÁRIO de MLT");
            def.saveFilter = QStringLiteral("MLT.DAT(*.*)|*.*");
            def.successPrefix = QStringLiteral("Arquivo BINÁRIO de MLT ");
            def.convert = [numPostos, &tables](std::string_view in, const std::string& path) {
                return mltTextToBin(in, numPostos, tables.mlt, path);
            };
        } else {
            def.saveTitle = QStringLiteral("Salvar arquivo TEXTO de MLT");
            def.saveFilter = QStringLiteral("MLT(*.*)|*.*");
            def.successPrefix = QStringLiteral("Arquivo TEXTO de MLT ");
            def.convert = [numPostos, &tables](std::string_view in, const std::string& path) {
                return mltBinToText(in, numPostos, tables.mlt, path);
            };
        }
        break;
    }
    return def;
}

std::string decimalSeparatorBytes(const QLocale& locale) {
    const QString point = locale.decimalPoint();
    // Only a separator that is one Latin-1 letter of Windows-1252 can stand in the file.
    if (point.size() == 1 && point.at(0).unicode() < 0x100 &&
        !(point.at(0).unicode() >= 0x80 && point.at(0).unicode() < 0xA0))
        return std::string(1, char(point.at(0).unicode()));
    return ".";
}

ConversionDef auxiliaryDef(Auxiliary which, const QLocale& locale) {
    ConversionDef def;
    const std::string separator = decimalSeparatorBytes(locale);
    def.checkSize = [which](std::uint64_t size, const std::string& path) {
        return tooLarge(size, kMaxTextInputBytes,
                        which == Auxiliary::EnergiafToText ? "BINÁRIO de ENERGIAF"
                                                           : "TEXTO de ENERGIA",
                        path);
    };
    if (which == Auxiliary::EnergiafToText) {
        def.openTitle = QStringLiteral("Abrir arquivo Binário de ENERGIAF (NEWAVE)");
        def.openFilter = QStringLiteral("ENERGIAF|*.*");
        def.saveTitle = QStringLiteral("Salvar arquivo TEXTO de ENERGIAF");
        def.saveFilter = QStringLiteral("ENERGIAF(*.*)|*.*");
        def.successPrefix = QStringLiteral("Arquivo TEXTO de ENERGIAF ");
        def.convert = [separator](std::string_view in, const std::string&) {
            return energiafToText(in, separator);
        };
    } else {
        def.openTitle = QStringLiteral("Abrir arquivo TEXTO de ENERGIA (DECOMP)");
        def.openFilter = QStringLiteral("ENERGIA|*.*");
        def.saveTitle = QStringLiteral("Salvar arquivo TEXTO FILTRADO de ENERGIA (DECOMP)");
        def.saveFilter = QStringLiteral("ENERGIA(*.*)|*.*");
        def.successPrefix = QStringLiteral("Arquivo TEXTO de ENERGIA FILTRADO (DECOMP) ");
        def.successSuffix = QStringLiteral(
            " gerado com sucesso !\n\r\n\rForam lidos somente:\"Dados de Energia Natural "
            "Afluente para Acoplamento c/ Longo Prazo (MWmed)\".");
        def.inputCheck = InputCheck::FileNotFound;
        def.convert = [separator](std::string_view in, const std::string&) {
            return energiaFilter(in, separator);
        };
    }
    return def;
}

} // namespace Torvane
