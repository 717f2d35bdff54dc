#pragma once
// The interface texts of both languages, as tables keyed by control name (objectName), and
// the messages the commands show. Plain data: the window puts them on its controls.

#include "registry/PlantCodec.h"

#include <QString>
#include <QStringList>

#include <array>
#include <span>

// The values of Lingua.
enum class Language : int { Portuguese = 1, English = 2 };

// One text of a control in both languages.
struct LanguageText {
    const char* control;
    const char* portuguese;
    const char* english;

    QString in(Language language) const;
};

// The window's base titles (the registry path follows while one is loaded).
QString languageTitle(Language language);

// Captions of the menus and menu items (QAction or QMenu of that name).
std::span<const LanguageText> menuCaptions();
// Captions of labels and group boxes.
std::span<const LanguageText> controlCaptions();
// Tool tips, one row per control: the label's and its box's hints are separate rows.
std::span<const LanguageText> controlHints();

// The registry open dialog. The filter is in the file dialog's own form; it keeps the
// designed description and matches every file (a "*.*" pattern would hide names without a dot).
struct OpenDialogCaptions {
    QString title;
    QString filter;
};
OpenDialogCaptions openDialogTexts(Language language);

// The messages of the edit and report commands.
enum class LanguageMessage {
    ChangeNothingShown,
    Saved,
    Deleted,
    CsvWritten,
    OutputIsRegistry,
    IncompleteRecord, // %1 the registry, %2 its size, %3 the bytes past the last whole record
    DeleteTitle, // the input dialog of Delete
    DeletePrompt,
    DeleteRange,  // %1 the highest code
    NotAnInteger, // %1 the text that is no whole number
    NotAReal,     // %1 the text that is no number
};
// In Portuguese for Lingua 1, otherwise in English (the design's, before the first
// activation).
QString languageMessage(LanguageMessage message, int lingua);
// The warning on a registry whose size is no whole number of records of its form (792 or 832
// bytes), in the language of that Lingua; empty when the size is whole.
QString incompleteRecordText(const QString& registry, qint64 size, int lingua,
                             RecordForm form = RecordForm::Bytes792);

// The captions of the three sections (GroupBox1..3) for a Lingua, as above.
std::array<QString, 3> sectionCaptions(int lingua);

// The texts of the registry check and the registry comparison, on the command line and in
// their windows. %1, %2 … are filled in by the caller.
enum class QualityText {
    DownstreamMissing, // the downstream plant %1 names no plant in use
    DeviationMissing,  // the deviation plant %1 names no plant in use
    CascadeCycle,      // %1: "a -> b -> a"
    RepeatedName,      // plants %1 and %2
    UnreadableValue,   // %1 validation entry 44, %2 the box's label, %3 its text
    CheckSummary,      // %1 the plants checked (counted), %2 the count with findings
    PlantAdded,
    PlantRemoved,
    DiffSummary, // %1 differ, %2 added, %3 removed, %4 changed (each counted)
    CannotRead,  // %1 the registry
    CheckTitle,
    CompareTitle,
    ColumnCode,
    ColumnPlant,
    ColumnMessage,
    ColumnField,
    ColumnOld,
    ColumnNew,
    RegistryFile, // %1 the registry checked
    OldFile,      // %1
    NewFile,      // %1
    Refresh,
    CompareDialogTitle, // the open dialog of "Compare with..."
    UsageCheck,         // --check without its file
    UsageDiff,          // --diff without its two files
    UsageOneCommand,    // --check and --diff together
    UsageLanguage,      // %1 the value given to --lang
    UsageNoCommand,     // --lang or --config without a command
    UsageArgument,      // %1 an argument too many
};
QString qualityText(QualityText text, Language language);

