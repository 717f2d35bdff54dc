#pragma once
// The editor's main window: one plant of the registry at a time in read-only boxes and grids,
// the plant list, loading and search. Editing, reports and the interface language add their
// handlers in their own files (editing/EditHandlers.cpp, reports/ReportHandlers.cpp,
// language/LanguageHandlers.cpp) and their state in the marked sections below.

#include "registry/LookupLists.h"
#include "registry/TCadHd.h"
#include "registry/TUsinaHd.h"
#include "window/Dialogs.h"

#include <QLocale>
#include <QLockFile>
#include <QMainWindow>
#include <QPixmap>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <functional>
#include <memory>

// The subsystems' headers: the window's constructor and destructor need their types whole.
// --- language --- (includes)
#include "language/TMsg.h"
#include "language/TfrmHelpAbout.h"
// --- end language ---
// --- editing --- (includes)
#include "editing/EditSession.h"
// --- end editing ---
// --- reports --- (includes)
#include "reports/ReportPrinter.h"
// --- end reports ---

class QAction;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QSvgWidget;
class QTableWidget;

class TFRMeditor : public QMainWindow {
    Q_OBJECT

public:
    // arguments: the command-line arguments without the program name (the first one, when
    // not blank, is the registry to load). configDir: where config.ini is read from; empty
    // means the executable's folder.
    explicit TFRMeditor(Dialogs& dialogs, QStringList arguments = {}, QString configDir = {},
                        QWidget* parent = nullptr);
    ~TFRMeditor() override;

    // ---- state ----
    TUsinaHd CurrentPlant;
    std::int32_t CurrentCode = 0;
    QString RegistryFileName; // the registry in use; empty while none is loaded
    QString StartDir;         // the current directory at creation: home of "AuxCad.cad"
    QString DestFileName;     // destination registry of changes; empty until chosen
    QStringList PlantNames;   // entry 0 "NÃO HÁ", entry k the stored name of record k
    LookupLists Lookup;       // TurbineNames, SystemNames, CompanyNames
    Dialogs& Dlg;
    TCadHd CadHd;
    // Decimal separator of every number shown, and the collation of the by-name list.
    QLocale NumberLocale = QLocale::system();
    QStringList Arguments;
    QString ConfigPath; // config.ini as read at creation

    // The list mode of ComboBox1; the check marks of MnEditSearchCode/Name follow it.
    enum class ListMode { ByCode, ByName };
    ListMode PlantListMode = ListMode::ByCode;

    // Base of the window title; while a registry is loaded the title is base + " - " + path.
    QString BaseTitle;
    void setBaseTitle(const QString& title);
    void updateTitle();

    // The registry open dialog (Qt filter syntax: "every file" is "*").
    struct OpenDialogTexts {
        QString Title = QStringLiteral("Abrir Cadastro de Usinas Hidráulicas");
        QString Filter = QStringLiteral("Cadastro de Usinas Hidráulicas (*)");
    } OpenDialog;

    // The load indicator: red no registry, yellow the open dialog is up, green loaded.
    enum class SinalColor { Red, Yellow, Green };
    void showSignal(SinalColor color);
    SinalColor SinalState = SinalColor::Red;

    bool FirstActivationDone = false;

    // The name of the scratch copy in StartDir: "AuxCad.cad", held with a lock file while this
    // editor runs; a second editor in the same folder finds it held and uses a name of its own.
    QString auxCadPath() const;
    void claimScratchCopy();
    QString ScratchName = QStringLiteral("AuxCad.cad");
    std::unique_ptr<QLockFile> ScratchLock;

    // ---- handlers (window) ----
    void FormCreate();
    void FormActivate();
    void FormDestroy();
    void MnFileLoadClick();
    void MnFileClick();
    void MnFileExitClick();
    void ComboBox1Change();
    void Monta_Combo();
    void Limpa_Combo();
    void Limpa_Campos();
    void AtualizaTela();
    void MnEditSearchCodeClick();
    void MnEditSearchNameClick();
    void TXT_CodExit();

    // The text ComboBox1 shows: the chosen entry, or the placeholder while none is chosen.
    QString plantListShownText() const;
    // Sets a grid cell, creating its item when the cell was never set.
    static void setCell(QTableWidget* grid, int row, int column, const QString& text);
    static QString cellText(const QTableWidget* grid, int row, int column);

    // The program's general error display: a critical box with the error's text.
    void showError(const QString& text);
    // Runs a handler so that no exception leaves it: an error is shown instead.
    void runGuarded(const std::function<void()>& handler);

    // The window's logo (a vector picture), also used by the print-outs.
    static QString logoResource() { return QStringLiteral(":/window/logo.svg"); }

    // ---- handlers of the other subsystems (defined in their files) ----
    // language/LanguageHandlers.cpp
    void InitLanguage();
    void MnEditLanPortClick();
    void MnEditLanEngClick();
    void MnHelpAboutClick();
    // editing/EditHandlers.cpp
    void MnEditPlantCreateClick();
    void MnEditPlantChangeClick();
    void MnEditPlantDelClick();
    void BTNsavechangeClick();
    void BTNcancelchangeClick();
    void MnEditGerAltClick();
    void ChangeTXTsAppearance(bool editable);
    // reports/ReportHandlers.cpp
    void MnFileExpClick();
    void MnFilePrintCurScrClick();
    void MnFilePrintCurDataClick();
    void MnFilePrintAllDataClick();

