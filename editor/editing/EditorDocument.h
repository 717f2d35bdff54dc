#pragma once
// The editor without its window: the registry files (RegistryFiles), the plant lists, the
// plant shown and the form's texts, the edit mode and the interface language.
// Every operation talks to the user through the dialog seam only; the window renders what
// the document holds after each one and feeds the user's typing back with the set* calls.

#include "editing/ConsistOk.h"
#include "editing/EditForm.h"
#include "editing/FormSnapshot.h"
#include "editing/RegistryFiles.h"
#include "language/LanguageTexts.h"
#include "language/TMsg.h"
#include "registry/LookupLists.h"
#include "registry/TCadHd.h"
#include "registry/TUsinaHd.h"
#include "reports/SheetLayout.h"

#include <QDateTime>
#include <QHash>
#include <QLocale>
#include <QSet>
#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>
#include <functional>
#include <optional>

class Dialogs;
struct AllPlantsJob;
struct ExportRequest;

// The plant form as the window shows it: every box (TXT_Cod included), the grids with their
// rows, and the nine selectors of the coded fields.
struct FormState : FormTexts {
    QHash<QString, SelectorChoice> choices; // by selector name
    FormTexts texts() const;                 // with each selector's chosen text
};

class EditorDocument {
public:
    enum class Mode { Browse, Create, Change };
    enum class ListMode { ByCode, ByName };

    // configPath: the config.ini read at start-up.
    EditorDocument(Dialogs& dialogs, QString configPath);
    EditorDocument(const EditorDocument&) = delete;
    EditorDocument& operator=(const EditorDocument&) = delete;

    Dialogs& dialogs() const { return m_dialogs; }

    // ---- start-up and loading ----
    // The current directory becomes the start folder, the scratch copy's name is claimed and
    // the lookup lists are read (with the missing-file warning).
    void start();
    // The first activation: the registry named on the command line, or the open dialog.
    // Answers whether the open dialog was asked (the window then shows its indicator).
    void firstActivation(const QString& registry, const std::function<void()>& openDialogUp);
    // File > Load: everything of the previous registry goes before the open dialog;
    // answers whether a registry was chosen. A file given (File > Recent) is loaded as if
    // chosen in the dialog, which is not shown.
    bool load(const std::function<void()>& openDialogUp, const QString& file = {});

    // ---- the plant list ----
    void listByCode();
    bool listByName(); // false when the list is already by name
    void setListIndex(int index) { m_listIndex = index; }
    // The plant of the list's current entry (ComboBox1's change).
    void showSelected();

    // ---- editing ----
    bool beginChange();
    bool beginCreate();
    // Create, from the plant shown: every field as Change shows it, the code box left empty
    // for the new code. False when no plant is shown or no destination is set.
    bool beginCreateFrom();
    // Whether the form reads otherwise than when the edit mode began.
    bool editChanged() const;
    // Save, and how far it got. `checked` runs once there is a destination and the code is
    // free, before the form is read.
    enum class SaveOutcome { NoDestination, CodeTaken, NotStored, Stored };
    SaveOutcome save(const std::function<void()>& checked = {});
    void cancel();
    void deletePlant();
    void alteration(); // the MSD alteration of the file in the current folder

    // A typed code that is taken: the warning, and true.
    bool codeTaken();

    // ---- what the user types ----
    void setBox(const QString& name, const QString& text) { m_form.boxes.insert(name, text); }
    void setCell(const QString& grid, int row, int column, const QString& text);
    void setSelected(const QString& selector, int index);

    // ---- reports ----
    void exportCsv();
    SheetTexts sheetTexts(const QDateTime& when) const;
    AllPlantsJob allPlantsJob() const;
    QString footer(const QDateTime& when) const;
    // Why a report may not be written to output: no regular file, or the same file as the
    // registry loaded, the registry in use, the scratch copy or the destination. Empty when
    // it may.
    QString reportRefusal(const QString& output) const {
        return m_files.reportRefusal(output, m_lingua);
    }

    // ---- the interface language ----
    int lingua() const { return m_lingua; } // 0 until the first activation, then 1 or 2
    void setLanguage(int lingua);
    bool portuguese() const { return m_lingua == 1; }
    // Portuguese for Lingua 1, otherwise English (the design's, before the first activation).
    Language language() const { return portuguese() ? Language::Portuguese : Language::English; }
    const TMsg& messages() const { return m_messages; }

