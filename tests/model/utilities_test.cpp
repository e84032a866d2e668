#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "model/bas_stringa_form.h"
#include "model/bas_utilita.h"
#include "model/bas_zez.h"
#include "model/basic.h"
#include "platform/fakes/fake_services.h"

using namespace razudar;

namespace {

QString sp(int n) { return QString(n, QLatin1Char(' ')); }
QVariant text(const char* s) { return QVariant(QString::fromUtf8(s)); }

void touch(const QString& path) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
}

struct Suggestion {
    QString field;
    QVariant value;
    bool zeroSignificant;
};

class RecordingSink : public SuggestionSink {
public:
    void SuggerisciAggiungi(const QString& NomeCampo, const QVariant& Valore,
                            bool ValoreZeroSignificativo) override {
        calls.push_back({NomeCampo, Valore, ValoreZeroSignificativo});
    }
    std::vector<Suggestion> calls;
};

}  // namespace

TEST(Padding, FormattaConZeri) {
    EXPECT_EQ(FormattaConZeri(7, 3, false), QStringLiteral("007"));
    EXPECT_EQ(FormattaConZeri(12345, 3, false), QStringLiteral("345"));
    EXPECT_EQ(FormattaConZeri(0, 4, true), sp(4));
    EXPECT_EQ(FormattaConZeri(0, 4, false), QStringLiteral("0000"));
    EXPECT_EQ(FormattaConZeri(12345678, 9, false), QStringLiteral("012345678"));
    EXPECT_EQ(FormattaConZeri(-7, 3, false), QStringLiteral("007"));
    EXPECT_EQ(FormattaConZeri(-7, 4, false), QStringLiteral("0007"));
    EXPECT_EQ(FormattaConZeri(-7, 5, false), QStringLiteral("00007"));  // the cut drops the sign
    EXPECT_EQ(FormattaConZeri(5, 0, false), QString());
}

TEST(Padding, AllineaDestra) {
    EXPECT_EQ(AllineaDestra(-3, 5, false, true), sp(5));
    EXPECT_EQ(AllineaDestra(0, 5, false, true), sp(5));
    EXPECT_EQ(AllineaDestra(0, 5, true, false), sp(5));
    EXPECT_EQ(AllineaDestra(0, 5, false, false), QStringLiteral("    0"));
    EXPECT_EQ(AllineaDestra(-3, 5, true, false), QStringLiteral("   -3"));
    EXPECT_EQ(AllineaDestra(123456, 3, false, false), QStringLiteral("456"));
    EXPECT_EQ(AllineaDestra(text(" 1:23'45.678"), 8), QStringLiteral("3'45.678"));
    EXPECT_EQ(AllineaDestra(text("DNF"), 12, true, true), sp(9) + QStringLiteral("DNF"));
    EXPECT_EQ(AllineaDestra(text("0"), 3, true), sp(3));  // a numeric text counts by its number
    EXPECT_EQ(AllineaDestra(2.5, 5), QStringLiteral("  2.5"));
    EXPECT_EQ(AllineaDestra(7, 0), QString());
}

TEST(Padding, AllineaSinistra) {
    EXPECT_EQ(AllineaSinistra(text("ROSSI"), 8), QStringLiteral("ROSSI   "));
    EXPECT_EQ(AllineaSinistra(text("BIANCHISSIMO-VERDI"), 12), QStringLiteral("BIANCHISSIMO"));
    EXPECT_EQ(AllineaSinistra(QVariant(), 3), sp(3));
    EXPECT_EQ(AllineaSinistra(42, 4), QStringLiteral("42  "));
    EXPECT_EQ(AllineaSinistra(text("abc"), -1), QString());
}

TEST(TextHelpers, SostituisciCarattere) {
    EXPECT_EQ(SostituisciCarattere(QStringLiteral("1.234.5"), '.', QStringLiteral(",")), QStringLiteral("1,234,5"));
    EXPECT_EQ(SostituisciCarattere(QStringLiteral("a.b"), '.', QString()), QStringLiteral("ab"));
    EXPECT_EQ(SostituisciCarattere(QStringLiteral("aAa"), 'a', QStringLiteral("x")), QStringLiteral("xAx"));
    EXPECT_EQ(SostituisciCarattere(QString(), 'a', QStringLiteral("x")), QString());
    // A replacement that contains the character terminates and replaces each one once.
    EXPECT_EQ(SostituisciCarattere(QStringLiteral("a'b'"), '\'', QStringLiteral("''")), QStringLiteral("a''b''"));
}

