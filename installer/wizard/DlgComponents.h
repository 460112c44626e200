#pragma once

#include "installer/wizard/Dialog.h"

#include <set>
#include <string>

class ComponentManager;

// The components page: the components of the products the driver offers.
class DlgComponents : public Dialog {
public:
    // The manager is not owned and outlives the page.
    explicit DlgComponents(ComponentManager& componentManager) : componentManager_(componentManager) {}

    // The products whose components the page offers; set by the driver.
    void setProducts(const std::set<std::string>& productIds) { products_ = productIds; }
    const std::set<std::string>& products() const { return products_; }

protected:
    ComponentManager& componentManager() const { return componentManager_; }

private:
    ComponentManager& componentManager_;
    std::set<std::string> products_;
};
