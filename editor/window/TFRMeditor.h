#pragma once
// The editor's main window: it binds its controls to the editor document. Every command asks
// the document, then shows what the document holds; what the user types goes back to it.

#include "core/Dialogs.h"
#include "editing/EditorDocument.h"

#include <QMainWindow>
#include <QString>
#include <QStringList>
#include <functional>
#include <initializer_list>
#include <memory>

class QAction;
class QComboBox;
class EditorSettings;
class QGridLayout;
class QGroupBox;
class QLayout;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QSvgWidget;
class QTableWidget;
class QualityTools;
class QtTranslations;
class ReportPrinter;
class TfrmHelpAbout;

// The window's controls by their design names (the language tables and the tests find them
// by these names too). The plant's boxes and selectors are made from the field table and
// found by name: TFRMeditor::box, TFRMeditor::selector.
struct EditorControls {
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
    QAction* MnEditPlantCreateFrom = nullptr;
    QAction* MnEditGerAlt = nullptr;
    QMenu* MnHelp = nullptr;
    QAction* MnHelpAbout = nullptr;

    // ---- top strip ----
    QLabel* Sinal = nullptr;
    QComboBox* ComboBox1 = nullptr;
    QComboBox* ComboBox2 = nullptr; // hidden master list
    QLineEdit* TXT_Cod = nullptr;
    QLineEdit* TXT_Nome = nullptr;
    QLineEdit* TXT_Data = nullptr;
    QLineEdit* TXT_Obs = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* ImgRed = nullptr;
    QLabel* ImgYellow = nullptr;
    QLabel* ImgGreen = nullptr;

    // ---- registry data ----
    QGroupBox* GroupBox1 = nullptr;

    QSvgWidget* Image1 = nullptr;

    // ---- reservoir ----
    QGroupBox* GroupBox2 = nullptr;
    QTableWidget* StrGr_PCVA = nullptr;
    QTableWidget* StrGr_EvapM = nullptr;

    // ---- hydro plant ----
    QGroupBox* GroupBox3 = nullptr;
    QTableWidget* StrGr_ConjMaq1 = nullptr;
    QTableWidget* StrGr_ConjMaq2 = nullptr;
    QTableWidget* StrGr_PolsJus = nullptr;

    QPushButton* BTNsavechange = nullptr;
    QPushButton* BTNcancelchange = nullptr;

    // File > Recent: the registries loaded last (their items made anew as the list
    // changes), and the item shown while there are none.
    QMenu* MnFileRecent = nullptr;
    QAction* MnFileRecentNone = nullptr;
};

class TFRMeditor : public QMainWindow {
    Q_OBJECT

public:
    // arguments: the command-line arguments without the program name (the first one, when
    // not blank, is the registry to load). configDir: where config.ini is read from; empty
    // means the first found of configIniPath's places, beside the executable first.
    explicit TFRMeditor(Dialogs& dialogs, QStringList arguments = {}, QString configDir = {},
                        QWidget* parent = nullptr);
    ~TFRMeditor() override;

    EditorDocument& document() { return *m_doc; }
    const EditorDocument& document() const { return *m_doc; }
    EditorControls ui;
    QLineEdit* box(const QString& name) const;      // a box of the form, by control name
    QComboBox* selector(const QString& name) const; // a coded field's selector

    // The load indicator: red no registry, yellow the open dialog is up, green loaded.
    enum class SinalColor { Red, Yellow, Green };
    SinalColor signalColor() const { return m_signal; }
    // The printer of the three prints, kept for the run so that the user's choices and
    // orientation carry from one print to the next.
    ReportPrinter& reportPrinter();
    // The about box, made with the window and kept.
    TfrmHelpAbout& aboutBox() { return *m_about; }
    // What the editor remembers between runs (File > Recent, the dialogs' folders).
    EditorSettings& settings() { return *m_settings; }

