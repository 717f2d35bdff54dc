#pragma once
// The about box: created at start-up with the main window and kept for the program's life.

#include <QByteArray>
#include <QDialog>
#include <QString>

class QLabel;
class QPushButton;

class TfrmHelpAbout : public QDialog {
    Q_OBJECT
public:
    // `picture` is the JPEG shown in ImgHelp; by default the one built into the program.
    explicit TfrmHelpAbout(QWidget* parent = nullptr, const QByteArray& picture = builtInPicture());

    // The JPEG built into the program.
    static QByteArray builtInPicture();

    // Titles and heading in Portuguese when that item is checked, else in English; the
    // version line as the main window's version label reads.
    void prepare(bool portugueseChecked, const QString& version);

    // Why the picture is missing; empty when it decoded.
    QString pictureError() const { return m_pictureError; }

    void BTNokClick();

    QLabel* ImgHelp = nullptr;
    QLabel* Label1 = nullptr; // program name
    QLabel* Label2 = nullptr; // version
    QLabel* Label3 = nullptr; // heading of the credit
    QLabel* Label4 = nullptr;
    QLabel* Label5 = nullptr;
    QPushButton* BTNok = nullptr;

private:
    QString m_pictureError;
};
