#pragma once
// The converter's window: the horizon, one page per file kind, and the shared workflow run
// through the dialog seam. The formats themselves live in formats/.

#include "workflow/Conversions.h"
#include "workflow/Dialogs.h"

#include <QLocale>
#include <QSvgWidget>
#include <QWidget>
#include <memory>

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTabWidget;
class QGroupBox;

namespace Torvane {

class FolderDialogs;
class RadioGroup;
class SeriesPage;

// The logo: the picture stretched over its place; a double-click shows the credit.
class LogoImage : public QSvgWidget {
    Q_OBJECT
public:
    explicit LogoImage(QWidget* parent = nullptr);

signals:
    void doubleClicked();

protected:
    void mouseDoubleClickEvent(QMouseEvent* event) override;
};

class TForm1 : public QWidget {
    Q_OBJECT
public:
    explicit TForm1(Dialogs& dialogs, QWidget* parent = nullptr);
    ~TForm1() override;

    // 600 or 320, set by each press of a "Converter" button; 0 before the first.
    int numPostos() const { return NumPostos; }

    void Postos_TextToBin();
    void Postos_BinToText();
    void Vazoes_TextToBin();
    void Vazoes_BintoText();
    void Mlt_TextToBin();
    void Mlt_BinToText();

    // Where "Metodologia.mdb" is looked for (the executable's folder unless set) and the
    // notation of the ENERGIAF listing's numbers (the user's own unless set).
    void setMethodologyDir(const QString& dir) { m_methodologyDir = dir; }
    void setNumberLocale(const QLocale& locale);

    // Takes the horizon, page, directions and last folders the previous run left in the
    // converter's settings, and keeps them there when the window goes. Without this call the
    // window starts as designed and writes nothing. An unreadable or unwritable settings file
    // is passed over; a value read that the window does not know leaves its default.
    void rememberSettings();

private:
    void FormCreate();
    void RGRpostosClick();
    void RGRvazoesClick();
    void RGRmltClick();
    void BTNseek_pClick();
    void BTNseek_vClick();
    void BTNseek_mClick();
    void BTNgenerate_pClick();
    void BTNgenerate_vClick();
    void BTNgenerate_mClick();
    void BTNcloseClick();
    void Image1DblClick();
    void BTNenergiafClick();
    void BTNenergiadcClick();
    void BTNmetodClick();

    void setNumPostos();
    void convert(FileKind kind, Direction direction, QLineEdit* input);
    QWidget* buildPage(const QString& pageName, const QString& suffix, const QString& labelText,
                       RadioGroup*& group, QLabel*& label, QLineEdit*& edit, QPushButton*& seek,
                       QPushButton*& generate);

    void storeSettings() const;

    std::unique_ptr<FolderDialogs> m_folderDialogs; // before m_dialogs, which is it
    Dialogs& m_dialogs;
    bool m_remember = false;
    int NumPostos = 0;
    std::unique_ptr<Tables> m_tables; // TabVazoes and TabMlt, for the life of the window
    QString m_methodologyDir;
    QLocale m_locale;

    QLabel* Label3;
    QLabel* Label4;
    QGroupBox* GroupBox1;
    QRadioButton* RBTop;
    QRadioButton* RBTplan;
    QTabWidget* PageControl1;
    QWidget* TSHpostos;
    QWidget* TSHvazoes;
    QWidget* TSHmlt;
    SeriesPage* TSHseries;
    RadioGroup* RGRpostos;
    RadioGroup* RGRvazoes;
    RadioGroup* RGRmlt;
    QLabel* LBLpostos;
    QLabel* LBLvazoes;
    QLabel* LBLmlt;
    QLineEdit* TXTpostosname;
    QLineEdit* TXTvazoesname;
    QLineEdit* TXTmltname;
    QPushButton* BTNseek_p;
    QPushButton* BTNseek_v;
    QPushButton* BTNseek_m;
    QPushButton* BTNgenerate_p;
    QPushButton* BTNgenerate_v;
    QPushButton* BTNgenerate_m;
    QPushButton* BTNclose;
    QPushButton* BTNmetod;
    QPushButton* BTNenergiaf;
    QPushButton* BTNenergiadc;
    LogoImage* Image1;
    QSize m_sizeBeforeSeries; // the size to go back to when another page is shown
    QSize m_grownSize;
};

} // namespace Torvane
