#pragma once

#include "installer/wizard/Dialog.h"

#include <string>
#include <utility>
#include <vector>

class BuildManager;
class ComponentManager;

// The installation types page: one installation type per product being
// installed, and whether the operator asked to choose components as well.
class DlgInstTypes : public Dialog {
public:
    // (product id, installation type name), in the order of the installation
    // types data.
    typedef std::vector<std::pair<std::string, std::string>> Selection;

    // Takes each product of the component manager's installation types data with
    // the type chosen for it so far (empty when none is); a product named twice
    // keeps its first place and its later type. Neither manager is owned.
    DlgInstTypes(BuildManager& buildManager, ComponentManager& componentManager);

    const Selection& selection() const { return selection_; }
    // The type name of the product; a product not listed yet is appended with an
    // empty name.
    std::string& typeOf(const std::string& productId);
    bool chooseComponents() const { return chooseComponents_; }

protected:
    BuildManager& buildManager() const { return buildManager_; }
    ComponentManager& componentManager() const { return componentManager_; }
    void setChooseComponents(bool choose) { chooseComponents_ = choose; }

private:
    BuildManager& buildManager_;
    ComponentManager& componentManager_;
    Selection selection_;
    bool chooseComponents_ = false;
};
