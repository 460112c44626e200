#include "installer/wizard/TextDlgPackages.h"

#include "installer/reporters/PackagesReporter.h"
#include "installer/wizard/DlgMessage.h"
#include "installer/wizard/Pager.h"
#include "installer/wizard/TextDlgMaker.h"

#include "common/Command.h"
#include "common/Log.h"
#include "common/Messages.h"
#include "common/fileops.h"

#include <ostream>
#include <sstream>

namespace {

const char* const pagerPrompt = "Use arrow keys for navigation and 'q' to return to installer";

}  // namespace

void TextDlgPackages::show()
{
    showHeader(Messages::get("packages_page_hdr"));
    out() << (Messages::format("packages_page_body_install") % installs()).str() << "\n";
    out() << (Messages::format("packages_page_body_upgrade") % upgrades()).str() << "\n";
    if (removals() > 0) out() << (Messages::format("packages_page_body_remove") % removals()).str() << "\n";
    out() << "\n";
    showLegend({"wizard_legend_f_forward", "wizard_legend_b_back", "wizard_legend_q_quit",
                "wizard_legend_s_show_packages"});
    out() << Messages::get("wizard_prompt_action");
}

int TextDlgPackages::run()
{
    for (;;) {
        show();
        for (;;) {
            const Answer answer = askAction("F/b/q/s", "F");
            if (answer.is('B') || answer.is('P')) return DLG_BACK;
            if (answer.is('F') || answer.is('N')) return DLG_FORWARD;
            if (answer.is('Q')) return DLG_QUIT;
            if (answer.is('S')) {
                showPackages();
                break;
            }
            out() << Messages::get("wizard_prompt_action_retry");
        }
    }
}

void TextDlgPackages::printAndPause(const std::string& listing)
{
    out() << listing << "\n";
    TextDlgMaker(console()).createMessage(std::string())->run();
}

void TextDlgPackages::showPackages()
{
    std::ostringstream listing;
    PackagesReporter(0, &packages(), &repository(), false).put(listing);
    // The pager writes to the terminal itself: what the page printed goes first.
    out() << std::flush;

    if (executeCommand("less --version", false, false) == 0) {
        if (!Pager::show({"less", "-m", "-C", std::string("-Pm") + pagerPrompt}, listing.str()))
            printAndPause(listing.str());
        return;
    }
    if (fileops::is_file("/bin/more")) {
        if (Pager::show({"more", "-d"}, listing.str()))
            TextDlgMaker(console()).createMessage(std::string())->run();
        else
            printAndPause(listing.str());
        return;
    }
    Log(0, true) << Messages::get("err_no_pagers");
    printAndPause(listing.str());
}
