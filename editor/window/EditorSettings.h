#pragma once
// What the editor remembers between runs: the registries loaded last (File > Recent) and the
// folder last used for each kind of file. Kept with QSettings in the editor's own file
// (velarin/velarin.conf in the user's configuration folder, beside config.ini). The file is
// untrusted: what does not read as expected is left out, and a file that cannot be read or
// written leaves the editor working on what it remembers in this run.

#include "core/FileFolders.h"

#include <QHash>
#include <QStringList>
#include <memory>

class QSettings;

class EditorSettings : public FileFolders {
public:
    static constexpr int RecentCount = 8;

    EditorSettings();
    ~EditorSettings() override;
    EditorSettings(const EditorSettings&) = delete;
    EditorSettings& operator=(const EditorSettings&) = delete;

    // Most recent first, each file once (by its cleaned absolute path), at most RecentCount.
    const QStringList& recentRegistries() const { return m_recent; }
    void addRecentRegistry(const QString& path);
    void removeRecentRegistry(const QString& path);

    QString lastFolder(FileKind kind) const override { return m_folders.value(int(kind)); }
    void setLastFolder(FileKind kind, const QString& folder) override;

    // The name a path is listed and compared by.
    static QString registryKey(const QString& path);

private:
    void save();

    std::unique_ptr<QSettings> m_settings;
    QStringList m_recent;
    QHash<int, QString> m_folders; // by FileKind
};
