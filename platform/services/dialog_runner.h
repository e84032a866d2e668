#pragma once

class QDialog;

namespace razudar {

// Shows the program's modal dialogs. The program runs them with exec(); tests answer them
// instead, acting on the dialog as the operator would, without a modal event loop.
class DialogRunner {
public:
    virtual ~DialogRunner() = default;
    // Shows `dialog` modally and returns when the operator closes it: true when accepted.
    virtual bool run(QDialog& dialog) = 0;
};

}  // namespace razudar
