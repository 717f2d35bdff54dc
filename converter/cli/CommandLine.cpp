#include "cli/CommandLine.h"

#include "workflow/Conversions.h"
#include "workflow/FolderConversion.h"

#include "files/ArgumentBytes.h"
#include "files/QtOptions.h"
#include "registry/AnsiText.h"
#include "workbook/Workbook.h"

#include <QCommandLineParser>
#include <QFile>
#include <cstdio>
#include <optional>
#include <utility>

namespace Torvane {

namespace {

void printErr(const QString& text) {
    // The boxes' LF CR pairs are one line end on a terminal.
    QString line = shownStrayBytes(text);
    line.replace(QStringLiteral("\n\r"), QStringLiteral("\n"));
    std::fprintf(stderr, "%s\n", line.toUtf8().constData());
}

// Answers the workflow's questions from the command line: the paths given, Yes only with
// --force, every box a line on stderr.
class CommandLineDialogs : public Dialogs {
public:
    CommandLineDialogs(QString input, QString output, bool force)
        : m_input(std::move(input)), m_output(std::move(output)), m_force(force) {}
    void message(BoxKind kind, const QString& text) override {
        // The window's box says only "File not found"; here the path helps.
        if (kind == BoxKind::Error && text == QLatin1String("File not found"))
            printErr(text + QStringLiteral(": ") + m_input);
        else
            printErr(text);
    }
    bool confirm(const QString&) override {
        if (!m_force)
            printErr(QStringLiteral("Arquivo %1 já existe; use --force para substituí-lo.")
                         .arg(m_output));
        return m_force;
    }
    QString openFile(const QString&, const QString&, const QString&) override { return m_input; }
    QString saveFile(const QString&, const QString&, const QString&) override { return m_output; }
    bool openDocument(const QString&) override { return false; }

private:
    QString m_input;
    QString m_output;
    bool m_force;
};

int usageError(const QString& text, Language language = Language::Portuguese) {
    printErr(QStringLiteral("torvane: ") + text);
    printErr(language == Language::English
                 ? QStringLiteral("Use \"torvane --help --lang en\" to see the commands.")
                 : QStringLiteral("Use \"torvane --help\" para ver os comandos."));
    return kExitUsage;
}

} // namespace

QStringList argumentsFromBytes(int argc, char** argv) {
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << argumentText(QByteArray(argv[i]));
    return arguments;
}

QStringList withoutQtOptions(const QStringList& arguments) {
    QStringList rest;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& arg = arguments.at(i);
        if (arg == QLatin1String("--")) {
            rest << arguments.mid(i);
            break;
        }
        const QtOption option = qtWindowOption(arg);
        bool taken = option == QtOption::Flag;
        if (option == QtOption::WithValue && i + 1 < arguments.size()) {
            ++i;
            taken = true;
        }
        if (!taken)
            rest << arg;
    }
    return rest;
}

