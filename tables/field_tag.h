#pragma once
// Readers of the option text ("Tag") that a table window's field controls carry: a leading run
// of flag characters, an optional letter-case section "&" code ";" and the rest (a preset value,
// an operator or a condition).
#include <QString>

namespace razudar::tables {

// The flag characters a field's Tag may begin with.
inline constexpr char16_t kFieldFlagCharacters[] = u"#@!òàìù°é§";
// The flag characters of a lookup combo's Tag.
inline constexpr char16_t kLookupFlagCharacters[] = u"|*pc";

// The Tag after its leading run of field flag characters.
QString tagRest(const QString& tag);

// True when the Tag holds the flag: a one-character flag is looked for anywhere in the Tag; a
// character class such as "[#@]" matches any of its characters. An empty flag text is False.
bool tagHasFlag(const QString& tag, const QString& flag);

// A Tag with its letter-case section taken out: the first "&" and the first ";" after it
// enclose the rule; without either, the Tag is unchanged and the rule empty.
struct CaseRuleSplit {
    QString tag;
    QString rule;  // "C" proper case, "U" upper case, "L" lower case, or whatever was written
};
CaseRuleSplit extractCaseRule(const QString& tag);

// The text rewritten by a letter-case rule; any other rule leaves it as it is.
QString applyCaseRule(const QString& text, const QString& rule);

}  // namespace razudar::tables
