#pragma once

#include "installer/wizard/DlgPackages.h"
#include "installer/wizard/TextDialog.h"

// The packages page: how many packages the installation adds, upgrades and
// removes; S shows the whole list through a pager and comes back to the page.
class TextDlgPackages : public DlgPackages, public TextDialog {
public:
    TextDlgPackages(TextConsole& console, const PackageList& packages, Repository& repository)
        : DlgPackages(packages, repository), TextDialog(console)
    {
    }

    int run() override;

    void show();
    // The list through less, else more, else printed here; the list is built
    // anew each time.
    void showPackages();

private:
    // The list on the page itself, then Enter: where no pager can show it.
    void printAndPause(const std::string& listing);
};
