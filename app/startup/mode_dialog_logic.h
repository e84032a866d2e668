#pragma once
// The mode dialog's rules (Server or Client, and the server computer's name), apart from its
// widgets: what it shows when loaded and first painted, what a toolbar click changes, and what
// the confirm button checks and stores.
#include <QString>

namespace razudar {

struct ConnectionSettings;
class SettingsStore;
class ComputerName;
class Prompter;

inline constexpr char16_t kApplicazioneZez[] = u"Zez";
inline constexpr char16_t kSezioneRazudar[] = u"Razudar";

class ModalitaLogic {
public:
    enum Button { None = 0, Server = 1, Client = 2 };

    ModalitaLogic(ConnectionSettings& connection, SettingsStore& settings, const ComputerName& computerName,
                  Prompter& prompter);

    // Load: the stored server name, no button pressed, this computer's name.
    void load();
    // First paint: presses the stored mode's button (2 Client, anything else Server).
    void firstPaint();
    // A toolbar button clicked.
    void click(Button button);
    // The confirm button with the typed server name: false (after a message) when the dialog
    // must stay open; true once the mode is set and stored.
    bool confirm(const QString& typedServerName);

    Button pressed() const { return pressed_; }
    // 1-based index of the pressed button, 0 when none.
    int ModalitaSelezionata() const { return int(pressed_); }
    bool serverNameEnabled() const { return pressed_ == Client; }
    const QString& storedServerName() const { return storedServerName_; }

private:
    ConnectionSettings& connection_;
    SettingsStore& settings_;
    const ComputerName& computerName_;
    Prompter& prompter_;
    Button pressed_ = None;
    QString storedServerName_;
};

}  // namespace razudar
