#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "platform/fakes/fake_services.h"
#include "platform/renderer/page_file.h"
#include "platform/renderer/renderer.h"
#include "renderer_test_support.h"

using namespace razudar;
using namespace razudar::renderer;

namespace {

QString parseError(const QByteArray& text) {
    QString error;
    const auto page = parsePage(text, QStringLiteral("p.smb"), &error);
    return page ? QStringLiteral("<ok>") : error;
}

QByteArray page(const QByteArray& objects) {
    return R"({"format": "razudar-page", "version": 1, "objects": )" + objects + "}";
}

}  // namespace

TEST(PageFile, TextThatIsNoPageGivesAClearError) {
    EXPECT_EQ(parseError(""), "Il file 'p.smb' non è una pagina valida: testo non valido alla riga 1 (valore non valido)");
    EXPECT_EQ(parseError("[1, 2]"), "Il file 'p.smb' non è una pagina valida: il testo non è un oggetto JSON");
    EXPECT_EQ(parseError(R"({"version": 1, "objects": []})"),
              "Il file 'p.smb' non è una pagina valida: manca \"format\": \"razudar-page\"");
    EXPECT_EQ(parseError(R"({"format": "razudar-page", "version": 2, "objects": []})"),
              "Il file 'p.smb' non è una pagina valida: versione 2 non gestita (gestita: 1)");
    EXPECT_EQ(parseError(R"({"format": "razudar-page", "version": 1})"),
              "Il file 'p.smb' non è una pagina valida: manca l'elenco degli oggetti (campo 'objects')");
    EXPECT_EQ(parseError(R"({"format": "razudar-page", "version": 1, "objects": [], "extra": 1})"),
              "Il file 'p.smb' non è una pagina valida: campo sconosciuto 'extra'");
}

TEST(PageFile, BadObjectsNameTheObjectAndTheField) {
    EXPECT_EQ(parseError(page(R"([{"type": "text"}])")),
              "Il file 'p.smb' non è una pagina valida: oggetto 0: manca il nome (campo 'name')");
    EXPECT_EQ(parseError(page(R"([{"name": "A", "type": "video"}])")),
              "Il file 'p.smb' non è una pagina valida: oggetto 0 ('A'): tipo 'video' sconosciuto "
              "(text, animation, image, crawl, roll, clock, clip, dve)");
    EXPECT_EQ(parseError(page(R"([{"name": "A", "type": "text", "alpha": 300}])")),
              "Il file 'p.smb' non è una pagina valida: oggetto 0 ('A'): il campo 'alpha' deve essere un numero "
              "intero da 0 a 255");
    EXPECT_EQ(parseError(page(R"([{"name": "A", "type": "image", "text": "x"}])")),
              "Il file 'p.smb' non è una pagina valida: oggetto 0 ('A'): campo sconosciuto 'text'");
    EXPECT_EQ(parseError(page(R"([{"name": "A", "type": "text", "color": "red"}])")),
              "Il file 'p.smb' non è una pagina valida: oggetto 0 ('A'): il campo 'color' deve essere un colore "
              "\"#RRGGBB\" o un numero 0x00BBGGRR");
    EXPECT_EQ(parseError(page(R"([{"name": "A", "type": "text", "runFormat": "hh"}])")),
              "Il file 'p.smb' non è una pagina valida: oggetto 0 ('A'): il campo 'runFormat' non è un formato di "
              "orologio ('hh')");
    EXPECT_EQ(parseError(page(R"([{"name": "A", "type": "text"}, {"name": " a ", "type": "image"}])")),
              "Il file 'p.smb' non è una pagina valida: oggetto 1: il nome 'a' è già usato");
    EXPECT_EQ(parseError(page(R"([{"name": "A", "type": "crawl", "speed": 0}])")),
              "Il file 'p.smb' non è una pagina valida: oggetto 0 ('A'): il campo 'speed' deve essere maggiore di 0 "
              "e al massimo 10000");
}

