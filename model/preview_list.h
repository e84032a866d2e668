#pragma once
// The operator's preview of a classification slot: one fixed-width text row per competitor on a
// text list (rows 1.0, 1.8, 2.6, ... of the list), and the column header in the caption label
// above it. Three builders: standings (one or two runs), parallel heats, split times. The
// race state reaches them through clsKrono::VisualizzaPreview.
#include <QString>
#include <QtGlobal>

namespace razudar {

class clsKrono;
class TextListSurface;
class CaptionLabel;

namespace preview {

// Row position of the first row and the step between rows (rows overlap slightly, so a long
// list fits the operator's window).
constexpr double kFirstRow = 1.0;
constexpr double kRowStep = 0.8;

void scriviClassifica(const clsKrono& k, TextListSurface& lst, CaptionLabel& lbl, qint32 Classifica,
                      const QString& Categoria);
void scriviSfide(const clsKrono& k, TextListSurface& lst, CaptionLabel& lbl, const QString& Categoria);
void scriviIntermedio(const clsKrono& k, TextListSurface& lst, CaptionLabel& lbl, qint32 Classifica,
                      const QString& Categoria);

}  // namespace preview
}  // namespace razudar
