#pragma once
// The caption label above the operator's preview list: the preview writes its column header
// there. The program hands in an object over its label widget; tests record the calls.
#include <QString>

namespace razudar {

class CaptionLabel {
public:
    virtual ~CaptionLabel() = default;
    // 0 left, 1 right, 2 centre.
    virtual void setAlignment(int Alignment) = 0;
    virtual void setCaption(const QString& Caption) = 0;
};

}  // namespace razudar
