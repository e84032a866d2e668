#include "tables/field_tag.h"

#include "model/bas_utilita.h"
#include "model/basic.h"

namespace razudar::tables {

namespace {

bool isFieldFlag(QChar c) { return QStringView(kFieldFlagCharacters).contains(c); }

}  // namespace

QString tagRest(const QString& tag) {
    qsizetype i = 0;
    while (i < tag.size() && isFieldFlag(tag.at(i))) ++i;
    return tag.mid(i);
}

bool tagHasFlag(const QString& tag, const QString& flag) {
    if (flag.isEmpty()) return false;
    if (flag.size() == 1) return tag.contains(flag.at(0));
    // A character class: "[...]" names the characters; any other longer text is read the same
    // way without its brackets.
    QString set = flag;
    if (set.startsWith(u'[') && set.endsWith(u']')) set = set.mid(1, set.size() - 2);
    for (QChar c : tag) {
        if (set.contains(c)) return true;
    }
    return false;
}

CaseRuleSplit extractCaseRule(const QString& tag) {
    const qsizetype amp = tag.indexOf(u'&');
    if (amp < 0) return {tag, QString()};
    const qsizetype semi = tag.indexOf(u';', amp + 1);
    if (semi < 0) return {tag, QString()};
    return {tag.left(amp) + tag.mid(semi + 1), tag.mid(amp + 1, semi - amp - 1)};
}

QString applyCaseRule(const QString& text, const QString& rule) {
    if (rule == u"C") return NomeProprio(text);
    if (rule == u"U") return basic::UCase(text);
    if (rule == u"L") return basic::LCase(text);
    return text;
}

}  // namespace razudar::tables
