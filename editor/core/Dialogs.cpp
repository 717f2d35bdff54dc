#include "core/Dialogs.h"

#include <QCoreApplication>

QString applicationCaption() {
    const QString name = QCoreApplication::applicationName();
    return name.isEmpty() ? ApplicationName : name;
}
