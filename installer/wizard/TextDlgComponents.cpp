#include "installer/wizard/TextDlgComponents.h"

#include "installer/catalogue/BuildManager.h"
#include "installer/catalogue/Product.h"
#include "installer/catalogue/Release.h"
#include "installer/components/ComponentsChangeset.h"
#include "installer/components/ComponentsChangesetMarker.h"
#include "installer/components/KwComponent.h"
#include "installer/components/KwRadioGroup.h"
#include "installer/wizard/ChangesetConsequences.h"
#include "installer/wizard/TextDlgMaker.h"

#include "common/Messages.h"
#include "common/error.h"

#include <boost/format.hpp>
#include <boost/pointer_cast.hpp>

#include <iomanip>

namespace {

// Shown and numbered: a hidden component only once installed, when its build
// asks for that.
bool isListed(const KwComponent& component)
{
    return component.isShown();
}

}  // namespace

TextDlgComponents::TextDlgComponents(TextConsole& console, ComponentManager& componentManager,
                                     BuildManager& buildManager)
    : DlgComponents(componentManager), TextDialog(console), buildManager_(buildManager)
{
    for (const ReleasePtr& release : buildManager_.getReleases(1)) {
        if (!release->isSelected()) continue;
        for (const BuildPtr& build : release->builds())
            if (build->uninstallSupport()) removalSupported_ = true;
        productList_.emplace_back(release->product()->id, release->product()->name);
    }
    if (productList_.empty()) throw KW_INTERNAL_ERROR() << " No selected release has a product.";
    currentProduct_ = productList_.front().first;

    ComponentManager::MarkComponentsForUpgrade upgrades{std::vector<std::string>()};
    componentManager.visit(upgrades);
    upgrades.apply(componentManager);
}

bool TextDlgComponents::hasGroups(const ComponentManager::NodeList& nodes)
{
    for (const KwCompNodePtr& node : nodes)
        if (boost::dynamic_pointer_cast<KwSubGroup>(node)) return true;
    return false;
}

const ComponentManager::NodeList& TextDlgComponents::currentNodes() const
{
    return atTopLevel() ? componentManager().getRootNodes() : groups_.back()->getChildren();
}

std::string TextDlgComponents::countsText(const std::string& productId, const std::string& groupName) const
{
    ComponentManager::SelectedCounter counter(productId);
    componentManager().visit(counter);
    const ComponentManager::SelectedCounter::Counts& counts = counter.getCounts();
    const auto it = counts.find(groupName);
    const std::pair<std::int32_t, std::int32_t> count = it == counts.end() ? std::make_pair(0, 0) : it->second;
    return (Messages::format("components_page_num_selected") % count.first % count.second).str();
}

const std::string& TextDlgComponents::productName(const std::string& productId) const
{
    for (const auto& product : productList_)
        if (product.first == productId) return product.second;
    throw KW_INTERNAL_ERROR() << " No product " << productId << " in the list.";
}

void TextDlgComponents::show()
{
    int number = 1;
    if (atTopLevel()) {
        if (severalProducts()) {
            showHeader(Messages::get("components_page_hdr"));
            out() << Messages::get("components_page_body1") << "\n\n";
            for (const auto& product : productList_) {
                if (products().count(product.first) == 0) continue;
                out() << number << ". (" << (product.first == currentProduct_ ? '*' : ' ') << ") " << product.second
                      << "  ........ " << countsText(product.first, std::string()) << "\n";
                ++number;
            }
        } else {
            auto product = productList_.begin();
            while (product != productList_.end() && products().count(product->first) == 0) ++product;
            if (product == productList_.end()) throw KW_INTERNAL_ERROR() << " No offered product is selected.";
            currentProduct_ = product->first;
            showHeader(Messages::get("components_page_hdr1") + product->second);
            out() << " " << countsText(currentProduct_, std::string()) << "\n";
        }
        out() << "\n"
              << (Messages::format("components_page_body2") % productName(currentProduct_)).str() << "\n\n";
    } else {
        showHeader(Messages::get("components_page_hdr") + " / " + groups_.back()->getName());
        out() << Messages::get("components_page_body3") << "\n";
    }

    const ComponentManager::NodeList& nodes = currentNodes();
    printNodes(nodes, number);
    numbered_ = number - 1;

    out() << "\n"
          << Messages::get(hasGroups(nodes) ? "components_page_bottom_toggle_groups"
                                            : "components_page_bottom_toggle_components")
          << "\n\n";
    if (atTopLevel())
        showLegend({"wizard_legend_f_forward", "wizard_legend_b_back", "wizard_legend_q_quit",
                    "wizard_legend_a_select_all", "wizard_legend_d_deselect_all"});
    else
        showLegend({"wizard_legend_b_back", "wizard_legend_q_quit", "wizard_legend_a_select_all",
                    "wizard_legend_d_deselect_all"});
    out() << Messages::get("wizard_prompt_action_or_number");
}

