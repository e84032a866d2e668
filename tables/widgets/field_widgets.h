#pragma once
// Qt stand-ins for the bound controls of a table window:
//  - LineEditField: the masked edit field, a QLineEdit whose input mask is written in the "#"
//    notation of the table's fields ("##/##/## ##.##": "#" a digit, other characters literal);
//    its text keeps the mask's prompt characters, as the engine expects;
//  - CheckField: a check box field ("1" ticked, "0" not);
//  - DateField: a date and time picker with a "Nessuna data" box for an empty date;
//  - ComboField: an editable lookup combo whose entries carry a shown text and a bound value;
//  - LabelControl, ButtonControl, FrameControl: labels, command buttons, frames and panels.
#include <QCheckBox>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "tables/controls.h"

namespace razudar::tables {

class RecordSource;

class LineEditField : public QLineEdit, public FieldControl {
public:
    LineEditField(const QString& dataField, const QString& tag, QWidget* parent = nullptr,
                  const QString& mask = QString());
    FieldKind kind() const override { return FieldKind::Text; }
    QString dataField() const override { return dataField_; }
    QString tag() const override { return tag_; }
    void setTag(const QString& tag) override { tag_ = tag; }
    QString mask() const override { return mask_; }
    QString text() const override;
    void setText(const QString& text) override;
    bool hasInputMask() const override { return !mask_.isEmpty(); }
    int maxLength() const override { return QLineEdit::maxLength(); }
    void setMaxLength(int length) override;
    bool isEnabled() const override { return QLineEdit::isEnabled(); }
    void setEnabled(bool enabled) override { QLineEdit::setEnabled(enabled); }
    bool isVisible() const override { return !isHidden(); }
    void setVisible(bool visible) override { QLineEdit::setVisible(visible); }
    void setFocus() override { QLineEdit::setFocus(); }
    void setTabStop(bool on) override { setFocusPolicy(on ? Qt::StrongFocus : Qt::ClickFocus); }
    void setBold(bool bold) override;
    void setBackground(QRgb colour) override;
    int selectionStart() const override;
    void setSelection(int start, int length) override { QLineEdit::setSelection(start, length); }
    void selectAll() override { QLineEdit::selectAll(); }

private:
    QString dataField_;
    QString tag_;
    QString mask_;
};

class CheckField : public QCheckBox, public FieldControl {
public:
    CheckField(const QString& caption, const QString& dataField, const QString& tag, QWidget* parent = nullptr);
    FieldKind kind() const override { return FieldKind::CheckBox; }
    QString dataField() const override { return dataField_; }
    QString tag() const override { return tag_; }
    void setTag(const QString& tag) override { tag_ = tag; }
    QString text() const override { return isChecked() ? QStringLiteral("1") : QStringLiteral("0"); }
    void setText(const QString& text) override { setChecked(text == u"1" || text == u"-1"); }
    bool hasInputMask() const override { return false; }
    int maxLength() const override { return 1; }
    void setMaxLength(int) override {}
    bool isEnabled() const override { return QCheckBox::isEnabled(); }
    void setEnabled(bool enabled) override { QCheckBox::setEnabled(enabled); }
    bool isVisible() const override { return !isHidden(); }
    void setVisible(bool visible) override { QCheckBox::setVisible(visible); }
    void setFocus() override { QCheckBox::setFocus(); }
    void setBold(bool bold) override;
    void setBackground(QRgb) override {}
    QString caption() const override { return QCheckBox::text(); }

private:
    QString dataField_;
    QString tag_;
};

class DateField : public QWidget, public FieldControl {
    Q_OBJECT
public:
    DateField(const QString& dataField, const QString& tag, QWidget* parent = nullptr);
    FieldKind kind() const override { return FieldKind::DateControl; }
    QString dataField() const override { return dataField_; }
    QString tag() const override { return tag_; }
    void setTag(const QString& tag) override { tag_ = tag; }
    QString text() const override;
    void setText(const QString& text) override;
    bool hasInputMask() const override { return false; }
    int maxLength() const override { return 16; }
    void setMaxLength(int) override {}
    bool isEnabled() const override { return QWidget::isEnabled(); }
    void setEnabled(bool enabled) override { QWidget::setEnabled(enabled); }
    bool isVisible() const override { return !isHidden(); }
    void setVisible(bool visible) override { QWidget::setVisible(visible); }
    void setFocus() override { edit_->setFocus(); }
    void setBold(bool bold) override;
    void setBackground(QRgb) override {}
    bool boldOnFocus() const override { return true; }
    std::optional<QDateTime> dateValue() const override;
    void setDateValue(const std::optional<QDateTime>& value) override;
    QDateTimeEdit* editor() const { return edit_; }
    QCheckBox* noDateBox() const { return noDate_; }

signals:
    void changed();

private:
    QString dataField_;
    QString tag_;
    QDateTimeEdit* edit_;
    QCheckBox* noDate_;
};

class ComboField : public QComboBox, public LookupCombo {
public:
    explicit ComboField(const QString& tag, QWidget* parent = nullptr);
    void addEntry(const QString& shown, const QString& bound) { addItem(shown, bound); }
    // The entries become the rows of a lookup's data control: `listField` shown, `boundField`
    // bound. The typed text is kept.
    void fillFrom(const RecordSource& source, const QString& listField, const QString& boundField);
    // Binds the combo to a lookup's data control: its entries follow every refresh of it.
    void bindTo(RecordSource& source, const QString& listField, const QString& boundField);
    QString listField() const override { return listField_; }
    QString boundField() const override { return boundField_; }
    bool boundColumnIsListColumn() const override { return !listField_.isEmpty() && listField_ == boundField_; }
    void setBoundValue(const QString& value) override;
    QString text() const override { return currentText(); }
    void setText(const QString& text) override { setEditText(text); }
    QString boundText() const override;
    QString tag() const override { return tag_; }
    void setBold(bool bold) override;
    void setTabStop(bool on) override { setFocusPolicy(on ? Qt::StrongFocus : Qt::ClickFocus); }
    void setEnabled(bool enabled) override { QComboBox::setEnabled(enabled); }
    void setVisible(bool visible) override { QComboBox::setVisible(visible); }
    void setFocus() override { QComboBox::setFocus(); }

private:
    QString tag_;
    QString listField_;
    QString boundField_;
};

class LabelControl : public QLabel, public DescriptionLabel {
public:
    explicit LabelControl(const QString& caption, QWidget* parent = nullptr) : QLabel(caption, parent) {}
    QString caption() const override { return QLabel::text(); }
    void setCaption(const QString& caption) override;
    void setEnabled(bool enabled) override { QLabel::setEnabled(enabled); }
    void setVisible(bool visible) override { QLabel::setVisible(visible); }
};

class ButtonControl : public QPushButton, public CommandButton {
public:
    ButtonControl(const QString& name, QWidget* parent = nullptr);
    QString name() const override { return objectName(); }
    QString tag() const override { return tag_; }
    void setTag(const QString& tag) { tag_ = tag; }
    void setCaption(const QString& caption) override { QPushButton::setText(caption); }
    QString caption() const override { return QPushButton::text(); }
    bool isEnabled() const override { return QPushButton::isEnabled(); }
    void setEnabled(bool enabled) override { QPushButton::setEnabled(enabled); }
    void setDefault(bool on) override { QPushButton::setDefault(on); }
    bool isCancel() const override { return cancel_; }
    void setCancel(bool cancel) override { cancel_ = cancel; }
    void setTabStop(bool on) override { setFocusPolicy(on ? Qt::StrongFocus : Qt::NoFocus); }

private:
    QString tag_;
    bool cancel_ = false;
};

class FrameControl : public QGroupBox, public FieldFrame {
public:
    explicit FrameControl(const QString& caption, QWidget* parent = nullptr) : QGroupBox(caption, parent) {}
    QString caption() const override { return title(); }
    void setCaption(const QString& caption) override { setTitle(caption); }
    bool isEnabled() const override { return QGroupBox::isEnabled(); }
    void setEnabled(bool enabled) override { QGroupBox::setEnabled(enabled); }
    void setBold(bool bold) override;
    void setVisible(bool visible) override { QGroupBox::setVisible(visible); }
};

}  // namespace razudar::tables
