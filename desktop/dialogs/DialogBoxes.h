#pragma once
// The modal boxes and file dialogs that both windows open behind their dialog seams, built
// one way. Each seam keeps its own kinds of box, captions, filters and texts, and passes them.

#include <QMessageBox>
#include <QString>

class QWidget;

namespace DialogBoxes {

// A box with the given icon and a single OK button.
void message(QWidget* parent, const QString& caption, QMessageBox::Icon icon, const QString& text);
// A question with Yes and No; true only for Yes.
bool confirm(QWidget* parent, const QString& caption, const QString& text);

struct FileRequest {
    enum class Mode { Open, Save };
    Mode mode = Mode::Open;
    QString title;
    QString dir;
    QString filter; // Qt's notation: "CSV (*.csv);;Every file (*)"
    QString proposedName;
    // A save dialog asks the platform's own question before an existing file is chosen.
    bool confirmOverwrite = true;
};

struct ChosenFile {
    QString path; // empty when cancelled
    QString type; // the filter chosen ("PNG (*.png)")
};

// An open dialog takes an existing file only, a save dialog any name.
ChosenFile chooseFile(QWidget* parent, const FileRequest& request);

} // namespace DialogBoxes
