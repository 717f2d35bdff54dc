#include "language/LanguageTexts.h"

#include "registry/PlantCodec.h"

#include <QDir>
#include <QRegularExpression>
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
    {"MnEditPlantCreateFrom", "Criar a &partir desta Usina...", "Create &from This Plant..."},
    {"MnTools", "&Ferramentas", "&Tools"},
    {"MnToolsCheck", "&Verificar Cadastro...", "&Check Registry..."},
    {"MnToolsCompare", "Co&mparar com...", "Co&mpare with..."},
    {"MnToolsCurves", "C&urvas da Usina...", "Plant C&urves..."},
    {"MnToolsCheckDeck", "Verificar &Deck...", "Check &Deck..."},
    {"MnToolsConvert", "Converter &Forma de Registro...", "Convert Record &Form..."},
    {"MnHelp", "A&juda", "&Help"},
    {"MnHelpAbout", "&Sobre o Velarin...", "&About Velarin..."},
    // The language items read the same in every language.
    {"MnEditLanPort", "&Português", "&Português"},
    {"MnEditLanEng", "&English", "&English"},
    {"MnEditLanEsp", "&Español", "&Español"},
    {"MnEditLanFran", "&Français", "&Français"},
    {"MnFileRecent", "Rece&ntes", "&Recent"},
    {"MnFileRecentNone", "Nenhum cadastro recente", "No recent registries"},
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
    {"IncompleteRecord",
     "O Cadastro %1 tem %2 bytes, que não formam um número inteiro de registros de 792 bytes: "
     "os %3 bytes finais são lidos como um registro incompleto e mantidos como estão.",
     "The registry %1 has %2 bytes, no whole number of 792-byte records: the last %3 bytes "
     "are read as an incomplete record and kept as they are."},
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

QString incompleteRecordText(const QString& registry, qint64 size, int lingua, RecordForm form) {
    form = resolveForm(form, size);
    const qint64 rest = size % recordSize(form);
    if (size <= 0 || rest == 0)
        return {};
    QString text = languageMessage(LanguageMessage::IncompleteRecord, lingua);
    if (form == RecordForm::Bytes832)
        text.replace(QStringLiteral("792"), QStringLiteral("832"));
    return text.arg(QDir::toNativeSeparators(registry)).arg(size).arg(rest);
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
    {"CheckSummary", "%1, %2 com problemas.", "%1, %2 with problems."},
    {"PlantAdded", "Usina incluída", "Plant added"},
    {"PlantRemoved", "Usina excluída", "Plant removed"},
    {"DiffSummary", "%1 (%2, %3, %4).", "%1 (%2, %3, %4)."},
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
    {"LevelAtVolMinFar", "Cota no volume mínimo %1 m a mais de %3 m da cota mínima %2 m.",
     "Level at the minimum volume %1 m is more than %3 m from the minimum level %2 m."},
    {"LevelAtVolMaxFar", "Cota no volume máximo %1 m a mais de %3 m da cota máxima %2 m.",
     "Level at the maximum volume %1 m is more than %3 m from the maximum level %2 m."},
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
    {"SaveReplace", "O arquivo %1 já existe. Deseja substituí-lo?",
     "The file %1 already exists. Do you want to replace it?"},
    {"NewPlant", "Nova usina", "New plant"},
    {"OffScaleAbove", "Fora da escala: CotaMin %1 m, acima das curvas.",
     "Off the scale: CotaMin %1 m, above the curves."},
    {"OffScaleBelow", "Fora da escala: CotaMin %1 m, abaixo das curvas.",
     "Off the scale: CotaMin %1 m, below the curves."},
    {"RunOfRiver", "Fio d'água: curva desenhada em torno de %1.",
     "Run-of-river: the curve is drawn around %1."},
};

static_assert(std::size(kCurveTexts) == std::size_t(CurveText::RunOfRiver) + 1);

} // namespace

QString curveText(CurveText text, Language language) {
    return kCurveTexts[int(text)].in(language);
}

