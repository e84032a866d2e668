#include "app/controls/stovak_proxy.h"


namespace razudar::controls {

StovakProxy::StovakProxy(QObject* control, ProblemSink problems, QObject* parent)
    : QObject(parent), control_(control), object_(control, QStringLiteral("Stovak"), std::move(problems)) {
    for (const char* p : {"NumeroRighe", "Interlinea", "CurrentX", "CurrentY", "Value", "BackColor", "BorderStyle", "Font"}) {
        object_.resolveProperty(p);
    }
    object_.resolveMethod("Pulisci", 0);
    object_.resolveMethod("InizializzaAltezze", 0);
    object_.resolveMethod("Scrivi", 8);
    object_.resolveMethod("ScriviPiuRighe", 2);
    object_.resolveMethod("TextHeight", 1);
    object_.resolveMethod("TextWidth", 1);
    object_.resolveMethod("Linea", 6);
}

QString StovakProxy::NumeroRighe() { return object_.read("NumeroRighe").toString(); }
void StovakProxy::setNumeroRighe(const QString& value) { object_.write("NumeroRighe", value); }
QString StovakProxy::Interlinea() { return object_.read("Interlinea").toString(); }
void StovakProxy::setInterlinea(const QString& value) { object_.write("Interlinea", value); }
void StovakProxy::Pulisci() { object_.call("Pulisci"); }
void StovakProxy::InizializzaAltezze() { object_.call("InizializzaAltezze"); }
void StovakProxy::setCurrentX(qint32 value) { object_.write("CurrentX", value); }
void StovakProxy::setCurrentY(qint32 value) { object_.write("CurrentY", value); }
namespace {
// An omitted optional argument reaches the control as an invalid variant.
template <typename T>
QVariant given(const std::optional<T>& value) {
    return value ? QVariant::fromValue(*value) : QVariant();
}
}  // namespace

void StovakProxy::Scrivi(const QString& s, const ScriviArgs& a) {
    object_.call("Scrivi", {s, given(a.c), given(a.p), given(a.NonAndareACapo), given(a.X), given(a.Sinistra),
                            given(a.FattoreDimensione), given(a.Centra)});
}
void StovakProxy::setVisible(bool visible) {
    if (control_) control_->setProperty("visible", visible);
}
void StovakProxy::ScriviPiuRighe(const QStringList& s, const QVariantList& c) {
    object_.call("ScriviPiuRighe", {s, c});
}
int StovakProxy::Value() { return object_.read("Value").toInt(); }
void StovakProxy::setValue(int value) { object_.write("Value", value); }
qint32 StovakProxy::BackColor() { return object_.read("BackColor").toInt(); }
void StovakProxy::setBackColor(qint32 value) { object_.write("BackColor", value); }
double StovakProxy::TextHeight(const QString& Str) { return object_.call("TextHeight", {Str}).toDouble(); }
double StovakProxy::TextWidth(const QString& Str) { return object_.call("TextWidth", {Str}).toDouble(); }
QFont StovakProxy::Font() { return object_.read("Font").value<QFont>(); }
bool StovakProxy::connectHorizontalScroll(QObject* receiver, const char* slotName) {
    return object_.connectEvent("horizontalOffsetChanged", receiver, slotName);
}
void StovakProxy::Linea(float x1_twip, float y1_riga, float x2_twip, float y2_riga, qint16 Spessore, qint32 Colore) {
    object_.call("Linea", {x1_twip, y1_riga, x2_twip, y2_riga, int(Spessore), Colore});
}

}  // namespace razudar::controls
