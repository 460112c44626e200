#pragma once

#include "installer/components/ComponentManager.h"
#include "installer/components/ComponentsChangeset.h"
#include "installer/components/KwSubGroup.h"
#include "installer/wizard/DlgComponents.h"
#include "installer/wizard/TextDialog.h"

#include <string>
#include <utility>
#include <vector>

class BuildManager;

// The components page: the component tree of one product at a time as numbered
// lines with marks. A number switches the product (with several offered),
// enters a sub group or toggles a component through the mark cycle
// (ChangeState); A and D select and deselect everything on the level shown.
// Every change goes into the component manager's selection at once.
class TextDlgComponents : public DlgComponents, public TextDialog {
public:
    // Marks every component with a newer build for upgrade. No selected release
    // with a product is an internal error.
    TextDlgComponents(TextConsole& console, ComponentManager& componentManager, BuildManager& buildManager);

    int run() override;

    void show();
    // What number `n` stands for on the page last shown; false when no line has it.
    bool selectItem(int n);
    // Something is selected; otherwise says so and waits for Enter.
    bool canContinue();
    static bool hasGroups(const ComponentManager::NodeList& nodes);

private:
    bool atTopLevel() const { return groups_.empty(); }
    bool severalProducts() const { return products().size() > 1; }
    const ComponentManager::NodeList& currentNodes() const;
    std::string countsText(const std::string& productId, const std::string& groupName) const;
    const std::string& productName(const std::string& productId) const;
    void printNodes(const ComponentManager::NodeList& nodes, int& number);
    void markLevel(ComponentsChangeset::request_mode_t request);

    BuildManager& buildManager_;
    // (product id, product name) per selected release, in release order.
    std::vector<std::pair<std::string, std::string>> productList_;
    std::string currentProduct_;
    int numbered_ = 0;
    // The groups entered, innermost last.
    std::vector<KwSubGroupPtr> groups_;
    bool removalSupported_ = false;
};
