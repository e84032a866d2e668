#pragma once
// The header label above the operator preview list, as the race model's preview writer sees it.
#include <QLabel>

#include "model/caption_label.h"

namespace razudar {

class LabelCaption : public CaptionLabel {
public:
    explicit LabelCaption(QLabel* label) : label_(label) {}
    void setAlignment(int Alignment) override {
        const Qt::Alignment a = Alignment == 1 ? Qt::AlignRight : Alignment == 2 ? Qt::AlignHCenter : Qt::AlignLeft;
        label_->setAlignment(a | Qt::AlignVCenter);
    }
    void setCaption(const QString& Caption) override { label_->setText(Caption); }

private:
    QLabel* label_;
};

}  // namespace razudar
