#pragma once
// Window placement helpers of the program's windows.

class QWidget;

namespace razudar {

// Centres `window` over `owner` ((owner size - window size) / 2 + owner's left and top), or on
// its screen when there is no owner. Sizes and positions are the outer (framed) geometry.
void CentraForm(QWidget& window, const QWidget* owner = nullptr);

}  // namespace razudar