void TextDlgComponents::printNodes(const ComponentManager::NodeList& nodes, int& number)
{
    for (const KwCompNodePtr& node : nodes) {
        if (node->getProductId() != currentProduct_) continue;
        if (const KwComponentPtr component = boost::dynamic_pointer_cast<KwComponent>(node)) {
            if (!isListed(*component)) continue;
            if (component->isBaseComponent())
                out() << std::setw(2) << number << ".  *  " << component->getDescription() << "\n";
            else
                out() << std::setw(2) << number << ". [" << component->getStatusMark() << "] "
                      << component->getDescription() << "\n";
            ++number;
        } else if (const KwRadioGroupPtr radio = boost::dynamic_pointer_cast<KwRadioGroup>(node)) {
            out() << "\n  " << radio->getDescription() << "\n";
            for (const KwComponentPtr& child : radio->getChildren()) {
                if (!isListed(*child)) continue;
                out() << std::setw(2) << number << ". (" << child->getStatusMark() << ") " << child->getDescription()
                      << "\n";
                ++number;
            }
            out() << "\n";
        } else if (const KwSubGroupPtr group = boost::dynamic_pointer_cast<KwSubGroup>(node)) {
            out() << std::setw(2) << number << ". [" << group->getStatusMark() << "] <+> " << group->getDescription()
                  << " // " << countsText(currentProduct_, group->getName()) << "\n";
            ++number;
        } else {
            throw KW_INTERNAL_ERROR() << " A node that is neither a component nor a group.";
        }
    }
}

bool TextDlgComponents::selectItem(int n)
{
    int number = 1;
    if (atTopLevel() && severalProducts()) {
        for (const auto& product : productList_) {
            if (products().count(product.first) == 0) continue;
            if (n == number++) {
                currentProduct_ = product.first;
                return true;
            }
        }
    }
    TextDlgMaker dialogs(console());
    for (const KwCompNodePtr& node : currentNodes()) {
        if (node->getProductId() != currentProduct_) continue;
        const KwComponentPtr component = boost::dynamic_pointer_cast<KwComponent>(node);
        if (component && !isListed(*component)) continue;
        if (const KwRadioGroupPtr radio = boost::dynamic_pointer_cast<KwRadioGroup>(node)) {
            for (const KwComponentPtr& child : radio->getChildren()) {
                if (!isListed(*child)) continue;
                if (n == number++) {
                    toggleComponent(child, dialogs);
                    return true;
                }
            }
            continue;
        }
        if (n != number++) continue;
        if (const KwSubGroupPtr group = boost::dynamic_pointer_cast<KwSubGroup>(node)) {
            groups_.push_back(group);
            return true;
        }
        if (!component) throw KW_INTERNAL_ERROR() << " Numbered node is neither a sub group nor a component.";
        toggleComponent(component, dialogs);
        return true;
    }
    return false;
}

bool TextDlgComponents::canContinue()
{
    if (componentManager().isAnySelected()) return true;
    showMessage(Messages::get("components_atleast_one"));
    return false;
}

void TextDlgComponents::markLevel(ComponentsChangeset::request_mode_t request)
{
    ComponentsChangeset changeset;
    ComponentsChangesetMarker marker(&changeset, currentProduct_, request, true, true);
    const ComponentManager::NodeList& nodes = currentNodes();
    marker.mark(nodes.begin(), nodes.end());
    // A conflict is recorded in the changeset, and the confirmation refuses it.
    componentManager().resolveComponents(&changeset);
    TextDlgMaker dialogs(console());
    if (confirmChangesetConsequences(changeset, dialogs)) componentManager().applyChangeset(changeset);
}

int TextDlgComponents::run()
{
    groups_.clear();
    if (!products().empty()) currentProduct_ = *products().begin();
    if (componentManager().isAllInstalled() && !removalSupported_) {
        out() << "\n" << Messages::get("components_allready_installed") << "\n";
        return DLG_QUIT;
    }
    show();
    for (;;) {
        const Answer answer = atTopLevel() ? askAction(choiceHint("F/b/q/a/d", numbered_), "F")
                                           : askAction(choiceHint("B/q/a/d", numbered_), "B");
        if (answer.isNumber()) {
            bool selected = false;
            try {
                selected = selectItem(answer.number());
            } catch (error& refused) {
                // A refused toggle changed nothing: say why and stay on the page.
                showMessage(refused.text());
                selected = true;
            }
            if (selected)
                show();
            else
                out() << Messages::get("wizard_prompt_action_or_number_retry");
            continue;
        }
        if (answer.is('A') || answer.is('D')) {
            markLevel(answer.is('A') ? ComponentsChangeset::REQ_INSTALL : ComponentsChangeset::REQ_LEAVE);
            show();
        } else if (answer.is('B') || answer.is('P')) {
            if (atTopLevel()) return DLG_BACK;
            groups_.pop_back();
            show();
        } else if ((answer.is('F') || answer.is('N')) && atTopLevel()) {
            if (canContinue()) return DLG_FORWARD;
            show();
        } else if (answer.is('Q')) {
            return DLG_QUIT;
        } else {
            out() << Messages::get("wizard_prompt_action_or_number_retry");
        }
    }
}
