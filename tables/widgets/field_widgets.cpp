#include "tables/widgets/field_widgets.h"

#include <QHBoxLayout>

#include "model/basic.h"
#include "tables/date_text.h"
#include "tables/record_source.h"

namespace razudar::tables {

namespace {

template <typename W>
void makeBold(W* widget, bool bold) {
    QFont font = widget->font();
    font.setBold(bold);
    widget->setFont(font);
}

// The "#" notation as a Qt input mask: "#" is a digit that may be left blank ("9" would make
// it required), "\" escapes Qt's own mask characters among the literals, "_" is the prompt.
QString qtInputMask(const QString& mask) {
    if (mask.isEmpty()) return {};
    static const QString qtSpecial = QStringLiteral("AaNnXx90Dd#HhBb><!\\[]{}");
    QString out;
    for (QChar c : mask) {
        if (c == u'#') {
            out += u'0';
        } else {
            if (qtSpecial.contains(c)) out += u'\\';
            out += c;
        }
    }
    return out + QStringLiteral(";_");
}

}  // namespace

LineEditField::LineEditField(const QString& dataField, const QString& tag, QWidget* parent, const QString& mask)
    : QLineEdit(parent), dataField_(dataField), tag_(tag), mask_(mask) {
    if (!mask_.isEmpty()) QLineEdit::setInputMask(qtInputMask(mask_));
}

QString LineEditField::text() const {
    // A masked field's text keeps its literals and prompt characters.
    return mask_.isEmpty() ? QLineEdit::text() : QLineEdit::displayText();
}

void LineEditField::setText(const QString& text) {
    if (mask_.isEmpty()) {
        QLineEdit::setText(text);
        return;
    }
    // Prompt characters mark empty positions of a masked value.
    QString value = text;
    value.replace(u'_', u' ');
    QLineEdit::setText(value);
}

void LineEditField::setMaxLength(int length) {
    if (mask_.isEmpty()) QLineEdit::setMaxLength(length);
}

void LineEditField::setBold(bool bold) { makeBold(this, bold); }

void LineEditField::setBackground(QRgb colour) {
    QPalette p = palette();
    p.setColor(QPalette::Base, QColor::fromRgb(colour));
    setPalette(p);
}

int LineEditField::selectionStart() const {
    const int start = QLineEdit::selectionStart();
    return start >= 0 ? start : cursorPosition();
}

CheckField::CheckField(const QString& caption, const QString& dataField, const QString& tag, QWidget* parent)
    : QCheckBox(caption, parent), dataField_(dataField), tag_(tag) {}

void CheckField::setBold(bool bold) { makeBold(this, bold); }

DateField::DateField(const QString& dataField, const QString& tag, QWidget* parent)
    : QWidget(parent), dataField_(dataField), tag_(tag),
      edit_(new QDateTimeEdit(this)), noDate_(new QCheckBox(QStringLiteral("Nessuna data"), this)) {
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(edit_, 1);
    layout->addWidget(noDate_);
    edit_->setDisplayFormat(QStringLiteral("dd/MM/yyyy hh.mm"));
    edit_->setMinimumDateTime(QDateTime(QDate(1900, 1, 1), QTime(0, 0)));
    connect(noDate_, &QCheckBox::toggled, this, [this](bool none) {
        edit_->setEnabled(!none);
        emit changed();
    });
    connect(edit_, &QDateTimeEdit::dateTimeChanged, this, &DateField::changed);
}

std::optional<QDateTime> DateField::dateValue() const {
    if (noDate_->isChecked()) return std::nullopt;
    return edit_->dateTime();
}

void DateField::setDateValue(const std::optional<QDateTime>& value) {
    if (value) {
        edit_->setDateTime(*value);
        noDate_->setChecked(false);
    } else {
        edit_->setDateTime(edit_->minimumDateTime());
        noDate_->setChecked(true);
    }
}

QString DateField::text() const {
    const auto value = dateValue();
    return value ? value->toString(QStringLiteral("dd/MM/yyyy hh.mm")) : QString();
}

void DateField::setText(const QString& text) { setDateValue(parseDateText(text)); }

void DateField::setBold(bool bold) { makeBold(edit_, bold); }

ComboField::ComboField(const QString& tag, QWidget* parent) : QComboBox(parent), tag_(tag) {
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
}

QString ComboField::boundText() const {
    const int at = findText(currentText(), Qt::MatchFixedString);
    return at < 0 ? QString() : itemData(at).toString();
}

void ComboField::fillFrom(const RecordSource& source, const QString& listField, const QString& boundField) {
    listField_ = listField;
    boundField_ = boundField;
    const QString typed = currentText();
    const QSignalBlocker quiet(this);
    clear();
    const int list = source.fieldIndex(listField);
    const int bound = source.fieldIndex(boundField);
    for (int row = 0; row < source.recordCount(); ++row) {
        addItem(basic::CStr(source.valueAt(row, list)), basic::CStr(source.valueAt(row, bound)));
    }
    setEditText(typed);
}

void ComboField::bindTo(RecordSource& source, const QString& listField, const QString& boundField) {
    listField_ = listField;
    boundField_ = boundField;
    source.onRefreshed = [this, &source] { fillFrom(source, listField_, boundField_); };
    if (source.isOpen()) fillFrom(source, listField_, boundField_);
}

void ComboField::setBoundValue(const QString& value) {
    const int at = value.isEmpty() ? -1 : findData(value, Qt::UserRole, Qt::MatchFixedString);
    setCurrentIndex(at);
    setEditText(at < 0 ? QString() : itemText(at));
}

void ComboField::setBold(bool bold) { makeBold(this, bold); }

void LabelControl::setCaption(const QString& caption) {
    setText(caption);
    adjustSize();  // the label sizes itself to its text
}

ButtonControl::ButtonControl(const QString& name, QWidget* parent) : QPushButton(parent) { setObjectName(name); }

void FrameControl::setBold(bool bold) { makeBold(this, bold); }

}  // namespace razudar::tables
