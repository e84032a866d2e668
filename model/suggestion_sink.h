#pragma once
// Receiver of default values for the new rows of a data-entry table. The table engine
// implements it; each call appends one suggestion (field name, a copy of the value, the flag).
#include <QString>
#include <QVariant>

namespace razudar {

class SuggestionSink {
public:
    virtual ~SuggestionSink() = default;
    // A suggestion is later skipped when its trimmed text is empty or "-1", or "0" while
    // ValoreZeroSignificativo is false.
    virtual void SuggerisciAggiungi(const QString& NomeCampo, const QVariant& Valore,
                                    bool ValoreZeroSignificativo = false) = 0;
};

}  // namespace razudar
