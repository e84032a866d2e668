#include <QFile>

#include <gtest/gtest.h>

#include "graphics/mirt_gra.h"
#include "gra_test_support.h"
#include "platform/renderer/plane_view.h"
#include "platform/renderer/video_board.h"

namespace razudar::gra_test {
namespace {

const QRect kRedText(100, 100, 200, 60);

bool isBlue(QRgb p) { return qAlpha(p) == 255 && qBlue(p) > 200 && qRed(p) < 60 && qGreen(p) < 60; }
bool isGreen(QRgb p) { return qAlpha(p) == 255 && qGreen(p) > 200 && qRed(p) < 60 && qBlue(p) < 60; }

struct Output : ::testing::Test {
    void SetUp() override {
        writePicture(QDir(c.folder()).filePath(QStringLiteral("blu.png")), 30, 20, Qt::blue);
        QJsonObject red = textObject("txtRosso", kRedText.x(), kRedText.y(), kRedText.width(), kRedText.height(),
                                     "MMMM");
        red[QStringLiteral("size")] = 48;
        red[QStringLiteral("color")] = 255;  // long form 0x00BBGGRR: red
        writePage(c.folder(), QStringLiteral("Rossa.smb"), {red, imageObject("imgBlu", 400, 300, "blu.png")});
        QJsonObject green = simpleObject("Fondo", "image", 0, 0, 720, 576);
        writePicture(QDir(c.folder()).filePath(QStringLiteral("verde.png")), 720, 576, Qt::green);
        green[QStringLiteral("file")] = QStringLiteral("verde.png");
        writePage(c.folder(), QStringLiteral("Verde.smb"), {green});
        // Big letters with a thick outline, for the outline colour.
        QJsonObject outlined = textObject("txtContorno", 100, 100, 400, 120, "MMMM");
        outlined[QStringLiteral("size")] = 72;
        outlined[QStringLiteral("color")] = 65280;  // green
        outlined[QStringLiteral("outlineWidth")] = 8;
        writePage(c.folder(), QStringLiteral("Contorno.smb"), {outlined});
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

TEST_F(Output, RedTextLiesInsideItsRectangleAndNowhereElse) {
    show("Rossa", 0);
    const QImage frame = c.composedFrame();
    ASSERT_EQ(frame.size(), QSize(720, 576));
    const QRect red = boundingBox(frame, isRed);
    EXPECT_FALSE(red.isEmpty());
    EXPECT_TRUE(kRedText.contains(red)) << red.x() << "," << red.y() << " " << red.width() << "x" << red.height();
    EXPECT_GT(red.width(), 100);
    EXPECT_TRUE(isTransparent(frame.pixel(50, 50)));
}

TEST_F(Output, ColourCodesReachThePictureInTheirLongForm) {
    // Set and read back alike, a swapped channel order would go unseen: look at the pixels.
    // Long form 0x00BBGGRR: 16711680 is blue, 65280 green.
    show("Rossa", 0);
    call(g, "setProprietaTesto", {"Rossa", "txtRosso", 2, 16711680});
    const QImage text = c.composedFrame().copy(kRedText);  // the page's blue picture lies outside
    EXPECT_FALSE(boundingBox(text, isBlue).isEmpty());
    EXPECT_TRUE(boundingBox(text, isRed).isEmpty());
}

TEST_F(Output, OutlineColourCodeReachesThePictureInItsLongForm) {
    show("Contorno", 0);
    call(g, "setProprietaTesto", {"Contorno", "txtContorno", 15, 255});  // red outline
    const QImage frame = c.composedFrame();
    EXPECT_FALSE(boundingBox(frame, isGreen).isEmpty());
    EXPECT_FALSE(boundingBox(frame, isRed).isEmpty());
    EXPECT_TRUE(boundingBox(frame, isBlue).isEmpty());
}

TEST_F(Output, ImageAlphaAndVisibilityShowInTheFrame) {
    show("Rossa", 0);
    ASSERT_TRUE(call(g, "StartPagina", {"Rossa"}).toBool());
    QImage frame = c.composedFrame();
    EXPECT_TRUE(isBlue(frame.pixel(410, 310)));
    EXPECT_TRUE(isTransparent(frame.pixel(399, 310)));
    EXPECT_TRUE(isTransparent(frame.pixel(430, 310)));

    call(g, "setProprietaImmagine", {"Rossa", "imgBlu", 14, 128});
    frame = c.composedFrame();
    EXPECT_NEAR(qAlpha(frame.pixel(410, 310)), 128, 2);

    call(g, "setProprietaImmagine", {"Rossa", "imgBlu", 4, false});
    call(g, "setProprietaTesto", {"Rossa", "txtRosso", 4, false});
    frame = c.composedFrame();
    EXPECT_TRUE(isTransparent(frame.pixel(410, 310)));
    EXPECT_TRUE(boundingBox(frame, isRed).isEmpty());
}

TEST_F(Output, SalvaSchermoWritesATgaThatReadsBackAsTheFrame) {
    show("Rossa", 0);
    const QString path = QDir(c.folder()).filePath(QStringLiteral("Export/frame.tga"));
    QDir(c.folder()).mkdir(QStringLiteral("Export"));
    call(g, "SalvaSchermo", {path});
    ASSERT_TRUE(c.events->messages.isEmpty()) << c.events->messages.join('\n').toStdString();
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray header = file.read(18);
    EXPECT_EQ(header[2], 2);                    // uncompressed true colour
    EXPECT_EQ(uchar(header[16]), 32);           // bits per pixel
    const QImage saved = QImage(path).convertToFormat(QImage::Format_ARGB32);
    ASSERT_EQ(saved.size(), QSize(720, 576));
    EXPECT_EQ(boundingBox(saved, isRed), boundingBox(c.composedFrame(), isRed));
    EXPECT_TRUE(isBlue(saved.pixel(410, 310)));
    EXPECT_TRUE(isTransparent(saved.pixel(5, 5)));

    call(g, "SalvaSchermo", {QDir(c.folder()).filePath(QStringLiteral("frame.xyz"))});
    ASSERT_EQ(c.events->messages.size(), 1);
    EXPECT_TRUE(c.events->messages[0].startsWith(QStringLiteral("SalvaSchermo: ")));
}

TEST_F(Output, VgaSwitchesThePlanesBetweenBoardAndPreviewPanes) {
    ASSERT_FALSE(g->property("VGA").toBool());
    show("Rossa", 0);
    EXPECT_FALSE(boundingBox(c.composedFrame(), isRed).isEmpty());

    call(g, "CancellaArea", {0});
    EXPECT_TRUE(boundingBox(c.composedFrame(), isRed).isEmpty());
    g->setProperty("VGA", true);
    EXPECT_TRUE(g->property("VGA").toBool());
    show("Rossa", 0);
    const QImage pane = c.control->objPiano(0)->surface()->frame().convertToFormat(QImage::Format_ARGB32);
    const QRect red = boundingBox(pane, isRed);
    EXPECT_FALSE(red.isEmpty());
    EXPECT_TRUE(kRedText.contains(red));
    // In preview mode the board's output does not get the plane.
    EXPECT_TRUE(boundingBox(c.composedFrame(), isRed).isEmpty());

    call(g, "CancellaArea", {0});
    const QImage cleared = c.control->objPiano(0)->surface()->frame().convertToFormat(QImage::Format_ARGB32);
    EXPECT_TRUE(cleared.isNull() || boundingBox(cleared, isRed).isEmpty());

    g->setProperty("VGA", false);
    show("Rossa", 0);
    EXPECT_FALSE(boundingBox(c.composedFrame(), isRed).isEmpty());
    EXPECT_TRUE(c.events->messages.isEmpty()) << c.events->messages.join('\n').toStdString();
}

TEST_F(Output, AggiornaMonitorInPreviewDrawsPlaneZeroOnly) {
    g->setProperty("VGA", true);
    show("Rossa", 0);
    show("Verde", 1);
    const auto pane = [&](int plane) { return c.control->objPiano(plane)->surface()->frameCount(); };
    const quint64 zero = pane(0);
    const quint64 one = pane(1);
    call(g, "AggiornaMonitor");
    EXPECT_GT(pane(0), zero);
    EXPECT_EQ(pane(1), one);
    // With plane 0 empty nothing is drawn.
    call(g, "CancellaArea", {0});
    const quint64 cleared = pane(0);
    call(g, "AggiornaMonitor");
    EXPECT_EQ(pane(0), cleared);
    EXPECT_EQ(pane(1), one);
    EXPECT_TRUE(c.events->messages.isEmpty()) << c.events->messages.join('\n').toStdString();
}

TEST_F(Output, HostDeclaredBoardAbsenceAlsoMeansPreview) {
    g->setProperty("booSchedaVideoAssente", true);
    g->setProperty("VGA", false);
    show("Rossa", 0);
    EXPECT_FALSE(boundingBox(c.control->objPiano(0)->surface()->frame().convertToFormat(QImage::Format_ARGB32), isRed)
                     .isEmpty());
    EXPECT_TRUE(boundingBox(c.composedFrame(), isRed).isEmpty());
}

TEST_F(Output, PlaneOneIsComposedOnlyWhileLayerOneIsActive) {
    show("Rossa", 0);
    show("Verde", 1);
    EXPECT_FALSE(g->property("Piano1Attivo").toBool());
    EXPECT_TRUE(isTransparent(c.composedFrame().pixel(5, 5)));
    g->setProperty("Piano1Attivo", true);
    EXPECT_TRUE(g->property("Piano1Attivo").toBool());
    const QImage both = c.composedFrame();
    EXPECT_TRUE(isGreen(both.pixel(5, 5)));
    EXPECT_TRUE(boundingBox(both, isRed).isEmpty());  // plane 1 covers plane 0
    g->setProperty("Piano1Attivo", false);
    EXPECT_FALSE(boundingBox(c.composedFrame(), isRed).isEmpty());
}

TEST_F(Output, PreviewsOfPlanesAndPageFiles) {
    show("Rossa", 0);
    QImage thumb(360, 288, QImage::Format_ARGB32_Premultiplied);
    thumb.fill(Qt::transparent);
    EXPECT_TRUE(call(g, "PreviewPiano", {0, QVariant::fromValue(&thumb), 360, 288}).toBool());
    const QRect red = boundingBox(thumb.convertToFormat(QImage::Format_ARGB32), isRed);
    EXPECT_FALSE(red.isEmpty());
    EXPECT_TRUE(QRect(50, 50, 100, 30).contains(red));

    QImage other(360, 288, QImage::Format_ARGB32_Premultiplied);
    other.fill(Qt::transparent);
    EXPECT_FALSE(call(g, "PreviewPiano", {2, QVariant::fromValue(&other), 360, 288}).toBool());
    EXPECT_TRUE(c.events->messages.isEmpty());
    call(g, "PreviewPagina", {"Rossa", QVariant::fromValue(&other), 360, 288});
    EXPECT_EQ(boundingBox(other.convertToFormat(QImage::Format_ARGB32), isRed), red);

    // A page file drawn as designed, without loading it.
    QImage design(720, 576, QImage::Format_ARGB32_Premultiplied);
    design.fill(Qt::transparent);
    call(g, "Anteprima", {QVariant(QStringLiteral("verde")), QVariant::fromValue(&design), 720, 576});
    EXPECT_TRUE(isGreen(design.pixel(300, 300)));
    EXPECT_EQ(call(g, "StatoPiano", {1}).toInt(), 0);
    call(g, "Anteprima", {QVariant(QStringLiteral("Blu")), QVariant::fromValue(&design), 720, 576});
    EXPECT_EQ(c.events->messages, QStringList{"Anteprima: Pagina='Blu' non trovata su elenco pagine"});
}

// Two pages with a text object of the same place and style: a clock on one, a plain text on the
// other. The clock shows its time exactly as the text shows the expected digits.
struct ClockFormats : ::testing::Test {
    void SetUp() override {
        for (const char* page : {"Orologio", "Testo"}) {
            QJsonObject o = textObject("txt", 20, 20, 400, 60, "");
            o[QStringLiteral("size")] = 40;
            writePage(c.folder(), QString::fromLatin1(page) + QStringLiteral(".smb"), {o});
        }
        c.start();
        g = c.control.get();
    }
    QImage clockFrame(qint32 ms, const QString& stopFormat, int sign) {
        EXPECT_TRUE(call(g, "CaricaPagina", {"Orologio", 0}).toBool());
        call(g, "setProprietaTesto", {"Orologio", "txt", 9, stopFormat});
        call(g, "setProprietaTesto", {"Orologio", "txt", 7, sign});
        call(g, "setProprietaTesto", {"Orologio", "txt", 6, ms});
        EXPECT_TRUE(call(g, "VisualizzaPagina", {"Orologio"}).toBool());
        return c.composedFrame();
    }
    QImage textFrame(const QString& text) {
        EXPECT_TRUE(call(g, "CaricaPagina", {"Testo", 0}).toBool());
        call(g, "setProprietaTesto", {"Testo", "txt", 0, text});
        EXPECT_TRUE(call(g, "VisualizzaPagina", {"Testo"}).toBool());
        const QImage frame = c.composedFrame();
        EXPECT_FALSE(boundingBox(frame, [](QRgb p) { return qAlpha(p) != 0; }).isEmpty()) << text.toStdString();
        return frame;
    }

    DirectControl c;
    QObject* g = nullptr;
};

TEST_F(ClockFormats, StoppedClockShowsItsTimeCutToEveryResolution) {
    const std::array<std::pair<const char*, const char*>, 4> cases = {{{"nz hh:mm:ss", "1:23"},
                                                                      {"nz hh:mm:ss:d", "1:23.4"},
                                                                      {"nz hh:mm:ss:dc", "1:23.45"},
                                                                      {"nz hh:mm:ss:dcm", "1:23.459"}}};
    for (const auto& [format, shown] : cases) {
        const QImage clock = clockFrame(83459, QString::fromLatin1(format), 0);
        EXPECT_EQ(clock, textFrame(QString::fromLatin1(shown))) << format;
    }
    EXPECT_EQ(call(g, "ProprietaTesto", {"Testo", "txt", 0}).toString(), QStringLiteral("1:23.459"));
    EXPECT_TRUE(c.events->messages.isEmpty()) << c.events->messages.join('\n').toStdString();
}

TEST_F(ClockFormats, SignAndNegativeTimes) {
    EXPECT_EQ(clockFrame(5329, QStringLiteral("nz hh:mm:ss:dc"), 1), textFrame(QStringLiteral("+5.32")));
    EXPECT_EQ(clockFrame(-5329, QStringLiteral("nz hh:mm:ss:dc"), 0), textFrame(QStringLiteral("-5.32")));
    EXPECT_EQ(clockFrame(3723999, QStringLiteral("hh:mm:ss:dc"), 0), textFrame(QStringLiteral("01:02:03.99")));
}

TEST_F(ClockFormats, StoppedClockDoesNotMoveWithTheReferenceClock) {
    const QImage before = clockFrame(61000, QStringLiteral("nz hh:mm:ss:d"), 0);
    c.fakes.clock.advanceMs(10000);
    ASSERT_TRUE(call(g, "StartPagina", {"Orologio"}).toBool());
    EXPECT_EQ(call(g, "ProprietaTesto", {"Orologio", "txt", 6}).toInt(), 61000);
    EXPECT_EQ(c.composedFrame(), before);
    EXPECT_EQ(before, textFrame(QStringLiteral("1:01.0")));
}

}  // namespace
}  // namespace razudar::gra_test
