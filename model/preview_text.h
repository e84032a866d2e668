#pragma once
// Small text and lookup helpers shared by the preview list and the results-monitor pages.
#include <QHash>
#include <QString>
#include <QtGlobal>

namespace razudar {

class clsKrono;
class clsConcorrente;
class clsRisultati;

namespace preview {

// The competitor's record, or an empty one for a number that has none.
const clsConcorrente& record(const clsKrono& k, qint16 Concorrente);
// The result of run Manche as read (state 0, times 0 when never created).
const clsRisultati& result(const clsConcorrente& c, int Manche);
// S(n): n blanks.
inline QString S(int n) { return QString(n, u' '); }
// Appended to `row`: the text right-aligned in `width` characters (the leftmost cut when
// longer), or left-aligned and cut on the right; what AllineaDestra and AllineaSinistra give
// for a text or a whole number, without a conversion per call (a preview writes thousands).
void appendRight(QString& row, QStringView text, int width);
void appendLeft(QString& row, QStringView text, int width);
// Time text of a packed time or gap: FormattaTempo 12 wide, cut to the race's resolution with
// ConvertiRisoluzione (which trims it). Without the sign the text is laid out here directly,
// as the picture "00:00'00\.000" lays it out, rather than through the general picture parser.
QString T(const clsKrono& k, qint64 packed, bool trim = false, bool sign = false);
// Time text of an elapsed time in milliseconds (0 = no time), cut the same way.
QString E(const clsKrono& k, qint32 milliseconds);
// The name column: the team in a team event (the team speciality), else the surname; in capitals.
QString nameOf(const clsKrono& k, const clsConcorrente& c);

// The bibs of every competitor looked up once, as PettoraleDaConcorrente finds them (the first
// record whose number matches, in registry order), so a long list costs one pass.
class BibIndex {
public:
    explicit BibIndex(const clsKrono& k);
    // -1 when no record has the number.
    int bib(qint16 Concorrente, bool bPettoraleStampa) const;

private:
    QHash<qint16, std::pair<qint16, qint16>> bibs_;  // number -> (bib, printed bib)
};

}  // namespace preview
}  // namespace razudar
