#include "registry/LookupLists.h"

#include "registry/AnsiText.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QStringDecoder>

void LookupLists::clear() {
    TurbineNames = QStringList(4);
    SystemNames = QStringList(5);
    CompanyNames = QStringList(301);
}

void LookupLists::setDefaults() {
    clear();
    TurbineNames = {QStringLiteral("NÃO HÁ"), QStringLiteral("Francis"),
                    QStringLiteral("Kaplan/Propeller"), QStringLiteral("Pelton")};
    SystemNames = {QString(), QStringLiteral("Sudeste"), QStringLiteral("Sul"),
                   QStringLiteral("Nordeste"), QStringLiteral("Norte")};
    const struct {
        int code;
        const char* name;
    } companies[] = {
        {11, "Escelsa"},     {13, "ELTNORTE-SE"},  {15, "Eletropaulo"}, {16, "CESP"},
        {17, "Light"},       {18, "Cemig"},        {19, "Furnas"},      {20, "Celesc"},
        {22, "CEEE"},        {23, "Copel"},        {24, "Eletrosul"},   {33, "CHESF"},
        {34, "Celpa"},       {37, "Eletronorte"},  {40, "Itaipu"},      {42, "CDSA"},
        {51, "Externas SE"}, {52, "Externas Sul"}, {53, "Externas NE"}, {54, "Externas Norte"},
    };
    for (const auto& c : companies)
        CompanyNames[c.code] = QString::fromLatin1(c.name);
}

QString LookupLists::entry(const QStringList& list, qint64 code) {
    if (code < 0 || code >= list.size())
        return {};
    return list.at(int(code));
}

// Valid UTF-8 (a byte-order mark dropped) is taken as UTF-8, anything else as Windows-1252:
// a file saved by a Linux editor and one saved on Windows read the same. A UTF-16 file
// (with its byte-order mark, as Windows editors save "Unicode") is read as well.
static QString decodeConfigBytes(QByteArray bytes) {
    if (bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF")) {
        QStringDecoder utf16(bytes.startsWith("\xFF\xFE") ? QStringDecoder::Utf16LE
                                                          : QStringDecoder::Utf16BE);
        return utf16.decode(bytes.mid(2));
    }
    if (bytes.startsWith("\xEF\xBB\xBF"))
        bytes.remove(0, 3);
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(bytes);
    if (!utf8.hasError())
        return text;
    return AnsiText::decode(bytes);
}

// Blanks and tabs around keys and values are not part of them (line ends neither).
static QStringView trimBlanks(QStringView text) {
    const auto blank = [](QChar c) { return c == u' ' || c == u'\t' || c == u'\r'; };
    while (!text.isEmpty() && blank(text.front()))
        text = text.mid(1);
    while (!text.isEmpty() && blank(text.back()))
        text.chop(1);
    return text;
}

QString leftCharacters(const QString& text, int count) {
    qsizetype end = 0;
    for (int n = 0; n < count && end < text.size(); ++n)
        end += (text.at(end).isHighSurrogate() && end + 1 < text.size() &&
                text.at(end + 1).isLowSurrogate())
                   ? 2
                   : 1;
    return text.left(end);
}

IniFile IniFile::fromBytes(const QByteArray& bytes) {
    IniFile ini;
    // CR LF, LF and a lone CR each end a line.
    QString text = decodeConfigBytes(bytes);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n');
    QString section;
    for (QStringView line : QStringView(text).split(u'\n')) {
        line = trimBlanks(line);
        if (line.isEmpty() || line.startsWith(u';') || line.startsWith(u'#'))
            continue;
        if (line.startsWith(u'[')) {
            const qsizetype close = line.indexOf(u']');
            if (close > 0)
                section = trimBlanks(line.mid(1, close - 1)).toString().toLower();
            continue;
        }
        const qsizetype eq = line.indexOf(u'=');
        if (eq <= 0)
            continue;
        const QString key = trimBlanks(line.left(eq)).toString().toLower();
        QStringView value = trimBlanks(line.mid(eq + 1));
        if (value.size() >= 2 && (value.front() == u'"' || value.front() == u'\'') &&
            value.back() == value.front())
            value = value.mid(1, value.size() - 2);
        auto& keys = ini.m_sections[section];
        if (!key.isEmpty() && !keys.contains(key)) // the first occurrence counts
            keys.insert(key, value.toString());
    }
    return ini;
}

QString IniFile::value(const QString& section, const QString& key) const {
    const auto s = m_sections.constFind(section.toLower());
    if (s == m_sections.constEnd())
        return {};
    return s->value(key.toLower());
}

QString missingConfigWarning(const QString& path) {
    return QStringLiteral("O Arquivo ") + path +
           QStringLiteral(" não foi encontrado. As definições de ") +
           QStringLiteral("Turbinas, Sistemas e Empresas podem não estar atualizadas.");
}

ConfigResult readLookupLists(const QString& path, LookupLists& lists) {
    ConfigResult result;
    lists.clear();
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly)) {
        result.warning = missingConfigWarning(path);
        lists.setDefaults();
        return result;
    }
    result.found = true;
    const IniFile ini = IniFile::fromBytes(file.readAll());
    auto fill = [&](QStringList& list, const char* section) {
        for (int k = 0; k < list.size(); ++k)
            list[k] =
                leftCharacters(ini.value(QString::fromLatin1(section), QString::number(k)), 20);
    };
    fill(lists.TurbineNames, "TURBINAS");
    fill(lists.SystemNames, "SISTEMAS");
    fill(lists.CompanyNames, "EMPRESAS");
    return result;
}

ConfigRoots runningConfigRoots() {
    ConfigRoots roots;
    roots.programDir = QCoreApplication::applicationDirPath();
    roots.xdgConfigHome = qEnvironmentVariable("XDG_CONFIG_HOME");
    roots.home = QDir::homePath();
    roots.systemConfigDir = QStringLiteral("/etc/xdg");
    roots.dataDir = QStringLiteral(VELARIN_DATA_DIR);
    return roots;
}

QStringList configIniCandidates(const ConfigRoots& roots) {
    const QString name = QStringLiteral("config.ini");
    // A relative XDG_CONFIG_HOME is invalid and ignored, as the base directory rules say.
    const QString userConfig = QDir::isAbsolutePath(roots.xdgConfigHome)
                                   ? roots.xdgConfigHome
                                   : QDir(roots.home).filePath(QStringLiteral(".config"));
    const QString sub = QStringLiteral("velarin/") + name;
    return {QDir(roots.programDir).filePath(name), QDir(userConfig).filePath(sub),
            QDir(roots.systemConfigDir).filePath(sub), QDir(roots.dataDir).filePath(name)};
}

QString firstConfigIni(const QStringList& candidates) {
    for (const QString& path : candidates)
        if (QFileInfo(path).isFile())
            return path;
    return candidates.value(0);
}

QString configIniPath() {
    return QDir::toNativeSeparators(firstConfigIni(configIniCandidates(runningConfigRoots())));
}
