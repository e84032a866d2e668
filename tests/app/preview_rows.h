#pragma once
// The operator preview's rows as text, for the program's tests: a list surface that keeps the rows
// a preview writes and nothing else, and a header label that keeps nothing.
#include <QStringList>

#include "model/caption_label.h"
#include "model/text_list_surface.h"

namespace razudar::apptest {

struct PreviewRows : TextListSurface {
    void Pulisci() override { rows.clear(); }
    void InizializzaAltezze() override {}
    void Scrivi(const QString& s, const ScriviArgs&) override { rows << s; }
    void setCurrentX(qint32) override {}
    void setCurrentY(qint32) override {}
    void Linea(float, float, float, float, qint16, qint32) override {}
    void setVisible(bool) override {}
    QStringList rows;
};

struct NoCaption : CaptionLabel {
    void setAlignment(int) override {}
    void setCaption(const QString&) override {}
};

}  // namespace razudar::apptest