TEST(TextHelpers, RaddoppiaApici) {
    EXPECT_EQ(RaddoppiaApici(QStringLiteral("D'Amico l'Alba")), QStringLiteral("D''Amico l''Alba"));
    EXPECT_EQ(RaddoppiaApici(QStringLiteral("Rossi")), QStringLiteral("Rossi"));
    EXPECT_EQ(RaddoppiaApici(QString()), QString());
    EXPECT_EQ(RaddoppiaApici(QStringLiteral("''")), QStringLiteral("''''"));
}

TEST(TextHelpers, MassimoMinimoGiveTheSecondOnATie) {
    EXPECT_EQ(Massimo(3, 5), 5);
    EXPECT_EQ(Minimo(3, 5), 3);
    EXPECT_EQ(Minimo(4, 2), 2);
    EXPECT_EQ(Massimo(-1.5, -2.0), -1.5);
    const QString a = QStringLiteral("x");
    const QString b = QStringLiteral("x");
    EXPECT_EQ(Massimo(a, b).constData(), b.constData());
    EXPECT_EQ(Minimo(a, b).constData(), b.constData());
    EXPECT_EQ(Massimo(QStringLiteral("B"), QStringLiteral("a")), QStringLiteral("a"));  // ordinal
}

TEST(TextHelpers, NomeProprio) {
    EXPECT_EQ(NomeProprio(QStringLiteral("ALFA BETA")), QStringLiteral("Alfa Beta"));
    EXPECT_EQ(NomeProprio(QStringLiteral("l'alba")), QStringLiteral("L'Alba"));
    EXPECT_EQ(NomeProprio(QStringLiteral("NORD-OVEST (B)")), QStringLiteral("Nord-Ovest (B)"));
    EXPECT_EQ(NomeProprio(QStringLiteral("sci club 2000s.c.")), QStringLiteral("Sci Club 2000S.C."));
    EXPECT_EQ(NomeProprio(QStringLiteral("a\"b*c+d,e")), QStringLiteral("A\"B*C+D,E"));
    EXPECT_EQ(NomeProprio(QStringLiteral("x/y_z")), QStringLiteral("X/y_z"));  // "/" and "_" are no triggers
    EXPECT_EQ(NomeProprio(QString::fromUtf8("ÉLODIE D'ÀNGELO")), QString::fromUtf8("Élodie D'Àngelo"));
    EXPECT_EQ(NomeProprio(QString()), QString());
    EXPECT_EQ(NomeProprio(QStringLiteral("a ")), QStringLiteral("A "));
    EXPECT_EQ(NomeProprio(QString::fromUtf8("STRASSE ß")), QString::fromUtf8("Strasse ß"));
}

TEST(TextHelpers, ControlCharactersShowAsBlanks) {
    const struct {
        QString text;
        QString shown;
    } cases[] = {
        {QStringLiteral("Ros\rsi"), QStringLiteral("Ros si")},
        {QStringLiteral("Ros\nsi"), QStringLiteral("Ros si")},
        {QStringLiteral("\r\nRossi\r\n"), QStringLiteral("  Rossi  ")},
        {QStringLiteral("Ros\tsi"), QStringLiteral("Ros si")},
        {QString::fromUtf16(u"Ros\0si", 6), QStringLiteral("Ros si")},
        {QStringLiteral("Ros\x1Fsi\x7F"), QStringLiteral("Ros si ")},
        {QStringLiteral("Ros\u0080si\u0085\u009F"), QStringLiteral("Ros si  ")},
        // Blanks, letters past DEL's block and the first character after C1 stay.
        {QString::fromUtf8("Müller\u00A0Weiß"), QString::fromUtf8("Müller\u00A0Weiß")},
        {QStringLiteral(" ~ "), QStringLiteral(" ~ ")},
        {QString(), QString()},
    };
    for (const auto& c : cases) EXPECT_EQ(blankControlCharacters(c.text), c.shown) << c.text.toStdString();
}

