// The program Razudar: builds the program state, the services and the main window, runs the
// start-up and the event loop.
#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <cstdio>

#include "app/assembly/control_loader.h"
#include "app/assembly/program_application.h"
#include "app/faults/settings_faults.h"
#include "app/program_state.h"
#include "app/windows/frm_grafica.h"
#include "data/base_folder.h"
#include "platform/services/reporting_settings_store.h"
#include "platform/services/system_services.h"
#include "platform/services/widget_services.h"

namespace {

// Without a display Qt would abort; say how to run the program instead.
bool displayAvailable() {
    return !qEnvironmentVariableIsEmpty("DISPLAY") || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") ||
           !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM");
}

}  // namespace

int main(int argc, char** argv) {
    if (!displayAvailable()) {
        std::fprintf(stderr,
                     "Razudar needs a display: none is set (DISPLAY is empty).\n"
                     "Run it on a desktop, or under a virtual display with\n"
                     "    xvfb-run -a bash scripts/run.sh\n");
        return 2;
    }
    razudar::ProgramApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Razudar"));
    // Qt's own dialogs and menus (file dialogs, the edit menu of text boxes) in Italian, as the
    // rest of the program; without the translation files they stay in English.
    QTranslator qtItalian;
    if (qtItalian.load(QLocale(QLocale::Italian, QLocale::Italy), QStringLiteral("qtbase"), QStringLiteral("_"),
                       QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QApplication::installTranslator(&qtItalian);
    }

    razudar::SystemClock clock;
    razudar::SystemWaiter waiter;
    razudar::PosixClockSetter clockSetter;
    razudar::HostComputerName computerName;
    razudar::ProgramState state;
    razudar::MessageBoxPrompter prompter;
    razudar::IniSettingsStore settingsFile(razudar::IniSettingsStore::defaultFolder());
    razudar::ReportingSettingsStore settings(settingsFile, razudar::settingsSaveNotice(state.log, prompter));
    razudar::WidgetFileDialog fileDialog;
    razudar::OverrideCursorBusyIndicator busy;
    razudar::ExecDialogRunner dialogs;
    const razudar::Services services{&prompter, &waiter, &clock, &clockSetter, &computerName,
                                     &settings, &fileDialog, &busy, &dialogs};
    razudar::ProcessCurrentFolder currentFolder;
    const razudar::controls::ControlLoader loader(razudar::controls::defaultPluginFolder());

    app.setReporter([&](const QString& text) {
        state.log.line(text);
        prompter.show(text, razudar::PromptButtons::Ok, razudar::PromptIcon::Critical);
    });
    razudar::frmGrafica window(state, services, loader, currentFolder);
    if (!window.load()) return 1;
    window.show();
    return app.exec();
}
