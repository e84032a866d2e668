#pragma once
#include "platform/services/busy_indicator.h"
#include "platform/services/dialog_runner.h"
#include "platform/services/file_dialog.h"
#include "platform/services/prompter.h"

class QDialog;
class QFileDialog;
class QMessageBox;
class QWidget;

namespace razudar {

// Sets up a message box as the prompter shows it: caption, text (carriage returns as line
// breaks), icon, and the buttons with their Italian captions ("OK", "Sì", "No", "Annulla").
void PreparaMessaggio(QMessageBox& box, const QString& text, PromptButtons buttons, PromptIcon icon,
                      const QString& caption);

// Sets up a file dialog as the save dialog shows it: saving, the name filter, and the suffix of
// the filter's first pattern ("*.tga" gives "tga") added to a name typed without one, before
// the dialog asks whether to replace an existing file.
void PreparaSalvataggio(QFileDialog& dialog, const QString& filter);

// Real message boxes and file dialogs (Qt Widgets).
class MessageBoxPrompter : public Prompter {
public:
    explicit MessageBoxPrompter(QWidget* parent = nullptr) : parent_(parent) {}
    PromptAnswer ask(const QString& text, PromptButtons buttons, PromptIcon icon,
                      const QString& caption) override;

private:
    QWidget* parent_;
};

class WidgetFileDialog : public FileDialog {
public:
    explicit WidgetFileDialog(QWidget* parent = nullptr) : parent_(parent) {}
    QString saveFileName(const QString& caption, const QString& folder,
                         const QString& filter) override;

private:
    QWidget* parent_;
};

// The application's wait pointer (an override cursor over every window). Without a widget
// application there is no pointer to change, and nothing happens.
class OverrideCursorBusyIndicator : public BusyIndicator {
public:
    void begin() override;
    void end() override;
    int depth() const { return depth_; }

private:
    int depth_ = 0;  // begins not yet ended, each one override cursor on Qt's stack
};

// The program's modal dialogs: exec(), accepted when the dialog ends with QDialog::Accepted.
class ExecDialogRunner : public DialogRunner {
public:
    bool run(QDialog& dialog) override;
};

// Runs `dialog` through `runner`, or with exec() when there is none, so code handed services
// without a dialog runner still shows its dialogs. True when the dialog was accepted.
bool runModal(DialogRunner* runner, QDialog& dialog);

}  // namespace razudar
