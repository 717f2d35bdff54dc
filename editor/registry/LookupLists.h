#pragma once
// The names behind three coded fields of the record: turbine types, subsystems and
// companies, read from config.ini (beside the executable, or where an installation keeps it)
// or taken from built-in lists.

#include <QHash>
#include <QString>
#include <QStringList>

struct LookupLists {
    QStringList TurbineNames = QStringList(4);   // entries 0..3
    QStringList SystemNames = QStringList(5);    // entries 0..4
    QStringList CompanyNames = QStringList(301); // entries 0..300

    void clear();
    void setDefaults();
    // Entry of a list by code; a code outside the list's range has no name.
    static QString entry(const QStringList& list, qint64 code);
};

// A small INI reader: sections in brackets, key=value lines; blanks around keys and values
// dropped, ';' and '#' comment lines skipped, section and key names matched without regard
// to case, a value in double or single quotes unquoted, the first of repeated keys kept.
// Bytes are decoded as UTF-8 when they are valid UTF-8 (a byte-order mark dropped), as
// UTF-16 after its byte-order mark, otherwise as Windows-1252.
class IniFile {
public:
    static IniFile fromBytes(const QByteArray& bytes);
    QString value(const QString& section, const QString& key) const; // empty when absent

private:
    QHash<QString, QHash<QString, QString>> m_sections; // lower-cased names
};

// Result of reading config.ini.
struct ConfigResult {
    bool found = false;
    QString warning; // the missing-file warning text, when not found
};

// Fills the lists from the file at path (values cut to 20 characters), or, when it does not
// exist, sets the defaults and answers the warning text to show.
ConfigResult readLookupLists(const QString& path, LookupLists& lists);

// The first `count` characters of text (a character outside the BMP counts once).
QString leftCharacters(const QString& text, int count);

// The folders config.ini is looked for in when no --config names one.
struct ConfigRoots {
    QString programDir;    // the executable's folder: a build or a copied folder
    QString xdgConfigHome; // $XDG_CONFIG_HOME; when empty or relative, home + "/.config"
    QString home;
    QString systemConfigDir; // /etc/xdg
    QString dataDir;         // the installed program's data, /usr/share/velarin
};

// The roots of the running program: its folder, its environment, the installed folders.
ConfigRoots runningConfigRoots();

// config.ini beside the executable, in the user's configuration, in the system's, and the
// sample the package installs: the order in which they are tried.
QStringList configIniCandidates(const ConfigRoots& roots);

// The first candidate that is a file; when none is, the first candidate, so that the
// missing-file warning names the place beside the executable.
QString firstConfigIni(const QStringList& candidates);

// The config.ini the editor reads when no --config is given, in the platform's notation.
QString configIniPath();

// "O Arquivo <path> não foi encontrado. As definições de Turbinas, Sistemas e Empresas ..."
QString missingConfigWarning(const QString& path);
