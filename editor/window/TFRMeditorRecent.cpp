// File > Recent: the registries loaded last, each loaded again as File > Load loads the file
// its dialog answers.
#include "window/TFRMeditor.h"

#include "window/EditorSettings.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QMenu>

void TFRMeditor::buildRecentMenu() {
    ui.MnFileRecent = new QMenu(QStringLiteral("&Recent"), ui.MnFile);
    ui.MnFileRecent->setObjectName(QStringLiteral("MnFileRecent"));
    ui.MnFileRecent->menuAction()->setObjectName(QStringLiteral("MnFileRecent"));
    ui.MnFile->insertMenu(ui.MnFileExp, ui.MnFileRecent);
    ui.MnFileRecentNone = ui.MnFileRecent->addAction(QStringLiteral("No recent registries"));
    ui.MnFileRecentNone->setObjectName(QStringLiteral("MnFileRecentNone"));
    ui.MnFileRecentNone->setEnabled(false);
    // A recent registry replaces the one in use as Load does: off whenever Load is.
    connect(ui.MnFileLoad, &QAction::changed, this,
            [this] { ui.MnFileRecent->menuAction()->setEnabled(ui.MnFileLoad->isEnabled()); });
    renderRecentMenu();
}

void TFRMeditor::renderRecentMenu() {
    // Later: this may run from the triggered handler of one of these items.
    for (QAction* item : ui.MnFileRecent->actions())
        if (item != ui.MnFileRecentNone) {
            ui.MnFileRecent->removeAction(item);
            item->deleteLater();
        }
    const QStringList& recent = m_settings->recentRegistries();
    for (int i = 0; i < recent.size(); ++i) {
        const QString registry = recent.at(i);
        QString shown = QDir::toNativeSeparators(registry);
        shown.replace(u'&', QStringLiteral("&&"));
        auto* item = new QAction(QStringLiteral("&%1 %2").arg(i + 1).arg(shown), ui.MnFileRecent);
        ui.MnFileRecent->insertAction(ui.MnFileRecentNone, item);
        connect(item, &QAction::triggered, this, [this, registry] {
            runGuarded([this, registry] { MnFileRecentClick(registry); });
        });
    }
    ui.MnFileRecentNone->setVisible(recent.isEmpty());
}

void TFRMeditor::MnFileRecentClick(const QString& registry) {
    if (!QFileInfo(registry).isFile()) {
        // The registry in use stays: nothing was loaded.
        m_settings->removeRecentRegistry(registry);
        renderRecentMenu();
        m_dialogs.message(MessageKind::Warning,
                          inLanguage(m_doc->language(),
                                     "O cadastro %1 não existe mais e sai da lista de recentes.",
                                     "The registry %1 no longer exists and leaves the list of "
                                     "recent registries.")
                              .arg(QDir::toNativeSeparators(registry)));
        return;
    }
    loadRegistry(registry);
}

void TFRMeditor::rememberRegistry() {
    // A name that could not be read was no registry loaded.
    const QFileInfo registry(m_doc->registryFileName());
    if (!registry.isFile() || !registry.isReadable())
        return;
    m_settings->addRecentRegistry(registry.filePath());
    renderRecentMenu();
}
