#include "app/startup/mode_dialog_logic.h"

#include "data/connection_settings.h"
#include "model/bas_utilita.h"
#include "platform/services/computer_name.h"
#include "platform/services/prompter.h"
#include "platform/services/settings_store.h"

namespace razudar {

namespace {
const QString kNomeServer = QStringLiteral("NomeServer");
const QString kModalita = QStringLiteral("Modalita");
}  // namespace

ModalitaLogic::ModalitaLogic(ConnectionSettings& connection, SettingsStore& settings,
                             const ComputerName& computerName, Prompter& prompter)
    : connection_(connection), settings_(settings), computerName_(computerName), prompter_(prompter) {}

void ModalitaLogic::load() {
    storedServerName_ = settings_.value(QString::fromUtf16(kApplicazioneZez), QString::fromUtf16(kSezioneRazudar),
                                        kNomeServer, QString());
    pressed_ = None;
    connection_.NomeComputerLocale = computerName_.name().trimmed();
}

void ModalitaLogic::firstPaint() {
    const QString stored = settings_.value(QString::fromUtf16(kApplicazioneZez), QString::fromUtf16(kSezioneRazudar),
                                           kModalita, QStringLiteral("1"));
    int mode = int(ValoreNumerico(stored));
    if (mode == 0) mode = 1;
    if (mode == 2) {
        pressed_ = Client;
        connection_.ModalitaConnessione = kModalitaClient;
    } else {
        pressed_ = Server;
    }
}

void ModalitaLogic::click(Button button) {
    pressed_ = button;
    connection_.ModalitaConnessione = button == Client ? kModalitaClient : kModalitaServer;
}

bool ModalitaLogic::confirm(const QString& typedServerName) {
    if (pressed_ == Client) {
        if (typedServerName.isEmpty()) {
            prompter_.show(QStringLiteral("Impostare il Nome del Computer Server"), PromptButtons::Ok,
                           PromptIcon::Information);
            return false;
        }
        if (typedServerName.compare(connection_.NomeComputerLocale, Qt::CaseInsensitive) == 0) {
            prompter_.show(QStringLiteral("Il Computer Client Non Può Coincidere Con Se Stesso"), PromptButtons::Ok,
                           PromptIcon::Information);
            return false;
        }
        connection_.NomeComputerServer = typedServerName.toUpper();
    } else if (pressed_ == Server) {
        connection_.NomeComputerServer = connection_.NomeComputerLocale;
    }
    settings_.save(QString::fromUtf16(kApplicazioneZez), QString::fromUtf16(kSezioneRazudar), kNomeServer,
                   typedServerName.toUpper());
    settings_.save(QString::fromUtf16(kApplicazioneZez), QString::fromUtf16(kSezioneRazudar), kModalita,
                   QString::number(ModalitaSelezionata()));
    return true;
}

}  // namespace razudar