// The texts of the plant curves: their window, charts and files, the figures and the
// warnings. %1, %2 … are filled in by the caller.
enum class CurveText {
    // The figures, in the order of their table (and of the summary's columns).
    UsefulVolume,
    LevelAtVolMin,
    LevelAtVolMax,
    LevelAtV65,
    EquivalentLevel,
    TurbinedFlow,
    InstalledPower,
    NetHeadEquivalent,
    NetHeadV65,
    ProductivityEquivalent,
    ProductivityV65,
    AreaAtCotaMin,
    AreaAtCotaMax,
    YearlyEvaporation,
    // Why a figure or a curve is missing.
    Unread,   // %1 the box or cell
    LossType, // %1 the stored loss type
    NotFinite,
    NotDrawn, // %1 the box or cell
    // The warnings.
    WarningPrefix,
    LevelVolumeFalls,     // %1, %2 the volumes
    LevelAtVolMinFar,     // %1 the level at VolMin, %2 CotaMin, %3 the distance allowed
    LevelAtVolMaxFar,     // %1 the level at VolMax, %2 CotaMax, %3 the distance allowed
    AreaNotPositive,      // %1 the level, %2 the area there
    AreaFalls,            // %1, %2 the levels
    TailraceFalls,        // %1 the polynomial, %2, %3 the outflows
    TailraceHigh,         // %1 the polynomial, %2 its level at %3 the outflow, %4 CotaMin
    NetHeadEquivalentLow, // %1 the net head
    NetHeadV65Low,        // %1 the net head
    // The window and the files.
    WindowTitle,
    NoPlant,
    LevelVolumeTitle,
    AreaLevelTitle,
    TailraceTitle,
    AxisVolume,
    AxisLevel,
    AxisArea,
    AxisOutflow,
    AxisTailrace,
    TailraceLabel, // %1 the reference level
    ColumnFigure,
    ColumnValue,
    Warnings,
    NoWarnings,
    ReadoutLevelVolume, // %1 the volume, %2 the level
    ReadoutAreaLevel,   // %1 the level, %2 the area
    ReadoutTailrace,    // %1 the outflow, %2 "1: level m; 2: ..."
    Save,
    Print,
    SaveTitle,
    SaveFilter,
    SaveExtension, // %1 the file chosen
    SummaryWarnings,
    SaveReplace,     // %1 the file chosen, its extension added
    NewPlant,        // the window's title while a plant is created
    OffScaleAbove,   // %1 CotaMin
    OffScaleBelow,   // %1 CotaMin
    RunOfRiver,      // %1 the single volume or level
};
QString curveText(CurveText text, Language language);

// Counted phrases of the check's and the comparison's summaries: the singular for 1, the
// plural for any other count (0 included), in both languages.
enum class CountedText { PlantsChecked, PlantsDiffer, Added, Removed, Changed };
QString countedText(CountedText text, qint64 count, Language language);

// The command line's own texts. %1, %2 … are filled in by the caller.
enum class CommandText {
    Usage,            // the whole --help text; %1 the installed data folder
    UnknownOption,    // %1 the option
    NeedsValue,       // %1 the option
    TwoModes,         // %1, %2 the two modes
    GivenTwice,       // %1 the option
    NoMode,           // %1 an option that needs a mode
    TwoNames,         // %1 the mode
    CurvesNames,      // --curves without its three names
    PagesOnlyPrint,   // --pages without --print-pdf
    PagesRange,       // %1 the range given
    CodeNotNumber,    // %1 the code given
    NoPlantWithCode,  // %1 the code
    NothingToPrint,   // --print-pdf found no page to print
    UnusableArgument, // %1 the argument's position, %2 its bytes
    ConfigUnreadable, // %1 the file named by --config
    // The texts the shared core writes in one language, with the other language's form, so
    // that the command line can speak one language throughout.
    ReadProblem,
    CannotCreate,   // %1 the file (the platform's reason may follow)
    NotRegularFile, // %1 the file
    MissingConfig,  // %1 the file
    PrintNoOutput,
    PrintNotStarted,
    PrintNoNewPage,
    PrintNotCompleted,
    CurvesNotDrawn,
    FormatValue,     // %1 the value given to --format
    FormatOnlyQuality, // --format without --check or --diff
    IgnoreOnlyDiff,  // --ignore without --diff
    IgnoreUnknown,   // %1 a name that is no column of the CSV
};
QString commandText(CommandText text, Language language);
// A text written in both languages where it is used (the deck check's texts): the one of
// language.
QString inLanguage(Language language, const char* portuguese, const char* english);
// Rewrites a message of the shared core (one of the texts from ReadProblem on, whatever the
// language it was written in) into language; any other text is answered as it is.
QString commandLineMessage(const QString& text, Language language);

// The texts of the registry's two record forms, in the window and on the command line.
enum class FormText {
    FormValue,        // %1 the value given to --form
    Ambiguous,        // %1 the registry, %2 its size
    FormLabel,        // %1 792 or 832: beside the registry's name in the window
    ConvertNames,     // --convert without its two names or without --form
    Narrowed,         // %1 how many coefficients, %2 the plants' codes
    ConvertSaveTitle, // %1 the form written
    NarrowedConfirm,  // %1 the Narrowed text
    Converted,        // %1 the form written, %2 the file
};
QString formText(FormText text, Language language);
// The note on a registry whose size fits both forms (read as 792), for Lingua; empty when the
// size tells one form.
QString ambiguousFormText(const QString& registry, qint64 size, int lingua);
// What narrowing changed: "<n> coefficients ..., in plants 3, 7." (empty when nothing).
QString narrowedText(const std::vector<std::pair<int, int>>& changed, Language language);