TEST(PageFile, ColoursReadInBothForms) {
    QString error;
    const auto p = parsePage(page(R"([{"name": "A", "type": "text", "color": "#FF0000", "outlineColor": 16711680}])"),
                             "p.smb", &error);
    ASSERT_TRUE(p) << error.toStdString();
    EXPECT_EQ(p->objects[0].style.colour, 255);            // red in the long form
    EXPECT_EQ(p->objects[0].style.outlineColour, 0xFF0000);  // blue
}

TEST(PageFile, MissingFileAndFailedLoadKeepThePageHeldBefore) {
    QTemporaryDir dir;
    FakeClock clock;
    Renderer renderer(clock);
    const QString good = rtest::writePage(dir.path(), "good.smb", R"([{"name": "A", "type": "text"}])");
    ASSERT_TRUE(renderer.LoadPage(good));

    const QString missing = dir.path() + "/missing.smb";
    EXPECT_FALSE(renderer.LoadPage(missing));
    EXPECT_TRUE(renderer.lastError().startsWith("Impossibile leggere il file di pagina '" + missing + "': "));

    QFile bad(dir.path() + "/bad.smb");
    ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
    bad.write("\x00\xff garbage", 10);
    bad.close();
    EXPECT_FALSE(renderer.LoadPage(bad.fileName()));
    EXPECT_TRUE(renderer.lastError().startsWith("Il file '" + bad.fileName() + "' non è una pagina valida: "));

    qint32 count = 0;
    ASSERT_TRUE(renderer.GetObjectCount(count));
    EXPECT_EQ(count, 1);
}

TEST(PageFile, SavedPageLoadsBackWithEveryChange) {
    QTemporaryDir dir;
    FakeClock clock;
    Renderer renderer(clock);
    const QString path = rtest::writePage(dir.path(), "p.smb", R"([
        {"name": "Titolo", "type": "text", "x": 1, "y": 2, "w": 300, "h": 40, "alpha": 200, "text": "Ciao",
         "font": "DejaVu Sans", "size": 30, "bold": true, "color": 255, "outlineColor": -2147483640,
         "outlineWidth": 2, "align": "right", "valign": "bottom", "shrinkToFit": true,
         "runFormat": "nz hh:mm:ss:d", "stopFormat": "hh:mm:ss", "showSign": true},
        {"name": "Foto", "type": "image", "file": "a/b.png", "stretch": true, "w": 5, "h": 6, "visible": false},
        {"name": "Scorre", "type": "crawl", "text": "news", "speed": 80.5},
        {"name": "Ora", "type": "clock", "timeFormat": "hh:mm"},
        {"name": "Ani", "type": "animation", "file": "x.avi"},
        {"name": "Film", "type": "clip", "file": "y.avi"},
        {"name": "Dve", "type": "dve"}])");
    ASSERT_TRUE(renderer.LoadPage(path)) << renderer.lastError().toStdString();
    ASSERT_TRUE(renderer.SetText("Titolo", "Nuovo"));
    ASSERT_TRUE(renderer.SetObjectRect("Foto", 10, 20, 30, 40));
    const QString saved = dir.path() + "/saved.smb";
    ASSERT_TRUE(renderer.SavePage(saved)) << renderer.lastError().toStdString();

    QString error;
    const auto original = readPageFile(path, &error);
    const auto again = readPageFile(saved, &error);
    ASSERT_TRUE(original && again) << error.toStdString();
    ASSERT_EQ(again->objects.size(), 7u);
    const ObjectDefinition& t = again->objects[0];
    EXPECT_EQ(t.text, "Nuovo");
    EXPECT_EQ(t.style.outlineColour, -2147483640);
    EXPECT_EQ(t.style.hAlign, HAlign::Right);
    EXPECT_EQ(t.style.vAlign, VAlign::Bottom);
    EXPECT_TRUE(t.style.shrinkToFit && t.style.bold && t.showSign);
    EXPECT_EQ(t.runFormat, "nz hh:mm:ss:d");
    EXPECT_EQ(t.layout.alpha, 200);
    const ObjectDefinition& f = again->objects[1];
    EXPECT_EQ(f.layout.x, 10);
    EXPECT_EQ(f.layout.h, 40);
    EXPECT_FALSE(f.visible);
    EXPECT_EQ(f.path, "a/b.png");
    EXPECT_DOUBLE_EQ(again->objects[2].scrollSpeed, 80.5);
    EXPECT_EQ(again->objects[3].timeFormat, "hh:mm");
    EXPECT_EQ(again->objects[6].layout.type, ObjectType::Dve);
    // Everything not changed is as in the original.
    EXPECT_EQ(serializePage(*again).size() > 0, true);
    PageDefinition expected = *original;
    expected.objects[0].text = "Nuovo";
    expected.objects[1].layout.x = 10;
    expected.objects[1].layout.y = 20;
    expected.objects[1].layout.w = 30;
    expected.objects[1].layout.h = 40;
    EXPECT_EQ(serializePage(expected), serializePage(*again));
}

