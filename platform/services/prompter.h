#pragma once
#include <QString>

namespace razudar {

enum class PromptButtons { Ok, YesNo, YesNoCancel };
enum class PromptIcon { None, Information, Question, Exclamation, Critical };
enum class PromptAnswer { Ok, Yes, No, Cancel };

// Operator message boxes. Every text an operator must read goes through here, so tests can
// answer the questions from a script and check the exact texts shown.
class Prompter {
public:
    virtual ~Prompter() = default;
    PromptAnswer show(const QString& text, PromptButtons buttons = PromptButtons::Ok,
                      PromptIcon icon = PromptIcon::None,
                      const QString& caption = defaultCaption()) {
        return ask(text, buttons, icon, caption);
    }
    virtual PromptAnswer ask(const QString& text, PromptButtons buttons, PromptIcon icon,
                             const QString& caption) = 0;
    static QString defaultCaption() { return QStringLiteral("Razudar (Zez)"); }
};

}  // namespace razudar