    bool isPortugueseChecked() const;
    bool isEnglishChecked() const;

    // ---- menus ----
    // Menus with items are QMenu (objectName set on the menu and on its menuAction()); their
    // enabled state is that of menuAction().
    QMenu* MnFile = nullptr;
    QAction* MnFileLoad = nullptr;
    QAction* MnFileExp = nullptr;
    QMenu* MnFilePrint = nullptr;
    QAction* MnFilePrintCurScr = nullptr;
    QAction* MnFilePrintCurData = nullptr;
    QAction* MnFilePrintAllData = nullptr;
    QAction* MnFileExit = nullptr;
    QMenu* MnEdit = nullptr;
    QMenu* MnEditLang = nullptr;
    QAction* MnEditLanPort = nullptr;
    QAction* MnEditLanEng = nullptr;
    QAction* MnEditLanEsp = nullptr;
    QAction* MnEditLanFran = nullptr;
    QMenu* MnEditSearch = nullptr;
    QAction* MnEditSearchCode = nullptr;
    QAction* MnEditSearchName = nullptr;
    QMenu* MnEditPlant = nullptr;
    QAction* MnEditPlantCreate = nullptr;
    QAction* MnEditPlantChange = nullptr;
    QAction* MnEditPlantDel = nullptr;
    QAction* MnEditGerAlt = nullptr;
    QMenu* MnHelp = nullptr;
    QAction* MnHelpAbout = nullptr;

    // ---- top strip ----
    QLabel* Sinal = nullptr;
    QComboBox* ComboBox1 = nullptr;
    QComboBox* ComboBox2 = nullptr; // hidden master list
    QLineEdit* TXT_Cod = nullptr;
    QLineEdit* TXT_Nome = nullptr;
    QLabel* LBLdata = nullptr;
    QLineEdit* TXT_Data = nullptr;
    QLabel* Label76 = nullptr;
    QLineEdit* TXT_Obs = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* ImgRed = nullptr;
    QLabel* ImgYellow = nullptr;
    QLabel* ImgGreen = nullptr;

    // ---- registry data ----
    QGroupBox* GroupBox1 = nullptr;
    QLabel* LBLsystem = nullptr;
    QLineEdit* TXT_SistUsi = nullptr;
    QComboBox* CMBsistema = nullptr;
    QLabel* LBLgencoID = nullptr;
    QLineEdit* TXT_Empresa = nullptr;
    QComboBox* CMBempresa = nullptr;
    QLabel* LBLgaugenum = nullptr;
    QLineEdit* TXT_Posto = nullptr;
    QLabel* LBLaltgaugeid = nullptr;
    QLineEdit* TXT_Posto_BDH = nullptr;
    QLabel* LBLdowngauge = nullptr;
    QLineEdit* TXT_Jusante = nullptr;
    QComboBox* CMBjusante = nullptr;
    QLabel* LBLdeviation = nullptr;
    QLineEdit* TXT_Desvio = nullptr;
    QComboBox* CMBdesvio = nullptr;

    QSvgWidget* Image1 = nullptr;

    // ---- reservoir ----
    QGroupBox* GroupBox2 = nullptr;
    QLabel* LBLregul = nullptr;
    QLineEdit* TXT_reg = nullptr;
    QComboBox* CMBreg = nullptr;
    QLabel* lblvolref = nullptr;
    QLineEdit* TXT_V_Ref = nullptr;
    QLabel* LBLmaxvol = nullptr;
    QLineEdit* TXT_VMax = nullptr;
    QLabel* LBLmaxlev = nullptr;
    QLineEdit* TXT_Ymax = nullptr;
    QLabel* Lblvolspill = nullptr;
    QLineEdit* TXT_V_Vert = nullptr;
    QLabel* LBLminvol = nullptr;
    QLineEdit* TXT_VMin = nullptr;
    QLabel* LBLminlev = nullptr;
    QLineEdit* TXT_YMin = nullptr;
    QLabel* LBLvoldev = nullptr;
    QLineEdit* TXT_V_CDesv = nullptr;
    QLabel* LBLpolin = nullptr;
    QLabel* LBLcotavol = nullptr;
    QLabel* LBLareacota = nullptr;
    QTableWidget* StrGr_PCVA = nullptr;
    QLabel* LBLevap = nullptr;
    QLabel* LBLjan = nullptr;
    QLabel* LBLfev = nullptr;
    QLabel* LBLmar = nullptr;
    QLabel* LBLabr = nullptr;
    QLabel* LBLmai = nullptr;
    QLabel* LBLjun = nullptr;
    QLabel* LBLjul = nullptr;
    QLabel* LBLago = nullptr;
    QLabel* LBLset = nullptr;
    QLabel* LBLout = nullptr;
    QLabel* LBLnov = nullptr;
    QLabel* LBLdez = nullptr;
    QTableWidget* StrGr_EvapM = nullptr;

