#pragma once
// The operator preview written into the list control sized to the rows it writes. The list
// keeps only what falls on its surface, and the surface is as tall as the list's row count:
// a race with more rows than the control holds is written again once the count has grown to
// take them all, and a smaller one gives the rows back.
#include <QString>
#include <QtGlobal>

#include "model/text_list_surface.h"

namespace razudar {

class CaptionLabel;
class clsKrono;

namespace controls {
class StovakProxy;
}

// Passes every call on to a list and remembers the lowest row a text was written at.
class RowTrackingList : public TextListSurface {
public:
    explicit RowTrackingList(TextListSurface& list) : list_(list) {}
    void Pulisci() override;
    void InizializzaAltezze() override { list_.InizializzaAltezze(); }
    void Scrivi(const QString& s, const ScriviArgs& args) override;
    void setCurrentX(qint32 v) override { list_.setCurrentX(v); }
    void setCurrentY(qint32 v) override { list_.setCurrentY(v); }
    void Linea(float x1, float y1, float x2, float y2, qint16 w, qint32 colour) override {
        list_.Linea(x1, y1, x2, y2, w, colour);
    }
    void setVisible(bool v) override { list_.setVisible(v); }

    // The rows a list needs to show every row written since the last Pulisci whole: one past
    // the last row's number (rows are written at fractional positions), at least 1.
    qint16 rowsNeeded() const;

private:
    TextListSurface& list_;
    double lastRow_ = 0;
};

// VisualizzaPreview into `lst`, with the list's NumeroRighe set to the rows written.
void writeSizedPreview(const clsKrono& k, controls::StovakProxy& lst, CaptionLabel& lbl, qint32 classifica,
                       const QString& categoria);

}  // namespace razudar
