#include "tests/list/list_test_support.h"

namespace razudar::testing {
namespace {

bool blank(const QString& s) { return !s.isEmpty() && s.trimmed().isEmpty(); }

template <typename T>
QVariant given(const std::optional<T>& value) {
    return value ? QVariant::fromValue(*value) : QVariant();
}

QMetaMethod method(QWidget* control, const char* signature) {
    const QMetaObject* meta = control->metaObject();
    const int index = meta->indexOfMethod(QMetaObject::normalizedSignature(signature));
    return index < 0 ? QMetaMethod() : meta->method(index);
}

}  // namespace

QStringList RecordingSurface::texts() const {
    QStringList found;
    for (const auto& call : writes()) found << call.s;
    return found;
}

std::vector<SurfaceCall> RecordingSurface::writes() const {
    std::vector<SurfaceCall> found;
    for (const auto& call : calls)
        if (call.kind == QStringLiteral("Scrivi") && !blank(call.s)) found.push_back(call);
    return found;
}

SurfaceCall RecordingSurface::find(const QString& s) const {
    for (const auto& call : writes())
        if (call.s == s) return call;
    return {};
}

QStringList RecordingSurface::kinds() const {
    QStringList found;
    for (const auto& call : calls) found << call.kind;
    return found;
}

StovakByName::StovakByName(QWidget* control) : control_(control) {
    pulisci_ = method(control, "Pulisci()");
    inizializza_ = method(control, "InizializzaAltezze()");
    scrivi_ = method(control, "Scrivi(QString,QVariant,QVariant,QVariant,QVariant,QVariant,QVariant,QVariant)");
    linea_ = method(control, "Linea(float,float,float,float,int,QVariant)");
}

bool StovakByName::complete() const {
    return pulisci_.isValid() && inizializza_.isValid() && scrivi_.isValid() && linea_.isValid();
}

void StovakByName::Pulisci() { pulisci_.invoke(control_); }
void StovakByName::InizializzaAltezze() { inizializza_.invoke(control_); }

void StovakByName::Scrivi(const QString& s, const ScriviArgs& a) {
    bool done = false;
    scrivi_.invoke(control_, Q_RETURN_ARG(bool, done), Q_ARG(QString, s), Q_ARG(QVariant, given(a.c)),
                   Q_ARG(QVariant, given(a.p)), Q_ARG(QVariant, given(a.NonAndareACapo)), Q_ARG(QVariant, given(a.X)),
                   Q_ARG(QVariant, given(a.Sinistra)), Q_ARG(QVariant, given(a.FattoreDimensione)),
                   Q_ARG(QVariant, given(a.Centra)));
}

void StovakByName::setCurrentX(qint32 v) { control_->setProperty("CurrentX", v); }
void StovakByName::setCurrentY(qint32 v) { control_->setProperty("CurrentY", v); }

void StovakByName::Linea(float x1, float y1, float x2, float y2, qint16 w, qint32 colour) {
    bool done = false;
    linea_.invoke(control_, Q_RETURN_ARG(bool, done), Q_ARG(float, x1), Q_ARG(float, y1), Q_ARG(float, x2),
                  Q_ARG(float, y2), Q_ARG(int, w), Q_ARG(QVariant, QVariant(colour)));
}

void StovakByName::setVisible(bool v) { control_->setVisible(v); }

}  // namespace razudar::testing
