#pragma once
// Test doubles and helpers for the text list tests: a surface that records what the race model
// writes, a caption label, and the adapter that reaches a real Stovak control by member name
// (the way the program's proxy does).
#include <QMetaMethod>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QWidget>

#include <vector>

#include "model/caption_label.h"
#include "model/monitor_host.h"
#include "model/monitor_page_settings.h"
#include "model/text_list_surface.h"

namespace razudar::testing {

struct SurfaceCall {
    QString kind;  // "Scrivi", "Pulisci", "InizializzaAltezze", "CurrentX", "CurrentY", "Linea", "Visible"
    QString s;
    ScriviArgs args;
    std::vector<double> numbers;  // CurrentX/Y value, Linea's six arguments, Visible 0/1
};

class RecordingSurface : public TextListSurface {
public:
    void Pulisci() override { calls.push_back({QStringLiteral("Pulisci"), {}, {}, {}}); }
    void InizializzaAltezze() override { calls.push_back({QStringLiteral("InizializzaAltezze"), {}, {}, {}}); }
    void Scrivi(const QString& s, const ScriviArgs& args) override {
        calls.push_back({QStringLiteral("Scrivi"), s, args, {}});
    }
    void setCurrentX(qint32 v) override { calls.push_back({QStringLiteral("CurrentX"), {}, {}, {double(v)}}); }
    void setCurrentY(qint32 v) override { calls.push_back({QStringLiteral("CurrentY"), {}, {}, {double(v)}}); }
    void Linea(float x1, float y1, float x2, float y2, qint16 w, qint32 colour) override {
        calls.push_back({QStringLiteral("Linea"), {}, {}, {x1, y1, x2, y2, double(w), double(colour)}});
    }
    void setVisible(bool v) override { calls.push_back({QStringLiteral("Visible"), {}, {}, {v ? 1.0 : 0.0}}); }

    // Texts of the Scrivi calls that are not blanks, in order.
    QStringList texts() const;
    // The non-blank Scrivi calls.
    std::vector<SurfaceCall> writes() const;
    // The first non-blank write of that text; a call of kind "" when none.
    SurfaceCall find(const QString& s) const;
    QStringList kinds() const;

    std::vector<SurfaceCall> calls;
};

class RecordingLabel : public CaptionLabel {
public:
    void setAlignment(int a) override { alignment = a; }
    void setCaption(const QString& c) override { caption = c; }
    int alignment = -1;
    QString caption = QStringLiteral("(untouched)");
};

// Monitor settings: colour n is 1000 + n, so a test sees which index was used.
class FixedMonitorSettings : public MonitorPageSettings {
public:
    qint32 Colore(qint32 i) const override { return 1000 + i; }
    bool TempoCorrereSenzaIntermedi() const override { return runningWithoutSplits; }
    qint16 MonitorPosizioniFisse() const override { return fixed; }
    qint16 MonitorPosizioniCiclo() const override { return cycle; }
    qint16 MonitorRigheInPista() const override { return onCourse; }
    qint16 MonitorRigaPosizioniFisse() const override { return fixedRow; }
    qint16 MonitorRigaCiclo() const override { return cycleRow; }
    qint16 MonitorRigaInPista() const override { return onCourseRow; }
    bool runningWithoutSplits = false;
    qint16 fixed = 3, cycle = 2, onCourse = 3, fixedRow = 4, cycleRow = 7, onCourseRow = 10;
};

// A Stovak control (from the plug-in or the library) reached only through its meta-object.
class StovakByName : public TextListSurface {
public:
    explicit StovakByName(QWidget* control);
    void Pulisci() override;
    void InizializzaAltezze() override;
    void Scrivi(const QString& s, const ScriviArgs& args) override;
    void setCurrentX(qint32 v) override;
    void setCurrentY(qint32 v) override;
    void Linea(float x1, float y1, float x2, float y2, qint16 w, qint32 colour) override;
    void setVisible(bool v) override;
    // Every member resolved.
    bool complete() const;

private:
    QPointer<QWidget> control_;
    QMetaMethod pulisci_, inizializza_, scrivi_, linea_;
};

// Counts the control's Click events, connected by the signal's name.
class ClickCounter : public QObject {
    Q_OBJECT
public slots:
    void onClick() { ++count; }

public:
    int count = 0;
};

class FakeMonitorHost : public MonitorHost {
public:
    explicit FakeMonitorHost(TextListSurface* surface) : surface_(surface) {}
    TextListSurface* lstPagina(int index) override { return index == 0 ? surface_ : nullptr; }
    void ScriviRiga(TextListSurface&, bool, qint32 colour, qint16 width, qint16& row, qint16) override {
        rules.push_back({colour, width, row});
    }
    struct Rule { qint32 colour; qint16 width; qint16 row; };
    std::vector<Rule> rules;

private:
    TextListSurface* surface_;
};

}  // namespace razudar::testing

#include <ostream>

// Readable texts in test failures.
inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }
