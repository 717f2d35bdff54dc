#include "window/LanguageApply.h"

#include <QAbstractButton>
#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QWidget>
#include <optional>
#include <utility>

namespace {

// A menu is reached through its own action when that carries the name, else as a QMenu.
bool setMenuCaption(QWidget& window, const QString& name, const QString& text) {
    if (QAction* action = window.findChild<QAction*>(name)) {
        action->setText(text);
        return true;
    }
    if (auto* menu = window.findChild<QMenu*>(name)) {
        menu->setTitle(text);
        return true;
    }
    return false;
}

bool setControlCaption(QWidget& window, const QString& name, const QString& text) {
    QWidget* control = window.findChild<QWidget*>(name);
    if (auto* label = qobject_cast<QLabel*>(control)) {
        label->setText(text);
        return true;
    }
    if (auto* box = qobject_cast<QGroupBox*>(control)) {
        box->setTitle(text);
        return true;
    }
    if (auto* button = qobject_cast<QAbstractButton*>(control)) {
        button->setText(text);
        return true;
    }
    return false;
}

bool setHint(QWidget& window, const QString& name, const QString& text) {
    QWidget* control = window.findChild<QWidget*>(name);
    if (!control)
        return false;
    control->setToolTip(text);
    return true;
}

// The check mark on the language chosen; Spanish and French are offered but can never be chosen.
void setLanguageChecks(QWidget& window, Language language, QStringList& missing) {
    const std::pair<const char*, std::optional<Language>> items[] = {
        {"MnEditLanPort", Language::Portuguese},
        {"MnEditLanEng", Language::English},
        {"MnEditLanFran", std::nullopt},
        {"MnEditLanEsp", std::nullopt},
    };
    for (const auto& [name, itemLanguage] : items) {
        QAction* action = window.findChild<QAction*>(QString::fromLatin1(name));
        if (!action) {
            missing << QString::fromLatin1(name);
            continue;
        }
        action->setCheckable(true);
        action->setChecked(itemLanguage == language);
        if (!itemLanguage)
            action->setEnabled(false);
    }
}

} // namespace

QStringList applyLanguage(QWidget& window, Language language, const QString& title,
                          bool registryLoaded) {
    QStringList missing;
    window.setWindowTitle(title);

    setLanguageChecks(window, language, missing);

    if (!registryLoaded) {
        if (QAction* exportItem = window.findChild<QAction*>(QStringLiteral("MnFileExp")))
            exportItem->setEnabled(false);
        else
            missing << QStringLiteral("MnFileExp");
    }

    for (const LanguageText& row : menuCaptions())
        if (!setMenuCaption(window, QString::fromLatin1(row.control), row.in(language)))
            missing << QString::fromLatin1(row.control);

    for (const LanguageText& row : controlCaptions())
        if (!setControlCaption(window, QString::fromLatin1(row.control), row.in(language)))
            missing << QString::fromLatin1(row.control);

    for (const LanguageText& row : controlHints())
        if (!setHint(window, QString::fromLatin1(row.control), row.in(language)))
            missing << QString::fromLatin1(row.control);

    missing.removeDuplicates();
    return missing;
}
