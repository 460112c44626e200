#pragma once

#include "installer/wizard/Dialog.h"

#include <string>
#include <utility>

// A yes/no question: DLG_YES or DLG_NO. The default is what an empty answer
// means; a question without one (defaultYes false) takes no empty answer at all.
class DlgYesNo : public Dialog {
public:
    DlgYesNo(std::string question, bool defaultYes) : question_(std::move(question)), defaultYes_(defaultYes) {}
    const std::string& question() const { return question_; }
    bool defaultYes() const { return defaultYes_; }

private:
    std::string question_;
    bool defaultYes_;
};
