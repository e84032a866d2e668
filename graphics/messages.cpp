#include "graphics/messages.h"

#include "graphics/gra_types.h"

namespace razudar::gra::messages {

namespace {
// The type's description without its number: "Testo", "Immagine", "Sconosciuto" ...
QString typeWord(int type) { return typeDescription(type).mid(4); }
}  // namespace

QString pageNotListed(const QString& function, const QString& pageName) {
    return function + QStringLiteral(": Pagina='") + pageName + QStringLiteral("' non trovata su elenco pagine");
}

QString pageNotOnPlane(const QString& function, const QString& pageName) {
    return function + QStringLiteral(": Pagina='") + pageName + QStringLiteral("' non trovata sui piani");
}

QString objectNotFound(const QString& function, const QString& objectName, const QString& pageName) {
    return function + QStringLiteral(": '") + objectName + QStringLiteral("' non trovato (") + pageName +
           QStringLiteral(")");
}

QString boardAbsent(const QString& function) { return function + QStringLiteral(": Scheda Video Assente"); }

QString wrongObjectType(int wanted, int actual, const QString& pageName, const QString& objectName) {
    return QStringLiteral("Proprieta") + typeWord(wanted) + QStringLiteral(":") + QStringLiteral(" Pagina='") +
           pageName + QStringLiteral("' Oggetto='") + objectName + QStringLiteral("' non è un campo ") +
           typeWord(wanted) + QStringLiteral(" ma ") + typeWord(actual);
}

QString notInitialised(const QString& function) {
    return function + QStringLiteral(": Grafica non inizializzata");
}

QString badPlane(const QString& function, int plane) {
    return function + QStringLiteral(": Piano=") + QString::number(plane) + QStringLiteral(" non valido");
}

QString pageIndexOutOfRange(const QString& function, int index) {
    return function + QStringLiteral(": Indice=") + QString::number(index) +
           QStringLiteral(" fuori dall'elenco pagine");
}

QString badObjectType(const QString& function, int type) {
    return function + QStringLiteral(": Tipo oggetto=") + QString::number(type) + QStringLiteral(" non valido");
}

QString badValue(const QString& function, const QString& valueText) {
    return function + QStringLiteral(": Valore='") + valueText + QStringLiteral("' non valido");
}

QString rendererFailed(const QString& function, const QString& rendererError) {
    return function + QStringLiteral(": ") + rendererError;
}

QString pagesNotListed(const QStringList& fileNames) {
    return QStringLiteral("CaricaFileDefinizioni: più di 101 pagine, non elencate: ") +
           fileNames.join(QStringLiteral(", "));
}

}  // namespace razudar::gra::messages