QString helpText(Language language) {
    if (language == Language::English)
        return QStringLiteral(
            "Tobrel - converter of the POSTOS, VAZOES and MLT files\n"
            "\n"
            "Usage:\n"
            "  torvane                    opens the window\n"
            "  torvane postos to-bin|to-text INPUT OUTPUT [--stations 320|600] [--force]\n"
            "  torvane vazoes to-bin|to-text INPUT OUTPUT --stations 320|600 [--force]\n"
            "  torvane mlt    to-bin|to-text INPUT OUTPUT --stations 320|600 [--force]\n"
            "  torvane all    to-bin|to-text INDIR OUTDIR --stations 320|600 [--force]\n"
            "                 [--lang pt|en]   the POSTOS, VAZOES and MLT of INDIR, each\n"
            "                 into OUTDIR under its own name\n"
            "  torvane vazoes stats INPUT OUTPUT --stations 320|600 [--text] [--from YEAR]\n"
            "                 [--to YEAR] [--mlt FILE [--mlt-text]] [--postos FILE\n"
            "                 [--postos-text]] [--force]   statistics per station and month (CSV)\n"
            "  torvane vazoes plot INPUT STATION OUTPUT --stations 320|600 [--text]\n"
            "                 [--from YEAR] [--to YEAR] [--mlt FILE [--mlt-text]]\n"
            "                 [--postos FILE [--postos-text]] [--force]\n"
            "                 charts of the station in OUTPUT .png, .svg or .pdf\n"
            "  torvane energiaf to-text INPUT OUTPUT [--force]   ENERGIAF (NEWAVE) as text\n"
            "  torvane energia filter  INPUT OUTPUT [--force]   filters ENERGIA (DECOMP)\n"
            "  torvane --help [--lang pt|en]   this list\n"
            "  torvane --version          the version\n"
            "\n"
            "  to-bin     text to binary; to-text  binary to text\n"
            "  --stations horizon: 320 (Operação) or 600 (Planejamento); required for\n"
            "             vazoes, mlt and all, whose binaries do not store the number of\n"
            "             stations; for postos 600 when omitted\n"
            "  --force    replaces OUTPUT (with all, each output) if it exists\n"
            "  --text, --mlt-text, --postos-text  the file is text (else binary)\n"
            "  --from, --to  period; by default from the first year with an inflow other\n"
            "             than 0 to the last year with a December other than 0 of each\n"
            "             station, or the station's years in the --postos file\n"
            "  --lang     language of this list and of the texts of all (pt by default);\n"
            "             the conversions' messages are in Portuguese\n"
            "  --         what follows is no option (for a name that begins with \"-\")\n"
            "\n"
            "all reads and converts every file found (POSTOS, VAZOES, MLT; bare or .DAT\n"
            "or .TXT, any case) before it writes any output; it prints one line per file.\n"
            "\n"
            "Qt's options (-platform, -style, -stylesheet, -qwindowgeometry...) without a\n"
            "command open the window with them.\n"
            "\n"
            "Messages go to stderr. Exit status: 0 success, 1 failure, 2 usage error.\n");
    return QStringLiteral(
        "Tobrel - conversor dos arquivos POSTOS, VAZOES e MLT\n"
        "\n"
        "Uso:\n"
        "  torvane                    abre a janela\n"
        "  torvane postos to-bin|to-text ENTRADA SAIDA [--stations 320|600] [--force]\n"
        "  torvane vazoes to-bin|to-text ENTRADA SAIDA --stations 320|600 [--force]\n"
        "  torvane mlt    to-bin|to-text ENTRADA SAIDA --stations 320|600 [--force]\n"
        "  torvane all    to-bin|to-text PASTA_ENTRADA PASTA_SAIDA --stations 320|600\n"
        "                 [--force] [--lang pt|en]   POSTOS, VAZOES e MLT de PASTA_ENTRADA,\n"
        "                 cada um em PASTA_SAIDA com o mesmo nome\n"
        "  torvane vazoes stats ENTRADA SAIDA --stations 320|600 [--text] [--from ANO]\n"
        "                 [--to ANO] [--mlt ARQUIVO [--mlt-text]] [--postos ARQUIVO\n"
        "                 [--postos-text]] [--force]   estatísticas por posto e mês (CSV;\n"
        "                 pasta de trabalho do Excel quando SAIDA termina em .xlsx)\n"
        "  torvane vazoes plot ENTRADA POSTO SAIDA --stations 320|600 [--text]\n"
        "                 [--from ANO] [--to ANO] [--mlt ARQUIVO [--mlt-text]]\n"
        "                 [--postos ARQUIVO [--postos-text]] [--force]\n"
        "                 gráficos do posto em SAIDA .png, .svg ou .pdf\n"
        "  torvane energiaf to-text ENTRADA SAIDA [--force]   ENERGIAF (NEWAVE) em texto\n"
        "  torvane energia filter  ENTRADA SAIDA [--force]   filtra ENERGIA (DECOMP)\n"
        "  torvane --help [--lang pt|en]   esta lista\n"
        "  torvane --version          a versão\n"
        "\n"
        "  to-bin     texto para binário; to-text  binário para texto\n"
        "  --stations horizonte: 320 (Operação) ou 600 (Planejamento); obrigatório para\n"
        "             vazoes, mlt e all, cujos binários não guardam o número de postos;\n"
        "             para postos vale 600 se omitido\n"
        "  --force    substitui SAIDA (com all, cada saída) se já existir\n"
        "  --text, --mlt-text, --postos-text  o arquivo é texto (senão, binário)\n"
        "  --from, --to  período; por padrão do primeiro ano com vazão diferente de 0\n"
        "             ao último ano com dezembro diferente de 0 de cada posto, ou os\n"
        "             anos do posto no arquivo de --postos\n"
        "  --lang     idioma desta lista e dos textos de all (pt por padrão); as\n"
        "             mensagens das conversões são em português\n"
        "  --         o que segue não é opção (para um nome que começa com \"-\")\n"
        "\n"
        "all lê e converte todos os arquivos encontrados (POSTOS, VAZOES, MLT; sem\n"
        "extensão, .DAT ou .TXT, maiúsculas ou minúsculas) antes de gravar qualquer\n"
        "saída; escreve uma linha por arquivo.\n"
        "\n"
        "As opções do Qt (-platform, -style, -stylesheet, -qwindowgeometry...) sem\n"
        "comando abrem a janela com elas.\n"
        "\n"
        "Mensagens vão para stderr. Saída: 0 sucesso, 1 falha, 2 erro de uso.\n");
}

