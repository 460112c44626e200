#pragma once

#include "installer/wizard/Dialog.h"

#include <string>
#include <utility>

// A one-line text question; run stores the answer (the default for an empty
// line) and returns DLG_OK.
class DlgPrompt : public Dialog {
public:
    DlgPrompt(std::string question, std::string defaultAnswer)
        : question_(std::move(question)), defaultAnswer_(std::move(defaultAnswer))
    {
    }
    const std::string& question() const { return question_; }
    const std::string& defaultAnswer() const { return defaultAnswer_; }
    // Empty until run.
    const std::string& answer() const { return answer_; }

protected:
    void setAnswer(const std::string& answer) { answer_ = answer; }

private:
    std::string question_;
    std::string defaultAnswer_;
    std::string answer_;
};
