#pragma once
// Tools > Plant Curves: a window of its own (not modal) with the three charts of the plant the
// main window shows, its figures and its warnings. While an edit is under way it follows the
// form: every change of a box, cell or selector redraws it on the next turn of the event loop
// (one redraw for a burst of changes).

#include "curves/PlantCurves.h"
#include "editing/FormSnapshot.h"
#include "language/LanguageTexts.h"
#include "window/CurveCharts.h"

#include <QList>
#include <QString>
#include <QWidget>
#include <array>

class Dialogs;
class EditorDocument;
class QLabel;
class QPushButton;
class QTableWidget;
class QTimer;
class TFRMeditor;

class CurvesWindow : public QWidget {
    Q_OBJECT

public:
    CurvesWindow(TFRMeditor& main, Dialogs& dialogs);
    ~CurvesWindow() override;

    // The plant, the form or the language changed: redraw soon, once.
    void scheduleRedraw();
    // Redraw now from the document.
    void redraw();
    int redraws() const { return m_redraws; }
    const PlantCurves::Figures& figures() const { return m_figures; }
    bool hasPlant() const { return m_hasPlant; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    FormTexts formAsTyped() const;
    Language language() const;
    void followForm(TFRMeditor& main);
    void saveFile();
    void print();
    void showReadout(CurveCharts::Which which, double x);
    CurvePage page() const;

    TFRMeditor& m_main;
    EditorDocument& m_doc;
    Dialogs& m_dialogs;
    CurveCharts m_charts; // the views own the charts
    std::array<QLabel*, CurveCharts::Count> m_readouts{};
    std::array<QLabel*, CurveCharts::Count> m_notes{};
    std::array<QWidget*, CurveCharts::Count> m_views{};
    QTableWidget* m_table = nullptr;
    QList<QTableWidget*> m_grids; // the main window's grids the curves read
    QLabel* m_warningsTitle = nullptr;
    QLabel* m_warnings = nullptr;
    QPushButton* m_save = nullptr;
    QPushButton* m_print = nullptr;
    QTimer* m_timer = nullptr;
    PlantCurves::Figures m_figures;
    QString m_title;
    bool m_hasPlant = false;
    int m_redraws = 0;
};
