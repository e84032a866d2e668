#include "tables/widgets/field_events.h"

#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPointer>
#include <QTimer>

#include "tables/cls_tabella.h"
#include "tables/widgets/field_widgets.h"
#include "tables/widgets/guarded_call.h"

namespace razudar::tables {

int virtualKeyCode(int qtKey) {
    switch (qtKey) {
    case Qt::Key_Return:
    case Qt::Key_Enter: return 13;
    case Qt::Key_Backspace: return 8;
    case Qt::Key_Delete: return 46;
    case Qt::Key_Escape: return 27;
    case Qt::Key_Left: return 37;
    case Qt::Key_Up: return 38;
    case Qt::Key_Right: return 39;
    case Qt::Key_Down: return 40;
    case Qt::Key_Space: return 32;
    default: return 0;
    }
}

void FieldEvents::connectField(int index, LineEditField* field) {
    fieldIndex_[field] = index;
    field->installEventFilter(this);
    QObject::connect(field, &QLineEdit::textChanged, this, [this, index] { guardedCall(engine_, [&] { engine_.meb_Campo_Change(index); }); });
}

void FieldEvents::connectField(int index, CheckField* field) {
    fieldIndex_[field] = index;
    field->installEventFilter(this);
    QObject::connect(field, &QCheckBox::toggled, this, [this, index] { guardedCall(engine_, [&] { engine_.meb_Campo_Change(index); }); });
}

void FieldEvents::connectField(int index, DateField* field) {
    fieldIndex_[field->editor()] = index;
    field->editor()->installEventFilter(this);
    QObject::connect(field, &DateField::changed, this, [this, index] { guardedCall(engine_, [&] { engine_.meb_Campo_Change(index); }); });
}

void FieldEvents::connectCombo(int index, ComboField* combo) {
    comboIndex_[combo] = index;
    combo->installEventFilter(this);
    QObject::connect(combo, &QComboBox::currentTextChanged, this, [this, index] { guardedCall(engine_, [&] { engine_.dbc_Decodifica_Change(index); }); });
    QObject::connect(combo, &QComboBox::activated, this, [this, index] { guardedCall(engine_, [&] { engine_.dbc_Decodifica_Click(index, 2); }); });
}

bool FieldEvents::eventFilter(QObject* watched, QEvent* event) {
    if (auto combo = comboIndex_.find(watched); combo != comboIndex_.end()) {
        if (event->type() == QEvent::KeyRelease) {
            const auto* key = static_cast<QKeyEvent*>(event);
            guardedCall(engine_, [&] { engine_.dbc_Decodifica_KeyUp(combo->second, virtualKeyCode(key->key()), 0); });
        }
        return false;
    }
    const auto found = fieldIndex_.find(watched);
    if (found == fieldIndex_.end()) return false;
    const int index = found->second;
    switch (event->type()) {
    case QEvent::FocusIn:
        // After the widget's own focus handling, which places the cursor or selects all.
        QTimer::singleShot(0, this, [this, index, target = QPointer<QObject>(watched)] {
            if (target) guardedCall(engine_, [&] { engine_.meb_Campo_GotFocus(index); });
        });
        break;
    case QEvent::FocusOut: guardedCall(engine_, [&] { engine_.meb_Campo_LostFocus(index); }); break;
    case QEvent::KeyPress: {
        const auto* key = static_cast<QKeyEvent*>(event);
        int code = virtualKeyCode(key->key());
        if (code != 0) {
            guardedCall(engine_, [&] { engine_.meb_Campo_Keydown(index, code, 0); });
            if (code == 0) return true;
        }
        int ascii = 0;
        if (key->modifiers() & Qt::ControlModifier) {
            if (key->key() == Qt::Key_T) ascii = 20;
            if (key->key() == Qt::Key_E) ascii = 5;
        } else if (!key->text().isEmpty()) {
            ascii = key->text().at(0).unicode();
        }
        if (ascii != 0) {
            guardedCall(engine_, [&] { engine_.meb_Campo_KeyPress(index, ascii); });
            if (ascii == 0) return true;
        }
        break;
    }
    default: break;
    }
    return false;
}

}  // namespace razudar::tables