TEST(PageFile, ObjectsAreFoundIgnoringCaseAndBlanksAndByIndex) {
    QTemporaryDir dir;
    FakeClock clock;
    Renderer renderer(clock);
    const QString path = rtest::writePage(dir.path(), "p.smb", R"([
        {"name": "Primo", "type": "text", "x": 5},
        {"name": "0", "type": "image", "x": 7}])");
    ASSERT_TRUE(renderer.LoadPage(path));
    ObjectLayout layout;
    ASSERT_TRUE(renderer.GetObjectLayout("  pRIMO ", layout));
    EXPECT_EQ(layout.name, "Primo");
    EXPECT_EQ(layout.type, ObjectType::Text);
    // Digits are an index first: "0" is the first object, "1" the second.
    ASSERT_TRUE(renderer.GetObjectLayout("0", layout));
    EXPECT_EQ(layout.name, "Primo");
    ASSERT_TRUE(renderer.GetObjectLayout("1", layout));
    EXPECT_EQ(layout.x, 7);
    EXPECT_FALSE(renderer.GetObjectLayout("2", layout));
    EXPECT_EQ(renderer.lastError(), "Oggetto '2' non trovato nella pagina");
    EXPECT_FALSE(renderer.GetObjectLayoutAt(2, layout));
    EXPECT_EQ(renderer.lastError(), "Indice di oggetto 2 fuori dall'intervallo 0..1");
}

TEST(PageFile, RecordsOfAnotherTypeFailAndLayoutIsChecked) {
    QTemporaryDir dir;
    FakeClock clock;
    Renderer renderer(clock);
    const QString path = rtest::writePage(dir.path(), "p.smb", R"([
        {"name": "T", "type": "text"}, {"name": "I", "type": "image"}])");
    ASSERT_TRUE(renderer.LoadPage(path));
    TextRecord text;
    EXPECT_FALSE(renderer.GetTextRecord("I", text));
    EXPECT_EQ(renderer.lastError(), "L'oggetto 'I' (immagine) non ha uno stile di testo");
    ImageRecord image;
    EXPECT_FALSE(renderer.GetImageRecord("T", image));
    EXPECT_EQ(renderer.lastError(), "L'oggetto 'T' (testo) non ha un record immagine");
    QString s;
    EXPECT_FALSE(renderer.SetText("I", "x"));
    ObjectLayout layout;
    ASSERT_TRUE(renderer.GetObjectLayout("T", layout));
    layout.alpha = 256;
    EXPECT_FALSE(renderer.SetObjectLayout("T", layout));
    EXPECT_EQ(renderer.lastError(), "Alpha 256 fuori dall'intervallo 0..255");
    EXPECT_FALSE(renderer.SetObjectRect("T", 0, 0, -1, 5));
    EXPECT_EQ(renderer.lastError(), "Dimensioni negative non ammesse (-1 x 5)");
}