TEST(TextHelpers, TestoTraDelimitatori) {
    EXPECT_EQ(TestoTraDelimitatori(QStringLiteral("_BF_AT-IN_a_BF_AT-SP_b_BF_AT-FN_"),
                                   QStringLiteral("_BF_AT-IN_"), QStringLiteral("_BF_AT-FN_")),
              QStringLiteral("a_BF_AT-SP_b"));
    // Only the lengths count: the markers are not compared.
    EXPECT_EQ(TestoTraDelimitatori(QStringLiteral("[[body]]"), QStringLiteral("xx"), QStringLiteral("yy")),
              QStringLiteral("body"));
    EXPECT_EQ(TestoTraDelimitatori(QStringLiteral("abcd"), QStringLiteral("ab"), QStringLiteral("cd")), QString());
    EXPECT_EQ(TestoTraDelimitatori(QStringLiteral("abc"), QStringLiteral("ab"), QStringLiteral("cd")), QString());
    EXPECT_EQ(TestoTraDelimitatori(QString(), QStringLiteral("ab"), QString()), QString());
}

TEST(NumberTexts, ValoreNumerico) {
    EXPECT_EQ(ValoreNumerico(QStringLiteral(" 12.5 ")), 12.5);
    EXPECT_EQ(ValoreNumerico(QStringLiteral("-3")), -3.0);
    EXPECT_EQ(ValoreNumerico(QStringLiteral("12,5")), 0.0);
    EXPECT_EQ(ValoreNumerico(QStringLiteral("12abc")), 0.0);
    EXPECT_EQ(ValoreNumerico(QString()), 0.0);
}

TEST(NumberTexts, LimitaTimerPagina) {
    EXPECT_EQ(LimitaTimerPagina(66, 0), 60);
    EXPECT_EQ(LimitaTimerPagina(65, 0), 65);
    EXPECT_EQ(LimitaTimerPagina(-1, 0), 60);
    EXPECT_EQ(LimitaTimerPagina(0, 0), 0);
    EXPECT_EQ(LimitaTimerPagina(4, 5), 60);
    EXPECT_EQ(LimitaTimerPagina(5, 5), 5);
}

TEST(NumberTexts, TestoVersioneProgramma) {
    EXPECT_EQ(TestoVersioneProgramma(ProgramVersion{1, 2, 0}), QStringLiteral("1.2"));
    EXPECT_EQ(TestoVersioneProgramma(ProgramVersion{1, 2, 1}), QStringLiteral("1.2.1"));
    EXPECT_EQ(TestoVersioneProgramma(ProgramVersion{3, 10, 27}), QStringLiteral("3.10.27"));
}

TEST(NumberTexts, ProgramVersionComesFromTheBuild) {
    // The version text follows project(VERSION) of the top CMakeLists.txt.
    QFile top(QStringLiteral(RAZUDAR_SOURCE_DIR "/CMakeLists.txt"));
    ASSERT_TRUE(top.open(QIODevice::ReadOnly | QIODevice::Text));
    const QRegularExpressionMatch m =
        QRegularExpression(QStringLiteral(R"(project\(\s*Razudar\s+VERSION\s+(\d+)\.(\d+)(?:\.(\d+))?)"))
            .match(QString::fromUtf8(top.readAll()));
    ASSERT_TRUE(m.hasMatch());
    const ProgramVersion expected{m.captured(1).toInt(), m.captured(2).toInt(), m.captured(3).toInt()};
    EXPECT_EQ(kProgramVersion.major, expected.major);
    EXPECT_EQ(kProgramVersion.minor, expected.minor);
    EXPECT_EQ(kProgramVersion.revision, expected.revision);
    EXPECT_EQ(TestoVersioneProgramma(), TestoVersioneProgramma(expected));
}

TEST(ReceivedValues, ValoreInteroRoundsDownWithinRange) {
    EXPECT_EQ(ValoreIntero(QVariant(), 7), 7);
    EXPECT_EQ(ValoreIntero(text(""), 7), 7);
    EXPECT_EQ(ValoreIntero(text("abc"), 7), 7);
    EXPECT_EQ(ValoreIntero(text("40000"), 7), 7);
    EXPECT_EQ(ValoreIntero(40000, 7), 7);
    EXPECT_EQ(ValoreIntero(text(" 12 "), 7), 12);
    EXPECT_EQ(ValoreIntero(2.7, 7), 2);
    EXPECT_EQ(ValoreIntero(-2.5, 7), -3);
    EXPECT_EQ(ValoreIntero(text("-2.5"), 7), -3);
    EXPECT_EQ(ValoreIntero(text("32767"), 7), 32767);
    EXPECT_EQ(ValoreIntero(text("-32768"), 7), -32768);
    EXPECT_EQ(ValoreIntero(text("32767.5"), 7), 7);
    EXPECT_EQ(ValoreIntero(text("-32768.5"), 7), 7);
    EXPECT_EQ(ValoreIntero(text("1e3"), 7), 1000);
    EXPECT_EQ(ValoreIntero(text("12,5"), 7), 7);
}

