#include "workflow/Conversions.h"

#include "formats/Energia.h"
#include "formats/Postos.h"

namespace Torvane {

ConversionDef conversionDef(FileKind kind, Direction direction, int numPostos, Tables& tables) {
    ConversionDef def;
    const bool toBin = direction == Direction::TextToBin;
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
            def.convert = [](std::string_view in, const std::string&) {
                return postosBinToText(in);
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
