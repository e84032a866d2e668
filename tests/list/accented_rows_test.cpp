// The console's results list with only the fonts the set-up installs: the race model's preview
// written on a real control and drawn offscreen. Its rows are 0.8 of a row apart; an accented
// capital must stay clear of the capitals of the row above, or "DUPRÉ" reads as "DUPRE" with a
// mark under the row above.
#include <gtest/gtest.h>

#include <QFileInfo>
#include <QFontInfo>
#include <QImage>

#include <vector>

#include "list/stovak.h"
#include "model/krono.h"
#include "tests/list/font_sets.h"
#include "tests/list/list_test_support.h"
#include "tests/model/race_fixture.h"
#include "tests/screenshots.h"

namespace razudar {
namespace {

using list::Stovak;
using testing::chosenFontSet;

// Surnames in standing order: an accented one under each plain one, with the marks of the names
// seen on the list (acute, diaeresis, ring, tilde, cedilla).
const char* const kSurnames[] = {"Rossi", "Dupré",   "Bianchi", "Tschöll", "Verdi", "Émile",
                                 "Moro",  "Åström", "Gallo",   "Núñez",   "Ricci", "Çelik"};

// The top and bottom pixel rows that hold ink (a pixel not of the background), -1 when none.
struct InkRows {
    int top = -1;
    int bottom = -1;
};

bool blankRow(const QImage& picture, int y, QRgb background) {
    for (int x = 0; x < picture.width(); ++x)
        if ((picture.pixel(x, y) & 0xffffff) != (background & 0xffffff)) return false;
    return true;
}

InkRows inkRows(const QImage& picture, QRgb background) {
    InkRows ink;
    for (int y = 0; y < picture.height(); ++y) {
        if (blankRow(picture, y, background)) continue;
        if (ink.top < 0) ink.top = y;
        ink.bottom = y;
    }
    return ink;
}

// The surface of a control as the operator sees it, without the frame and the scroll bar.
QImage surfacePicture(Stovak& control) {
    QWidget* surface = control.childAt(control.contentsRect().topLeft() + QPoint(2, 2));
    return surface ? surface->grab().toImage() : QImage();
}

void place(Stovak& control) {
    control.resize(700, 360);
    control.show();
}

class AccentedRows : public ::testing::Test {
protected:
    void SetUp() override {
        test::setRace(k, 1, 3, 1);
        qint16 n = 0;
        for (const char* surname : kSurnames) {
            ++n;
            test::addCompetitor(k, n, qint16(20 + n), {QStringLiteral("SEN")})->setCognome(QString::fromUtf8(surname));
            test::setRun(k, n, 1, 0, 100000 + 250 * n);
        }
        k.ElaboraClassifiche();
    }

    clsKrono k;
    testing::RecordingLabel lbl;
};

TEST(ListFace, TheSetUpsFontsGiveTheListItsFace) {
    const auto set = chosenFontSet();
    for (const QString& folder : set.folders)
        if (!QFileInfo::exists(folder)) GTEST_SKIP() << folder.toStdString() << " is missing: run scripts/setup.sh";
    Stovak control;
    EXPECT_EQ(QFontInfo(control.Font()).family(), set.listFace);
}

TEST_F(AccentedRows, ABlankPixelRowSeparatesEachRowFromTheRowAbove) {
    const auto set = chosenFontSet();
    Stovak control;
    place(control);
    testing::StovakByName byName(&control);
    ASSERT_TRUE(byName.complete());
    k.VisualizzaPreview(byName, lbl, 1, QStringLiteral("XXXXX"));
    const QImage list = surfacePicture(control);
    ASSERT_FALSE(list.isNull());
    const QRgb background = list::rgbFromLong(control.BackColor());
    screenshots::save(list, QStringLiteral("console_list_accents_%1").arg(set.name));
    screenshots::save(list.copy(0, 0, 260, list.height()).scaled(780, list.height() * 3),
                      QStringLiteral("console_list_accents_%1_zoomed").arg(set.name));

    // Each row alone, where the preview wrote it, gives the pixel rows its own ink takes.
    testing::RecordingSurface recorded;
    k.VisualizzaPreview(recorded, lbl, 1, QStringLiteral("XXXXX"));
    const auto rows = recorded.writes();
    ASSERT_EQ(rows.size(), std::size(kSurnames));
    std::vector<InkRows> ink;
    for (const auto& row : rows) {
        Stovak alone;
        place(alone);
        alone.Pulisci();
        ASSERT_TRUE(alone.Scrivi(row.s, QVariant(), *row.args.p));
        ink.push_back(inkRows(surfacePicture(alone), background));
        ASSERT_GE(ink.back().top, 0) << row.s.toStdString();
    }

    for (size_t i = 1; i < rows.size(); ++i) {
        const QString pair = rows[i - 1].s.trimmed() + QStringLiteral(" / ") + rows[i].s.trimmed();
        EXPECT_GE(ink[i].top - ink[i - 1].bottom - 1, 1)
            << pair.toStdString() << ": the row's ink starts at pixel row " << ink[i].top
            << ", the ink of the row above ends at " << ink[i - 1].bottom << " (" << set.listFace.toStdString() << ")";
        // And on the list as drawn, those pixel rows are blank across its width.
        for (int y = ink[i - 1].bottom + 1; y < ink[i].top; ++y)
            EXPECT_TRUE(blankRow(list, y, background)) << pair.toStdString() << ", pixel row " << y;
    }
}

}  // namespace
}  // namespace razudar
