#include "model/bas_stringa_form.h"

#include "platform/services/prompter.h"

namespace razudar {

QObject* FormDaStringa(const QString& NomeForm, bool& Trovato, Prompter& prompter) {
    if (!Trovato)
        prompter.show(QStringLiteral("Manca ") + NomeForm + QStringLiteral(" su da_Stringa_a_Form"),
                      PromptButtons::Ok);
    Trovato = false;
    return nullptr;
}

}  // namespace razudar
