#include "installer/wizard/DlgInstTypes.h"

#include "installer/components/ComponentManager.h"

DlgInstTypes::DlgInstTypes(BuildManager& buildManager, ComponentManager& componentManager)
    : buildManager_(buildManager), componentManager_(componentManager)
{
    const std::map<std::string, std::string> chosen = componentManager_.getInstallationTypes();
    for (const InstTypes::ProductEntry& product : componentManager_.getInstTypes().products()) {
        const auto type = chosen.find(product.product_id);
        typeOf(product.product_id) = type == chosen.end() ? std::string() : type->second;
    }
}

std::string& DlgInstTypes::typeOf(const std::string& productId)
{
    for (auto& pair : selection_)
        if (pair.first == productId) return pair.second;
    selection_.emplace_back(productId, std::string());
    return selection_.back().second;
}
