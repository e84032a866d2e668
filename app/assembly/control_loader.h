#pragma once
// Loads the control plug-ins (Quelvo, Brandix, Stovak) from the program's plug-in folder and
// creates their controls on the program's windows. A plug-in that cannot be loaded, or that does
// not create a control of the expected class, is an error the start-up reports and ends on.
#include <QString>

class QWidget;

namespace razudar::controls {

// The three control libraries: plug-in file base name and the control's class name.
struct ControlLibrary {
    const char* library;    // "Quelvo" -> libQuelvo.so
    const char* className;  // "MirtGRA"
};
inline constexpr ControlLibrary kQuelvo{"Quelvo", "MirtGRA"};
inline constexpr ControlLibrary kBrandix{"Brandix", "MirtTCP"};
inline constexpr ControlLibrary kStovak{"Stovak", "Stovak"};

// The plug-in folder next to the program: <program folder>/../plugins, unless the environment
// variable RAZUDAR_PLUGIN_DIR names another.
QString defaultPluginFolder();

class ControlLoader {
public:
    explicit ControlLoader(QString pluginFolder) : folder_(std::move(pluginFolder)) {}
    const QString& folder() const { return folder_; }
    // The plug-in file of a library in this folder.
    QString pluginPath(const ControlLibrary& library) const;
    // Creates one control of the library on `parent`. Null, with the reason in `error`, when the
    // plug-in cannot be loaded or creates no control of the expected class. The plug-in stays
    // loaded for the rest of the run.
    QWidget* create(const ControlLibrary& library, QWidget* parent, QString* error) const;

private:
    QString folder_;
};

}  // namespace razudar::controls