    // ---- state ----
    Mode mode() const { return m_mode; }
    bool editing() const { return m_mode != Mode::Browse; }
    const FormState& form() const { return m_form; }
    // Change and Create from a plant: the plant and the texts first shown for editing; empty
    // otherwise.
    const std::optional<ShownPlant>& shownForEdit() const { return m_shown; }
    int displays() const { return m_displays; } // counts the plants displayed
    // The boxes the operations wrote since the last call (the window sets them anew).
    QSet<QString> takeWritten();
    const RegistryFiles& files() const { return m_files; }
    const QString& registryFileName() const { return m_files.registry(); }
    const QString& destFileName() const { return m_files.destination(); }
    const QString& startDir() const { return m_files.startDir(); }
    const QStringList& entries() const { return m_entries; } // by code, file order
    const QStringList& plantNames() const { return m_plantNames; }
    const QStringList& listEntries() const { return m_listEntries; } // as the list shows
    int listIndex() const { return m_listIndex; }
    // The index of the plant list's entry of that code; -1 when none.
    int listIndexOf(std::int32_t code) const;
    QString listPlaceholder() const { return m_placeholder; }
    // The text the list shows: its entry, or the placeholder while none is chosen.
    QString listShownText() const;
    ListMode listMode() const { return m_listMode; }
    const TUsinaHd& currentPlant() const { return m_plant; }
    std::int32_t currentCode() const { return m_code; }
    const LookupLists& lookup() const { return m_lookup; }
    const QLocale& locale() const { return m_locale; }
    void setLocale(const QLocale& locale) { m_locale = locale; }
    // The window's title: the base title and, while a registry is loaded, " - " and its path.
    const QString& title() const { return m_title; }
    OpenDialogCaptions openDialog() const;
    QString scratchPath() const { return m_files.scratchPath(); }
    // The form's texts for a plant as Change shows them, selectors preselected as Change does.
    FormTexts changeTexts(std::int32_t code, const TUsinaHd& plant) const;

    // The record form of the registry in use (set at each load, kept by every write).
    RecordForm recordForm() const { return m_cad.form(); }
    // The form the command line named for the registries loaded; BySize: the file's size.
    void setRequestedForm(RecordForm form) { m_requestedForm = form; }
    // Tools > Convert Record Form...: the registry in use written in the other form.
    void convertRecordForm();

    // The clock of the destination proposal (tests set a fixed one).
    std::function<QDateTime()> Now = [] { return QDateTime::currentDateTime(); };

private:
    bool readPlantList();
    // A registry just loaded whose size is no whole number of records: one warning.
    void warnIncompleteRecord();
    void clearForm();
    void write(const QString& box, const QString& text);
    void displayPlant(const QString& codeText);
    bool chooseDestination();
    bool store(std::int32_t oldCode, std::int32_t newCode, const TUsinaHd& plant);
    void adopt();
    void toEditLayout(bool cutSuffixes);
    void fillSelectors(const TUsinaHd* shown);
    void updateTitle();

    Dialogs& m_dialogs;
    TCadHd m_cad;
    RecordForm m_requestedForm = RecordForm::BySize;
    TMsg m_messages;
    QString m_configPath;
    LookupLists m_lookup;
    QLocale m_locale = QLocale::system();
    int m_lingua = 0;
    QString m_baseTitle;
    QString m_title;

    RegistryFiles m_files;
    QString m_titleFile; // the registry the title names

    QStringList m_entries;
    QStringList m_plantNames;
    QStringList m_listEntries;
    int m_listIndex = -1;
    QString m_placeholder;
    qint64 m_registrySize = 0; // of the registry in use when its plant list was last read
    ListMode m_listMode = ListMode::ByCode;

    TUsinaHd m_plant;
    std::int32_t m_code = 0;
    Mode m_mode = Mode::Browse;
    FormState m_form;
    int m_displays = 0;
    QSet<QString> m_written;
    std::optional<ShownPlant> m_shown; // Change: the plant and the texts first shown
    FormTexts m_entered;               // the form as the edit mode began
    // The form and the list's choice when an edit began, for Cancel to go back to.
    struct BeforeEdit {
        FormState form;
        int listIndex = -1;
    };
    std::optional<BeforeEdit> m_beforeEdit;
};
