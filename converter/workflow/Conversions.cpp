#include "workflow/Conversions.h"

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
            def.convert = [numPostos, &tables](std::string_view in, const std::string& path) {
                return vazoesTextToBin(in, numPostos, tables.vazoes, path);
            };
        } else {
            def.saveTitle = QStringLiteral("Salvar arquivo TEXTO de vazões");
            def.saveFilter = QStringLiteral("VAZOES(*.*)|*.*");
            def.successPrefix = QStringLiteral("Arquivo TEXTO de vazões ");
            def.convert = [numPostos, &tables](std::string_view in, const std::string& path) {
                return vazoesBinToText(in, numPostos, tables.vazoes, path);
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

} // namespace Torvane