namespace {

struct CountedRow {
    const char* portugueseOne;
    const char* portugueseMany;
    const char* englishOne;
    const char* englishMany;
};

// In the order of CountedText.
constexpr CountedRow kCountedTexts[] = {
    {"%1 usina verificada", "%1 usinas verificadas", "%1 plant checked", "%1 plants checked"},
    {"%1 usina diferente", "%1 usinas diferentes", "%1 plant differs", "%1 plants differ"},
    {"%1 incluída", "%1 incluídas", "%1 added", "%1 added"},
    {"%1 excluída", "%1 excluídas", "%1 removed", "%1 removed"},
    {"%1 alterada", "%1 alteradas", "%1 changed", "%1 changed"},
};

static_assert(std::size(kCountedTexts) == std::size_t(CountedText::Changed) + 1);

constexpr const char* kUsagePortuguese =
    "Uso:\n"
    "  quillmark [--form 792|832] [CADASTRO]       abre a janela do editor\n"
    "  quillmark --export-csv CADASTRO SAÍDA       grava o Cadastro em CSV em SAÍDA\n"
    "  quillmark --export-xlsx CADASTRO SAÍDA      grava o Cadastro em SAÍDA, uma pasta de\n"
    "                                              trabalho do Excel (.xlsx)\n"
    "  quillmark --print-pdf CADASTRO SAÍDA [--pages INÍCIO-FIM]\n"
    "                                              imprime cada usina em uso no PDF SAÍDA,\n"
    "                                              uma página por usina (só as páginas\n"
    "                                              INÍCIO a FIM)\n"
    "  quillmark --check CADASTRO                  verifica cada usina em uso: as regras de\n"
    "                                              Gravar e as regras entre usinas\n"
    "  quillmark --diff ANTIGO NOVO [--ignore CAMPO[,CAMPO...]]\n"
    "                                              lista o que difere entre dois Cadastros\n"
    "                                              (sem os CAMPOs, rótulos das colunas do\n"
    "                                              CSV)\n"
    "  quillmark --curves CADASTRO CÓDIGO SAÍDA    desenha as curvas e grandezas de uma usina\n"
    "                                              em SAÍDA, um arquivo .pdf, .png ou .svg\n"
    "  quillmark --summary CADASTRO SAÍDA          grava as grandezas de cada usina em uso\n"
    "                                              em CSV em SAÍDA (pasta de trabalho do\n"
    "                                              Excel quando SAÍDA termina em .xlsx)\n"
    "  quillmark --convert CADASTRO SAÍDA --form 792|832\n"
    "                                              grava o Cadastro em SAÍDA em registros\n"
    "                                              de 792 ou 832 bytes\n"
    "  quillmark --check-deck PASTA [--format text|json] [--stations 320|600]\n"
    "            [--form 792|832]\n"
    "            [--hidr ARQ] [--confhd ARQ] [--modif ARQ] [--exph ARQ] [--postos ARQ]\n"
    "            [--vazoes ARQ] [--mlt ARQ]\n"
    "                                              verifica o Cadastro contra o resto do\n"
    "                                              deck: configuração, modificações,\n"
    "                                              expansão, postos, vazões e MLT\n"
    "  quillmark --help | --version\n"
    "Opções de todos os modos:\n"
    "  --config ARQUIVO lê os nomes de turbinas, sistemas e empresas de ARQUIVO em vez\n"
    "                   do primeiro config.ini achado ao lado do programa, em\n"
    "                   $XDG_CONFIG_HOME/velarin (~/.config/velarin), em /etc/xdg/velarin\n"
    "                   ou em %1;\n"
    "                   um ARQUIVO que não pode ser lido faz o comando falhar\n"
    "  --lang pt|en     a língua das mensagens, dos gráficos e das folhas (pt quando não\n"
    "                   dada)\n"
    "  --form 792|832   a forma dos registros do Cadastro lido (792 ou 832 bytes); sem ela,\n"
    "                   a que o tamanho do arquivo indica. Com --convert, a forma gravada\n"
    "  --               os nomes que seguem começam com \"-\"\n"
    "Outras opções:\n"
    "  --pages INÍCIO-FIM  só com --print-pdf: as páginas INÍCIO a FIM\n"
    "  --format text|json  com --check, --diff e --check-deck: linhas de texto (o\n"
    "                   padrão) ou um objeto JSON\n"
    "  --help           mostra este texto\n"
    "  --version        mostra a versão do programa\n"
    "Código de saída: --check, --diff e --check-deck 0 nada achado (nenhuma usina\n"
    "difere), 1 achados (usinas diferem), 2 não pôde rodar ou erro de uso; os outros\n"
    "modos 0 feito, 1 falha ou erro de uso; uma opção desconhecida sem modo 2.\n";

constexpr const char* kUsageEnglish =
    "Usage:\n"
    "  quillmark [--form 792|832] [REGISTRY]       open the editor window\n"
    "  quillmark --export-csv REGISTRY OUTPUT      write the registry as CSV to OUTPUT\n"
    "  quillmark --export-xlsx REGISTRY OUTPUT     write the registry to OUTPUT, an Excel\n"
    "                                              workbook (.xlsx)\n"
    "  quillmark --print-pdf REGISTRY OUTPUT [--pages FROM-TO]\n"
    "                                              print every plant in use to the PDF OUTPUT,\n"
    "                                              one page per plant (pages FROM to TO only)\n"
    "  quillmark --check REGISTRY                  check every plant in use: Save's rules and\n"
    "                                              the rules across plants\n"
    "  quillmark --diff OLD NEW [--ignore FIELD[,FIELD...]]\n"
    "                                              list what differs between two registries\n"
    "                                              (leaving out the FIELDs, labels of the\n"
    "                                              CSV's columns)\n"
    "  quillmark --curves REGISTRY CODE OUTPUT     draw the curves and figures of a plant to\n"
    "                                              OUTPUT, a .pdf, .png or .svg file\n"
    "  quillmark --summary REGISTRY OUTPUT         write the figures of every plant in use as\n"
    "                                              CSV to OUTPUT (an Excel workbook when\n"
    "                                              OUTPUT ends in .xlsx)\n"
    "  quillmark --convert REGISTRY OUTPUT --form 792|832\n"
    "                                              write the registry to OUTPUT in 792- or\n"
    "                                              832-byte records\n"
    "  quillmark --check-deck FOLDER [--format text|json] [--stations 320|600]\n"
    "            [--form 792|832]\n"
    "            [--hidr F] [--confhd F] [--modif F] [--exph F] [--postos F]\n"
    "            [--vazoes F] [--mlt F]\n"
    "                                              check the registry against the rest of\n"
    "                                              its deck: configuration, modifications,\n"
    "                                              expansion, stations, inflows and MLT\n"
    "  quillmark --help | --version\n"
    "Options of every mode:\n"
    "  --config FILE    read the turbine, subsystem and company names from FILE instead of\n"
    "                   the first config.ini found beside the program, in\n"
    "                   $XDG_CONFIG_HOME/velarin (~/.config/velarin), in /etc/xdg/velarin\n"
    "                   or in %1;\n"
    "                   a FILE that cannot be read fails the command\n"
    "  --lang pt|en     the language of the messages, the charts and the sheets (pt when\n"
    "                   not given)\n"
    "  --form 792|832   the record form of the registry read (792 or 832 bytes); without\n"
    "                   it, the one the file's size tells. With --convert, the form written\n"
    "  --               the names that follow begin with \"-\"\n"
    "Other options:\n"
    "  --pages FROM-TO  with --print-pdf only: pages FROM to TO\n"
    "  --format text|json  with --check, --diff and --check-deck: lines of text (the\n"
    "                   default) or one JSON object\n"
    "  --help           show this text\n"
    "  --version        show the program's version\n"
    "Exit status: --check, --diff and --check-deck 0 nothing found (no plant differs),\n"
    "1 findings (plants differ), 2 could not run or a usage error; the other modes 0\n"
    "done, 1 a failure or a usage error; an unknown option without a mode 2.\n";

// In the order of CommandText.
constexpr LanguageText kCommandTexts[] = {
    {"Usage", kUsagePortuguese, kUsageEnglish},
    {"UnknownOption", "Opção desconhecida: %1", "Unknown option: %1"},
    {"NeedsValue", "A opção %1 pede um valor.", "The option %1 needs a value."},
    {"TwoModes", "Só uma das opções %1 e %2 pode ser dada.", "Only one of %1 and %2 can be given."},
    {"GivenTwice", "A opção %1 foi dada duas vezes.", "The option %1 is given twice."},
    {"NoMode",
     "%1 vai com uma das opções --export-csv, --export-xlsx, --print-pdf, --check, --diff, "
     "--curves e --summary.",
     "%1 goes with one of --export-csv, --export-xlsx, --print-pdf, --check, --diff, --curves "
     "and --summary."},
    {"TwoNames", "A opção %1 pede dois nomes de arquivo.", "The option %1 needs two file names."},
    {"CurvesNames", "A opção --curves pede um Cadastro, um código de usina e um arquivo de saída.",
     "The option --curves needs a registry, a plant code and an output file."},
    {"PagesOnlyPrint", "--pages vai com --print-pdf.", "--pages goes with --print-pdf."},
    {"PagesRange",
     "--pages aceita INÍCIO-FIM, dois números de página a partir de 1, INÍCIO não acima de "
     "FIM: %1",
     "--pages takes FROM-TO, two page numbers from 1 on, FROM not above TO: %1"},
    {"CodeNotNumber", "O código da usina deve ser um número inteiro: %1",
     "The plant code must be a whole number: %1"},
    {"NoPlantWithCode", "Nenhuma usina em uso tem o código %1.",
     "No plant in use has the code %1."},
    {"NothingToPrint", "Nenhuma usina a imprimir: nenhuma página foi gerada.",
     "No plant to print: no page was made."},
    {"UnusableArgument",
     "O argumento %1 (\"%2\") não pode ser usado: seus bytes não são texto válido na "
     "codificação do sistema, e nenhum arquivo com esse nome pode ser aberto ou gravado.",
     "Argument %1 (\"%2\") cannot be used: its bytes are not valid text in the system's "
     "encoding, so no file of that name can be opened or written."},
    {"ConfigUnreadable", "O arquivo de configuração %1 não pode ser lido.",
     "The configuration file %1 cannot be read."},
    {"ReadProblem", "Problemas na leitura do Cadastro !", "Problems reading the registry !"},
    {"CannotCreate", "Não foi possível criar o arquivo %1.", "Cannot create file %1."},
    {"NotRegularFile", "Arquivo de saída \"%1\" não é um arquivo comum.",
     "Output file \"%1\" is not a regular file."},
    {"MissingConfig",
     "O Arquivo %1 não foi encontrado. As definições de Turbinas, Sistemas e Empresas podem "
     "não estar atualizadas.",
     "The file %1 was not found. The Turbine, Subsystem and Company lists may not be up to "
     "date."},
    {"PrintNoOutput", "A impressão não tem arquivo de saída.", "The print job has no output file."},
    {"PrintNotStarted", "A impressão não pôde ser iniciada.",
     "The print job could not be started."},
    {"PrintNoNewPage", "A impressora não pôde começar uma nova página.",
     "The printer could not start a new page."},
    {"PrintNotCompleted", "A impressão não pôde ser concluída.",
     "The print job could not be completed."},
    {"CurvesNotDrawn", "As curvas não puderam ser desenhadas.", "The curves could not be drawn."},
    {"FormatValue", "--format aceita text ou json, não \"%1\".",
     "--format takes text or json, not \"%1\"."},
    {"FormatOnlyQuality", "A opção --format vai com --check, --diff ou --check-deck.",
     "The option --format goes with --check, --diff or --check-deck."},
    {"IgnoreOnlyDiff", "A opção --ignore vai com --diff.", "The option --ignore goes with --diff."},
    {"IgnoreUnknown", "--ignore: \"%1\" não é uma coluna do CSV.",
     "--ignore: \"%1\" is no column of the CSV."},
};

static_assert(std::size(kCommandTexts) == std::size_t(CommandText::IgnoreUnknown) + 1);

// A catalogue text as a pattern: its words literally, each %n any text, the shortest.
QRegularExpression messagePattern(const QString& text) {
    QString pattern = QStringLiteral("^");
    static const QRegularExpression marker(QStringLiteral("%\\d"));
    qsizetype at = 0;
    for (auto it = marker.globalMatch(text); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        pattern += QRegularExpression::escape(text.mid(at, m.capturedStart() - at)) +
                   QStringLiteral("(.*?)");
        at = m.capturedEnd();
    }
    pattern += QRegularExpression::escape(text.mid(at));
    return QRegularExpression(pattern);
}

} // namespace

