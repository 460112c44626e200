#pragma once

#include "installer/wizard/DlgMessage.h"
#include "installer/wizard/TextDialog.h"

// A message: the text, then "(press Enter to continue)".
class TextDlgMessage : public DlgMessage, public TextDialog {
public:
    TextDlgMessage(TextConsole& console, const std::string& text) : DlgMessage(text), TextDialog(console) {}
    int run() override
    {
        showMessage(text());
        return DLG_OK;
    }
};
