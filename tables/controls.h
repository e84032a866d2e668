#pragma once
// What the table engine needs of the controls a table window registers with it. The window's
// widgets implement these (tables/widgets/); the engine never reaches a widget otherwise, so its
// logic runs the same on a screen and offscreen.
#include <QByteArray>
#include <QDateTime>
#include <QRgb>
#include <QString>

#include <optional>

namespace razudar::tables {

// A control of a calling window that receives a value when the table window closes.
class ReturnField {
public:
    virtual ~ReturnField() = default;
    virtual QString text() const = 0;
    virtual void setText(const QString& text) = 0;
    virtual bool hasInputMask() const = 0;
    virtual int maxLength() const = 0;
};

enum class FieldKind {
    Text,         // edit field, with or without an input mask
    CheckBox,     // text() "1" ticked, "0" not
    Picture,      // an image kept in a long-binary column
    DateControl,  // a date picker with a "no date" check box
};

// An edit field of the table: one column of the window's record set.
class FieldControl : public ReturnField {
public:
    virtual FieldKind kind() const = 0;
    virtual QString dataField() const = 0;
    virtual QString tag() const = 0;
    virtual void setTag(const QString& tag) = 0;
    // The input mask in the "#" notation ("##/##/## ##.##"); empty without one.
    virtual QString mask() const { return {}; }
    virtual QChar promptChar() const { return u'_'; }
    virtual void setMaxLength(int length) = 0;

    virtual bool isEnabled() const = 0;
    virtual void setEnabled(bool enabled) = 0;
    virtual bool isVisible() const = 0;  // as set, whatever the window's own state
    virtual void setVisible(bool visible) = 0;
    virtual void setFocus() = 0;
    virtual void setTabStop(bool) {}
    virtual void setBold(bool bold) = 0;
    virtual void setBackground(QRgb colour) = 0;
    // Bold on focus instead of a coloured background (the date control).
    virtual bool boldOnFocus() const { return false; }

    virtual int selectionStart() const { return 0; }
    virtual void setSelection(int, int) {}
    virtual void selectAll() {}

    // Date controls: nullopt when the "no date" box is ticked.
    virtual std::optional<QDateTime> dateValue() const { return std::nullopt; }
    virtual void setDateValue(const std::optional<QDateTime>&) {}
    // Picture fields: the stored bytes of the image.
    virtual QByteArray picture() const { return {}; }
    virtual void setPicture(const QByteArray&) {}
    // Check boxes: their own caption.
    virtual QString caption() const { return {}; }
};

// A lookup combo of a field: a list of entries of a related table, each with a shown text and
// a bound value.
class LookupCombo {
public:
    virtual ~LookupCombo() = default;
    virtual QString text() const = 0;
    virtual void setText(const QString& text) = 0;
    // The bound value of the entry matching the text; empty when none matches.
    virtual QString boundText() const = 0;
    virtual bool boundColumnIsListColumn() const { return false; }
    // The columns of the lookup's rows the list shows (the description) and the combo binds
    // (the code), and the bound value of the selected entry ("" selects none).
    virtual QString listField() const { return {}; }
    virtual QString boundField() const { return {}; }
    virtual QString boundValue() const { return boundText(); }
    virtual void setBoundValue(const QString&) {}
    virtual QString tag() const = 0;
    virtual void setBold(bool) {}
    virtual void setBackground(QRgb) {}
    virtual void setTabStop(bool) {}
    virtual void setEnabled(bool) {}
    virtual void setVisible(bool) {}
    virtual void setFocus() {}
};

class DescriptionLabel {
public:
    virtual ~DescriptionLabel() = default;
    virtual QString caption() const = 0;
    virtual void setCaption(const QString& caption) = 0;
    virtual void setEnabled(bool) {}
    virtual void setVisible(bool) {}
    virtual void setTabIndex(int) {}
};

class CommandButton {
public:
    virtual ~CommandButton() = default;
    virtual QString name() const { return {}; }
    virtual QString tag() const { return {}; }
    virtual void setCaption(const QString& caption) = 0;
    virtual QString caption() const = 0;
    virtual bool isEnabled() const = 0;
    virtual void setEnabled(bool enabled) = 0;
    virtual void setDefault(bool) {}
    virtual bool isCancel() const = 0;
    virtual void setCancel(bool cancel) = 0;
    virtual void setTabStop(bool) {}
};

class MenuItem {
public:
    virtual ~MenuItem() = default;
    virtual bool isEnabled() const = 0;
    virtual void setEnabled(bool enabled) = 0;
    virtual void setVisible(bool visible) = 0;
};

// A frame holding fields (the key fields or the other fields) and the two button panels.
class FieldFrame {
public:
    virtual ~FieldFrame() = default;
    virtual QString caption() const = 0;
    virtual void setCaption(const QString& caption) = 0;
    virtual bool isEnabled() const = 0;
    virtual void setEnabled(bool enabled) = 0;
    virtual void setBold(bool) {}
    virtual void setVisible(bool) {}
};

// The grid's look with and without the focus.
enum class GridLook { Unfocused, RowHighlight, CellHighlight, NoMarquee };

class GridControl {
public:
    virtual ~GridControl() = default;
    virtual int columnCount() const = 0;
    virtual QString columnCaption(int column) const = 0;
    virtual void setColumnCaption(int column, const QString& caption) = 0;
    virtual QString columnDataField(int column) const = 0;
    virtual void setColumnHeadingBold(int column, bool bold) = 0;
    // Text typed in the grid's filter bar above a column.
    virtual QString columnFilterText(int column) const = 0;
    virtual void setColumnFilterText(int column, const QString& text) = 0;
    virtual void setFontBold(bool bold) = 0;
    virtual void setResizing(bool rows, bool columns) = 0;
    virtual void setRowSelection(bool rows) = 0;
    virtual void setLook(GridLook look) = 0;
    virtual void setTabStop(bool) {}
    virtual void setFocus() {}
    // The data control's rows changed (a refresh): the grid shows them again.
    virtual void reload() = 0;
    // The data control's cursor moved: the grid shows the row as current.
    virtual void showCurrentRow(int row) = 0;
    // A row's flag changed.
    virtual void refreshRow(int row) = 0;
    // Ends a cell edit in progress.
    virtual void endEdit() {}
};

// The window that hosts a table engine.
class TableHost {
public:
    virtual ~TableHost() = default;
    virtual QString name() const = 0;      // the window's name, for its settings section
    virtual QString caption() const = 0;   // title of the error boxes
    virtual void centre() {}
    virtual void hide() {}
    virtual void unload() {}
    virtual void refresh() {}
    virtual void beep() {}
    // Presses the host's own button `name`(index) when it exists and is enabled; false when it
    // does not.
    virtual bool pressHostButton(const QString&, int) { return false; }
};

}  // namespace razudar::tables
