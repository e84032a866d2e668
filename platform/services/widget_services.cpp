#include "platform/services/widget_services.h"

#include <QFileDialog>
#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QMessageBox>
#include <QRegularExpression>

namespace razudar {

void PreparaMessaggio(QMessageBox& box, const QString& text, PromptButtons buttons, PromptIcon icon,
                      const QString& caption) {
    box.setWindowTitle(caption);
    // Texts break lines with carriage returns ("\r\n" or "\r"); a Qt label breaks them on "\n".
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    shown.replace(u'\r', u'\n');
    box.setText(shown);
    switch (icon) {
    case PromptIcon::None: box.setIcon(QMessageBox::NoIcon); break;
    case PromptIcon::Information: box.setIcon(QMessageBox::Information); break;
    case PromptIcon::Question: box.setIcon(QMessageBox::Question); break;
    case PromptIcon::Exclamation: box.setIcon(QMessageBox::Warning); break;
    case PromptIcon::Critical: box.setIcon(QMessageBox::Critical); break;
    }
    switch (buttons) {
    case PromptButtons::Ok: box.setStandardButtons(QMessageBox::Ok); break;
    case PromptButtons::YesNo: box.setStandardButtons(QMessageBox::Yes | QMessageBox::No); break;
    case PromptButtons::YesNoCancel:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        break;
    }
    // The operator reads Italian: the buttons carry their Italian captions whatever the
    // translations installed on the computer.
    const struct {
        QMessageBox::StandardButton button;
        const char16_t* caption;
    } captions[] = {
        {QMessageBox::Ok, u"OK"}, {QMessageBox::Yes, u"Sì"}, {QMessageBox::No, u"No"}, {QMessageBox::Cancel, u"Annulla"},
    };
    for (const auto& c : captions) {
        if (QAbstractButton* b = box.button(c.button)) b->setText(QString::fromUtf16(c.caption));
    }
}

PromptAnswer MessageBoxPrompter::ask(const QString& text, PromptButtons buttons, PromptIcon icon,
                                      const QString& caption) {
    QMessageBox box(parent_);
    PreparaMessaggio(box, text, buttons, icon, caption);
    switch (box.exec()) {
    case QMessageBox::Yes: return PromptAnswer::Yes;
    case QMessageBox::No: return PromptAnswer::No;
    case QMessageBox::Cancel: return PromptAnswer::Cancel;
    default: return buttons == PromptButtons::Ok ? PromptAnswer::Ok : PromptAnswer::Cancel;
    }
}

void PreparaSalvataggio(QFileDialog& dialog, const QString& filter) {
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilter(filter);
    const QRegularExpression firstPattern(QStringLiteral("\\*\\.(\\w+)"));
    const QRegularExpressionMatch match = firstPattern.match(filter);
    dialog.setDefaultSuffix(match.hasMatch() ? match.captured(1) : QString());
}

QString WidgetFileDialog::saveFileName(const QString& caption, const QString& folder,
                                       const QString& filter) {
    QFileDialog dialog(parent_, caption, folder);
    PreparaSalvataggio(dialog, filter);
    if (dialog.exec() != QDialog::Accepted) return {};
    const QStringList files = dialog.selectedFiles();
    return files.isEmpty() ? QString() : files.front();
}

void OverrideCursorBusyIndicator::begin() {
    if (!qobject_cast<QApplication*>(QCoreApplication::instance())) return;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    ++depth_;
}

void OverrideCursorBusyIndicator::end() {
    if (depth_ == 0) return;
    --depth_;
    QApplication::restoreOverrideCursor();
}

bool ExecDialogRunner::run(QDialog& dialog) { return dialog.exec() == QDialog::Accepted; }

bool runModal(DialogRunner* runner, QDialog& dialog) {
    if (runner) return runner->run(dialog);
    return ExecDialogRunner().run(dialog);
}

}  // namespace razudar
