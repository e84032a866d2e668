#pragma once
// Settings of the results-monitor pages: colours by index, font, page-change interval and the
// running-time option, and the monitor layout (the rows of its three blocks).
#include <QMap>
#include <QString>
#include <QtGlobal>

namespace razudar {

class clsMonitor {
public:
    // The colour stored under that index; 0 when none is (reading never stores anything).
    qint32 Colore(qint32 IndiceColore) const { return colori_.value(IndiceColore, 0); }
    // Replaces the colour under that index, or adds it.
    void setColore(qint32 IndiceColore, qint32 Value) { colori_.insert(IndiceColore, Value); }
    qint16 CountColori() const { return static_cast<qint16>(colori_.size()); }

    const QString& FontName() const { return fontName_; }
    void setFontName(const QString& v) { fontName_ = v; }
    bool FontBold() const { return fontBold_; }
    void setFontBold(bool v) { fontBold_ = v; }
    qint16 FontSize() const { return fontSize_; }
    void setFontSize(qint16 v) { fontSize_ = v; }
    bool TempoCorrereSenzaIntermedi() const { return tempoCorrereSenzaIntermedi_; }
    void setTempoCorrereSenzaIntermedi(bool v) { tempoCorrereSenzaIntermedi_ = v; }
    qint16 TimerPagina() const { return timerPagina_; }
    // Stores the value when it lies in 0..65, otherwise 60.
    void setTimerPagina(qint16 v) { timerPagina_ = (v >= 0 && v <= 65) ? v : 60; }

private:
    QMap<qint32, qint32> colori_;
    QString fontName_ = QStringLiteral("Arial");
    bool fontBold_ = true;
    qint16 fontSize_ = 18;
    bool tempoCorrereSenzaIntermedi_ = false;
    qint16 timerPagina_ = 0;
};

// Where the blocks of the results-monitor page sit; all 0 until the first settings load.
struct MonitorLayout {
    qint16 MonitorPosizioniFisse = 0;
    qint16 MonitorPosizioniCiclo = 0;
    qint16 MonitorRigheInPista = 0;
    qint16 MonitorRigaPosizioniFisse = 0;
    qint16 MonitorRigaCiclo = 0;
    qint16 MonitorRigaInPista = 0;
};

// The program's monitor settings and layout, replaced by every load.
struct MonitorState {
    clsMonitor ImpostazioniMonitor;
    MonitorLayout layout;
};

// With a or b not 0: 3 fixed positions, 12 cycling, 3 on-course rows; otherwise 10, 10, 0. The
// leading block starts on row 4 and the blocks follow each other.
void ImpostaLayoutMonitor(MonitorLayout& layout, qint16 a, qint16 b);

}  // namespace razudar
