#include "window/QtTranslations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

QtTranslations::QtTranslations() : m_portuguese(std::make_unique<QTranslator>()) {
    // Brazilian Portuguese first, then plain Portuguese: Debian ships qtbase_pt_BR.
    m_loaded =
        m_portuguese->load(QLocale(QLocale::Portuguese, QLocale::Brazil), QStringLiteral("qtbase"),
                           QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
}

QtTranslations::~QtTranslations() {
    if (m_installed)
        QCoreApplication::removeTranslator(m_portuguese.get());
}

bool QtTranslations::apply(Language language) {
    const bool portuguese = language == Language::Portuguese;
    if (portuguese && m_loaded && !m_installed)
        m_installed = QCoreApplication::installTranslator(m_portuguese.get());
    else if (!portuguese && m_installed)
        m_installed = !QCoreApplication::removeTranslator(m_portuguese.get());
    return portuguese ? m_installed : !m_installed;
}
