#include "cli/DeckCommand.h"

#include "tools/DeckLoad.h"

#include <QCommandLineParser>
#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

using namespace DeckCheck;

QString tr2(Language language, const char* pt, const char* en) {
    return QString::fromUtf8(language == Language::English ? en : pt);
}

const char* const kFileOptions[] = {"hidr", "confhd", "modif", "exph", "postos", "vazoes", "mlt"};

QByteArray textReport(const LoadedDeck& deck, const QList<Finding>& findings, Language language) {
    QByteArray out;
    for (const Finding& f : findings)
        out += QStringLiteral("%1\t%2\t%3\t%4: %5\n")
                   .arg(fileLabel(f.file))
                   .arg(f.code)
                   .arg(f.name, levelText(f.level, language), f.message)
                   .toUtf8();
    out += summaryLine(findings, deck.fileList(), language).toUtf8() + '\n';
    return out;
}

QByteArray jsonReport(const LoadedDeck& deck, const QList<Finding>& findings) {
    QJsonObject files;
    for (auto f = deck.files.cbegin(); f != deck.files.cend(); ++f)
        files.insert(f.key(), f.value());
    QJsonArray list;
    for (const Finding& f : findings)
        list.append(QJsonObject{{QStringLiteral("level"), QString::fromLatin1(levelId(f.level))},
                                {QStringLiteral("rule"), QString::fromLatin1(f.rule)},
                                {QStringLiteral("file"), fileLabel(f.file)},
                                {QStringLiteral("code"), f.code},
                                {QStringLiteral("name"), f.name},
                                {QStringLiteral("message"), f.message}});
    const Counts c = countOf(findings);
    const QJsonObject root{{QStringLiteral("files"), files},
                           {QStringLiteral("findings"), list},
                           {QStringLiteral("errors"), c.errors},
                           {QStringLiteral("warnings"), c.warnings},
                           {QStringLiteral("infos"), c.infos}};
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

} // namespace

DeckCommandOutcome runDeckCheck(const QStringList& args) {
    DeckCommandOutcome outcome;
    QCommandLineParser parser;
    const QCommandLineOption checkDeck(QStringLiteral("check-deck"));
    const QCommandLineOption format(QStringLiteral("format"), {}, QStringLiteral("text|json"));
    const QCommandLineOption lang(QStringLiteral("lang"), {}, QStringLiteral("pt|en"));
    const QCommandLineOption stations(QStringLiteral("stations"), {}, QStringLiteral("320|600"));
    parser.addOptions({checkDeck, format, lang, stations});
    for (const char* name : kFileOptions)
        parser.addOption(QCommandLineOption(QString::fromLatin1(name), {}, QStringLiteral("F")));
    Language language = Language::Portuguese;
    const bool parsed = parser.parse(QStringList{QStringLiteral("quillmark")} + args);
    if (parser.isSet(lang) && parser.value(lang) == u"en")
        language = Language::English;
    if (!parsed) {
        outcome.message = parser.errorText();
        return outcome;
    }
    for (const QString& name : parser.optionNames())
        if (parser.optionNames().count(name) > 1) {
            outcome.message = tr2(language, "A opção --%1 foi dada duas vezes.",
                                  "The option --%1 is given twice.")
                                  .arg(name);
            return outcome;
        }
    if (parser.isSet(lang) && parser.value(lang) != u"pt" && parser.value(lang) != u"en") {
        outcome.message = tr2(language, "--lang aceita pt ou en, não \"%1\".",
                              "--lang takes pt or en, not \"%1\".")
                              .arg(parser.value(lang));
        return outcome;
    }
    const QString fmt = parser.isSet(format) ? parser.value(format) : QStringLiteral("text");
    if (fmt != u"text" && fmt != u"json") {
        outcome.message = tr2(language, "--format aceita text ou json, não \"%1\".",
                              "--format takes text or json, not \"%1\".")
                              .arg(fmt);
        return outcome;
    }
    DeckPaths paths;
    if (parser.isSet(stations)) {
        const QString value = parser.value(stations);
        if (value != u"320" && value != u"600") {
            outcome.message = tr2(language, "--stations aceita 320 ou 600, não \"%1\".",
                                  "--stations takes 320 or 600, not \"%1\".")
                                  .arg(value);
            return outcome;
        }
        paths.stations = value.toInt();
    }
    const QStringList names = parser.positionalArguments();
    if (names.size() != 1) {
        outcome.message = names.isEmpty()
                              ? tr2(language, "A opção --check-deck precisa da pasta do deck.",
                                    "The option --check-deck needs the deck's folder.")
                              : tr2(language, "Argumento desconhecido: %1", "Unknown argument: %1")
                                    .arg(names.at(1));
        return outcome;
    }
    paths.dir = names.at(0);
    for (const char* name : kFileOptions)
        if (parser.isSet(QString::fromLatin1(name)))
            paths.given[QString::fromLatin1(name).toUpper()] =
                parser.value(QString::fromLatin1(name));

    const LoadResult loaded = loadDeck(paths, language);
    if (!loaded.deck) {
        outcome.message = loaded.error;
        return outcome;
    }
    const QList<Finding> findings = check(loaded.deck->inputs, language);
    outcome.output = fmt == u"json" ? jsonReport(*loaded.deck, findings)
                                    : textReport(*loaded.deck, findings, language);
    outcome.status = countOf(findings).errors > 0 ? 1 : 0;
    return outcome;
}
