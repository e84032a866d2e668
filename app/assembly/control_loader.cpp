#include "app/assembly/control_loader.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QPluginLoader>
#include <QWidget>

#include "platform/controls/control_factory.h"

namespace razudar::controls {

QString defaultPluginFolder() {
    const QString fromEnvironment = qEnvironmentVariable("RAZUDAR_PLUGIN_DIR");
    if (!fromEnvironment.isEmpty()) return fromEnvironment;
    return QDir(QCoreApplication::applicationDirPath()).absoluteFilePath(QStringLiteral("../plugins"));
}

QString ControlLoader::pluginPath(const ControlLibrary& library) const {
    return QDir(folder_).absoluteFilePath(QStringLiteral("lib%1.so").arg(QString::fromLatin1(library.library)));
}

QWidget* ControlLoader::create(const ControlLibrary& library, QWidget* parent, QString* error) const {
    const QString path = pluginPath(library);
    const auto fail = [&](const QString& reason) -> QWidget* {
        if (error) {
            *error = QStringLiteral("Impossibile caricare il controllo %1 (%2):\r%3")
                         .arg(QString::fromLatin1(library.className), QDir::toNativeSeparators(path), reason);
        }
        return nullptr;
    };
    if (!QFileInfo::exists(path)) return fail(QStringLiteral("file non trovato"));
    // The loader object may go: the library stays loaded until the program ends.
    QPluginLoader loader(path);
    QObject* instance = loader.instance();
    if (!instance) return fail(loader.errorString());
    auto* factory = qobject_cast<ControlFactory*>(instance);
    if (!factory) return fail(QStringLiteral("il file non è un controllo del programma"));
    if (factory->className() != QLatin1String(library.className)) {
        return fail(QStringLiteral("il file contiene il controllo %1").arg(factory->className()));
    }
    QWidget* control = factory->create(parent);
    if (!control) return fail(QStringLiteral("il controllo non è stato creato"));
    control->setObjectName(QString::fromLatin1(library.className));
    return control;
}

}  // namespace razudar::controls
