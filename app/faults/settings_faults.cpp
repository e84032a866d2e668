#include "app/faults/settings_faults.h"

#include "app/program_log.h"
#include "platform/services/prompter.h"

namespace razudar {

std::function<void(const QString&)> settingsSaveNotice(ProgramLog& log, Prompter& prompter) {
    return [&log, &prompter](const QString& text) {
        log.line(text);
        prompter.show(text, PromptButtons::Ok, PromptIcon::Exclamation);
    };
}

}  // namespace razudar
