#pragma once
// Test helpers of the editing tests: the validation texts as users read them, a dialog double
// that records every box, and a plant form that passes every rule.

#include "editing/FormSnapshot.h"
#include "core/Dialogs.h"

#include <QList>
#include <QString>
#include <utility>

namespace EditingSupport {

// Entry 0..46 of the validation messages; language 1 Portuguese, 2 English.
QString validationText(int language, int entry);

// Records each message box (kind, text) in order; answers nothing else.
class RecordingDialogs : public Dialogs {
public:
    QList<std::pair<MessageKind, QString>> boxes;

    void message(MessageKind kind, const QString& text) override { boxes.append({kind, text}); }
    bool confirm(const QString&) override { return false; }
    QString openFile(const QString&, const QString&, const QString&) override { return {}; }
    QString saveFile(const QString&, const QString&, const QString&, const QString&,
                     bool) override {
        return {};
    }
    std::optional<QString> inputText(const QString&, const QString&, const QString&) override {
        return std::nullopt;
    }
    bool choosePrinter(QPrinter&, const PrintRequest&) override { return false; }
};

// A form of a fictional plant that passes all 43 rules under a locale whose decimal
// separator is `separator`: two machine sets, two downstream polynomials.
FormSnapshot validForm(QChar separator = u'.');

} // namespace EditingSupport
