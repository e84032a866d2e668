// The plug-in loaded as the program loads it, its control reached by member names only.
#include <gtest/gtest.h>

#include <QDir>
#include <QImage>
#include <QMouseEvent>
#include <QPluginLoader>
#include <QApplication>
#include <QWidget>

#include "list/stovak.h"
#include "model/krono.h"
#include "platform/controls/control_factory.h"
#include "tests/list/list_test_support.h"
#include "tests/model/race_fixture.h"

namespace razudar {
namespace {

// Rows of the picture that hold a pixel of that colour (a dark one for black).
int rowsWithColour(const QImage& image, QRgb colour, int* lastRow = nullptr) {
    const auto matches = [colour](QRgb pixel) {
        return colour == qRgb(0, 0, 0) ? qGray(pixel) < 100 : (pixel & 0xffffff) == (colour & 0xffffff);
    };
    int rows = 0;
    // Inside the border, left of the scroll bar.
    for (int y = 1; y < image.height() - 1; ++y)
        for (int x = 2; x < image.width() - 40; ++x)
            if (matches(image.pixel(x, y))) {
                ++rows;
                if (lastRow) *lastRow = y;
                break;
            }
    return rows;
}

TEST(StovakPlugin, PreviewDrawnThroughMembersReachedByName) {
    QPluginLoader loader(QDir(QStringLiteral(RAZUDAR_PLUGIN_DIR)).filePath(QStringLiteral("Stovak")));
    ASSERT_TRUE(loader.load()) << loader.errorString().toStdString();
    auto* factory = qobject_cast<ControlFactory*>(loader.instance());
    ASSERT_NE(factory, nullptr);
    EXPECT_EQ(factory->className(), QStringLiteral("Stovak"));

    QWidget window;
    QWidget* control = factory->create(&window);
    ASSERT_NE(control, nullptr);
    control->resize(500, 200);
    window.show();
    testing::StovakByName lst(control);
    ASSERT_TRUE(lst.complete());
    testing::ClickCounter clicks;
    ASSERT_TRUE(QObject::connect(control, SIGNAL(Click()), &clicks, SLOT(onClick())));

    EXPECT_TRUE(control->setProperty("NumeroRighe", QStringLiteral("60")));
    EXPECT_EQ(control->property("NumeroRighe").toString(), QStringLiteral("60"));
    EXPECT_TRUE(control->setProperty("Value", 1000));
    const int maximum = control->property("Value").toInt();
    EXPECT_GT(maximum, 0);  // clamped to the last scroll position
    EXPECT_LT(maximum, 60);
    EXPECT_TRUE(control->setProperty("Value", 0));
    EXPECT_TRUE(control->setProperty("BackColor", 0x00ffff));  // yellow

    clsKrono k;
    for (qint16 n = 1; n <= 3; ++n) {
        test::addCompetitor(k, n, qint16(10 + n), {QStringLiteral("SEN")})->setCognome(QStringLiteral("Nome"));
        test::setRun(k, n, 1, 0, 100000 + n * 1000);
    }
    k.setMancheCorrente(1);
    k.ElaboraClassifiche();
    testing::RecordingLabel lbl;
    k.VisualizzaPreview(lst, lbl, 0, QStringLiteral("XXXXX"));
    EXPECT_TRUE(control->isVisible());

    float rowHeight = 0;
    ASSERT_TRUE(QMetaObject::invokeMethod(control, "TextHeight", Q_RETURN_ARG(float, rowHeight),
                                          Q_ARG(QString, QStringLiteral("bdfghjklpqtyABC?/|}^$_"))));
    EXPECT_GT(rowHeight, 100);
    const QImage picture = control->grab().toImage();
    if (qEnvironmentVariableIsSet("RAZUDAR_SHOTS")) picture.save(QStringLiteral("/tmp/stovak_plugin.png"));
    // Black text on yellow: three rows of text at 0.8-row steps. A row is the text's height, or
    // taller in a face whose accents need it: the library's control in the same font tells.
    int lastInk = -1;
    const int inkRows = rowsWithColour(picture, qRgb(0, 0, 0), &lastInk);
    const double rowPx = list::Stovak().AltezzaRiga() / 15.0;
    EXPECT_GE(inkRows, int(3 * 0.4 * rowPx));  // three rows of glyphs...
    EXPECT_GT(lastInk, int(1.6 * rowPx));      // ...the last with its top 1.6 rows down (row 2.6)
    EXPECT_LT(lastInk, int(2.6 * rowPx));
    EXPECT_GT(rowsWithColour(picture, qRgb(255, 255, 0)), 100);

    QWidget* surface = control->childAt(20, 20);
    ASSERT_NE(surface, nullptr);
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(5, 5), surface->mapToGlobal(QPointF(5, 5)), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(surface, &press);
    EXPECT_EQ(clicks.count, 1);

    QVariantMap stored;
    ASSERT_TRUE(QMetaObject::invokeMethod(control, "saveProperties", Q_RETURN_ARG(QVariantMap, stored)));
    EXPECT_EQ(stored.value(QStringLiteral("BackColor")).toInt(), 0x00ffff);
    EXPECT_EQ(stored.value(QStringLiteral("NumeroRighe")).toInt(), 60);
}

}  // namespace
}  // namespace razudar
