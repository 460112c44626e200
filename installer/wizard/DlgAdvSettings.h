#pragma once

#include "installer/wizard/Dialog.h"

#include <ostream>
#include <string>

class Options;

// The advanced settings page: where the installer takes its files from and how
// it downloads them. It only shows them (they are changed on the command line
// or in the rc file) and goes back or quits.
class DlgAdvSettings : public Dialog {
public:
    // What the page shows, copied from the options. The proxy password is not
    // among it: no page ever shows it.
    struct Settings {
        std::string source;  // the package source location
        std::string target;  // the directory for downloaded files
        std::string proxyHost;
        int proxyPort = 0;
        std::string proxyUser;
        int downloadRetries = 0;

        static Settings fromOptions(const Options& options);
    };

    explicit DlgAdvSettings(const Settings& settings) : settings_(settings) {}

    const Settings& settings() const { return settings_; }
    // Off when the page is the last thing shown after an unrecoverable error:
    // then it has no back key and an empty answer quits.
    void setBackAllowed(bool allowed) { backAllowed_ = allowed; }
    bool backAllowed() const { return backAllowed_; }

private:
    Settings settings_;
    bool backAllowed_ = true;
};

// "source -> target, proxy host:port, retries N".
std::ostream& operator<<(std::ostream& out, const DlgAdvSettings::Settings& settings);
