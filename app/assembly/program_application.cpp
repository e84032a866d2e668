#include "app/assembly/program_application.h"

#include <QDebug>
#include <QEvent>

#include <exception>

namespace razudar {

ProgramApplication::ProgramApplication(int& argc, char** argv) : QApplication(argc, argv) {}

ProgramApplication* ProgramApplication::current() { return qobject_cast<ProgramApplication*>(QCoreApplication::instance()); }

bool ProgramApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& e) {
        caught(receiver, event, QString::fromLocal8Bit(e.what()));
    } catch (...) {
        caught(receiver, event, QStringLiteral("eccezione sconosciuta"));
    }
    return false;
}

void ProgramApplication::caught(QObject* receiver, QEvent* event, const QString& what) {
    ++caught_;
    const QString handler = receiver ? QString::fromLatin1(receiver->metaObject()->className()) +
                                           (receiver->objectName().isEmpty() ? QString()
                                                                             : u' ' + receiver->objectName())
                                     : QStringLiteral("?");
    const QString text = QStringLiteral("Errore imprevisto in %1 (evento %2): %3. Il programma continua.")
                             .arg(handler)
                             .arg(event ? int(event->type()) : 0)
                             .arg(what);
    if (reporter_) {
        reporter_(text);
    } else {
        qWarning().noquote() << "Razudar:" << text;
    }
}

}  // namespace razudar
