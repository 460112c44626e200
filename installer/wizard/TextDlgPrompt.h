#pragma once

#include "installer/wizard/DlgPrompt.h"
#include "installer/wizard/TextDialog.h"

// A one-line text question with its default in brackets.
class TextDlgPrompt : public DlgPrompt, public TextDialog {
public:
    TextDlgPrompt(TextConsole& console, const std::string& question, const std::string& defaultAnswer)
        : DlgPrompt(question, defaultAnswer), TextDialog(console)
    {
    }
    int run() override
    {
        setAnswer(askText(question(), defaultAnswer()));
        return DLG_OK;
    }
};
