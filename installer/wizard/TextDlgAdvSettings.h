#pragma once

#include "installer/wizard/DlgAdvSettings.h"
#include "installer/wizard/TextDialog.h"

#include <string>

// The advanced settings page: the source, and for a network source the
// download directory, the proxy (host, port and user; never a password) and
// the download retries, with the table of options and rc keys that change
// them and the path of the rc file. B (or Enter) goes back, Q quits; with the
// back key off, Enter quits.
class TextDlgAdvSettings : public DlgAdvSettings, public TextDialog {
public:
    // `rcFile` is the rc file the page names (the home directory's).
    TextDlgAdvSettings(TextConsole& console, const Settings& settings, const std::string& rcFile);
    int run() override;

private:
    void show();

    std::string rcFile_;
};
