#pragma once

#include "installer/wizard/DlgHello.h"
#include "installer/wizard/TextDialog.h"

// The welcome page: F (or N, or Enter) goes forward, Q quits; there is no way back.
class TextDlgHello : public DlgHello, public TextDialog {
public:
    explicit TextDlgHello(TextConsole& console) : TextDialog(console) {}
    int run() override;

private:
    void show();
};
