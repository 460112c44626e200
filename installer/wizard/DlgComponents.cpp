#include "installer/wizard/DlgComponents.h"

#include "installer/components/ComponentManager.h"
#include "installer/components/KwComponent.h"
#include "installer/wizard/ChangeState.h"

DlgComponents::DlgComponents(ComponentManager& componentManager) : componentManager_(componentManager)
{
    // A product not installed yet cannot go without its base component.
    if (componentManager_.getBaseComponent()->getInstallMode() == KwComponent::MODE_INSTALL)
        componentManager_.selectBaseComponent();
    ComponentManager::MarkNeedForRequired needs(&componentManager_);
    componentManager_.visit(needs);
}

void DlgComponents::toggleComponent(const KwComponentPtr& component, DlgMaker& dialogs)
{
    // Refusals raise; a declined question has changed nothing.
    toggleComponentMark(componentManager_, component, dialogs);
}
