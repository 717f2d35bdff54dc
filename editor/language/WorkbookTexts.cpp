#include "language/WorkbookTexts.h"

#include <array>

namespace {

struct Text {
    const char* portuguese;
    const char* english;
};

// In the order of WorkbookText.
constexpr std::array<Text, 5> kTexts{{
    {"Pasta de trabalho do Excel gerada com sucesso !", "Excel workbook successfully generated !"},
    {"Pasta de trabalho do Excel (*.xlsx)", "Excel workbook (*.xlsx)"},
    {"CSV (separado por ponto e vírgula) (*.csv)", "CSV (semicolon delimited) (*.csv)"},
    {"&Exportar...", "&Export..."},
    {"Exportar", "Export"},
}};
static_assert(kTexts.size() == std::size_t(WorkbookText::ExportTitle) + 1);

} // namespace

QString workbookText(WorkbookText text, Language language) {
    const Text& t = kTexts[std::size_t(text)];
    return QString::fromUtf8(language == Language::English ? t.english : t.portuguese);
}
