#include "cli/DeckCommand.h"

#include "cli/CommandLine.h"
#include "tools/DeckLoad.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMap>

namespace {

using namespace DeckCheck;

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

namespace {

const char* const kValueOptions[] = {"--config", "--format", "--lang",  "--stations",
                                     "--hidr",   "--confhd", "--modif", "--exph",
                                     "--postos", "--vazoes", "--mlt",   "--form"};

bool takesValue(const QString& option) {
    for (const char* name : kValueOptions)
        if (option == QLatin1String(name))
            return true;
    return false;
}

} // namespace

DeckCommandOutcome runDeckCheck(const QStringList& args) {
    DeckCommandOutcome outcome;
    Language& language = outcome.language;
    // The language first, so that every complaint speaks it.
    for (qsizetype i = 0; i + 1 < args.size() && args.at(i) != u"--"; ++i)
        if (args.at(i) == u"--lang" && args.at(i + 1) == u"en")
            language = Language::English;
    const auto usage = [&](const QString& message) {
        outcome.message = message;
        outcome.usageError = true;
        return outcome;
    };
    QMap<QString, QString> values;
    QStringList names;
    bool onlyNames = false;
    for (qsizetype i = 0; i < args.size(); ++i) {
        QString arg = args.at(i);
        if (onlyNames || arg == u"-" || !arg.startsWith(u'-')) {
            names.append(arg);
            continue;
        }
        if (arg == u"--") {
            onlyNames = true;
            continue;
        }
        if (arg == u"--check-deck") {
            if (values.contains(arg))
                return usage(commandText(CommandText::GivenTwice, language).arg(arg));
            values.insert(arg, {});
            continue;
        }
        QString value;
        bool joined = false;
        if (const qsizetype eq = arg.indexOf(u'='); eq > 2 && arg.startsWith(u"--")) {
            value = arg.mid(eq + 1);
            arg = arg.left(eq);
            joined = true;
        }
        if (!takesValue(arg))
            return usage(commandText(CommandText::UnknownOption, language).arg(arg));
        if (!joined) {
            if (i + 1 >= args.size())
                return usage(commandText(CommandText::NeedsValue, language).arg(arg));
            value = args.at(++i);
        }
        if (values.contains(arg))
            return usage(commandText(CommandText::GivenTwice, language).arg(arg));
        values.insert(arg, value);
    }
    const QString lang = values.value(QStringLiteral("--lang"), QStringLiteral("pt"));
    if (lang != u"pt" && lang != u"en")
        return usage(qualityText(QualityText::UsageLanguage, language).arg(lang));
    const QString fmt = values.value(QStringLiteral("--format"), QStringLiteral("text"));
    if (fmt != u"text" && fmt != u"json")
        return usage(commandText(CommandText::FormatValue, language).arg(fmt));
    DeckPaths paths;
    if (values.contains(QStringLiteral("--stations"))) {
        const QString value = values.value(QStringLiteral("--stations"));
        if (value != u"320" && value != u"600")
            return usage(inLanguage(language, "--stations aceita 320 ou 600, não \"%1\".",
                             "--stations takes 320 or 600, not \"%1\".")
                             .arg(value));
        paths.stations = value.toInt();
    }
    if (values.contains(QStringLiteral("--form"))) {
        const std::optional<RecordForm> form = recordFormOption(values.value("--form"));
        if (!form)
            return usage(formText(FormText::FormValue, language).arg(values.value("--form")));
        paths.form = *form;
    }
    if (names.size() != 1)
        return usage(names.isEmpty()
                         ? inLanguage(language, "A opção --check-deck pede a pasta do deck.",
                               "The option --check-deck needs the deck's folder.")
                         : qualityText(QualityText::UsageArgument, language).arg(names.at(1)));
    // The deck check reads no lookup list; a list named but unreadable still fails, as in
    // every mode.
    if (values.contains(QStringLiteral("--config"))) {
        const QFileInfo config(values.value(QStringLiteral("--config")));
        if (!config.isFile() || !config.isReadable()) {
            outcome.message = commandText(CommandText::ConfigUnreadable, language)
                                  .arg(QDir::toNativeSeparators(config.filePath()));
            return outcome;
        }
    }
    paths.dir = names.at(0);
    for (const char* name : kFileOptions) {
        const QString option = QStringLiteral("--") + QLatin1String(name);
        if (values.contains(option))
            paths.given[QString::fromLatin1(name).toUpper()] = values.value(option);
    }

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
