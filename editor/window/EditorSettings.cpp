#include "window/EditorSettings.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QVariant>
#include <iterator>

namespace {

const QString RecentKey = QStringLiteral("Recent/registries");

struct FolderKey {
    FileKind kind;
    const char* key;
};
constexpr FolderKey FolderKeys[] = {
    {FileKind::Registry, "Folders/registry"}, {FileKind::Destination, "Folders/destination"},
    {FileKind::Export, "Folders/export"},     {FileKind::CurvesImage, "Folders/curves"},
    {FileKind::DeckFolder, "Folders/deck"},
};

// A stored path is taken only when it is a string naming an absolute path of sane length;
// anything else is a damaged or foreign entry and is ignored.
QString storedPath(const QVariant& value) {
    if (value.typeId() != QMetaType::QString)
        return {};
    const QString path = value.toString();
    if (path.isEmpty() || path.size() > 4096 || path.contains(QChar(0)) ||
        !QDir::isAbsolutePath(path))
        return {};
    return QDir::cleanPath(path);
}

} // namespace

EditorSettings::EditorSettings()
    : m_settings(std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                             QStringLiteral("velarin"),
                                             QStringLiteral("velarin"))) {
    // Only the user's own file: a system-wide one has no registries of this user.
    m_settings->setFallbacksEnabled(false);
    if (m_settings->status() != QSettings::NoError)
        return;
    // A single entry reads back as a string, several as a list.
    const QVariant recent = m_settings->value(RecentKey);
    QVariantList entries;
    if (recent.typeId() == QMetaType::QStringList || recent.typeId() == QMetaType::QVariantList)
        entries = recent.toList();
    else
        entries << recent;
    for (const QVariant& entry : entries) {
        const QString path = storedPath(entry);
        if (!path.isEmpty() && !m_recent.contains(path) && m_recent.size() < RecentCount)
            m_recent << path;
    }
    for (const FolderKey& f : FolderKeys)
        if (const QString path = storedPath(m_settings->value(QLatin1String(f.key)));
            !path.isEmpty())
            m_folders.insert(int(f.kind), path);
}

EditorSettings::~EditorSettings() = default;

QString EditorSettings::registryKey(const QString& path) {
    return QDir::cleanPath(QFileInfo(path).absoluteFilePath());
}

void EditorSettings::addRecentRegistry(const QString& path) {
    const QString key = registryKey(path);
    m_recent.removeAll(key);
    m_recent.prepend(key);
    while (m_recent.size() > RecentCount)
        m_recent.removeLast();
    save();
}

void EditorSettings::removeRecentRegistry(const QString& path) {
    if (m_recent.removeAll(registryKey(path)) > 0)
        save();
}

void EditorSettings::setLastFolder(FileKind kind, const QString& folder) {
    if (m_folders.value(int(kind)) == folder)
        return;
    m_folders.insert(int(kind), folder);
    save();
}

// Written at once, so that a second editor started meanwhile finds it. A failure is left
// alone: the run goes on with what it remembers.
void EditorSettings::save() {
    m_settings->setValue(RecentKey, m_recent);
    for (const FolderKey& f : FolderKeys)
        if (m_folders.contains(int(f.kind)))
            m_settings->setValue(QLatin1String(f.key), m_folders.value(int(f.kind)));
    m_settings->sync();
}
