#pragma once
// Forwards the events of a table window's field widgets to the engine members of the same
// name: text changes to meb_Campo_Change, focus to meb_Campo_GotFocus / LostFocus, keys to
// meb_Campo_Keydown and meb_Campo_KeyPress with numbered key codes (a code
// set to 0 by the engine discards the key), and the lookup combos' edits and keys.
#include <QObject>

#include <map>

namespace razudar::tables {

class clsTabella;
class LineEditField;
class CheckField;
class DateField;
class ComboField;

class FieldEvents : public QObject {
public:
    FieldEvents(clsTabella& engine, QObject* parent = nullptr) : QObject(parent), engine_(engine) {}
    void connectField(int index, LineEditField* field);
    void connectField(int index, CheckField* field);
    void connectField(int index, DateField* field);
    void connectCombo(int index, ComboField* combo);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    clsTabella& engine_;
    std::map<QObject*, int> fieldIndex_;
    std::map<QObject*, int> comboIndex_;
};

// The virtual-key code of a Qt key, as the engine's key handlers take it (Enter 13, Backspace 8,
// Delete 46, arrows 37-40, Esc 27, Space 32), or 0 for the keys the engine does not look at.
int virtualKeyCode(int qtKey);

}  // namespace razudar::tables
