#include "language/LanguageTexts.h"

#include <iterator>

namespace {

constexpr const char* kTitlePortuguese = "Visualizador do Cadastro de Usinas Hidráulicas";
// Lower-case "editor", unlike the design caption and the application title.
constexpr const char* kTitleEnglish = "Hydro Plant´s Cadastre editor";

constexpr LanguageText kMenuCaptions[] = {
    {"MnFile", "&Arquivo", "&File"},
    {"MnFileLoad", "&Abrir...", "&Load..."},
    {"MnFileExp", "&Exportar para CSV...", "&Export to CSV..."},
    {"MnFilePrint", "&Imprimir...", "&Print..."},
    {"MnFilePrintCurData", "&Dados da Usina...", "&Hydroplant Data..."},
    {"MnFilePrintCurScr", "T&ela...", "&Screen..."},
    {"MnFilePrintAllData", "Dados de T&odas as Usinas...", "&All Plants Data..."},
    {"MnFileExit", "Sai&r", "Exi&t"},
    {"MnEdit", "&Editar", "&Edit"},
    {"MnEditLang", "Língua", "Language"},
    {"MnEditSearch", "&Procurar", "&Search"},
    {"MnEditSearchCode", "pelo &Código", "by &Code"},
    {"MnEditSearchName", "pelo &Nome", "by &Name"},
    {"MnEditPlant", "&Usina", "&Plant"},
    {"MnEditPlantCreate", "&Criar", "&Create"},
    {"MnEditPlantChange", "&Alterar", "C&hange"},
    {"MnEditPlantDel", "&Excluir", "&Delete"},
    {"MnTools", "&Ferramentas", "&Tools"},
    {"MnToolsCheck", "&Verificar Cadastro...", "&Check Registry..."},
    {"MnToolsCompare", "Co&mparar com...", "Co&mpare with..."},
    {"MnHelp", "A&juda", "&Help"},
    {"MnHelpAbout", "&Sobre o Velarin...", "&About Velarin..."},
    // The language items read the same in every language.
    {"MnEditLanPort", "&Português", "&Português"},
    {"MnEditLanEng", "&English", "&English"},
    {"MnEditLanEsp", "&Español", "&Español"},
    {"MnEditLanFran", "&Français", "&Français"},
};

constexpr LanguageText kControlCaptions[] = {
    {"GroupBox1", "Cadastro", "Hydro Cadastre"},
    {"LBLsystem", "Sistema:", "System:"},
    {"LBLgencoID", "Empresa:", "Genco ID:"},
    {"LBLgaugenum", "Posto:", "Gauge Number:"},
    {"LBLaltgaugeid", "Posto BDH:", "Alt Gauge ID:"},
    {"LBLdowngauge", "Jusante:", "Downstream Gauge:"},
    {"LBLdeviation", "Desvio:", "Deviation:"},
    {"GroupBox2", "Reservatório", "Reservoir"},
    {"LBLregul", "Regulação:", "Regulation:"},
    {"LBLmaxvol", "Volume Máximo:", "Maximum Volume:"},
    {"LBLminvol", "Volume Mínimo:", "Minimum Volume:"},
    {"LBLmaxlev", "Cota Máxima:", "Maximum Level:"},
    {"LBLminlev", "Cota Mínima:", "Minimum Level:"},
    {"lblvolref", "Volume de Referência:", "Reference Volume:"},
    {"Lblvolspill", "Volume Vertedouro:", "Volume for spilling:"},
    {"LBLvoldev", "Volume Desvio:", "Volume for deviation:"},
    {"LBLpolin", "Polinômios", "Polynomiums"},
    {"LBLcotavol", "Cota x Volume", "Level x Volume"},
    {"LBLareacota", "Área x Cota", "Area x Level"},
    {"LBLevap", "Evaporação Mensal (mm/mês):", "Monthly Evaporation (mm/month):"},
    {"LBLjan", "JAN", "JAN"},
    {"LBLfev", "FEV", "FEB"},
    {"LBLmar", "MAR", "MAR"},
    {"LBLabr", "ABR", "APR"},
    {"LBLmai", "MAI", "MAI"},
    {"LBLjun", "JUN", "JUN"},
    {"LBLjul", "JUL", "JUL"},
    {"LBLago", "AGO", "AUG"},
    {"LBLset", "SET", "SEP"},
    {"LBLout", "OUT", "OCT"},
    {"LBLnov", "NOV", "NOV"},
    {"LBLdez", "DEZ", "DEC"},
    {"GroupBox3", "Usina", "Hydro Plant"},
    {"LBLprodesp", "Produt. Específica:", "Specific Productivity:"},
    {"LBLmedtail", "Canal de Fuga Médio:", "Medium Tailrace:"},
    {"LBLteif", "TEIF:", "TEIF:"},
    {"LBLip", "IP:", "IP:"},
    {"LBLturbtype", "Tipo de Turbina:", "Turbin Type:"},
    {"LBLnumtunit", "Conjuntos de Máq. :", "Num Unit Types:"},
    {"LBLndownpols", "Num. Polinômios de Jusante:", "Num.Downstream Pols:"},
    {"LBLmaxfatcarga", "Fator de Carga Máximo:", "Maximum Load Factor:"},
    {"LBLminfatcarga", "Fator de Carga Mínimo:", "Minimum Load Factor:"},
    {"LBLperdas", "Perdas", "Losses"},
    {"LBLtipo", "Tipo:", "Type:"},
    {"LBLvalor", "Valor", "Value"},
    {"LBLminhistflow", "Vazão Min. Histórico:", "Min. Historical Inflow:"},
    {"LBLnumbaseunits", "Núm. de Unid. de Base:", "Num. of Base Units:"},
    {"LBLinflspill", "Influência do Vertimento no Canal de Fuga:",
     "Influency of Spilling in the Downstream Level:"},
    {"LBLrepset", "Representação do Conjunto:", "Representation type for the set:"},
    {"LBLunitypes", "CONJUNTOS DE MÁQUINAS", "UNIT TYPES"},
    {"LBLpolsdown", "Polinôminos de Jusante", "Downstream Polynomiums"},
    {"LBLdata", "Data:", "Date:"},
};

// TXT_VICF's hint differs from its label's by two blanks; both are kept as designed.
constexpr LanguageText kControlHints[] = {
    {"LBLregul", "Regulação = M (Mensal), S (Semanal) ou D (Diária)",
     "Regulation = M (Monthly), S (Weekly) ou D (Daily)"},
    {"TXT_reg", "Regulação = M (Mensal), S (Semanal) ou D (Diária)",
     "Regulation = M (Monthly), S (Weekly) ou D (Daily)"},
    {"LBLmaxvol", "Volume Máximo (hm3)", "Maximum Volume (hm3)"},
    {"TXT_VMax", "Volume Máximo (hm3)", "Maximum Volume (hm3)"},
    {"LBLminvol", "Volume Mínimo (hm3)", "Minimum Volume (hm3)"},
    {"TXT_VMin", "Volume Mínimo (hm3)", "Minimum Volume (hm3)"},
    {"LBLmaxlev", "Cota Máxima (m)", "Maximum Level (m)"},
    {"TXT_Ymax", "Cota Máxima (m)", "Maximum Level (m)"},
    {"LBLminlev", "Cota Mínima (m)", "Minimum Level (m)"},
    {"TXT_YMin", "Cota Mínima (m)", "Minimum Level (m)"},
    {"lblvolref", "Volume de Referência (hm3)", "Reference Volume (hm3)"},
    {"TXT_V_Ref", "Volume de Referência (hm3)", "Reference Volume (hm3)"},
    {"Lblvolspill", "Vol. Crista do Vertedouro (hm3)", "Vol. for Spilling (hm3)"},
    {"TXT_V_Vert", "Vol. Crista do Vertedouro (hm3)", "Vol. for Spilling (hm3)"},
    {"LBLvoldev", "Vol. Canal de Desvio (hm3)", "Vol. for Deviation (hm3)"},
    {"TXT_V_CDesv", "Vol. Canal de Desvio (hm3)", "Vol. for Deviation (hm3)"},
    {"LBLprodesp", "Produt.Específica (MW/m3/s/m)", "Specific Productivity (MW/m3/s/m)"},
    {"TXT_Resp", "Produt.Específica (MW/m3/s/m)", "Specific Productivity (MW/m3/s/m)"},
    {"LBLmedtail", "Canal de Fuga Médio (m)", "Medium Tailrace (m)"},
    {"TXT_JusNom", "Canal de Fuga Médio (m)", "Medium Tailrace (m)"},
    {"LBLteif", "TEIF (%)", "TEIF (%)"},
    {"TXT_TxSForc", "TEIF (%)", "TEIF (%)"},
    {"LBLip", "IP (%)", "IP (%)"},
    {"TXT_TxIndProg", "IP (%)", "IP (%)"},
    {"LBLmaxfatcarga", "Fator de Carga Máx. (%)", "Max. Load Factor (%)"},
    {"TXT_FatCgMax", "Fator de Carga Máx. (%)", "Max. Load Factor (%)"},
    {"LBLminfatcarga", "Fator de Carga Mín. (%)", "Min. Load Factor (%)"},
    {"TXT_FatCgMin", "Fator de Carga Mín. (%)", "Min. Load Factor (%)"},
    {"LBLminhistflow", "Vazão Mín. Hist. (m3/s)", "Min.Hist.Inflow (m3/s)"},
    {"TXT_QNaMH", "Vazão Mín. Hist. (m3/s)", "Min.Hist.Inflow (m3/s)"},
    {"LBLinflspill", "Infl.Vert.Canal de Fuga (0 = NÃO , 1 = SIM)",
     "Infl. of Spilling in the Downstream Level (0 = NO , 1 = YES)"},
    {"TXT_VICF", "Infl. Vert. Canal de Fuga (0 = NÃO , 1 = SIM)",
     "Infl. of Spilling in the Downstream Level (0 = NO , 1 = YES)"},
    {"LBLrepset", "Repres.Conj.(0=aprox.,1=detalh.,2=simpl.)",
     "Set Repres.(0=aprox.,1=detailed.,2=simpl.)"},
    {"TXT_RepGrGer", "Repres.Conj.(0=aprox.,1=detalh.,2=simpl.)",
     "Set Repres.(0=aprox.,1=detailed.,2=simpl.)"},
};

constexpr LanguageText kOpenDialogTitle = {"OpenDialog", "Abrir Cadastro de Usinas Hidráulicas",
                                           "Open Hydro Plant´s Cadastre"};
constexpr LanguageText kOpenDialogFilter = {"OpenDialog", "Cadastro de Usinas Hidráulicas (*)",
                                            "Hydro Plant´s Cadastre (*)"};

} // namespace

