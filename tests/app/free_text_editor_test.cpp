// The free-text page editors over a real race database: saving, clearing, cancelling, the close
// box, and the row buttons that put a row on air.
#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>

#include <gtest/gtest.h>

#include "app/editors/free_text_page.h"
#include "app/editors/frm_pagina_testo.h"
#include "tables/window_db_fixture.h"
#include "screenshots.h"

namespace razudar::testing {
namespace {

struct Recorded {
    QString pagina;
    QStringList testi;
};

class RecordingChoice : public FreeTextChoice {
public:
    void recordChosenRow(const QString& pagina, const QStringList& testi) override {
        calls.push_back({pagina, testi});
    }
    std::vector<Recorded> calls;
};

// Keys as the operator types them into `box` (letters only).
void type(QWidget* box, const QString& letters) {
    for (const QChar c : letters) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_A + (c.toUpper().unicode() - u'A'), Qt::NoModifier, QString(c));
        QApplication::sendEvent(box, &press);
    }
}
void press(QWidget* box, Qt::Key key, int times = 1) {
    for (int i = 0; i < times; ++i) {
        QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier);
        QApplication::sendEvent(box, &event);
    }
}

class FreeTextEditorTest : public ::testing::Test {
protected:
    QString stored(const QString& table, const QString& field) {
        db::RowReader r = race.db().openReader(QStringLiteral("SELECT %1 FROM %2").arg(field, table));
        return r.atEnd() ? QStringLiteral("<no row>") : r.value(0).toString();
    }
    int rows(const QString& table) {
        return int(race.db().openReader(QStringLiteral("SELECT count(*) FROM ") + table).value(0).toLongLong());
    }
    // Opens page code `codice`, lets `operate` act on the editor while it is shown, and
    // returns whether a row went on air.
    bool open(qint16 codice, const std::function<void(frmPaginaTesto&)>& operate) {
        race.fakes.dialogs.answer<frmPaginaTesto>([operate](frmPaginaTesto& e) {
            e.show();
            operate(e);
        });
        return PaginaTestoLibero(codice, race.state, race.fakes.prompter, onAir, nullptr, &race.fakes.dialogs);
    }
    bool storedNull(const QString& table, const QString& field) {
        return race.db().openReader(QStringLiteral("SELECT %1 IS NULL FROM %2").arg(field, table)).value(0).toInt() == 1;
    }
    WindowRaceDatabase race;  // the schema holds one record in each free-text table
    RecordingChoice onAir;
};

TEST_F(FreeTextEditorTest, RowButtonSavesEveryBoxAndPutsTheTrimmedRowOnAir) {
    const bool chosen = open(kCodicePaginaBassa, [](frmPaginaTesto& e) {
        EXPECT_EQ(e.windowTitle(), QStringLiteral("Pagina Bassa"));
        EXPECT_EQ(e.numeroTesti(), 32);
        e.txtTesto(1)->setText(QStringLiteral("Altrove"));
        e.txtTesto(17)->setText(QStringLiteral("  Meteo  "));
        e.txtTesto(20)->setText(QStringLiteral("Neve fresca"));
        screenshots::save(e.grab(), QStringLiteral("pagina_bassa"));
        e.cmdTesto(5)->click();
    });
    EXPECT_TRUE(chosen);
    ASSERT_EQ(onAir.calls.size(), 1u);
    EXPECT_EQ(onAir.calls[0].pagina, QStringLiteral("PaginaBassa"));
    EXPECT_EQ(onAir.calls[0].testi, (QStringList{"Meteo", "", "", "Neve fresca"}));
    EXPECT_EQ(stored("TipiGraficaPagineBasse", "gr_Testo1"), QStringLiteral("Altrove"));
    EXPECT_EQ(stored("TipiGraficaPagineBasse", "gr_Testo17"), QStringLiteral("  Meteo  "));
    EXPECT_TRUE(race.fakes.prompter.shown().empty());
}

TEST_F(FreeTextEditorTest, EmptyRowGoesOnAirToo) {
    EXPECT_TRUE(open(kCodicePaginaPiena, [](frmPaginaTesto& e) { e.cmdTesto(8)->click(); }));
    ASSERT_EQ(onAir.calls.size(), 1u);
    EXPECT_EQ(onAir.calls[0].pagina, QStringLiteral("PaginaPiena"));
    EXPECT_EQ(onAir.calls[0].testi, (QStringList{"", "", ""}));
}

