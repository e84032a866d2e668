#pragma once
// The program's typed view of the text list control Stovak (the operator preview list
// lstClassifica): its members looked up once by name and called late-bound.
#include <QFont>
#include <QObject>
#include <QStringList>
#include <QVariant>
#include <QVariantList>

#include "app/controls/late_bound.h"
#include "model/text_list_surface.h"


namespace razudar::controls {

class StovakProxy : public QObject, public TextListSurface {
    Q_OBJECT
public:
    StovakProxy(QObject* control, ProblemSink problems, QObject* parent = nullptr);

    // The control itself (a widget of its plug-in).
    QObject* control() const { return control_; }
    QStringList missingMembers() const { return object_.missingMembers(); }

    QString NumeroRighe();
    void setNumeroRighe(const QString& value);
    QString Interlinea();
    void setInterlinea(const QString& value);
    // TextListSurface: what the race model's list writers call.
    void Pulisci() override;
    void InizializzaAltezze() override;
    void setCurrentX(qint32 value) override;
    void setCurrentY(qint32 value) override;
    void Scrivi(const QString& s, const ScriviArgs& args) override;
    void Linea(float x1_twip, float y1_riga, float x2_twip, float y2_riga, qint16 Spessore, qint32 Colore) override;
    void setVisible(bool visible) override;

    void ScriviPiuRighe(const QStringList& s, const QVariantList& c);
    int Value();
    void setValue(int value);
    qint32 BackColor();
    void setBackColor(qint32 value);
    double TextHeight(const QString& Str);
    double TextWidth(const QString& Str);
    QFont Font();
    // Connects the list's sideways scroll (its surface's left offset in pixels) to a slot of
    // `receiver` taking one int; false when the control does not report it.
    bool connectHorizontalScroll(QObject* receiver, const char* slotName);

private:
    QObject* control_;
    LateBoundObject object_;
};

}  // namespace razudar::controls
