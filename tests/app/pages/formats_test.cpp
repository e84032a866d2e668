// Names, nations and clock formats by the display options.
#include "app/pages/page_formats.h"
#include "app/pages/page_writer.h"
#include "app/pages/running_clock.h"
#include "model/basic.h"
#include "model/krono.h"
#include "model/preview_text.h"
#include "pages_fixture.h"

namespace razudar::pagestest {
namespace {

TEST(PageFormats, NamesFollowTheNameOption) {
    const struct {
        qint16 option;
        const char* surname;
        const char* name;
        bool initial;
        const char* expected;
    } cases[] = {
        {0, "Rossi", "mario", true, "ROSSI M."},   {1, "Rossi", "mario", true, "Rossi M."},
        {2, "Rossi", "mario", true, "Rossi m."},   {0, "de rossi", "mario", false, "DE ROSSI MARIO"},
        {1, "DE ROSSI", "MARIO", false, "De Rossi Mario"}, {0, "Rossi", "", true, "ROSSI "},
        {2, "Rossi", "   ", true, "Rossi  "},      {5, "Rossi", "mario", false, ""},
    };
    for (const auto& c : cases) {
        ProgramState state;
        state.OpzioneNominativi = c.option;
        EXPECT_EQ(FormattaNominativo(state, QString::fromUtf8(c.surname), QString::fromUtf8(c.name), c.initial),
                  QString::fromUtf8(c.expected))
            << c.option << ' ' << c.surname << ' ' << c.name;
    }
    ProgramState state;
    state.OpzioneNominativi = 1;
    EXPECT_EQ(FormattaCognome(state, QStringLiteral("DE ZORDO")), QStringLiteral("De Zordo"));
    EXPECT_EQ(FormattaNome(state, QStringLiteral("luca"), true), QStringLiteral("L."));
    state.OpzioneNominativi = 3;
    EXPECT_EQ(FormattaCognome(state, QStringLiteral("Rossi")), QString());
}

// Pages and the operator's console put names in capitals by one rule, character by character,
// so a name keeps the letters the timekeeper gave it (no "ß" to "SS", no ligature split).
TEST(PageFormats, OneUpperCaseForPagesAndConsole) {
    const struct {
        const char* surname;
        const char* expected;
    } cases[] = {
        {"Weiß", "WEIß"},       {"Mößner", "MÖßNER"},   {"émile", "ÉMILE"},   {"Kovač", "KOVAČ"},
        {"i", "I"},             {"\u0131", "I"},        // dotless i
        {"\uFB01nn", "\uFB01NN"},                       // the ligature fi has no one-letter capital
        {"\u01C6", "\u01C4"},  {"\u0149a", "\u0149A"},  // dz; n preceded by apostrophe
        {"Σίσυφος", "ΣΊΣΥΦΟΣ"}, {"d'Aosta-Brà", "D'AOSTA-BRÀ"},
    };
    ProgramState state;
    state.OpzioneNominativi = 0;
    clsKrono race;
    for (const auto& c : cases) {
        const QString surname = QString::fromUtf8(c.surname);
        const QString expected = QString::fromUtf8(c.expected);
        SCOPED_TRACE(c.surname);
        EXPECT_EQ(basic::UCase(surname), expected);
        EXPECT_EQ(FormattaCognome(state, surname), expected);
        EXPECT_EQ(FormattaNominativo(state, surname, QString(), false), expected + QLatin1Char(' '));
        clsConcorrente competitor;
        competitor.setCognome(surname);
        EXPECT_EQ(preview::nameOf(race, competitor), expected);  // the console's preview list
    }
    // The rule differs from the full mapping exactly where a letter would become two.
    EXPECT_NE(basic::UCase(QStringLiteral("Weiß")), QStringLiteral("Weiß").toUpper());
    EXPECT_EQ(FormattaNominativo(state, QStringLiteral("Weiß"), QStringLiteral("ßabine"), true),
              QStringLiteral("WEIß ß."));
}

TEST_F(Pages, ANameInCapitalsOnAPageKeepsItsLetters) {
    clsConcorrente& c = *state.krono().ConcorrenteItem(104);
    c.setCognome(QStringLiteral("Weiß"));
    c.setNome(QStringLiteral("Jürgen"));
    state.OpzioneNominativi = 0;
    ASSERT_TRUE(pages->onAir().CaricaPaginaInOnda(QStringLiteral("TempoACorrere"), 0, false));
    ScriviConcorrenteTC(*ctx, QStringLiteral("TempoACorrere"), 104);
    EXPECT_EQ(text(QStringLiteral("TempoACorrere"), QStringLiteral("txtNominativo")), QStringLiteral("WEIß J."));
    EXPECT_TRUE(messages.isEmpty()) << messages.join('\n').toStdString();
}

// Control characters of a received name are blanks before its case is set: proper case starts
// a word after each, as after a blank, and the length is kept.
TEST(PageFormats, ProperCaseSeesControlCharactersAsBlanks) {
    const struct {
        qint16 option;
        QString surname;
        QString name;
        const char* expected;
    } cases[] = {
        {1, QStringLiteral("Nome\r\nDue"), QString(), "Nome  Due "},
        {1, QStringLiteral("NOME\tDUE"), QStringLiteral("ANNA\r\nMARIA"), "Nome Due Anna  Maria"},
        {1, QString::fromUtf16(u"nome\0due", 8), QStringLiteral("\nanna"), "Nome Due  Anna"},
        {1, QStringLiteral("d'\x1F\u0085alba"), QString(), "D'  Alba "},
        {0, QStringLiteral("Nome\r\nDue"), QStringLiteral("x\ty"), "NOME  DUE X Y"},
        {2, QStringLiteral("Nome\r\nDue"), QStringLiteral("x\ty"), "Nome  Due x y"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.expected);
        ProgramState state;
        state.OpzioneNominativi = c.option;
        EXPECT_EQ(FormattaNominativo(state, c.surname, c.name, false), QString::fromUtf8(c.expected));
        EXPECT_EQ(FormattaCognome(state, c.surname) + QLatin1Char(' ') + FormattaNome(state, c.name, false),
                  QString::fromUtf8(c.expected));
    }
}

TEST_F(Pages, AProperCaseNameWithALineBreakShowsTwoBlanks) {
    clsConcorrente& c = *state.krono().ConcorrenteItem(104);
    c.setCognome(QStringLiteral("Nome\r\nDue"));
    c.setNome(QStringLiteral("jürgen"));
    state.OpzioneNominativi = 1;
    ASSERT_TRUE(pages->onAir().CaricaPaginaInOnda(QStringLiteral("TempoACorrere"), 0, false));
    ScriviConcorrenteTC(*ctx, QStringLiteral("TempoACorrere"), 104);
    EXPECT_EQ(text(QStringLiteral("TempoACorrere"), QStringLiteral("txtNominativo")), QStringLiteral("Nome  Due J."));
    EXPECT_TRUE(messages.isEmpty()) << messages.join('\n').toStdString();
}

TEST_F(Pages, NationGroupsFollowTheNationOption) {
    const QString page = QStringLiteral("ConcorrenteScheda");
    ASSERT_TRUE(gra->CaricaPagina(page, 0));
    const QString flag = state.resources.CartellaNazionalita + QStringLiteral("nor.tga");
    const QString mini = state.resources.CartellaMiniature + QStringLiteral("nor.tga");
    const struct {
        qint16 option;
        bool text, image;
        const char* shown;
        bool imagesWritten;
    } cases[] = {
        {0, true, false, "NOR", false},
        {1, false, true, "", true},
        {2, false, false, "", false},
        {3, true, true, "NOR", true},
    };
    for (const auto& c : cases) {
        // Start each case from a known group: text hidden and empty, flags shown with no file.
        gra->setProprietaTesto(page, QStringLiteral("txtNazionalita"), 4, false);
        gra->setProprietaTesto(page, QStringLiteral("txtNazionalita"), 0, QString());
        gra->setProprietaImmagine(page, QStringLiteral("imgNazionalita"), 4, true);
        gra->setProprietaImmagine(page, QStringLiteral("imgNazionalita"), 3, QString());
        gra->setProprietaImmagine(page, QStringLiteral("imgMiniNazionalita"), 3, QString());
        state.OpzioneNazionalita = c.option;
        // The code as stored: shown in upper case, used unchanged in the file name.
        ImpostaNazionalita(*ctx, page, QStringLiteral("Nazionalita"), QStringLiteral("nor"));
        EXPECT_EQ(textVisible(page, QStringLiteral("txtNazionalita")), c.text) << c.option;
        EXPECT_EQ(text(page, QStringLiteral("txtNazionalita")), QLatin1String(c.shown)) << c.option;
        EXPECT_EQ(imageVisible(page, QStringLiteral("imgNazionalita")), c.image) << c.option;
        EXPECT_EQ(imagePath(page, QStringLiteral("imgNazionalita")), c.imagesWritten ? flag : QString()) << c.option;
        EXPECT_EQ(imagePath(page, QStringLiteral("imgMiniNazionalita")), c.imagesWritten ? mini : QString()) << c.option;
    }
    // An empty code hides both flags but still names the folder's ".tga".
    state.OpzioneNazionalita = 1;
    ImpostaNazionalita(*ctx, page, QStringLiteral("Nazionalita"), QString());
    EXPECT_FALSE(imageVisible(page, QStringLiteral("imgNazionalita")));
    EXPECT_EQ(imagePath(page, QStringLiteral("imgNazionalita")), state.resources.CartellaNazionalita + QStringLiteral(".tga"));
    EXPECT_TRUE(messages.isEmpty()) << messages.join('\n').toStdString();
}

TEST_F(Pages, ClockFormatsAndTheParallelTurnTest) {
    clsKrono& k = state.krono();
    const char* formats[] = {"", "nz hh:mm:ss", "nz hh:mm:ss:d", "nz hh:mm:ss:dc", "nz hh:mm:ss:dcm", ""};
    for (int r = 0; r <= 5; ++r) {
        k.cGara.setRisoluzione(r);
        EXPECT_EQ(FormatoTempoRisoluzione(k), QLatin1String(formats[r])) << r;
    }
    const struct {
        bool parallel;
        const char* turn;
        bool expected;
    } cases[] = {{false, "PAR", false}, {true, "PAR", true}, {true, "qua", false}, {true, "Gar", false}};
    for (const auto& c : cases) {
        k.cGara.setParallelo(c.parallel);
        k.setTurnoCorrente(QLatin1String(c.turn));
        EXPECT_EQ(TurnoParallelo(*ctx), c.expected) << c.turn;
    }
}

}  // namespace
}  // namespace razudar::pagestest