TEST_F(FreeTextEditorTest, ClearRowEmptiesItsBoxesOnlyUntilSaved) {
    race.db().execute(QStringLiteral("UPDATE TipiGraficaPagineBasse SET gr_Testo8 = 'a', gr_Testo9 = 'b', gr_Testo12 = 'c', gr_Testo13 = 'd'"));
    open(kCodicePaginaBassa, [&](frmPaginaTesto& e) {
        e.cmdPulisci(3)->click();
        for (int i = 9; i <= 12; ++i) EXPECT_EQ(e.txtTesto(i)->text(), QString()) << i;
        EXPECT_EQ(e.txtTesto(8)->text(), QStringLiteral("a"));
        EXPECT_EQ(e.txtTesto(13)->text(), QStringLiteral("d"));
        EXPECT_EQ(stored("TipiGraficaPagineBasse", "gr_Testo9"), QStringLiteral("b"));  // nothing saved yet
        e.cmdSalva()->click();
        EXPECT_TRUE(e.isVisible());  // the window stays open
        EXPECT_EQ(stored("TipiGraficaPagineBasse", "gr_Testo9"), QString());
        EXPECT_EQ(stored("TipiGraficaPagineBasse", "gr_Testo13"), QStringLiteral("d"));
        e.cmdAnnulla()->click();
    });
    EXPECT_TRUE(onAir.calls.empty());
}

TEST_F(FreeTextEditorTest, CancelAndCloseBoxShowTheStoredTextsAndPutNothingOnAir) {
    race.db().execute(QStringLiteral("UPDATE TipiGraficaPaginePiene SET Gr_Testo1 = 'Titolo', Gr_Testo24 = 'Fine'"));
    const std::function<void(frmPaginaTesto&)> leaveBy[] = {
        [](frmPaginaTesto& e) { e.cmdAnnulla()->click(); },
        [](frmPaginaTesto& e) { e.close(); },
    };
    for (const auto& leave : leaveBy) {
        EXPECT_FALSE(open(kCodicePaginaPiena, [&](frmPaginaTesto& e) {
            e.cmdPulisciTutto()->click();
            EXPECT_EQ(e.txtTesto(24)->text(), QString());
            e.txtTesto(2)->setText(QStringLiteral("non salvato"));
            leave(e);
            EXPECT_FALSE(e.isVisible());
            EXPECT_FALSE(e.bRigaScelta);
            EXPECT_EQ(e.txtTesto(1)->text(), QStringLiteral("Titolo"));
            EXPECT_EQ(e.txtTesto(2)->text(), QString());
        }));
        EXPECT_EQ(stored("TipiGraficaPaginePiene", "Gr_Testo24"), QStringLiteral("Fine"));
        EXPECT_EQ(stored("TipiGraficaPaginePiene", "Gr_Testo2"), QString());
    }
    EXPECT_TRUE(onAir.calls.empty());
}

TEST_F(FreeTextEditorTest, SaveThenCancelKeepsTheSavedTexts) {
    open(kCodicePaginaPiena, [](frmPaginaTesto& e) {
        e.txtTesto(4)->setText(QStringLiteral("Salvato"));
        e.cmdSalva()->click();
        e.txtTesto(4)->setText(QStringLiteral("Poi cambiato"));
        e.cmdAnnulla()->click();
        EXPECT_EQ(e.txtTesto(4)->text(), QStringLiteral("Salvato"));
    });
    EXPECT_EQ(stored("TipiGraficaPaginePiene", "Gr_Testo4"), QStringLiteral("Salvato"));
    EXPECT_TRUE(onAir.calls.empty());
}

TEST_F(FreeTextEditorTest, EmptyTableGetsItsRecordOnSave) {
    race.db().execute(QStringLiteral("DELETE FROM TipiGraficaPaginePiene"));
    EXPECT_TRUE(open(kCodicePaginaPiena, [](frmPaginaTesto& e) {
        EXPECT_EQ(e.txtTesto(1)->text(), QString());
        e.txtTesto(1)->setText(QStringLiteral("Benvenuti"));
        e.cmdTesto(1)->click();
    }));
    EXPECT_EQ(rows("TipiGraficaPaginePiene"), 1);
    EXPECT_EQ(stored("TipiGraficaPaginePiene", "Gr_Testo1"), QStringLiteral("Benvenuti"));
    ASSERT_EQ(onAir.calls.size(), 1u);
    EXPECT_EQ(onAir.calls[0].testi, (QStringList{"Benvenuti", "", ""}));
}

TEST_F(FreeTextEditorTest, BoxesTakeAtMostFiftyCharactersAndSelectAllOnFocus) {
    race.db().execute(QStringLiteral("UPDATE TipiGraficaPaginePiene SET Gr_Testo5 = 'Slalom'"));
    open(kCodicePaginaPiena, [](frmPaginaTesto& e) {
        // A click gives the focus (a tab would select the text anyway).
        QFocusEvent focusIn(QEvent::FocusIn, Qt::MouseFocusReason);
        QApplication::sendEvent(e.txtTesto(5), &focusIn);
        QApplication::processEvents();
        EXPECT_EQ(e.txtTesto(5)->selectedText(), QStringLiteral("Slalom"));
        e.txtTesto(1)->setFocus();
        e.txtTesto(1)->insert(QString(60, u'x'));
        EXPECT_EQ(e.txtTesto(1)->text().size(), 50);
        EXPECT_EQ(e.txtTesto(24)->maxLength(), 50);
        e.cmdAnnulla()->click();
    });
}

