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
    {"MnToolsCurves", "C&urvas da Usina...", "Plant C&urves..."},
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
    // Hints of controls without a label: the subsystem, the plant list, the load indicator.
    {"TXT_SistUsi", "Subsistema da usina", "Subsystem of the plant"},
    {"ComboBox1", "'Usinas Disponíveis no Cadastro'", "'Plants Avaiable in the Cadastre'"},
    {"Sinal", "Situação do Cadastro (duplo clique para abrir um cadastro)",
     "Cadastre status (double-click to load a cadastre)"},
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
    {"DeleteTitle", "Excluir Usina", "Delete Plant"},
    {"DeletePrompt",
     "Digite Código da Usina a ser excluída:", "Type the code of the plant to delete:"},
    {"DeleteRange", "Código da Usina deve ser entre 1 e %1.",
     "Plant code must be between 1 and %1."},
    {"NotAnInteger", "'%1' não é um valor inteiro válido", "'%1' is not a valid integer value"},
    {"NotAReal", "'%1' não é um valor real válido", "'%1' is not a valid floating point value"},
};

static_assert(std::size(kMessages) == std::size_t(LanguageMessage::NotAReal) + 1);

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

namespace {

// In the order of CurveText.
constexpr LanguageText kCurveTexts[] = {
    {"UsefulVolume", "Volume útil (hm3)", "Useful volume (hm3)"},
    {"LevelAtVolMin", "Cota no volume mínimo (m)", "Level at the minimum volume (m)"},
    {"LevelAtVolMax", "Cota no volume máximo (m)", "Level at the maximum volume (m)"},
    {"LevelAtV65", "Cota no V65 (m)", "Level at V65 (m)"},
    {"EquivalentLevel", "Cota equivalente (m)", "Equivalent level (m)"},
    {"TurbinedFlow", "Vazão turbinada máxima (m3/s)", "Maximum turbined flow (m3/s)"},
    {"InstalledPower", "Potência instalada (MW)", "Installed power (MW)"},
    {"NetHeadEquivalent", "Queda líquida na cota equivalente (m)",
     "Net head at the equivalent level (m)"},
    {"NetHeadV65", "Queda líquida no V65 (m)", "Net head at V65 (m)"},
    {"ProductivityEquivalent", "Produtibilidade equivalente (MW/(m3/s))",
     "Equivalent productivity (MW/(m3/s))"},
    {"ProductivityV65", "Produtibilidade no V65 (MW/(m3/s))", "Productivity at V65 (MW/(m3/s))"},
    {"AreaAtCotaMin", "Área na cota mínima (km2)", "Area at the minimum level (km2)"},
    {"AreaAtCotaMax", "Área na cota máxima (km2)", "Area at the maximum level (km2)"},
    {"YearlyEvaporation", "Evaporação anual (mm)", "Yearly evaporation (mm)"},
    {"Unread", "%1 ilegível", "%1 does not read"},
    {"LossType", "não calculada: tipo de perdas %1", "not computed: loss type %1"},
    {"NotFinite", "não calculada: valor não finito", "not computed: not a finite value"},
    {"NotDrawn", "Não desenhado: %1 ilegível.", "Not drawn: %1 does not read."},
    {"WarningPrefix", "Aviso: ", "Warning: "},
    {"LevelVolumeFalls", "Cota x Volume decrescente entre %1 e %2 hm3.",
     "Level x volume decreasing between %1 and %2 hm3."},
    {"LevelAtVolMinFar", "Cota no volume mínimo %1 m a mais de 0,5 m da cota mínima %2 m.",
     "Level at the minimum volume %1 m is more than 0.5 m from the minimum level %2 m."},
    {"LevelAtVolMaxFar", "Cota no volume máximo %1 m a mais de 0,5 m da cota máxima %2 m.",
     "Level at the maximum volume %1 m is more than 0.5 m from the maximum level %2 m."},
    {"AreaNotPositive", "Área x Cota não positiva na cota %1 m: %2 km2.",
     "Area x level not positive at the level %1 m: %2 km2."},
    {"AreaFalls", "Área x Cota decrescente entre %1 e %2 m.",
     "Area x level decreasing between %1 and %2 m."},
    {"TailraceFalls", "Polinômio de jusante %1 decrescente entre %2 e %3 m3/s.",
     "Tailrace polynomial %1 decreasing between %2 and %3 m3/s."},
    {"TailraceHigh",
     "Polinômio de jusante %1: cota %2 m na vazão %3 m3/s, não abaixo da cota mínima %4 m.",
     "Tailrace polynomial %1: level %2 m at the outflow %3 m3/s, not below the minimum level "
     "%4 m."},
    {"NetHeadEquivalentLow", "Queda líquida na cota equivalente não positiva: %1 m.",
     "Net head at the equivalent level not positive: %1 m."},
    {"NetHeadV65Low", "Queda líquida no V65 não positiva: %1 m.",
     "Net head at V65 not positive: %1 m."},
    {"WindowTitle", "Curvas da Usina", "Plant Curves"},
    {"NoPlant", "Nenhuma usina mostrada.", "No plant shown."},
    {"LevelVolumeTitle", "Cota x Volume", "Level x Volume"},
    {"AreaLevelTitle", "Área x Cota", "Area x Level"},
    {"TailraceTitle", "Polinômios de Jusante", "Tailrace Polynomials"},
    {"AxisVolume", "Volume (hm3)", "Volume (hm3)"},
    {"AxisLevel", "Cota (m)", "Level (m)"},
    {"AxisArea", "Área (km2)", "Area (km2)"},
    {"AxisOutflow", "Vazão defluente (m3/s)", "Outflow (m3/s)"},
    {"AxisTailrace", "Cota de jusante (m)", "Tailrace level (m)"},
    {"TailraceLabel", "Ref. %1 m", "Ref. %1 m"},
    {"ColumnFigure", "Grandeza", "Figure"},
    {"ColumnValue", "Valor", "Value"},
    {"Warnings", "Avisos", "Warnings"},
    {"NoWarnings", "Nenhum aviso.", "No warnings."},
    {"ReadoutLevelVolume", "Volume %1 hm3: cota %2 m", "Volume %1 hm3: level %2 m"},
    {"ReadoutAreaLevel", "Cota %1 m: área %2 km2", "Level %1 m: area %2 km2"},
    {"ReadoutTailrace", "Vazão %1 m3/s: %2", "Outflow %1 m3/s: %2"},
    {"Save", "&Salvar...", "&Save..."},
    {"Print", "&Imprimir...", "&Print..."},
    {"SaveTitle", "Salvar Curvas da Usina", "Save Plant Curves"},
    {"SaveFilter", "PDF (*.pdf);;PNG (*.png);;SVG (*.svg)",
     "PDF (*.pdf);;PNG (*.png);;SVG (*.svg)"},
    {"SaveExtension", "O arquivo %1 deve terminar em .pdf, .png ou .svg.",
     "The file %1 must end in .pdf, .png or .svg."},
    {"SummaryWarnings", "Avisos", "Warnings"},
};

static_assert(std::size(kCurveTexts) == std::size_t(CurveText::SummaryWarnings) + 1);

} // namespace

QString curveText(CurveText text, Language language) {
    return kCurveTexts[int(text)].in(language);
}
