#include "app/link/link_messages.h"

#include "model/basic.h"

namespace razudar {

std::optional<MessaggioComando> SeparaMessaggio(const QString& text) {
    const QStringList pieces = basic::Split(text, QString::fromUtf16(kSeparatoreComando));
    if (pieces.size() != 2) return std::nullopt;
    return MessaggioComando{pieces[0], pieces[1]};
}

QString ComponiMessaggio(const QString& comando, const QString& payload) {
    return comando + QString::fromUtf16(kSeparatoreComando) + payload;
}

QStringList CampiMessaggio(const QString& payload) {
    return basic::Split(payload, QString::fromUtf16(kSeparatoreCampi));
}

}  // namespace razudar
