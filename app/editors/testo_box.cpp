#include "app/editors/testo_box.h"

#include <QTimer>

#include "model/basic.h"

namespace razudar {

TestoBox::TestoBox(QWidget* parent) : QLineEdit(parent) { setMaxLength(kLunghezzaMassima); }

void TestoBox::mostraValore(const QVariant& valore) {
    valore_ = valore;
    mostrato_ = basic::CStr(valore);
    // The limit is set first: a text longer than the box's limit would be cut when shown.
    setMaxLength(qMax<int>(kLunghezzaMassima, int(mostrato_.size())));
    setText(mostrato_);
    setCursorPosition(0);  // a text wider than the box shows its beginning
}

void TestoBox::svuota() {
    clear();
    setMaxLength(kLunghezzaMassima);
}

QVariant TestoBox::valoreDaSalvare() const { return text() == mostrato_ ? valore_ : QVariant(text()); }

void TestoBox::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    // After the click that gave the focus has placed the cursor.
    QTimer::singleShot(0, this, &QLineEdit::selectAll);
}

void TestoBox::keyPressEvent(QKeyEvent* event) {
    stringiLimite();  // an edit by the menu (a cut) may have shortened the text since
    QLineEdit::keyPressEvent(event);
    stringiLimite();
}

void TestoBox::inputMethodEvent(QInputMethodEvent* event) {
    stringiLimite();
    QLineEdit::inputMethodEvent(event);
    stringiLimite();
}

void TestoBox::stringiLimite() {
    const int limite = qMax<int>(kLunghezzaMassima, int(text().size()));
    if (limite >= maxLength()) return;
    // Setting the limit sets the text again, which moves the cursor to the end.
    const int cursore = cursorPosition();
    const int inizioSelezione = selectionStart();
    const int lunghezzaSelezione = int(selectedText().size());
    setMaxLength(limite);
    if (inizioSelezione >= 0)
        setSelection(inizioSelezione == cursore ? inizioSelezione + lunghezzaSelezione : inizioSelezione,
                     inizioSelezione == cursore ? -lunghezzaSelezione : lunghezzaSelezione);
    else
        setCursorPosition(cursore);
}

}  // namespace razudar
