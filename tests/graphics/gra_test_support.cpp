#include "gra_test_support.h"

#include <QFile>
#include <QJsonDocument>
#include <QMetaMethod>
#include <QPainter>

#include <array>

#include <gtest/gtest.h>

#include "graphics/mirt_gra.h"
#include "platform/renderer/video_board.h"

namespace razudar::gra_test {

QVariant call(QObject* control, const char* member, const QVariantList& args) {
    const QMetaObject* mo = control->metaObject();
    for (int i = 0; i < mo->methodCount(); ++i) {
        const QMetaMethod m = mo->method(i);
        if (m.name() != member || m.parameterCount() != args.size()) continue;
        std::vector<QVariant> converted;
        converted.reserve(std::size_t(args.size()));
        for (int p = 0; p < args.size(); ++p) {
            const QMetaType type = m.parameterMetaType(p);
            if (type.id() == QMetaType::QVariant) {
                converted.push_back(args[p]);
                continue;
            }
            QVariant v = args[p];
            if (v.metaType() != type && !v.convert(type)) {
                ADD_FAILURE() << member << ": argument " << p << " does not convert";
                return {};
            }
            converted.push_back(v);
        }
        std::array<QGenericArgument, 10> generic{};
        for (std::size_t p = 0; p < converted.size(); ++p) {
            const QMetaType type = m.parameterMetaType(int(p));
            generic[p] = type.id() == QMetaType::QVariant ? QGenericArgument("QVariant", &converted[p])
                                                          : QGenericArgument(type.name(), converted[p].constData());
        }
        QVariant result;
        QGenericReturnArgument ret;
        if (m.returnMetaType().id() != QMetaType::Void) {
            if (m.returnMetaType().id() == QMetaType::QVariant) {
                ret = QGenericReturnArgument("QVariant", &result);
            } else {
                result = QVariant(m.returnMetaType());
                ret = QGenericReturnArgument(m.returnMetaType().name(), result.data());
            }
        }
        const bool ok = m.invoke(control, Qt::DirectConnection, ret, generic[0], generic[1], generic[2], generic[3],
                                 generic[4], generic[5], generic[6], generic[7], generic[8], generic[9]);
        if (!ok) ADD_FAILURE() << member << ": invoke failed";
        return result;
    }
    ADD_FAILURE() << "no member " << member << " with " << args.size() << " arguments";
    return {};
}

EventRecorder::EventRecorder(QObject* control) {
    connect(control, SIGNAL(RicevutoMessaggio(QString)), this, SLOT(onMessage(QString)));
    connect(control, SIGNAL(Conferma(bool)), this, SLOT(onConferma(bool)));
    connect(control, SIGNAL(NotificaEvento(QString,int)), this, SLOT(onNotifica(QString,int)));
}

QJsonObject textObject(const QString& name, int x, int y, int w, int h, const QString& text) {
    QJsonObject o = simpleObject(name, QStringLiteral("text"), x, y, w, h);
    o[QStringLiteral("text")] = text;
    return o;
}

QJsonObject imageObject(const QString& name, int x, int y, const QString& file) {
    QJsonObject o = simpleObject(name, QStringLiteral("image"), x, y, 0, 0);
    o[QStringLiteral("file")] = file;
    return o;
}

QJsonObject simpleObject(const QString& name, const QString& type, int x, int y, int w, int h) {
    return QJsonObject{{QStringLiteral("name"), name}, {QStringLiteral("type"), type}, {QStringLiteral("x"), x},
                       {QStringLiteral("y"), y},       {QStringLiteral("w"), w},       {QStringLiteral("h"), h}};
}

QString writePage(const QString& folder, const QString& fileName, const QJsonArray& objects) {
    const QJsonObject page{{QStringLiteral("format"), QStringLiteral("razudar-page")},
                           {QStringLiteral("version"), 1},
                           {QStringLiteral("objects"), objects}};
    const QString path = QDir(folder).filePath(fileName);
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(QJsonDocument(page).toJson());
    return path;
}

QString writePicture(const QString& path, int w, int h, QColor colour) {
    QImage image(w, h, QImage::Format_ARGB32);
    image.fill(colour);
    EXPECT_TRUE(image.save(path));
    return path;
}

DirectControl::DirectControl() {
    control = std::make_unique<MirtGRA>();
    control->useEnvironment(gra::GraEnvironment{&fakes.clock, &fakes.waiter, &fakes.settings, false});
    events = std::make_unique<EventRecorder>(control.get());
}

DirectControl::~DirectControl() {
    events.reset();
    control.reset();
}

void DirectControl::start() {
    ASSERT_TRUE(call(control.get(), "CaricaFileDefinizioni", {folder()}).toBool());
    ASSERT_TRUE(call(control.get(), "Inizializza").toBool());
    // As the host does once after Inizializza: bind the output (the board's, VGA off).
    control->setProperty("VGA", false);
}

QImage DirectControl::composedFrame() {
    control->board()->composeNow();
    return control->board()->outputFrame().convertToFormat(QImage::Format_ARGB32);
}

bool isRed(QRgb pixel) { return qAlpha(pixel) == 255 && qRed(pixel) > 200 && qGreen(pixel) < 60 && qBlue(pixel) < 60; }
bool isTransparent(QRgb pixel) { return qAlpha(pixel) == 0; }

QRect boundingBox(const QImage& frame, bool (*match)(QRgb)) {
    QRect box;
    for (int y = 0; y < frame.height(); ++y) {
        for (int x = 0; x < frame.width(); ++x) {
            if (match(frame.pixel(x, y))) box |= QRect(x, y, 1, 1);
        }
    }
    return box;
}

}  // namespace razudar::gra_test
