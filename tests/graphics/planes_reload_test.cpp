#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include "graphics/mirt_gra.h"
#include "gra_test_support.h"
#include "platform/renderer/video_board.h"

namespace razudar::gra_test {
namespace {

bool isBlue(QRgb p) { return qAlpha(p) == 255 && qBlue(p) > 200 && qRed(p) < 60 && qGreen(p) < 60; }

// Two pages: a red box on the left ("Rossa") and a blue box on the right ("Blu").
struct TwoPages : ::testing::Test {
    void SetUp() override {
        writePicture(c.folder() + "/rosso.png", 100, 100, Qt::red);
        writePicture(c.folder() + "/blu.png", 100, 100, Qt::blue);
        writePage(c.folder(), "Rossa.smb", {imageObject("imgRosso", 50, 50, "rosso.png")});
        writePage(c.folder(), "Blu.smb", {imageObject("imgBlu", 500, 50, "blu.png")});
        c.start();
        g = c.control.get();
    }
    void show(const char* page, int plane) {
        ASSERT_TRUE(call(g, "CaricaPagina", {page, plane}).toBool());
        ASSERT_TRUE(call(g, "VisualizzaPagina", {page}).toBool());
    }
    DirectControl c;
    QObject* g = nullptr;
};

TEST_F(TwoPages, PageMovedToTheOtherPlaneLeavesTheOldPlaneEmpty) {
    show("Rossa", 0);
    ASSERT_FALSE(boundingBox(c.composedFrame(), isRed).isEmpty());
    g->setProperty("Piano1Attivo", true);
    show("Rossa", 1);
    EXPECT_EQ(call(g, "StatoPiano", {0}).toInt(), 0);
    EXPECT_EQ(call(g, "IndicePaginaPiano", {0}).toInt(), -1);
    EXPECT_EQ(call(g, "StatoPiano", {1}).toInt(), 2);
    EXPECT_EQ(call(g, "PianoPagina", {"Rossa"}).toInt(), 1);
    c.composedFrame();
    EXPECT_TRUE(c.control->board()->layerFrame(0).isNull());
    EXPECT_EQ(boundingBox(c.composedFrame(), isRed), QRect(50, 50, 100, 100));
    EXPECT_TRUE(c.events->messages.isEmpty());
}

TEST_F(TwoPages, SalvaSchermoSavesThePlanesComposedAsOnAir) {
    show("Rossa", 0);
    show("Blu", 1);
    const QString path = c.folder() + "/uscita.png";
    call(g, "SalvaSchermo", {path});
    QImage saved = QImage(path).convertToFormat(QImage::Format_ARGB32);
    EXPECT_EQ(boundingBox(saved, isRed), QRect(50, 50, 100, 100));
    EXPECT_TRUE(boundingBox(saved, isBlue).isEmpty());  // layer 1 is off: not on air
    g->setProperty("Piano1Attivo", true);
    call(g, "SalvaSchermo", {path});
    saved = QImage(path).convertToFormat(QImage::Format_ARGB32);
    EXPECT_EQ(boundingBox(saved, isRed), QRect(50, 50, 100, 100));
    EXPECT_EQ(boundingBox(saved, isBlue), QRect(500, 50, 100, 100));
    // The same in preview mode, where the planes go to the panes and not to the board.
    g->setProperty("VGA", true);
    show("Blu", 1);
    call(g, "SalvaSchermo", {path});
    saved = QImage(path).convertToFormat(QImage::Format_ARGB32);
    EXPECT_EQ(boundingBox(saved, isBlue), QRect(500, 50, 100, 100));
    EXPECT_TRUE(c.events->messages.isEmpty()) << c.events->messages.join("|").toStdString();
}

TEST_F(TwoPages, ReloadingThePageTableKeepsEachPlaneOnItsOwnPage) {
    show("Rossa", 0);
    ASSERT_EQ(call(g, "IndicePaginaPiano", {0}).toInt(), 1);  // "Blu", "Rossa"
    // A new page listed before it shifts the slots.
    writePage(c.folder(), "Arancio.smb", {});
    ASSERT_TRUE(call(g, "CaricaFileDefinizioni", {c.folder()}).toBool());
    EXPECT_EQ(call(g, "IndicePaginaPiano", {0}).toInt(), 2);
    EXPECT_EQ(call(g, "NomePagina", {2}).toString(), "Rossa");
    EXPECT_EQ(call(g, "PianoPagina", {"Rossa"}).toInt(), 0);
    EXPECT_EQ(call(g, "PianoPagina", {"Blu"}).toInt(), -1);
    // Writes to the page still reach it, and removing it empties the plane.
    call(g, "setProprietaImmagine", {"Rossa", "imgRosso", 10, 60});
    EXPECT_EQ(call(g, "ProprietaImmagine", {"Rossa", "imgRosso", 10}).toInt(), 60);
    // Its file gone, the plane no longer names any page.
    ASSERT_TRUE(QFile::remove(c.folder() + "/Rossa.smb"));
    ASSERT_TRUE(call(g, "CaricaFileDefinizioni", {c.folder()}).toBool());
    EXPECT_EQ(call(g, "IndicePaginaPiano", {0}).toInt(), -1);
    call(g, "CancellaArea", {0});
    EXPECT_EQ(call(g, "StatoPiano", {0}).toInt(), 0);
    EXPECT_TRUE(boundingBox(c.composedFrame(), isRed).isEmpty());
}

}  // namespace
}  // namespace razudar::gra_test