TEST(ReceivedValues, ValoreLungoRoundsHalfToEvenWithinRange) {
    EXPECT_EQ(ValoreLungo(QVariant(), 9), 9);
    EXPECT_EQ(ValoreLungo(text("x"), 9), 9);
    EXPECT_EQ(ValoreLungo(2.7, 9), 3);
    EXPECT_EQ(ValoreLungo(2.5, 9), 2);
    EXPECT_EQ(ValoreLungo(text("3.5"), 9), 4);
    EXPECT_EQ(ValoreLungo(text(" 12345678 "), 9), 12345678);
    EXPECT_EQ(ValoreLungo(text("2147483647"), 9), 2147483647);
    EXPECT_EQ(ValoreLungo(text("-2147483647"), 9), -2147483647);
    EXPECT_EQ(ValoreLungo(text("-2147483648"), 9), 9);
    EXPECT_EQ(ValoreLungo(qint64(-2147483648LL), 9), 9);
    EXPECT_EQ(ValoreLungo(text("2147483648"), 9), 9);
    EXPECT_EQ(ValoreLungo(text("2147483646.5"), 9), 2147483646);
}

TEST(ReceivedValues, ValoreBooleano) {
    EXPECT_TRUE(ValoreBooleano(QVariant(), true));
    EXPECT_FALSE(ValoreBooleano(text(""), false));
    EXPECT_TRUE(ValoreBooleano(text(" True "), false));
    EXPECT_TRUE(ValoreBooleano(text("true"), false));
    EXPECT_FALSE(ValoreBooleano(text("False"), true));
    EXPECT_TRUE(ValoreBooleano(text("-1"), false));
    EXPECT_FALSE(ValoreBooleano(text("0"), true));
    EXPECT_TRUE(ValoreBooleano(QVariant(true), false));
    EXPECT_FALSE(ValoreBooleano(QVariant(0), true));
    EXPECT_THROW(ValoreBooleano(text("forse"), false), basic::ConversionError);
    EXPECT_THROW(ValoreBooleano(text("  "), false), basic::ConversionError);
}

TEST(Dates, DataSql) {
    const QDateTime t(QDate(2024, 3, 5), QTime(14, 7, 9));
    EXPECT_EQ(DataSql(t), QStringLiteral("#03-05-2024 14.07.09#"));
    EXPECT_EQ(DataSql(t, true), QStringLiteral("#03-05-2024 14.07#"));
    EXPECT_EQ(DataSql(QDateTime(QDate(1999, 12, 31), QTime(0, 0))), QStringLiteral("#12-31-1999 00.00.00#"));
}

TEST(Dates, DataTesto) {
    EXPECT_EQ(DataTesto(text("")), QStringLiteral("  /  /    "));
    EXPECT_EQ(DataTesto(QVariant()), QStringLiteral("  /  /    "));
    EXPECT_EQ(DataTesto(QVariant(QDate(2024, 3, 5))), QStringLiteral("05/03/2024"));
    EXPECT_EQ(DataTesto(QVariant(QDateTime(QDate(2024, 3, 5), QTime(23, 59)))), QStringLiteral("05/03/2024"));
    EXPECT_EQ(DataTesto(text("2024-03-05")), QStringLiteral("05/03/2024"));
    EXPECT_EQ(DataTesto(text("5/3/2024")), QStringLiteral("05/03/2024"));
    EXPECT_EQ(DataTesto(text("2024-03-05T10:00:00")), QStringLiteral("05/03/2024"));
    EXPECT_EQ(DataTesto(text("domani")), QStringLiteral("domani"));
}

TEST(Folders, CreaCartellaCreatesOnlyWhatIsMissing) {
    QTemporaryDir tmp;
    ASSERT_TRUE(tmp.isValid());
    ScriptedPrompter prompter;
    const QString folder = tmp.filePath(QStringLiteral("Export"));
    EXPECT_TRUE(CreaCartella(folder, prompter));
    EXPECT_TRUE(QFileInfo(folder).isDir());
    EXPECT_FALSE(CreaCartella(folder, prompter));
    EXPECT_FALSE(CreaCartella(folder + QLatin1Char('/'), prompter));
    touch(tmp.filePath(QStringLiteral("file")));
    EXPECT_FALSE(CreaCartella(tmp.filePath(QStringLiteral("file")), prompter));
    EXPECT_TRUE(prompter.shown().empty());
}