QString LanguageText::in(Language language) const {
    return QString::fromUtf8(language == Language::Portuguese ? portuguese : english);
}

QString languageTitle(Language language) {
    return QString::fromUtf8(language == Language::Portuguese ? kTitlePortuguese : kTitleEnglish);
}

std::span<const LanguageText> menuCaptions() {
    return kMenuCaptions;
}
std::span<const LanguageText> controlCaptions() {
    return kControlCaptions;
}
std::span<const LanguageText> controlHints() {
    return kControlHints;
}

OpenDialogCaptions openDialogTexts(Language language) {
    return {kOpenDialogTitle.in(language), kOpenDialogFilter.in(language)};
}

namespace {

constexpr LanguageText kMessages[] = {
    {"ChangeNothingShown", "Selecione alguma Usina para Alterar ;-(",
     "You´ve gotta select a Plant to change ;-("},
    {"Saved", "Alteração gravada com sucesso !", "File successfully updated !"},
    {"Deleted", "Alteração gravada com sucesso ! Até breve !",
     "File successfully updated ! See you soon !"},
    {"CsvWritten", "Arquivo CSV gerado com sucesso !", "CSV File successfully generated !"},
    {"OutputIsRegistry", "Arquivo de saída não pode ser igual ao Cadastro %1 !",
     "Output file cannot be the registry %1 !"},
};

// Before the first activation (Lingua 0) the design's English stands.
Language languageOf(int lingua) {
    return lingua == int(Language::Portuguese) ? Language::Portuguese : Language::English;
}

} // namespace

