#pragma once
// Window lookup by name. This program registers no window under a name, so every lookup
// finds nothing; the lookup still tells the operator about a missing window unless silenced.
#include <QString>

class QObject;

namespace razudar {

class Prompter;

// Always nullptr. When `Trovato` is false on entry, shows "Manca " + NomeForm +
// " su da_Stringa_a_Form" (OK only). On return `Trovato` is false.
QObject* FormDaStringa(const QString& NomeForm, bool& Trovato, Prompter& prompter);

}  // namespace razudar
