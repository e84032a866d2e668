#pragma once
// One text box of the free-text page editors. It shows the stored text whole, however long,
// and limits what the operator types: a new text takes at most kLunghezzaMassima characters,
// and a stored text already longer can be shortened or changed but never made longer. A box
// whose text was not changed gives back the stored value as it was read (a long text, or a
// missing one, is written back unchanged).
#include <QLineEdit>
#include <QVariant>

namespace razudar {

class TestoBox : public QLineEdit {
public:
    static constexpr int kLunghezzaMassima = 50;

    explicit TestoBox(QWidget* parent = nullptr);

    // Shows the value of the stored field and remembers it.
    void mostraValore(const QVariant& valore);
    // Empties the box ("Pulisci"): what is typed next is a new text.
    void svuota();
    // What saving writes: the stored value when the text is the one shown, else the text.
    QVariant valoreDaSalvare() const;

protected:
    void focusInEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;

private:
    // Lowers the limit to the text's length (never under kLunghezzaMassima) once an over-long
    // text got shorter, keeping the cursor and the selection where they are.
    void stringiLimite();

    QVariant valore_;
    QString mostrato_;
};

}  // namespace razudar
