#pragma once
// General helpers shared by every subsystem: padding, number and date texts, validated
// conversions of received values, proper case of names, folders and files. The time helpers
// of this family are in race_times.h.
#include <QDateTime>
#include <QString>
#include <QVariant>
#include <QtGlobal>

namespace razudar {

class Prompter;

// The program's version. The build passes project(VERSION) of the top CMakeLists.txt as
// RAZUDAR_VERSION_MAJOR / _MINOR / _PATCH to everything that uses the model library.
#if !defined(RAZUDAR_VERSION_MAJOR) || !defined(RAZUDAR_VERSION_MINOR) || !defined(RAZUDAR_VERSION_PATCH)
#error "RAZUDAR_VERSION_MAJOR/MINOR/PATCH must be defined by the build (link razudar_model)"
#endif
struct ProgramVersion {
    int major = 0;
    int minor = 0;
    int revision = 0;
};
// "+ 0" reads a component that project(VERSION) leaves out (an empty definition) as 0.
constexpr ProgramVersion kProgramVersion{RAZUDAR_VERSION_MAJOR, RAZUDAR_VERSION_MINOR + 0,
                                         RAZUDAR_VERSION_PATCH + 0};

// `digits` spaces when value is 0 and blankIfZero; else the value with at least `digits`
// digits (leading zeros), cut to its last `digits` characters: (7, 3) "007", (12345, 3) "345".
QString FormattaConZeri(double value, int digits, bool blankIfZero);
// The value's text right-aligned in `width` (cut on the left); blanks when (value = 0 and
// blankIfZero) or (value <= 0 and blankIfNotPositive). A non-numeric text is neither.
QString AllineaDestra(const QVariant& value, int width, bool blankIfZero = false,
                      bool blankIfNotPositive = false);
// The value's text left-aligned in `width` (cut on the right).
QString AllineaSinistra(const QVariant& value, int width);
// Every occurrence of `character` (case-sensitive) replaced by `replacement`, left to right.
QString SostituisciCarattere(const QString& text, QChar character, const QString& replacement);

// The larger (smaller) of two values; on a tie the second.
template <typename T>
T Massimo(const T& a, const T& b) { return a > b ? a : b; }
template <typename T>
T Minimo(const T& a, const T& b) { return a < b ? a : b; }

// Date literal for database queries: "#MM-dd-yyyy hh.mm.ss#" (without ".ss" when asked).
QString DataSql(const QDateTime& date, bool withoutSeconds = false);
// "  /  /    " for an empty value, otherwise the date as "dd/MM/yyyy". Texts are read as ISO
// dates or "dd/MM/yyyy"; a text that is no date is returned as it is.
QString DataTesto(const QVariant& value);

// Creates the folder when nothing of that name exists (true). An existing name gives false;
// a failure shows "Impossibile Creare la Cartella " + path (OK only) and gives false.
bool CreaCartella(const QString& path, Prompter& prompter);
// "major.minor", plus ".revision" when the revision is 1 or more.
QString TestoVersioneProgramma(const ProgramVersion& version = kProgramVersion);
// Every apostrophe doubled, for text literals inside queries.
QString RaddoppiaApici(const QString& text);
// Deletes the files matching `mask` (folder + wildcard name, matched ignoring case; "*.*"
// matches every file). False when nothing matches or a deletion fails; never a message.
bool CancellaFile(const QString& mask);

// The text's number when IsNumeric, else 0.
double ValoreNumerico(const QString& text);
// `value` when minimum <= value <= 65, else 60.
int LimitaTimerPagina(int value, int minimum);
// Proper case of a name: "ALFA BETA" -> "Alfa Beta", "l'alba" -> "L'Alba".
QString NomeProprio(const QString& text);
// The text as a page or the console shows it: every control character (U+0000 to U+001F,
// U+007F and U+0080 to U+009F) one blank, so that a CR or LF inside a received name cannot
// break its row in two. The length is kept, so columns stay aligned; a text without one is
// returned as it is. What the race state and the database hold is never changed by it.
QString blankControlCharacters(const QString& text);

// `defaultValue` when the value is empty; else its trimmed text read as True/False or a number
// (0 is false). Throws basic::ConversionError for a text that is neither.
bool ValoreBooleano(const QVariant& value, bool defaultValue);
// The value rounded down to a 16-bit integer when it is numeric and lies in -32768..32767,
// else `defaultValue`.
qint16 ValoreIntero(const QVariant& value, qint16 defaultValue);
// The value rounded half to even when it is numeric and lies in -2147483647..2147483647,
// else `defaultValue`.
qint32 ValoreLungo(const QVariant& value, qint32 defaultValue);
// `text` without its first startMarker.size() and last endMarker.size() characters (the
// markers are not compared); "" when the text is shorter than both markers together.
QString TestoTraDelimitatori(const QString& text, const QString& startMarker,
                             const QString& endMarker);

}  // namespace razudar
