#include "platform/fakes/scripted_dialogs.h"

#include <QDialog>

#include <algorithm>

namespace razudar {

void ScriptedDialogs::add(std::type_index type, Answer answer) {
    // A new answer for the same class replaces the old one.
    std::erase_if(answers_, [&](const Entry& e) { return e.type == type; });
    answers_.push_back({type, std::make_shared<Answer>(std::move(answer))});
}

bool ScriptedDialogs::accepted(const QDialog& dialog) { return dialog.result() == QDialog::Accepted; }

bool ScriptedDialogs::run(QDialog& dialog) {
    // As exec() does, the dialog starts without a result (a reused dialog forgets its last one).
    dialog.setResult(QDialog::Rejected);
    const size_t index = runs_.size();
    runs_.push_back({dialog.objectName(), QString::fromLatin1(dialog.metaObject()->className()), false});
    // The latest registered answer first. An answer may register others or run another dialog
    // while it acts: the loop goes over a copy of the list.
    const std::vector<Entry> answers = answers_;
    for (auto it = answers.rbegin(); it != answers.rend(); ++it) {
        if (const std::optional<bool> result = (*it->answer)(dialog)) {
            if (index < runs_.size()) runs_[index].answered = true;
            return *result;
        }
    }
    return false;
}

QStringList ScriptedDialogs::shown() const {
    QStringList out;
    for (const RunDialog& r : runs_) out << (r.objectName.isEmpty() ? r.className : r.objectName);
    return out;
}

}  // namespace razudar