    bool firstActivationDone() const { return m_firstActivationDone; }
    // Runs a handler so that no exception leaves it: an error is shown instead.
    void runGuarded(const std::function<void()>& handler);
    // Before anything that leaves an edit: with changes not saved, asks whether to save them,
    // throw them away or go on editing. True when the edit is over (saved, discarded, or
    // nothing was changed) or there was none; false when the user stays in it.
    bool leaveEdit();

    // The window's logo (a vector picture), also used by the print-outs.
    static QString logoResource() { return QStringLiteral(":/window/logo.svg"); }

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Handlers of the menus and controls.
    void FormActivate();
    void MnFileLoadClick();
    void MnFileClick();
    void ComboBox1Change();
    void MnEditSearchCodeClick();
    void MnEditSearchNameClick();
    void TXT_CodExit();
    void MnEditLanguageClick(int lingua);
    void MnHelpAboutClick();
    void MnEditPlantCreateClick();
    void MnEditPlantCreateFromClick();
    void startCreate(bool (EditorDocument::*begin)());
    void updateCreateFrom();
    void commitOpenCell();
    void MnEditPlantChangeClick();
    void MnEditPlantDelClick();
    void BTNsavechangeClick();
    void BTNcancelchangeClick();
    void MnEditGerAltClick();
    void MnFileExpClick();
    void MnFilePrintCurScrClick();
    void MnFilePrintCurDataClick();
    void MnFilePrintAllDataClick();
    void MnFileRecentClick(const QString& registry);
    // File > Load, or File > Recent with its registry in place of the open dialog's answer.
    void loadRegistry(const QString& recent);

    void showSignal(SinalColor color);
    void enableRegistryCommands(bool enabled);
    // The document's state on the controls.
    void render();
    void renderList();
    void renderForm();
    // The edit look: borders, colours and read-only boxes, the grids' editing, the selectors
    // in place of the coded boxes, and the commands that are off while editing.
    void ChangeTXTsAppearance(bool editable);
    void showSelectors(bool selectors);
    void connectEdits();

    void buildMenus();
    void buildRecentMenu();
    void renderRecentMenu();
    // The registry just loaded goes first in File > Recent.
    void rememberRegistry();
    void setShortcuts();
    // A shortcut acts only when its item could be clicked: it and every menu above it on.
    bool shortcutReachable(const QAction* action);
    void buildForm();
    // A box of the form in its group's grid: label and box in the row's pair of columns.
    struct BoxPlace {
        const char* label;
        const char* box; // none: the label is a heading
        int row;
        int pair = 0;
    };
    QGridLayout* placeBoxes(std::initializer_list<BoxPlace> places);
    QLayout* buildTopStrip();
    QGroupBox* buildRegistryBox();
    QGroupBox* buildReservoirBox();
    QGroupBox* buildPlantBox();
    void connectHandlers();
    QLineEdit* makeBox(const char* name);
    QComboBox* makeSelector(const char* name);
    QLabel* makeLabel(const char* name, QLineEdit* buddy = nullptr, QString caption = {});
    QTableWidget* makeGrid(const char* name, int columns, int rows);
    void fitGridColumns();
    QList<QLineEdit*> formBoxes() const; // the plant's boxes and TXT_Cod
    QList<QTableWidget*> grids() const;

    Dialogs& m_dialogs;
    std::unique_ptr<EditorSettings> m_settings;
    std::unique_ptr<EditorDocument> m_doc;
    std::unique_ptr<ReportPrinter> m_reports;
    std::unique_ptr<TfrmHelpAbout> m_about;
    std::unique_ptr<QualityTools> m_tools;     // the Tools menu and its windows
    std::unique_ptr<QtTranslations> m_qtTexts; // Qt's own dialogs in the interface's language
    QStringList m_arguments;
    SinalColor m_signal = SinalColor::Red;
    bool m_firstActivationDone = false;
    bool m_activationQueued = false;
    bool m_rendering = false;      // the controls are being set from the document
    bool m_closingCodeBox = false; // Cancel is disabling the code box
    int m_shownDisplay = 0;        // the document's display last shown
};
