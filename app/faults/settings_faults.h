#pragma once
// How the program tells the operator that its settings cannot be kept for the next start: a
// line in the log and one message box. Every settings save comes from an operator action that
// puts nothing on air (the mode dialog, the session choice, the field chooser, closing the
// preview window), so a box may answer it; the store tells it once per run
// (platform/services/reporting_settings_store.h).
#include <QString>

#include <functional>

namespace razudar {

class ProgramLog;
class Prompter;

std::function<void(const QString&)> settingsSaveNotice(ProgramLog& log, Prompter& prompter);

}  // namespace razudar
