#pragma once
// The one seam through which the converter talks to the user: message boxes and the open and
// save dialogs. The window passes the Qt boxes, the command line its own answers, tests a
// scripted double. Nothing here knows a widget.

#include <QString>

namespace Torvane {

enum class BoxKind {
    Warning,     // warning icon, OK
    Error,       // the application's standard error box, captioned with its title
    Information, // information icon, OK
};

class Dialogs {
public:
    virtual ~Dialogs() = default;
    virtual void message(BoxKind kind, const QString& text) = 0;
    // A confirmation with Yes and No; true only for Yes.
    virtual bool confirm(const QString& text) = 0;
    // Filters come as the window states them, description and pattern separated by '|'.
    // folder is where the dialog opens (empty: the platform's choice). The chosen path, or
    // empty on cancel.
    virtual QString openFile(const QString& title, const QString& filter,
                             const QString& folder = QString()) = 0;
    virtual QString saveFile(const QString& title, const QString& filter,
                             const QString& folder = QString()) = 0;
    // Asks the desktop to open a document with its own application; false when it refuses.
    virtual bool openDocument(const QString& path) = 0;
};

// "POSTOS.DAT(*.*)|*.*" as a Qt name filter. "*.*" means every file, which on Linux is "*"
// (the usual POSTOS, VAZOES and MLT have no dot).
// Several pairs ("PNG|*.png|SVG|*.svg") become several filters; a description that names its
// pattern already ("VAZOES.DAT(*.*)") is shown without it ("VAZOES.DAT (*)").
QString qtFileFilter(const QString& filter);

// A name chosen with no extension under a filter of one "*.ext" pattern, with that extension.
QString withFilterSuffix(const QString& path, const QString& qtFilter);

// Caption of every box, the application title.
QString applicationTitle();
// The version the window shows ("Versão 0.2") and --version prints.
QString applicationVersion();

} // namespace Torvane