// A text stored longer than a box lets the operator type (written by another tool, or by an
// older version).
const QString kTestoLungo = QStringLiteral("Coppa del Mondo di sci alpino - Slalom gigante maschile, 1a run");

TEST_F(FreeTextEditorTest, ALongStoredTextIsShownWholeAndSavedBackUntouched) {
    ASSERT_EQ(kTestoLungo.size(), 63);
    race.db().execute(QStringLiteral("UPDATE TipiGraficaPaginePiene SET Gr_Testo1 = '%1', Gr_Testo2 = NULL, "
                                     "Gr_Testo4 = 'Breve', Gr_Testo7 = '%1'").arg(kTestoLungo));
    EXPECT_TRUE(open(kCodicePaginaPiena, [&](frmPaginaTesto& e) {
        EXPECT_EQ(e.txtTesto(1)->text(), kTestoLungo);
        EXPECT_EQ(e.txtTesto(7)->text(), kTestoLungo);
        e.txtTesto(4)->setText(QStringLiteral("Cambiato"));
        e.resize(e.sizeHint());
        screenshots::save(e.grab(), QStringLiteral("pagina_piena_testo_lungo"));
        e.cmdSalva()->click();
        EXPECT_EQ(stored("TipiGraficaPaginePiene", "Gr_Testo1"), kTestoLungo);
        EXPECT_TRUE(storedNull("TipiGraficaPaginePiene", "Gr_Testo2"));  // not made an empty text
        EXPECT_EQ(stored("TipiGraficaPaginePiene", "Gr_Testo4"), QStringLiteral("Cambiato"));
        // An edited long text is written as it is shown.
        e.txtTesto(7)->setText(kTestoLungo.left(62));
        e.cmdTesto(1)->click();
    }));
    EXPECT_EQ(stored("TipiGraficaPaginePiene", "Gr_Testo7"), kTestoLungo.left(62));
    EXPECT_EQ(stored("TipiGraficaPaginePiene", "Gr_Testo1"), kTestoLungo);
    ASSERT_EQ(onAir.calls.size(), 1u);
    EXPECT_EQ(onAir.calls[0].testi, (QStringList{kTestoLungo, "", ""}));  // the whole text goes on air
    EXPECT_TRUE(race.fakes.prompter.shown().empty());
}

TEST_F(FreeTextEditorTest, TypingStopsAtFiftyAndNeverLengthensALongerText) {
    race.db().execute(QStringLiteral("UPDATE TipiGraficaPagineBasse SET gr_Testo1 = '%1'").arg(kTestoLungo));
    const QString letters = QStringLiteral("abcdefghijklmnopqrstuvwxyzabcdefghijklmnopqrstuvwxyzabcdefgh");
    open(kCodicePaginaBassa, [&](frmPaginaTesto& e) {
        QLineEdit* empty = e.txtTesto(2);
        type(empty, letters);
        EXPECT_EQ(empty->text(), letters.left(50));

        QLineEdit* longer = e.txtTesto(1);
        longer->end(false);
        type(longer, QStringLiteral("abc"));
        EXPECT_EQ(longer->text(), kTestoLungo);  // full: nothing typed goes in
        press(longer, Qt::Key_Backspace, 3);
        type(longer, QStringLiteral("xyz"));
        EXPECT_EQ(longer->text(), kTestoLungo.left(60));  // shortened, not lengthened again
        press(longer, Qt::Key_Home);
        press(longer, Qt::Key_Delete, 20);
        type(longer, QStringLiteral("xyzxyzxyzxyzxyz"));
        EXPECT_EQ(longer->text(), QStringLiteral("xyzxyzxyzx") + kTestoLungo.mid(20, 40));  // 50 at most now
        e.cmdPulisci(1)->click();
        type(longer, letters);
        EXPECT_EQ(longer->text(), letters.left(50));
        e.cmdAnnulla()->click();
        EXPECT_EQ(longer->text(), kTestoLungo);  // the stored text shown whole again
    });
    EXPECT_EQ(stored("TipiGraficaPagineBasse", "gr_Testo1"), kTestoLungo);
}

TEST_F(FreeTextEditorTest, MissingTableIsReportedAndNothingGoesOnAir) {
    race.db().execute(QStringLiteral("DROP TABLE TipiGraficaPagineBasse"));
    bool shown = false;
    EXPECT_FALSE(open(kCodicePaginaBassa, [&](frmPaginaTesto&) { shown = true; }));
    EXPECT_FALSE(shown);
    ASSERT_EQ(race.fakes.prompter.shown().size(), 1u);
    EXPECT_TRUE(race.fakes.prompter.texts()[0].startsWith(QStringLiteral("Impossibile leggere i testi della pagina: errore del database ")));
    EXPECT_TRUE(onAir.calls.empty());
    EXPECT_FALSE(open(17, [&](frmPaginaTesto&) { shown = true; }));
    EXPECT_FALSE(shown);
}

}  // namespace
}  // namespace razudar::testing
