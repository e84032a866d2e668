#pragma once
#include <QString>
#include <QVariant>

class QImage;

namespace razudar::gra {

struct ControlState;

// Where the planes are shown (the board's output, or the preview panes in preview mode), the
// refresh of the visible picture, frame capture and the previews of planes and page files.
class OutputControl {
public:
    explicit OutputControl(ControlState& state) : s_(state) {}

    // VGA Let: store the flag and bind the output to the panes or to the board.
    void setVGA(bool on);
    bool VGA() const;
    void AggiornaMonitor();
    void setPiano1Attivo(bool active);
    bool Piano1Attivo();
    void SalvaSchermo(const QString& path);
    bool PreviewPiano(int plane, QImage* hdc, int w, int h);
    void PreviewPagina(const QString& pageName, QImage* hdc, int w, int h);
    void Anteprima(const QVariant& pageName, QImage* hdc, int w, int h);

private:
    bool ImpostaUscita();
    ControlState& s_;
};

}  // namespace razudar::gra
