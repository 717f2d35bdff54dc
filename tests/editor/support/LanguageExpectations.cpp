#include "LanguageExpectations.h"

#define T(c, p, e)                                                                                 \
    ExpectedLanguageText {                                                                         \
        QStringLiteral(c), QStringLiteral(p), QStringLiteral(e)                                    \
    }

const std::vector<ExpectedLanguageText>& expectedMenuCaptions() {
    static const std::vector<ExpectedLanguageText> rows = {
        T("MnFile", "&Arquivo", "&File"),
        T("MnFileLoad", "&Abrir...", "&Load..."),
        T("MnFileExp", "&Exportar para CSV...", "&Export to CSV..."),
        T("MnFilePrint", "&Imprimir...", "&Print..."),
        T("MnFilePrintCurData", "&Dados da Usina...", "&Hydroplant Data..."),
        T("MnFilePrintCurScr", "T&ela...", "&Screen..."),
        T("MnFilePrintAllData", "Dados de T&odas as Usinas...", "&All Plants Data..."),
        T("MnFileExit", "Sai&r", "Exi&t"),
        T("MnEdit", "&Editar", "&Edit"),
        T("MnEditLang", "Língua", "Language"),
        T("MnEditSearch", "&Procurar", "&Search"),
        T("MnEditSearchCode", "pelo &Código", "by &Code"),
        T("MnEditSearchName", "pelo &Nome", "by &Name"),
        T("MnEditPlant", "&Usina", "&Plant"),
        T("MnEditPlantCreate", "&Criar", "&Create"),
        T("MnEditPlantChange", "&Alterar", "C&hange"),
        T("MnEditPlantDel", "&Excluir", "&Delete"),
        T("MnHelp", "A&juda", "&Help"),
        T("MnHelpAbout", "&Sobre o Velarin...", "&About Velarin..."),
        T("MnEditLanPort", "&Português", "&Português"),
        T("MnEditLanEng", "&English", "&English"),
        T("MnEditLanEsp", "&Español", "&Español"),
        T("MnEditLanFran", "&Français", "&Français"),
    };
    return rows;
}

const std::vector<ExpectedLanguageText>& expectedControlCaptions() {
    static const std::vector<ExpectedLanguageText> rows = {
        T("GroupBox1", "Cadastro", "Hydro Cadastre"),
        T("LBLsystem", "Sistema:", "System:"),
        T("LBLgencoID", "Empresa:", "Genco ID:"),
        T("LBLgaugenum", "Posto:", "Gauge Number:"),
        T("LBLaltgaugeid", "Posto BDH:", "Alt Gauge ID:"),
        T("LBLdowngauge", "Jusante:", "Downstream Gauge:"),
        T("LBLdeviation", "Desvio:", "Deviation:"),
        T("GroupBox2", "Reservatório", "Reservoir"),
        T("LBLregul", "Regulação:", "Regulation:"),
        T("LBLmaxvol", "Volume Máximo:", "Maximum Volume:"),
        T("LBLminvol", "Volume Mínimo:", "Minimum Volume:"),
        T("LBLmaxlev", "Cota Máxima:", "Maximum Level:"),
        T("LBLminlev", "Cota Mínima:", "Minimum Level:"),
        T("lblvolref", "Volume de Referência:", "Reference Volume:"),
        T("Lblvolspill", "Volume Vertedouro:", "Volume for spilling:"),
        T("LBLvoldev", "Volume Desvio:", "Volume for deviation:"),
        T("LBLpolin", "Polinômios", "Polynomiums"),
        T("LBLcotavol", "Cota x Volume", "Level x Volume"),
        T("LBLareacota", "Área x Cota", "Area x Level"),
        T("LBLevap", "Evaporação Mensal (mm/mês):", "Monthly Evaporation (mm/month):"),
        T("LBLjan", "JAN", "JAN"),
        T("LBLfev", "FEV", "FEB"),
        T("LBLmar", "MAR", "MAR"),
        T("LBLabr", "ABR", "APR"),
        T("LBLmai", "MAI", "MAI"),
        T("LBLjun", "JUN", "JUN"),
        T("LBLjul", "JUL", "JUL"),
        T("LBLago", "AGO", "AUG"),
        T("LBLset", "SET", "SEP"),
        T("LBLout", "OUT", "OCT"),
        T("LBLnov", "NOV", "NOV"),
        T("LBLdez", "DEZ", "DEC"),
        T("GroupBox3", "Usina", "Hydro Plant"),
        T("LBLprodesp", "Produt. Específica:", "Specific Productivity:"),
        T("LBLmedtail", "Canal de Fuga Médio:", "Medium Tailrace:"),
        T("LBLteif", "TEIF:", "TEIF:"),
        T("LBLip", "IP:", "IP:"),
        T("LBLturbtype", "Tipo de Turbina:", "Turbin Type:"),
        T("LBLnumtunit", "Conjuntos de Máq. :", "Num Unit Types:"),
        T("LBLndownpols", "Num. Polinômios de Jusante:", "Num.Downstream Pols:"),
        T("LBLmaxfatcarga", "Fator de Carga Máximo:", "Maximum Load Factor:"),
        T("LBLminfatcarga", "Fator de Carga Mínimo:", "Minimum Load Factor:"),
        T("LBLperdas", "Perdas", "Losses"),
        T("LBLtipo", "Tipo:", "Type:"),
        T("LBLvalor", "Valor", "Value"),
        T("LBLminhistflow", "Vazão Min. Histórico:", "Min. Historical Inflow:"),
        T("LBLnumbaseunits", "Núm. de Unid. de Base:", "Num. of Base Units:"),
        T("LBLinflspill", "Influência do Vertimento no Canal de Fuga:",
          "Influency of Spilling in the Downstream Level:"),
        T("LBLrepset", "Representação do Conjunto:", "Representation type for the set:"),
        T("LBLunitypes", "CONJUNTOS DE MÁQUINAS", "UNIT TYPES"),
        T("LBLpolsdown", "Polinôminos de Jusante", "Downstream Polynomiums"),
        T("LBLdata", "Data:", "Date:"),
    };
    return rows;
}

