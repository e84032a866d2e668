#include "model/preview_text.h"

#include "model/basic.h"
#include "model/krono.h"
#include "model/race_codes.h"
#include "model/race_times.h"

namespace razudar::preview {

const clsConcorrente& record(const clsKrono& k, qint16 Concorrente) {
    static const clsConcorrente kEmpty;  // immutable: what an unregistered number reads as
    const clsConcorrente* found = k.findConcorrente(Concorrente);
    return found ? *found : kEmpty;
}

const clsRisultati& result(const clsConcorrente& c, int Manche) {
    static const clsRisultati kEmpty;
    const clsRisultati* found = c.existingResult(Manche);
    return found ? *found : kEmpty;
}

void appendRight(QString& row, QStringView text, int width) {
    if (width <= 0) return;
    if (text.size() >= width) {
        row += text.right(width);
        return;
    }
    row.resize(row.size() + width - text.size(), u' ');
    row += text;
}

void appendLeft(QString& row, QStringView text, int width) {
    if (width <= 0) return;
    if (text.size() >= width) {
        row += text.left(width);
        return;
    }
    row += text;
    row.resize(row.size() + width - text.size(), u' ');
}

QString T(const clsKrono& k, qint64 packed, bool trim, bool sign) {
    const int resolution = k.cGara.Risoluzione();
    if (sign) return ConvertiRisoluzione(true, FormattaTempo(packed, 12, trim, sign), resolution).toString();
    // hh:mm'ss.ttt from at least nine digits (more widen the hours), "-" before a negative
    // value, the last 12 characters kept, leading zeros and separators blanked up to the
    // seconds' last digit, then trimmed (spaces only) and cut to the resolution.
    char16_t digits[24];
    int n = 0;
    for (quint64 v = packed < 0 ? quint64(-(packed + 1)) + 1 : quint64(packed); v > 0 || n < 9; v /= 10)
        digits[n++] = char16_t(u'0' + v % 10);  // least significant first
    char16_t text[32];
    int length = 0;
    if (packed < 0) text[length++] = u'-';
    for (int i = n - 1; i >= 0; --i) {
        text[length++] = digits[i];
        if (i == 7) text[length++] = u':';
        else if (i == 5) text[length++] = u'\'';
        else if (i == 3) text[length++] = u'.';
    }
    const int start = length > 12 ? length - 12 : 0;
    int first = start;
    const int blankable = length - start - 5;
    for (int i = 0; i < blankable; ++i, ++first) {
        const char16_t c = text[first];
        if (c != u'0' && c != u':' && c != u'\'') break;
    }
    // After the blanks the text has no leading or trailing spaces: the trim keeps [first, end).
    int end = length;
    if (resolution >= 1 && resolution <= 4) {
        const int dropped = resolution == 1 ? 4 : 4 - resolution;
        if (end - first > dropped) end -= dropped;
    }
    return QString(reinterpret_cast<const QChar*>(text + first), end - first);
}

QString E(const clsKrono& k, qint32 milliseconds) {
    return ConvertiRisoluzione(true, TempoInStringa(milliseconds, 12, true, false, false), k.cGara.Risoluzione())
        .toString();
}

QString nameOf(const clsKrono& k, const clsConcorrente& c) {
    return basic::UCase(k.cGara.Specialita() == kSpecialitaSquadre ? c.Squadra() : c.Cognome());
}

BibIndex::BibIndex(const clsKrono& k) {
    for (const qint16 key : k.ElencoConcorrenti()) {
        const clsConcorrente* c = k.findConcorrente(key);
        if (c && !bibs_.contains(c->Concorrente()))
            bibs_.insert(c->Concorrente(), {c->Pettorale(), c->PettoraleStampa()});
    }
}

int BibIndex::bib(qint16 Concorrente, bool bPettoraleStampa) const {
    const auto found = bibs_.constFind(Concorrente);
    if (found == bibs_.constEnd()) return -1;
    return bPettoraleStampa ? found->second : found->first;
}

}  // namespace razudar::preview