bool wantsCommandLine(const QStringList& arguments) {
    return !withoutQtOptions(arguments).isEmpty();
}

namespace {

struct Options {
    QStringList positional;
    std::optional<int> stations;
    bool force = false;
    // Of the series commands only.
    bool text = false;
    std::optional<int> from;
    std::optional<int> to;
    QString mlt;
    bool mltText = false;
    QString postos;
    bool postosText = false;
    QStringList seriesOptions; // those given, as written, for the refusal elsewhere
    bool help = false;
    bool version = false;
    std::optional<Language> language; // --lang
};

// The argument as the user wrote it for an unknown option QCommandLineParser names bare: a
// long one without its value, or the whole of a single-dash argument (QCommandLineParser reads
// "-dash.txt" as the letters -d -a -s ..., and names only the first it does not know).
QString spelledOption(const QStringList& arguments, const QString& name) {
    for (const QString& arg : arguments) {
        if (arg == QLatin1String("--"))
            break;
        if (arg == QLatin1String("--") + name || arg.startsWith(QLatin1String("--") + name + '='))
            return arg.section(QLatin1Char('='), 0, 0);
    }
    for (const QString& arg : arguments) {
        if (arg == QLatin1String("--"))
            break;
        if (arg.size() > 1 && arg.startsWith(QLatin1Char('-')) &&
            !arg.startsWith(QLatin1String("--")) && arg.mid(1).contains(name))
            return arg;
    }
    return QLatin1Char('-') + name;
}

std::optional<Options> parse(const QStringList& arguments, QString& error) {
    QCommandLineParser parser;
    const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")});
    const QCommandLineOption version(QStringLiteral("version"));
    const QCommandLineOption force(QStringLiteral("force"));
    const QCommandLineOption stations(QStringLiteral("stations"), QString(),
                                      QStringLiteral("320|600"));
    const QCommandLineOption text(QStringLiteral("text"));
    const QCommandLineOption from(QStringLiteral("from"), QString(), QStringLiteral("ANO"));
    const QCommandLineOption to(QStringLiteral("to"), QString(), QStringLiteral("ANO"));
    const QCommandLineOption mlt(QStringLiteral("mlt"), QString(), QStringLiteral("ARQUIVO"));
    const QCommandLineOption mltText(QStringLiteral("mlt-text"));
    const QCommandLineOption postos(QStringLiteral("postos"), QString(), QStringLiteral("ARQUIVO"));
    const QCommandLineOption postosText(QStringLiteral("postos-text"));
    const QCommandLineOption lang(QStringLiteral("lang"), QString(), QStringLiteral("pt|en"));
    parser.addOptions(
        {help, version, force, stations, text, from, to, mlt, mltText, postos, postosText, lang});
    if (!parser.parse(QStringList{QStringLiteral("torvane")} + arguments)) {
        const QStringList unknown = parser.unknownOptionNames();
        error = unknown.isEmpty()
                    ? parser.errorText()
                    : QStringLiteral("opção desconhecida \"%1\"; um nome de arquivo que começa "
                                     "com \"-\" vai depois de \"--\".")
                          .arg(spelledOption(arguments, unknown.constFirst()));
        return std::nullopt;
    }
    // An option given twice would leave one of its values unheard.
    const QStringList given = parser.optionNames();
    for (qsizetype i = 0; i < given.size(); ++i)
        if (given.indexOf(given.at(i), i + 1) > 0) {
            error = QStringLiteral("opção \"%1%2\" dada mais de uma vez.")
                        .arg(given.at(i).size() == 1 ? QStringLiteral("-") : QStringLiteral("--"),
                             given.at(i));
            return std::nullopt;
        }
    Options options;
    options.positional = parser.positionalArguments();
    options.force = parser.isSet(force);
    options.help = parser.isSet(help);
    options.version = parser.isSet(version);
    if (parser.isSet(stations)) {
        const QString value = parser.value(stations);
        if (value != QLatin1String("320") && value != QLatin1String("600")) {
            error = QStringLiteral("--stations pede 320 ou 600, não \"%1\".").arg(value);
            return std::nullopt;
        }
        options.stations = value.toInt();
    }
    for (const QCommandLineOption* year : {&from, &to}) {
        if (!parser.isSet(*year))
            continue;
        const QString value = parser.value(*year);
        bool number = false;
        const int y = value.toInt(&number);
        if (!number || value.trimmed() != value || y < kFirstYear || y > kLastYear) {
            error = QStringLiteral("--%1 pede um ano de 1931 a 2130, não \"%2\".")
                        .arg(year->names().constFirst(), value);
            return std::nullopt;
        }
        (year == &from ? options.from : options.to) = y;
    }
    if (options.from && options.to && *options.from > *options.to) {
        error =
            QStringLiteral("--from (%1) depois de --to (%2).").arg(*options.from).arg(*options.to);
        return std::nullopt;
    }
    if (parser.isSet(lang)) {
        const QString value = parser.value(lang);
        if (value != QLatin1String("pt") && value != QLatin1String("en")) {
            error = QStringLiteral("--lang pede pt ou en, não \"%1\".").arg(value);
            return std::nullopt;
        }
        options.language = value == QLatin1String("en") ? Language::English : Language::Portuguese;
    }
    options.text = parser.isSet(text);
    options.mlt = parser.value(mlt);
    options.mltText = parser.isSet(mltText);
    options.postos = parser.value(postos);
    options.postosText = parser.isSet(postosText);
    for (const QCommandLineOption* option :
         {&text, &from, &to, &mlt, &mltText, &postos, &postosText})
        if (parser.isSet(*option))
            options.seriesOptions << QStringLiteral("--") + option->names().constFirst();
    if (options.mltText && !parser.isSet(mlt)) {
        error = QStringLiteral("--mlt-text pede --mlt ARQUIVO.");
        return std::nullopt;
    }
    if (options.postosText && !parser.isSet(postos)) {
        error = QStringLiteral("--postos-text pede --postos ARQUIVO.");
        return std::nullopt;
    }
    return options;
}

// A name that is not UTF-8 would open or create a file of another name: refused.
bool refusedName(const QString& name, const char* role) {
    if (!hasStrayBytes(name))
        return false;
    printErr(QStringLiteral("torvane: o nome dado como %1, \"%2\", não é UTF-8 válido; "
                            "esse nome não pode ser usado.")
                 .arg(QLatin1String(role), name));
    return true;
}

// The statistics as a workbook's bytes: the CSV's columns, numbers as numbers in full.
std::optional<QByteArray> statsWorkbook(Dialogs& dialogs, const StatsTable& table) {
    const auto text = [](const std::string& bytes) {
        return AnsiText::decode(bytes.data(), bytes.size());
    };
    Workbook::Sheet sheet;
    for (const std::string& label : table.header)
        sheet.header << text(label);
    for (const std::vector<StatsCell>& cells : table.rows) {
        Workbook::Row row;
        for (const StatsCell& cell : cells)
            if (const auto* v = std::get_if<std::int64_t>(&cell))
                row << double(*v);
            else if (const auto* x = std::get_if<double>(&cell))
                row << *x;
            else if (const auto* t = std::get_if<std::string>(&cell))
                row << text(*t);
            else
                row << Workbook::Cell();
        sheet.rows << row;
    }
    QString error;
    QByteArray bytes = Workbook::build(sheet, &error);
    if (bytes.isEmpty()) {
        dialogs.message(BoxKind::Error,
                        QStringLiteral("A pasta de trabalho não pôde ser gerada: %1").arg(error));
        return std::nullopt;
    }
    return bytes;
}

// vazoes stats and vazoes plot: the series read as the window reads them, then one output.
int runSeriesCommand(const Options& o, PlotRenderer renderer) {
    const QStringList& pos = o.positional;
    const bool plot = pos[1] == QLatin1String("plot");
    if (pos.size() != (plot ? 5 : 4))
        return usageError(plot ? QStringLiteral("esperados vazoes plot ENTRADA POSTO SAIDA.")
                               : QStringLiteral("esperados vazoes stats ENTRADA SAIDA."));
    const QString& input = pos[2];
    const QString& output = pos.last();
    if (input.isEmpty() || output.isEmpty())
        return usageError(QStringLiteral("ENTRADA e SAIDA não podem ser vazios."));
    if (refusedName(input, "ENTRADA") || refusedName(output, "SAIDA") ||
        refusedName(o.mlt, "--mlt") || refusedName(o.postos, "--postos"))
        return kExitUsage;
    if (!o.stations)
        return usageError(QStringLiteral("--stations 320|600 é obrigatório para vazoes."));
    const int numPostos = *o.stations;
    int posto = 0;
    std::optional<ChartFormat> format;
    if (plot) {
        bool number = false;
        posto = pos[3].toInt(&number);
        if (!number || pos[3].trimmed() != pos[3] || posto < 1 || posto > numPostos)
            return usageError(QStringLiteral("POSTO deve ser um número de 1 a %1, não \"%2\".")
                                  .arg(numPostos)
                                  .arg(pos[3]));
        format = chartFormatOf(output);
        if (!format)
            return usageError(
                QStringLiteral("SAIDA de vazoes plot termina em .png, .svg ou .pdf."));
    }

    const SeriesFiles files{input, o.text, o.postos, o.postosText, o.mlt, o.mltText};
    CommandLineDialogs dialogs(input, output, o.force);
    const auto produce = [&]() -> std::optional<QByteArray> {
        const std::optional<SeriesData> data = readSeries(dialogs, files, numPostos);
        if (!data)
            return std::nullopt;
        for (const QString& beyond :
             {o.from ? periodStartBeyondFile(*data, input, *o.from) : QString(),
              o.to ? periodBeyondFile(*data, input, *o.to) : QString()})
            if (!beyond.isEmpty()) {
                dialogs.message(BoxKind::Warning, beyond);
                return std::nullopt;
            }
        const InflowHistory& history = data->history;
        if (!plot && Workbook::isWorkbookName(output))
            return statsWorkbook(dialogs, statsTable(history, o.from, o.to,
                                                     data->mlt ? &*data->mlt : nullptr,
                                                     data->names ? &*data->names : nullptr));
        if (!plot)
            return QByteArray::fromStdString(statsCsv(
                history, o.from, o.to, data->mlt ? &*data->mlt : nullptr,
                data->names ? &*data->names : nullptr, decimalSeparatorBytes(QLocale::system())));
        if (!history.hasData(posto)) {
            dialogs.message(
                BoxKind::Warning,
                QStringLiteral("Posto %1 sem vazões no arquivo \"%2\".").arg(posto).arg(input));
            return std::nullopt;
        }
        Period period = defaultPeriod(history, posto, data->names ? &*data->names : nullptr);
        period.from = o.from.value_or(period.from);
        period.to = o.to.value_or(period.to);
        if (period.years() == 0) {
            dialogs.message(
                BoxKind::Warning,
                QStringLiteral("Período de %1 a %2 sem anos.").arg(period.from).arg(period.to));
            return std::nullopt;
        }
        const QByteArray bytes = renderer ? renderer(*data, posto, period, *format) : QByteArray();
        if (bytes.isEmpty()) {
            dialogs.message(BoxKind::Error,
                            QStringLiteral("Os gráficos não puderam ser desenhados."));
            return std::nullopt;
        }
        return bytes;
    };
    const Outcome outcome =
        saveOutput(dialogs, output, files.paths(), produce,
                   plot ? QStringLiteral("Arquivo de gráficos do posto %1").arg(posto)
                        : QStringLiteral("Arquivo de estatísticas de vazões"));
    return outcome == Outcome::Succeeded ? kExitOk : kExitFailure;
}

// torvane all: the folder's POSTOS, VAZOES and MLT, all read and converted before any is written.
// "to-bin" or "to-text"; nullopt for anything else.
std::optional<Direction> directionOf(const QString& word) {
    if (word == QLatin1String("to-bin"))
        return Direction::TextToBin;
    if (word == QLatin1String("to-text"))
        return Direction::BinToText;
    return std::nullopt;
}

int runFolderCommand(const Options& o) {
    const Language lang = o.language.value_or(Language::Portuguese);
    const auto say = [lang](const char* pt, const char* en) {
        return QString::fromUtf8(lang == Language::English ? en : pt);
    };
    const QStringList& pos = o.positional;
    if (pos.size() != 4)
        return usageError(say("esperados all to-bin|to-text PASTA_ENTRADA PASTA_SAIDA.",
                              "expected all to-bin|to-text INDIR OUTDIR."),
                          lang);
    const std::optional<Direction> direction = directionOf(pos[1]);
    if (!direction)
        return usageError(
            say("direção desconhecida \"%1\".", "unknown direction \"%1\".").arg(pos[1]), lang);
    if (pos[2].isEmpty() || pos[3].isEmpty())
        return usageError(say("PASTA_ENTRADA e PASTA_SAIDA não podem ser vazias.",
                              "INDIR and OUTDIR cannot be empty."),
                          lang);
    if (refusedName(pos[2], "PASTA_ENTRADA") || refusedName(pos[3], "PASTA_SAIDA"))
        return kExitUsage;
    // VAZOES and MLT binaries do not store their station count.
    if (!o.stations)
        return usageError(say("--stations 320|600 é obrigatório para all.",
                              "--stations 320|600 is required for all."),
                          lang);
    CommandLineDialogs dialogs(QString(), QString(), o.force);
    const FolderResult result =
        convertFolder(dialogs, {pos[2], pos[3], *direction, *o.stations, o.force, lang});
    switch (result.outcome) {
    case FolderOutcome::Converted:
        for (const QString& line : result.lines)
            std::fprintf(stdout, "%s\n", shownStrayBytes(line).toUtf8().constData());
        return kExitOk;
    case FolderOutcome::NothingFound:
    case FolderOutcome::Ambiguous:
        return kExitUsage;
    case FolderOutcome::Failed:
        break;
    }
    return kExitFailure;
}

// The file kinds a command begins with.
const QStringList kFileKinds = {QStringLiteral("postos"), QStringLiteral("vazoes"),
                                QStringLiteral("mlt"), QStringLiteral("energiaf"),
                                QStringLiteral("energia")};

bool isSeriesCommand(const QStringList& pos) {
    return pos.size() >= 2 && pos[0] == QLatin1String("vazoes") &&
           (pos[1] == QLatin1String("stats") || pos[1] == QLatin1String("plot"));
}

} // namespace