const std::vector<ExpectedLanguageText>& expectedHints() {
    static const std::vector<ExpectedLanguageText> rows = {
        T("LBLregul,TXT_reg", "Regulação = M (Mensal), S (Semanal) ou D (Diária)",
          "Regulation = M (Monthly), S (Weekly) ou D (Daily)"),
        T("LBLmaxvol,TXT_VMax", "Volume Máximo (hm3)", "Maximum Volume (hm3)"),
        T("LBLminvol,TXT_VMin", "Volume Mínimo (hm3)", "Minimum Volume (hm3)"),
        T("LBLmaxlev,TXT_Ymax", "Cota Máxima (m)", "Maximum Level (m)"),
        T("LBLminlev,TXT_YMin", "Cota Mínima (m)", "Minimum Level (m)"),
        T("lblvolref,TXT_V_Ref", "Volume de Referência (hm3)", "Reference Volume (hm3)"),
        T("Lblvolspill,TXT_V_Vert", "Vol. Crista do Vertedouro (hm3)", "Vol. for Spilling (hm3)"),
        T("LBLvoldev,TXT_V_CDesv", "Vol. Canal de Desvio (hm3)", "Vol. for Deviation (hm3)"),
        T("LBLprodesp,TXT_Resp", "Produt.Específica (MW/m3/s/m)",
          "Specific Productivity (MW/m3/s/m)"),
        T("LBLmedtail,TXT_JusNom", "Canal de Fuga Médio (m)", "Medium Tailrace (m)"),
        T("LBLteif,TXT_TxSForc", "TEIF (%)", "TEIF (%)"),
        T("LBLip,TXT_TxIndProg", "IP (%)", "IP (%)"),
        T("LBLmaxfatcarga,TXT_FatCgMax", "Fator de Carga Máx. (%)", "Max. Load Factor (%)"),
        T("LBLminfatcarga,TXT_FatCgMin", "Fator de Carga Mín. (%)", "Min. Load Factor (%)"),
        T("LBLminhistflow,TXT_QNaMH", "Vazão Mín. Hist. (m3/s)", "Min.Hist.Inflow (m3/s)"),
        T("LBLinflspill", "Infl.Vert.Canal de Fuga (0 = NÃO , 1 = SIM)",
          "Infl. of Spilling in the Downstream Level (0 = NO , 1 = YES)"),
        T("TXT_VICF", "Infl. Vert. Canal de Fuga (0 = NÃO , 1 = SIM)",
          "Infl. of Spilling in the Downstream Level (0 = NO , 1 = YES)"),
        T("LBLrepset,TXT_RepGrGer", "Repres.Conj.(0=aprox.,1=detalh.,2=simpl.)",
          "Set Repres.(0=aprox.,1=detailed.,2=simpl.)"),
    };
    return rows;
}
