#pragma once
// The mode dialog frmModalita: Server or Client, and for a client the server computer's name.
// Closing it other than with "&Connetti" ends the program (the dialog is then rejected).
#include <QDialog>

#include "app/startup/mode_dialog_logic.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;

namespace razudar {

class frmModalita : public QDialog {
    Q_OBJECT
public:
    frmModalita(ModalitaLogic& logic, const QIcon& icon, QWidget* parent = nullptr);

    QToolButton* serverButton() const { return server_; }
    QToolButton* clientButton() const { return client_; }
    QLineEdit* txtNomeServer() const { return txtNomeServer_; }
    QPushButton* cmdConnetti() const { return cmdConnetti_; }
    QPushButton* cmdEsci() const { return cmdEsci_; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    void click(ModalitaLogic::Button button);
    void reflect();
    void confirm();

    ModalitaLogic& logic_;
    QToolButton* server_;
    QToolButton* client_;
    QLabel* lblNomeServer_;
    QLineEdit* txtNomeServer_;
    QPushButton* cmdConnetti_;
    QPushButton* cmdEsci_;
    bool painted_ = false;
};

}  // namespace razudar
