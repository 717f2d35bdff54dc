#pragma once
// The window of a check or a comparison: the files it read, its findings in a sortable table
// (the command line's columns), its summary line, a button that runs it again and one that
// saves the table. It holds
// texts only; the Tools menu fills it and says what a double-click or the button does.

#include <QString>
#include <QStringList>
#include <QWidget>
#include <functional>

class QLabel;
class QPushButton;
class QTableWidget;

class ResultWindow : public QWidget {
    Q_OBJECT

public:
    struct Contents {
        QString title;
        QStringList files;       // one line each ("Cadastro: /dados/HIDR.DAT")
        QStringList headers;     // the columns
        QList<QStringList> rows; // the first cell a plant's code
        QString summary;
        QString refresh; // the button's caption
        QString exportCaption;
    };

    explicit ResultWindow(const QString& objectName);

    // Replaces what the window shows; a sort the user chose stays.
    void setContents(const Contents& contents);
    const Contents& contents() const { return m_contents; }

    std::function<void()> refreshRequested;
    std::function<void(int code)> plantRequested; // a row double-clicked
    std::function<void()> exportRequested;        // the Export button

private:
    QLabel* m_files;
    QTableWidget* m_table;
    QLabel* m_summary;
    QPushButton* m_refresh;
    QPushButton* m_export;
    Contents m_contents;
};
