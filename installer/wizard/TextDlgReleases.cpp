#include "installer/wizard/TextDlgReleases.h"

#include "installer/catalogue/BuildManager.h"
#include "installer/startup/Feedback.h"
#include "installer/wizard/DlgAdvSettings.h"
#include "installer/wizard/DlgYesNo.h"
#include "installer/wizard/TextDlgMaker.h"

#include "common/Messages.h"
#include "common/error.h"

#include <sstream>

namespace {

// A release row without its release: the rows are broken.
[[noreturn]] void badItem()
{
    error failure(3, 1, 1, 3);
    failure << "bad item object";
    throw failure;
}

}  // namespace

TextDlgReleases::TextDlgReleases(TextConsole& console, BuildManager& buildManager, Repository& repository,
                                 bool showAllReleases, const Opsys& system)
    : DlgReleases(buildManager, repository), TextDialog(console), showAllReleases_(showAllReleases), system_(system)
{
    std::string previousProduct;
    bool first = true;
    for (const ReleasePtr& release : buildManager.getReleases(1)) {
        if (!release->hasNotDeprecatedBuild(system_)) continue;
        const std::string& productId = release->product()->id;
        if (first || productId != previousProduct) {
            std::string preselected = buildManager.getSelectedReleaseId(productId);
            if (preselected.empty()) {
                preselected = buildManager.getInstalledReleaseId(productId);
                if (!preselected.empty()) buildManager.selectRelease(productId, preselected);
            }
            Item product;
            product.expanded = !preselected.empty();
            product.productId = productId;
            product.productName = release->product()->name;
            rows_.push_back(product);
        }
        Item row;
        row.release = release;
        rows_.push_back(row);
        if (release->isInstalled()) buildManager.selectRelease(productId, release->id());
        previousProduct = productId;
        first = false;
    }
}

std::unique_ptr<DlgMaker> TextDlgReleases::dialogs() const { return std::make_unique<TextDlgMaker>(console()); }

bool TextDlgReleases::isPreselected() const
{
    return !showAllReleases_ && rows_.size() == 2 && rows_[0].isProduct() && rows_[1].release &&
           rows_[1].release->isSelected();
}

bool TextDlgReleases::isUpdateOffer() const
{
    return !showAllReleases_ && rows_.size() == 3 && rows_[0].isProduct() && rows_[1].release && rows_[2].release &&
           rows_[2].release->isInstalled() && !rows_[1].release->codename().empty() &&
           rows_[1].release->codename() == rows_[2].release->codename();
}

bool TextDlgReleases::isSingleProduct() const
{
    if (showAllReleases_) return false;
    int products = 0;
    for (const Item& row : rows_)
        if (row.isProduct()) ++products;
    return products == 1;
}

void TextDlgReleases::show(bool updateOffer, bool singleProduct)
{
    showHeader(Messages::get("releases_page_hdr"));
    if (rows_.empty()) {
        std::ostringstream system;
        system << system_;
        out() << (Messages::format("releases_no_avail") % system.str()).str() << "\n\n\n";
    } else {
        if (!updateOffer) out() << Messages::get("releases_page_body") << "\n";
        const std::string indentation = singleProduct ? "" : "  ";
        int counter = 1;
        bool open = false;
        for (const Item& row : rows_) {
            if (row.isProduct()) {
                if (singleProduct) {
                    open = true;
                    continue;
                }
                out() << "\n" << counter << ". [" << (row.expanded ? '*' : ' ') << "] " << row.productName << "\n";
                open = row.expanded;
                ++counter;
                continue;
            }
            if (!row.release) badItem();
            if (!open) continue;
            out() << indentation;
            showRelease(row, counter, updateOffer);
            ++counter;
        }
        numbered_ = counter - 1;
        out() << "\n";
    }
    showLegend({"wizard_legend_f_forward", "wizard_legend_b_back", "wizard_legend_q_quit",
                "wizard_legend_s_advanced_settings"});
    out() << Messages::get("wizard_prompt_action_or_number");
}

void TextDlgReleases::showRelease(const Item& row, int number, bool updateOffer)
{
    const Release& release = *row.release;
    out() << number << ". " << (release.isSelected() ? "(*) " : "( ) ");
    if (updateOffer) {
        out() << Messages::get(number == 1 ? "releases_install_latest_update" : "releases_add_remove_components");
    } else {
        if (showAllReleases_) {
            out() << release.name();
        } else {
            out() << release.product()->name << " " << release.codename();
            // The first rows are the newest and told apart by codename; further
            // down the versions tell them apart.
            if (number >= 4) out() << " " << release.getVersion();
        }
        if (release.isVisible(Release::hideCli)) out() << " (" << release.getTiersText() << ")";
    }
    out() << "\n";
}

bool TextDlgReleases::selectByNumber(int number, bool singleProduct)
{
    int counter = 1;
    bool open = false;
    for (Item& row : rows_) {
        if (row.isProduct()) {
            if (singleProduct) {
                // Not on the screen, so it takes no number.
                open = true;
                continue;
            }
            open = row.expanded;
            if (counter == number) {
                if (row.expanded) {
                    buildManager().unselectProduct(row.productId);
                    row.expanded = false;
                } else {
                    openProduct(row);
                }
                return true;
            }
            ++counter;
            continue;
        }
        if (!row.release) badItem();
        if (!open) continue;
        if (counter == number) {
            buildManager().selectRelease(row.release->product()->id, row.release->id());
            return true;
        }
        ++counter;
    }
    return false;
}

void TextDlgReleases::openProduct(Item& row)
{
    row.expanded = true;
    // The installed release wins; without one, the first (newest) is taken.
    // Only releases the page lists count: one without a build for this system
    // would be selected unseen and could not be installed.
    bool first = true;
    for (const ReleasePtr& release : buildManager().getReleases(0)) {
        if (release->product()->id != row.productId || !release->hasNotDeprecatedBuild(system_)) continue;
        if (first || release->isInstalled()) buildManager().selectRelease(row.productId, release->id());
        first = false;
    }
}

void TextDlgReleases::askCustomerFeedback()
{
    if (!Feedback::isUndecided()) return;
    out() << "\n";
    Feedback::setEnabled(dialogs()->createYesNo(Messages::get("ask_customer_feedback"))->run() == DLG_YES);
}

bool TextDlgReleases::mayGoForward()
{
    if (!canContinue()) return false;
    askCustomerFeedback();
    return true;
}

int TextDlgReleases::run()
{
    if (isPreselected() && mayGoForward()) return DLG_FORWARD;
    const bool updateOffer = isUpdateOffer();
    const bool singleProduct = updateOffer || isSingleProduct();
    for (;;) {
        show(updateOffer, singleProduct);
        for (;;) {
            const Answer answer = askAction(choiceHint("F/b/q/s", numbered_), "F");
            if (answer.isNumber() && selectByNumber(answer.number(), singleProduct)) break;
            if (answer.is('B') || answer.is('P')) return DLG_BACK;
            if (answer.is('F') || answer.is('N')) {
                if (mayGoForward()) return DLG_FORWARD;
                break;
            }
            if (answer.is('Q')) return DLG_QUIT;
            if (answer.is('S')) {
                if (advSettings() && advSettings()->run() == DLG_QUIT) return DLG_QUIT;
                break;
            }
            out() << Messages::get("wizard_prompt_action_or_number_retry");
        }
    }
}
