#include "gra_test_support.h"

#include <QFile>
#include <QJsonDocument>
#include <QMetaMethod>
#include <QPainter>

#include <array>

#include <gtest/gtest.h>

#include "graphics/control_state.h"
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

namespace {
// Passes every call to the page's renderer and writes it down as one line of text.
class RecordingMoveSink : public gra::MoveSink {
public:
    RecordingMoveSink(renderer::Renderer& model, QStringList& log) : real_(model), log_(log) {}
    bool GetObjectLayout(const QString& name, renderer::ObjectLayout& layout) override {
        return real_.GetObjectLayout(name, layout);
    }
    bool QueueMove(const QString& name, qint32 key, qint32 time, qint32 x, qint32 y, qint32 alpha, qint32 c1,
                   qint32 c2, qint32 c3, qint32 c4) override {
        log_ << QStringLiteral("Q %1 %2 %3 %4 %5 %6 %7 %8 %9 %10")
                    .arg(name).arg(key).arg(time).arg(x).arg(y).arg(alpha).arg(c1).arg(c2).arg(c3).arg(c4);
        return real_.QueueMove(name, key, time, x, y, alpha, c1, c2, c3, c4);
    }
    bool RunMoves(const QString& lastName, qint32 mode) override {
        log_ << QStringLiteral("R %1 %2").arg(lastName).arg(mode);
        return real_.RunMoves(lastName, mode);
    }
    bool SetMoveValue(const QString& names, qint32 firstKey, qint32 lastKey, qint32 flag) override {
        log_ << QStringLiteral("S %1 %2 %3 %4").arg(names).arg(firstKey).arg(lastKey).arg(flag);
        return real_.SetMoveValue(names, firstKey, lastKey, flag);
    }
    bool DiscardMoves() override {
        log_ << QStringLiteral("D");
        return real_.DiscardMoves();
    }
    QString lastError() const override { return real_.lastError(); }

private:
    gra::RendererMoveSink real_;
    QStringList& log_;
};
}  // namespace

DirectControl::DirectControl() {
    control = std::make_unique<MirtGRA>();
    gra::GraEnvironment environment;
    environment.clock = &fakes.clock;
    environment.waiter = &fakes.waiter;
    environment.settings = &fakes.settings;
    environment.renderThread = false;
    environment.moveSink = [this](renderer::Renderer& model) {
        return std::make_unique<RecordingMoveSink>(model, moves);
    };
    control->useEnvironment(environment);
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
