#pragma once
// The About box: the program title and version, the race database's version, a legal notice,
// and a button that starts the system-information program named in the settings store.
#include <QDialog>

class QLabel;
class QPushButton;

namespace razudar {

class Prompter;
class ProgramStarter;
class SettingsStore;

// Where the system-information program's command is kept: application "Zez", section
// "Razudar", key "ProgrammaInformazioniSistema".
inline constexpr char kChiaveInformazioniSistema[] = "ProgrammaInformazioniSistema";

// Reads one text value of the settings store (application "Zez"); a trailing NUL is not part of
// it. False, with KeyVal empty, when the value is missing or empty.
bool GetKeyValue(const SettingsStore& settings, const QString& section, const QString& key, QString& KeyVal);

class frmAbout : public QDialog {
    Q_OBJECT
public:
    struct Services {
        Prompter* prompter = nullptr;
        SettingsStore* settings = nullptr;
        ProgramStarter* starter = nullptr;
    };

    // `titolo` is the title the program runs under; `versioneDatabase` the stored database
    // version. Centred over the main window when there is one.
    frmAbout(const QString& titolo, const QString& versioneDatabase, const Services& services,
             QWidget* mainWindow);

    QLabel* lblTitle() const { return lblTitle_; }
    QLabel* lblVersione() const { return lblVersione_; }
    QLabel* lblVersioneDatabase() const { return lblVersioneDatabase_; }
    QLabel* lblDisclaimer() const { return lblDisclaimer_; }
    QPushButton* cmdOK() const { return cmdOK_; }
    QPushButton* cmdSysInfo() const { return cmdSysInfo_; }

    // Starts the configured system-information program, or says it is not available.
    void StartSysInfo();

protected:
    void showEvent(QShowEvent* event) override;

private:
    Services services_;
    QLabel* lblTitle_ = nullptr;
    QLabel* lblVersione_ = nullptr;
    QLabel* lblVersioneDatabase_ = nullptr;
    QLabel* lblDisclaimer_ = nullptr;
    QPushButton* cmdOK_ = nullptr;
    QPushButton* cmdSysInfo_ = nullptr;
};

}  // namespace razudar
