#include "cli/CommandLine.h"
#include "modules/ModuleLookup.h"

#include <cstdio>

namespace {

QFunctionPointer windowModuleEntry(const char* symbol, const char* argv0, QString& error) {
    return Desktop::moduleEntry(QStringLiteral(QUILLMARK_WINDOW_MODULE), symbol,
                                QStringLiteral(QUILLMARK_MODULE_DIR), error, argv0);
}

// The sheets and the charts are drawn by the window's module, where Qt Gui and Qt Charts are.
int runDrawing(int* argc, char** argv, const CliArguments* args) {
    QString error;
    using Entry = int (*)(int*, char**, const CliArguments*);
    const auto entry =
        reinterpret_cast<Entry>(windowModuleEntry("quillmarkRunDrawingCommand", argv[0], error));
    if (!entry) {
        const QString text = inLanguage(args->language,
                                        "quillmark: o desenho não pôde ser feito: %1",
                                        "quillmark: nothing could be drawn: %1");
        std::fprintf(stderr, "%s\n", text.arg(error).toUtf8().constData());
        return 1;
    }
    return entry(argc, argv, args);
}

int runWindow(int* argc, char** argv) {
    QString error;
    using Entry = int (*)(int*, char**);
    const auto entry = reinterpret_cast<Entry>(windowModuleEntry("quillmarkRunWindow", argv[0], error));
    if (!entry) {
        std::fprintf(stderr, "quillmark: a janela não pôde ser aberta: %s\n",
                     error.toUtf8().constData());
        return 1;
    }
    return entry(argc, argv);
}

} // namespace

int main(int argc, char** argv) {
    // Decided before the window's application object exists: without a display it would
    // abort the program, and an option the window does not take is a usage error anyway.
    if (auto rc = runCommandLine(argc, argv, &runDrawing))
        return *rc;
    return runWindow(&argc, argv);
}
