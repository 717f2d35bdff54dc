#pragma once
// The "Séries" page: VAZOES (with POSTOS and MLT beside it) read as the conversions read them,
// the stations with data, and for the one chosen its series, its seasonal profile and the
// figures per month. The figures come from formats/Series; the page only binds controls.

#include "workflow/Series.h"

#include <QLocale>
#include <QWidget>
#include <functional>
#include <optional>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QSpinBox;
class QTableWidget;

namespace Torvane {

class RadioGroup;
class SeriesChartView;

class SeriesPage : public QWidget {
    Q_OBJECT
public:
    // horizon answers the station count checked in the window at the moment it is asked.
    SeriesPage(Dialogs& dialogs, std::function<int()> horizon, QWidget* parent = nullptr);

    void setNumberLocale(const QLocale& locale) { m_locale = locale; }
    // The station whose charts are shown, 0 for none.
    int currentPosto() const { return m_posto; }
    // What was shown goes when the inputs change (the files, their formats, the horizon): it
    // would no longer be what they hold.
    void clearShown();

private:
    void BTNseek_svClick();
    void BTNseek_spClick();
    void BTNseek_smClick();
    void BTNshow_sClick();
    void LSTstationsChange();
    void SPNperiodChange();
    void BTNsave_seriesClick();
    void BTNsave_profileClick();

    void seek(QLineEdit* edit, const QString& title);
    Period period() const;
    void setPeriod(Period period);
    void showStation();
    void clearStation();
    void fillTable(const std::array<MonthStats, 12>& months);
    void saveChart(bool profile);
    QString seriesReadOut(QPointF value) const;
    QString profileReadOut(QPointF value) const;
    QString number(double x) const;

    Dialogs& m_dialogs;
    std::function<int()> m_horizon;
    QLocale m_locale;
    std::optional<SeriesData> m_data;
    SeriesFiles m_files; // as last read
    int m_posto = 0;
    std::array<MonthStats, 12> m_months{};
    bool m_periodEdited = false; // the user's period holds from station to station
    bool m_filling = false;      // the page itself is setting the controls

    QLabel* LBLseries_v;
    QLabel* LBLseries_p;
    QLabel* LBLseries_m;
    QLineEdit* TXTseries_v;
    QLineEdit* TXTseries_p;
    QLineEdit* TXTseries_m;
    QPushButton* BTNseek_sv;
    QPushButton* BTNseek_sp;
    QPushButton* BTNseek_sm;
    RadioGroup* RGRseries_v;
    RadioGroup* RGRseries_p;
    RadioGroup* RGRseries_m;
    QLabel* LBLfrom;
    QLabel* LBLto;
    QSpinBox* SPNfrom;
    QSpinBox* SPNto;
    QPushButton* BTNshow_s;
    QListWidget* LSTstations;
    SeriesChartView* CHTseries;
    SeriesChartView* CHTprofile;
    QLabel* LBLvalue_series;
    QLabel* LBLvalue_profile;
    QPushButton* BTNsave_series;
    QPushButton* BTNsave_profile;
    QTableWidget* GRDstats;
    QLabel* LBLstats_note;
};

} // namespace Torvane