QString countedText(CountedText text, qint64 count, Language language) {
    const CountedRow& row = kCountedTexts[int(text)];
    const bool one = count == 1;
    const char* form = language == Language::Portuguese
                           ? (one ? row.portugueseOne : row.portugueseMany)
                           : (one ? row.englishOne : row.englishMany);
    return QString::fromUtf8(form).arg(count);
}

QString commandText(CommandText text, Language language) {
    return kCommandTexts[int(text)].in(language);
}

QString inLanguage(Language language, const char* portuguese, const char* english) {
    return QString::fromUtf8(language == Language::English ? english : portuguese);
}

QString commandLineMessage(const QString& text, Language language) {
    const Language other =
        language == Language::Portuguese ? Language::English : Language::Portuguese;
    for (int t = int(CommandText::ReadProblem); t <= int(CommandText::CurvesNotDrawn); ++t) {
        const QRegularExpressionMatch m = messagePattern(kCommandTexts[t].in(other)).match(text);
        if (!m.hasMatch())
            continue;
        // The platform's reason after a file name stays as the platform wrote it.
        QString out = kCommandTexts[t].in(language);
        for (int i = 1; i <= m.lastCapturedIndex(); ++i)
            out = out.arg(m.captured(i));
        return out + text.mid(m.capturedEnd());
    }
    return text;
}

