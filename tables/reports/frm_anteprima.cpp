#include "tables/reports/frm_anteprima.h"

#include <QAction>
#include <QGuiApplication>
#include <QPainter>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QScreen>
#include <QToolBar>
#include <QVBoxLayout>

#include "tables/reports/report_painter.h"

namespace razudar::tables {

frmAnteprima::frmAnteprima(const ReportTable& table, const QString& caption, QWidget* mainWindow)
    : QDialog(mainWindow), painter_(std::make_unique<ReportPainter>(table)) {
    setObjectName(QStringLiteral("frmAnteprima"));
    setWindowTitle(caption);
    if (mainWindow) setWindowIcon(mainWindow->windowIcon());

    // The preview draws on a PDF printer, so it never depends on an installed printer.
    printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer_->setOutputFormat(QPrinter::PdfFormat);
    painter_->setupPage(*printer_);
    crvAnteprima_ = new QPrintPreviewWidget(printer_.get(), this);
    crvAnteprima_->setObjectName(QStringLiteral("crvAnteprima"));
    connect(crvAnteprima_, &QPrintPreviewWidget::paintRequested, this, [this](QPrinter* printer) {
        QPainter p(printer);
        painter_->paint(p, *printer);
    });

    auto* bar = new QToolBar(this);
    auto add = [&](const QString& text, auto slot) {
        QAction* a = bar->addAction(text);
        connect(a, &QAction::triggered, this, slot);
        return a;
    };
    add(QStringLiteral("Stampa..."), [this] { emit stampaRichiesta(); });
    bar->addSeparator();
    add(QStringLiteral("|<"), [this] { crvAnteprima_->setCurrentPage(1); });
    add(QStringLiteral("<"), [this] { crvAnteprima_->setCurrentPage(crvAnteprima_->currentPage() - 1); });
    add(QStringLiteral(">"), [this] { crvAnteprima_->setCurrentPage(crvAnteprima_->currentPage() + 1); });
    add(QStringLiteral(">|"), [this] { crvAnteprima_->setCurrentPage(crvAnteprima_->pageCount()); });
    bar->addSeparator();
    add(QStringLiteral("Adatta pagina"), [this] { crvAnteprima_->fitInView(); });
    add(QStringLiteral("Adatta larghezza"), [this] { crvAnteprima_->fitToWidth(); });
    add(QStringLiteral("Zoom +"), [this] { crvAnteprima_->zoomIn(); });
    add(QStringLiteral("Zoom -"), [this] { crvAnteprima_->zoomOut(); });

    // The viewer fills the window whatever its size.
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(bar);
    layout->addWidget(crvAnteprima_, 1);

    placeOnWorkArea();
    crvAnteprima_->updatePreview();
    crvAnteprima_->fitToWidth();
}

frmAnteprima::~frmAnteprima() = default;

void frmAnteprima::placeOnWorkArea() {
    // The window, frame included, takes the screen's work area (the screen less its task bars).
    const QWidget* owner = parentWidget();
    const QScreen* screen = owner && owner->screen() ? owner->screen() : QGuiApplication::primaryScreen();
    if (!screen) return;
    const QRect area = screen->availableGeometry();
    const QRect frame = frameGeometry();
    const QRect inner = geometry();
    setGeometry(area.adjusted(inner.left() - frame.left(), inner.top() - frame.top(),
                              inner.right() - frame.right(), inner.bottom() - frame.bottom()));
}

void frmAnteprima::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    // The frame is known once the window is shown.
    placeOnWorkArea();
}

int frmAnteprima::pageCount() const { return crvAnteprima_->pageCount(); }

}  // namespace razudar::tables