bool needsCharts(const QStringList& arguments) {
    QString error;
    const auto options = parse(withoutQtOptions(arguments), error);
    return options && !options->help && !options->version && isSeriesCommand(options->positional) &&
           options->positional[1] == QLatin1String("plot");
}

int runCommandLine(const QStringList& arguments, PlotRenderer renderer) {
    QString error;
    const auto options = parse(withoutQtOptions(arguments), error);
    if (!options)
        return usageError(error);
    if (options->help) {
        std::fputs(helpText(options->language.value_or(Language::Portuguese)).toUtf8().constData(),
                   stdout);
        return kExitOk;
    }
    if (options->version) {
        std::fputs((applicationTitle() + QLatin1Char(' ') + applicationVersion() + '\n')
                       .toUtf8()
                       .constData(),
                   stdout);
        return kExitOk;
    }
    const QStringList& pos = options->positional;
    const bool folder = !pos.isEmpty() && pos[0] == QLatin1String("all");
    // The other commands speak the window's Portuguese only.
    if (options->language && !folder)
        return usageError(QStringLiteral("--lang só se aplica a all e a --help."));
    if (isSeriesCommand(pos))
        return runSeriesCommand(*options, renderer);
    if (!options->seriesOptions.isEmpty())
        return usageError(QStringLiteral("%1 só se aplica a vazoes stats e vazoes plot.")
                              .arg(options->seriesOptions.constFirst()));
    if (folder)
        return runFolderCommand(*options);
    if (!pos.isEmpty() && !kFileKinds.contains(pos[0]))
        return usageError(QStringLiteral("tipo desconhecido \"%1\".").arg(pos[0]));
    if (pos.size() != 4)
        return usageError(QStringLiteral("esperados TIPO DIREÇÃO ENTRADA SAIDA."));
    if (pos[2].isEmpty() || pos[3].isEmpty())
        return usageError(QStringLiteral("ENTRADA e SAIDA não podem ser vazios."));
    if (refusedName(pos[2], "ENTRADA") || refusedName(pos[3], "SAIDA"))
        return kExitUsage;

    if (pos[0] == QLatin1String("energiaf") || pos[0] == QLatin1String("energia")) {
        const bool listing = pos[0] == QLatin1String("energiaf");
        const QLatin1String verb(listing ? "to-text" : "filter");
        if (pos[1] != verb)
            return usageError(QStringLiteral("direção desconhecida \"%1\"; use %2 %3.")
                                  .arg(pos[1], pos[0], verb));
        if (options->stations)
            return usageError(QStringLiteral("--stations não se aplica a %1.").arg(pos[0]));
        CommandLineDialogs dialogs(pos[2], pos[3], options->force);
        const Outcome outcome = runConversion(
            dialogs, pos[2],
            auxiliaryDef(listing ? Auxiliary::EnergiafToText : Auxiliary::EnergiaFilter,
                         QLocale::system()));
        return outcome == Outcome::Succeeded ? kExitOk : kExitFailure;
    }

    std::optional<FileKind> kind;
    if (pos[0] == QLatin1String("postos"))
        kind = FileKind::Postos;
    else if (pos[0] == QLatin1String("vazoes"))
        kind = FileKind::Vazoes;
    else if (pos[0] == QLatin1String("mlt"))
        kind = FileKind::Mlt;
    if (!kind)
        return usageError(QStringLiteral("tipo desconhecido \"%1\".").arg(pos[0]));

    const std::optional<Direction> direction = directionOf(pos[1]);
    if (!direction)
        return usageError(QStringLiteral("direção desconhecida \"%1\".").arg(pos[1]));

    // The binaries of VAZOES and MLT do not store their station count, and a guessed
    // horizon converts garbage without complaint.
    if (*kind != FileKind::Postos && !options->stations)
        return usageError(QStringLiteral("--stations 320|600 é obrigatório para %1.").arg(pos[0]));

    const int numPostos = options->stations.value_or(600);
    Tables tables;
    CommandLineDialogs dialogs(pos[2], pos[3], options->force);
    const Outcome outcome =
        runConversion(dialogs, pos[2], conversionDef(*kind, *direction, numPostos, tables));
    return outcome == Outcome::Succeeded ? kExitOk : kExitFailure;
}

} // namespace Torvane