namespace {

// In the order of FormText.
constexpr LanguageText kFormTexts[] = {
    {"FormValue", "--form aceita 792 ou 832: %1", "--form takes 792 or 832: %1"},
    {"Ambiguous",
     "O Cadastro %1 tem %2 bytes, um número inteiro tanto de registros de 792 quanto de 832 "
     "bytes: a forma é ambígua, e ele é lido em registros de 792 bytes.",
     "The registry %1 has %2 bytes, a whole number of both 792- and 832-byte records: the "
     "form is ambiguous, and it is read as 792-byte records."},
    {"FormLabel", "Registros de %1 bytes", "%1-byte records"},
    {"ConvertNames", "A opção --convert pede um Cadastro, um arquivo de saída e --form 792 ou 832.",
     "The option --convert needs a registry, an output file and --form 792 or 832."},
    {"Narrowed", "Coeficientes que mudaram de valor ao passar a 32 bits: %1, nas usinas %2.",
     "Coefficients that changed value when narrowed to 32 bits: %1, in plants %2."},
    {"ConvertSaveTitle", "Gravar o Cadastro em registros de %1 bytes",
     "Write the registry in %1-byte records"},
    {"NarrowedConfirm", "%1 Gravar assim mesmo?", "%1 Write it all the same?"},
    {"Converted", "Cadastro gravado em registros de %1 bytes: %2",
     "Registry written in %1-byte records: %2"},
};

static_assert(std::size(kFormTexts) == std::size_t(FormText::Converted) + 1);

} // namespace

QString formText(FormText text, Language language) {
    return kFormTexts[int(text)].in(language);
}

QString ambiguousFormText(const QString& registry, qint64 size, int lingua) {
    if (!isAmbiguousSize(size))
        return {};
    return formText(FormText::Ambiguous, languageOf(lingua))
        .arg(QDir::toNativeSeparators(registry))
        .arg(size);
}

QString narrowedText(const std::vector<std::pair<int, int>>& changed, Language language) {
    if (changed.empty())
        return {};
    int count = 0;
    QStringList codes;
    for (const auto& [code, n] : changed) {
        count += n;
        codes << QString::number(code);
    }
    return formText(FormText::Narrowed, language).arg(count).arg(codes.join(QStringLiteral(", ")));
}
