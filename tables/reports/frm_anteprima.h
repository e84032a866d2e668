#pragma once
// The report preview window: the pages of one report at the size of the screen's work area,
// with page and zoom buttons.
#include <QDialog>

#include <memory>

class QPrinter;
class QPrintPreviewWidget;

namespace razudar::tables {

struct ReportTable;
class ReportPainter;

class frmAnteprima : public QDialog {
    Q_OBJECT
public:
    // `table` must outlive the window.
    frmAnteprima(const ReportTable& table, const QString& caption, QWidget* mainWindow);
    ~frmAnteprima() override;

    QPrintPreviewWidget* crvAnteprima() const { return crvAnteprima_; }
    int pageCount() const;

signals:
    // The operator asked for the report on paper from the preview.
    void stampaRichiesta();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void placeOnWorkArea();
    std::unique_ptr<QPrinter> printer_;
    std::unique_ptr<ReportPainter> painter_;
    QPrintPreviewWidget* crvAnteprima_ = nullptr;
};

}  // namespace razudar::tables