QString languageMessage(LanguageMessage message, int lingua) {
    return kMessages[int(message)].in(languageOf(lingua));
}

std::array<QString, 3> sectionCaptions(int lingua) {
    std::array<QString, 3> captions;
    for (const LanguageText& row : kControlCaptions)
        for (int i = 0; i < 3; ++i)
            if (QLatin1String(row.control) == QStringLiteral("GroupBox%1").arg(i + 1))
                captions[i] = row.in(languageOf(lingua));
    return captions;
}

namespace {

// In the order of QualityText.
constexpr LanguageText kQualityTexts[] = {
    {"DownstreamMissing", "Usina de jusante %1 inexistente no Cadastro.",
     "Downstream plant %1 is not in the registry."},
    {"DeviationMissing", "Usina de desvio %1 inexistente no Cadastro.",
     "Deviation plant %1 is not in the registry."},
    {"CascadeCycle", "Ciclo na cascata: %1.", "Cascade cycle: %1."},
    {"RepeatedName", "Nome repetido: usinas %1 e %2.", "Repeated name: plants %1 and %2."},
    {"UnreadableValue", "%1 Valor ilegível em %2: \"%3\".", "%1 Unreadable value in %2: \"%3\"."},
    {"CheckSummary", "%1 usinas verificadas, %2 com problemas.",
     "%1 plants checked, %2 with problems."},
    {"PlantAdded", "Usina incluída", "Plant added"},
    {"PlantRemoved", "Usina excluída", "Plant removed"},
    {"DiffSummary", "%1 usinas diferentes (%2 incluídas, %3 excluídas, %4 alteradas).",
     "%1 plants differ (%2 added, %3 removed, %4 changed)."},
    {"CannotRead", "O Cadastro %1 não pode ser lido.", "The registry %1 cannot be read."},
    {"CheckTitle", "Verificação do Cadastro", "Registry Check"},
    {"CompareTitle", "Comparação de Cadastros", "Registry Comparison"},
    {"ColumnCode", "Código", "Code"},
    {"ColumnPlant", "Usina", "Plant"},
    {"ColumnMessage", "Mensagem", "Message"},
    {"ColumnField", "Campo", "Field"},
    {"ColumnOld", "Valor antigo", "Old value"},
    {"ColumnNew", "Valor novo", "New value"},
    {"RegistryFile", "Cadastro: %1", "Registry: %1"},
    {"OldFile", "Antigo: %1", "Old: %1"},
    {"NewFile", "Novo: %1", "New: %1"},
    {"Refresh", "&Atualizar", "&Refresh"},
    {"CompareDialogTitle", "Comparar com o Cadastro", "Compare with Registry"},
    {"UsageCheck", "A opção --check pede o nome de um Cadastro.",
     "The option --check needs one registry name."},
    {"UsageDiff", "A opção --diff pede os nomes de dois Cadastros.",
     "The option --diff needs two registry names."},
    {"UsageOneCommand", "Só uma das opções --check e --diff pode ser dada.",
     "Only one of --check and --diff can be given."},
    {"UsageLanguage", "--lang aceita pt ou en: %1", "--lang takes pt or en: %1"},
    {"UsageNoCommand", "--lang vai com --check ou --diff.", "--lang goes with --check or --diff."},
    {"UsageArgument", "Argumento desconhecido: %1", "Unknown argument: %1"},
};

static_assert(std::size(kQualityTexts) == std::size_t(QualityText::UsageArgument) + 1);

} // namespace

QString qualityText(QualityText text, Language language) {
    return kQualityTexts[int(text)].in(language);
}
