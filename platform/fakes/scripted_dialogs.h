#pragma once
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <optional>
#include <type_traits>
#include <typeindex>
#include <typeinfo>
#include <vector>

#include "platform/services/dialog_runner.h"

namespace razudar {

// A dialog the program ran, as the fake saw it.
struct RunDialog {
    QString objectName;
    QString className;  // the nearest class with its own meta-object (Q_OBJECT)
    bool answered = false;
};

// Answers the program's modal dialogs without a modal event loop. A test registers an answer
// per dialog class; the answer acts on the dialog as the operator would (clicks, typing) and
// says whether it was accepted. An answer returning nothing leaves that to the dialog: it was
// accepted when its own buttons ended it with QDialog::Accepted. The latest registered answer
// that matches the dialog wins, and stays registered until replaced or cleared. A dialog
// without an answer is recorded and counts as closed without confirming: it is never exec'd,
// which would block a test with no operator.
class ScriptedDialogs : public DialogRunner {
public:
    template <class D, class F>
    void answer(F f) {
        add(std::type_index(typeid(D)), [f = std::move(f)](QDialog& dialog) mutable -> std::optional<bool> {
            D* typed = dynamic_cast<D*>(&dialog);
            if (!typed) return std::nullopt;
            if constexpr (std::is_void_v<std::invoke_result_t<F&, D&>>) {
                f(*typed);
                return accepted(*typed);
            } else {
                return bool(f(*typed));
            }
        });
    }
    // Forgets every answer (what was run stays recorded).
    void clearAnswers() { answers_.clear(); }

    bool run(QDialog& dialog) override;

    const std::vector<RunDialog>& runs() const { return runs_; }
    // The object names (or, without one, the class names) of the dialogs run, in order.
    QStringList shown() const;
    void clear() { runs_.clear(); }

private:
    using Answer = std::function<std::optional<bool>(QDialog&)>;
    struct Entry {
        std::type_index type;
        std::shared_ptr<Answer> answer;  // shared: a run keeps it alive if it is replaced meanwhile
    };
    void add(std::type_index type, Answer answer);
    static bool accepted(const QDialog& dialog);

    std::vector<Entry> answers_;
    std::vector<RunDialog> runs_;
};

}  // namespace razudar
