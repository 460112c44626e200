#include "installer/wizard/TextDlgAdvSettings.h"

#include "installer/sources/SourceUrl.h"
#include "installer/sources/UpdateServer.h"

#include "common/Messages.h"

TextDlgAdvSettings::TextDlgAdvSettings(TextConsole& console, const Settings& settings, const std::string& rcFile)
    : DlgAdvSettings(settings), TextDialog(console), rcFile_(rcFile)
{
}

void TextDlgAdvSettings::show()
{
    const Settings& shown = settings();
    showHeader(Messages::get("settings_page_hdr"));
    out() << Messages::get("wizard_current_settings") << "\n";
    out() << Messages::get("source_product_source");
    const bool local = SourceUrl(shown.source).isLocal();
    if (shown.source == UpdateServer::defaultRootUrl)
        out() << Messages::get("source_from_zarni") << "\n";
    else
        // A "user:password@" in the source stays hidden, as in the log.
        out() << Messages::get(local ? "source_from_local" : "source_from_network") << " "
              << SourceUrl::forDisplay(shown.source) << "\n";
    if (!local) {
        out() << Messages::get("source_target_dir") << shown.target << "\n";
        if (!shown.proxyHost.empty()) {
            out() << Messages::get("proxy_proxy_host") << shown.proxyHost << ":" << shown.proxyPort << "\n";
            if (!shown.proxyUser.empty())
                out() << Messages::get("proxy_auth") << shown.proxyUser << "\n";
            else
                out() << Messages::get("proxy_no_auth") << "\n";
        } else {
            out() << Messages::get("proxy_no_proxy") << "\n";
        }
        out() << Messages::get("settings_download_retries") << shown.downloadRetries << "\n";
    }
    out() << "\n" << Messages::get("settings_page_body") << "\n";
    out() << Messages::get("settings_page_cfg") << rcFile_ << "\n";
    out() << "\n";
    if (backAllowed())
        showLegend({"wizard_legend_b_back", "wizard_legend_q_quit"});
    else
        showLegend({"wizard_legend_q_quit"});
    out() << Messages::get("wizard_prompt_action");
}

int TextDlgAdvSettings::run()
{
    show();
    const bool back = backAllowed();
    for (;;) {
        const Answer answer = askAction(back ? "B/q" : "Q", back ? "B" : "Q");
        if (back && (answer.is('B') || answer.is('P'))) return DLG_BACK;
        if (answer.is('Q')) return DLG_QUIT;
        out() << Messages::get("wizard_prompt_action_retry");
    }
}
