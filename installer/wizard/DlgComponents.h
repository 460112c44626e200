#pragma once

#include "installer/components/KwCompNode.h"
#include "installer/wizard/Dialog.h"

#include <set>
#include <string>

class ComponentManager;
class DlgMaker;

// The components page: the components of the products the driver offers.
class DlgComponents : public Dialog {
public:
    // The manager is not owned and outlives the page.
    // Selects the base component when its product is not installed yet, and
    // what the selected components need.
    explicit DlgComponents(ComponentManager& componentManager);

    // The products whose components the page offers; set by the driver.
    void setProducts(const std::set<std::string>& productIds) { products_ = productIds; }
    const std::set<std::string>& products() const { return products_; }

protected:
    ComponentManager& componentManager() const { return componentManager_; }
    // One step of the component's mark cycle, asking through `dialogs`.
    void toggleComponent(const KwComponentPtr& component, DlgMaker& dialogs);

private:
    ComponentManager& componentManager_;
    std::set<std::string> products_;
};