    // ---- hydro plant ----
    QGroupBox* GroupBox3 = nullptr;
    QLabel* LBLprodesp = nullptr;
    QLineEdit* TXT_Resp = nullptr;
    QLabel* LBLmedtail = nullptr;
    QLineEdit* TXT_JusNom = nullptr;
    QLabel* LBLteif = nullptr;
    QLineEdit* TXT_TxSForc = nullptr;
    QLabel* LBLip = nullptr;
    QLineEdit* TXT_TxIndProg = nullptr;
    QLabel* LBLturbtype = nullptr;
    QLineEdit* TXT_Tipo_Turb = nullptr;
    QComboBox* CMBtipo_turb = nullptr;
    QLabel* LBLnumtunit = nullptr;
    QLineEdit* TXT_NGrMaq = nullptr;
    QLabel* LBLndownpols = nullptr;
    QLineEdit* TXT_NKeyCur = nullptr;
    QLabel* LBLperdas = nullptr;
    QLabel* LBLtipo = nullptr;
    QLineEdit* TXT_TpPerda = nullptr;
    QComboBox* CMBtp_perda = nullptr;
    QLabel* LBLvalor = nullptr;
    QLineEdit* TXT_Phd = nullptr;
    QLabel* LBLmaxfatcarga = nullptr;
    QLineEdit* TXT_FatCgMax = nullptr;
    QLabel* LBLminfatcarga = nullptr;
    QLineEdit* TXT_FatCgMin = nullptr;
    QLabel* LBLinflspill = nullptr;
    QLineEdit* TXT_VICF = nullptr;
    QComboBox* CMBvicf = nullptr;
    QLabel* LBLrepset = nullptr;
    QLineEdit* TXT_RepGrGer = nullptr;
    QComboBox* CMBrepgrger = nullptr;
    QLabel* LBLminhistflow = nullptr;
    QLineEdit* TXT_QNaMH = nullptr;
    QLabel* LBLnumbaseunits = nullptr;
    QLineEdit* TXT_N_UBase = nullptr;
    QLabel* LBLunitypes = nullptr;
    QTableWidget* StrGr_ConjMaq1 = nullptr;
    QTableWidget* StrGr_ConjMaq2 = nullptr;
    QLabel* LBLpolsdown = nullptr;
    QTableWidget* StrGr_PolsJus = nullptr;

    QPushButton* BTNsavechange = nullptr;
    QPushButton* BTNcancelchange = nullptr;

    // The coded fields: each text box, the selector that takes its place while editing, and
    // their label. showSelectors swaps them and moves the label's buddy along, so the shown
    // control is the one named by the label.
    struct CodedField {
        QLabel* label;
        QLineEdit* box;
        QComboBox* selector;
    };
    QList<CodedField> codedFields() const;
    void showSelectors(bool selectors);

    // Every display box of a plant field (plantBoxNames() order) and the five grids.
    QList<QLineEdit*> plantBoxes() const;
    QList<QTableWidget*> grids() const;

    // --- language ---
    int Lingua = 0; // 0 until the first activation, then 1 Portuguese, 2 English
    // The validation messages: Msg->text(Lingua, entry).
    std::unique_ptr<TMsg> Msg;
    // The about box, created with the window and kept.
    std::unique_ptr<TfrmHelpAbout> frmHelpAbout;
    // --- end language ---

    // --- editing ---
    std::unique_ptr<EditSession> Editing; // made on first use
    EditSession& editing();
    // The form's texts as they stand: boxes, selected entries, grid cells.
    FormSnapshot formSnapshot() const;
    // Fills the nine selectors of the coded fields from the boxes they replace.
    void Monta_CMBs_Auxs_Edt();
    // Asks for the destination registry; true when one is set.
    bool ChooseDestFile();
    // StorePlant into the destination and, when it was written, AdoptScratchCopy; the result
    // tells whether the plant was written.
    bool storeSequence(std::int32_t oldCode, std::int32_t newCode, const TUsinaHd& plant);
    void AdoptScratchCopy(const QString& registryInUse);
    // --- end editing ---

    // --- reports ---
    // The printer of the three prints, made at the first print and kept for the run, so that
    // the user's choices and orientation carry from one print to the next.
    std::unique_ptr<ReportPrinter> Reports;
    ReportPrinter& reportPrinter();
    // The texts of the plant shown, as the controls hold them now, with the footer.
    SheetTexts currentSheetTexts() const;
    // The footer line of the print-outs: the title as shown, the date and the time.
    QString printFooter() const;
    // --- end reports ---

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildMenus();
    void buildForm();
    void connectHandlers();
    QLineEdit* makeBox(const char* name);
    QComboBox* makeSelector(const char* name);
    QLabel* makeLabel(const char* name, const QString& caption, QLineEdit* buddy = nullptr);
    QTableWidget* makeGrid(const char* name, int columns, int rows);
    void setHint(const QString& hint, QWidget* label, QWidget* box);
    void setGridRows(QTableWidget* grid, int rows);
    void fitGridColumns();

    bool m_activationQueued = false;
    bool m_destroyed = false;
};
