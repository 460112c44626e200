#pragma once

#include "installer/wizard/DlgYesNo.h"
#include "installer/wizard/TextDialog.h"

// A yes/no question: "y"/"yes" or "n"/"no" in any case; an empty answer is yes
// only for a default-yes question. Anything else prints "yesno_retry" and asks
// again without repeating the question.
class TextDlgYesNo : public DlgYesNo, public TextDialog {
public:
    TextDlgYesNo(TextConsole& console, const std::string& question, bool defaultYes)
        : DlgYesNo(question, defaultYes), TextDialog(console)
    {
    }
    int run() override;
};