TEST(Folders, CreaCartellaReportsAFailure) {
    QTemporaryDir tmp;
    ScriptedPrompter prompter;
    const QString folder = tmp.filePath(QStringLiteral("missing/parent"));
    EXPECT_FALSE(CreaCartella(folder, prompter));
    ASSERT_EQ(prompter.shown().size(), 1u);
    EXPECT_EQ(prompter.shown()[0].text, QStringLiteral("Impossibile Creare la Cartella ") + folder);
    EXPECT_EQ(prompter.shown()[0].buttons, PromptButtons::Ok);
    EXPECT_FALSE(QFileInfo::exists(folder));
}

TEST(Folders, CancellaFileDeletesMatchingFilesOnly) {
    QTemporaryDir tmp;
    const QString base = tmp.path() + QLatin1Char('/');
    touch(base + QStringLiteral("a.txt"));
    touch(base + QStringLiteral("B.TXT"));
    touch(base + QStringLiteral("c.csv"));
    touch(base + QStringLiteral("noext"));
    QDir(base).mkdir(QStringLiteral("sub"));
    touch(base + QStringLiteral("sub/d.txt"));

    EXPECT_TRUE(CancellaFile(base + QStringLiteral("*.txt")));
    EXPECT_FALSE(QFileInfo::exists(base + QStringLiteral("a.txt")));
    EXPECT_FALSE(QFileInfo::exists(base + QStringLiteral("B.TXT")));  // matched ignoring case
    EXPECT_TRUE(QFileInfo::exists(base + QStringLiteral("c.csv")));
    EXPECT_FALSE(CancellaFile(base + QStringLiteral("*.txt")));  // nothing left to match

    EXPECT_TRUE(CancellaFile(base + QStringLiteral("*.*")));
    EXPECT_FALSE(QFileInfo::exists(base + QStringLiteral("noext")));
    EXPECT_TRUE(QFileInfo(base + QStringLiteral("sub")).isDir());  // folders stay
    EXPECT_TRUE(QFileInfo::exists(base + QStringLiteral("sub/d.txt")));
    EXPECT_FALSE(CancellaFile(base + QStringLiteral("nothing/*")));
    EXPECT_FALSE(CancellaFile(base));
}

TEST(WindowLookup, FormDaStringaFindsNothing) {
    ScriptedPrompter prompter;
    bool silent = true;
    EXPECT_EQ(FormDaStringa(QStringLiteral("frmMessaggi"), silent, prompter), nullptr);
    EXPECT_FALSE(silent);
    EXPECT_TRUE(prompter.shown().empty());

    EXPECT_EQ(FormDaStringa(QStringLiteral("frmMessaggi"), silent, prompter), nullptr);
    ASSERT_EQ(prompter.shown().size(), 1u);
    EXPECT_EQ(prompter.shown()[0].text, QStringLiteral("Manca frmMessaggi su da_Stringa_a_Form"));
    EXPECT_EQ(prompter.shown()[0].buttons, PromptButtons::Ok);
    EXPECT_FALSE(silent);
}

TEST(SessionDefaults, SuggerisciSessioneCorrenteSuggestsTheThreeKeysInOrder) {
    RecordingSink sink;
    SessionKey session;
    session.SessioneGara = 12;
    session.SessioneTipoTurno = QStringLiteral("GS");
    session.SessioneManche = 2;
    SuggerisciSessioneCorrente(sink, session);
    ASSERT_EQ(sink.calls.size(), 3u);
    EXPECT_EQ(sink.calls[0].field, QStringLiteral("Gara"));
    EXPECT_EQ(sink.calls[0].value, QVariant(12));
    EXPECT_EQ(sink.calls[1].field, QStringLiteral("TipoTurno"));
    EXPECT_EQ(sink.calls[1].value, QVariant(QStringLiteral("GS")));
    EXPECT_EQ(sink.calls[2].field, QStringLiteral("Manche"));
    EXPECT_EQ(sink.calls[2].value, QVariant(2));
    for (const auto& c : sink.calls) EXPECT_FALSE(c.zeroSignificant);
}

