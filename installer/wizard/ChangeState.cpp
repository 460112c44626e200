#include "installer/wizard/ChangeState.h"

#include "installer/components/ComponentManager.h"
#include "installer/wizard/ChangesetConsequences.h"

#include "common/Log.h"
#include "common/Messages.h"
#include "common/error.h"

#include <boost/format.hpp>

#include <array>
#include <utility>
#include <vector>

namespace {

typedef std::vector<std::pair<char, std::shared_ptr<const ChangeState::BaseInstantiator>>> Transitions;

template <class T>
std::pair<char, std::shared_ptr<const ChangeState::BaseInstantiator>> entry(char mark)
{
    return {mark, std::make_shared<ChangeState::Instantiator<T>>()};
}

// The marks a component of each usable state passes through, in toggle order.
const std::array<Transitions, 3>& transitionTables()
{
    static const std::array<Transitions, 3> tables = {
        Transitions{entry<ChangeStateLeaveInstalled>('='), entry<ChangeStateRemove>('X')},
        Transitions{entry<ChangeStateUpdate>('*'), entry<ChangeStateNoUpdate>(' '), entry<ChangeStateRemove>('X')},
        Transitions{entry<ChangeStateLeaveNotInstalled>(' '), entry<ChangeStateInstall>('*')},
    };
    return tables;
}

}  // namespace

ComponentState componentStateOf(const KwComponent& component)
{
    switch (component.getInstallMode()) {
    case KwComponent::MODE_UP2DATE:
        return ComponentState::UpToDate;
    case KwComponent::MODE_UPGRADE:
        return ComponentState::Upgradable;
    case KwComponent::MODE_INSTALL:
        return ComponentState::NotInstalled;
    default:
        return ComponentState::Unusable;
    }
}

std::ostream& operator<<(std::ostream& out, ComponentState state)
{
    return out << static_cast<int>(state);
}

bool isRemovalAllowed(const KwComponent& component)
{
    return component.getBuild()->uninstallSupport() && component.uninstallSupport;
}

std::unique_ptr<ChangeState> makeChangeState(ComponentState state, char mark, const KwComponentPtr& component,
                                             bool toggle)
{
    if (state == ComponentState::Unusable || mark == '!')
        return std::unique_ptr<ChangeState>(new ChangeStateInvalid(state, mark, component));

    const Transitions& table = transitionTables()[static_cast<std::size_t>(state)];
    std::size_t at = 0;
    while (at < table.size() && table[at].first != mark) ++at;
    if (at == table.size()) throw KW_INTERNAL_ERROR() << " Mark '" << mark << "' in component state " << state;
    if (!toggle) return table[at].second->create(state, mark, component);

    std::size_t next = (at + 1) % table.size();
    if (table[next].first == 'X' && !isRemovalAllowed(*component)) next = (next + 1) % table.size();
    if (next == at) return std::unique_ptr<ChangeState>(new ChangeStateInvalid(state, mark, component));
    return table[next].second->create(state, mark, component);
}

bool toggleComponentMark(ComponentManager& manager, const KwComponentPtr& component, DlgMaker& dialogs)
{
    const std::unique_ptr<ChangeState> current =
        makeChangeState(componentStateOf(*component), component->getStatusMark(), component, false);
    const std::unique_ptr<ChangeState> next =
        makeChangeState(current->state(), current->mark(), current->component(), true);
    return next->apply(manager, dialogs);
}

bool ChangeState::applyRequest(ComponentManager& manager, DlgMaker& dialogs,
                               ComponentsChangeset::request_mode_t request) const
{
    ComponentsChangeset changeset;
    changeset.setRequest(component_) = request;
    if (!manager.resolveComponents(&changeset))
        throw error(5, 1, 1, 2) << boost::format("Unable to change state for %s due to inter-component dependencies") %
                                       component_->getFullName();
    const bool confirmed = confirmChangesetConsequences(changeset, dialogs);
    if (confirmed) manager.applyChangeset(changeset);
    return confirmed;
}

bool ChangeStateLeaveInstalled::apply(ComponentManager& manager, DlgMaker& dialogs) const
{
    return applyRequest(manager, dialogs, ComponentsChangeset::REQ_LEAVE);
}

bool ChangeStateLeaveNotInstalled::apply(ComponentManager& manager, DlgMaker& dialogs) const
{
    return applyRequest(manager, dialogs, ComponentsChangeset::REQ_LEAVE);
}

bool ChangeStateInstall::apply(ComponentManager& manager, DlgMaker& dialogs) const
{
    return applyRequest(manager, dialogs, ComponentsChangeset::REQ_INSTALL);
}

bool ChangeStateUpdate::apply(ComponentManager& manager, DlgMaker& dialogs) const
{
    return applyRequest(manager, dialogs, ComponentsChangeset::REQ_INSTALL);
}

bool ChangeStateNoUpdate::apply(ComponentManager& manager, DlgMaker& dialogs) const
{
    return applyRequest(manager, dialogs, ComponentsChangeset::REQ_LEAVE);
}

bool ChangeStateRemove::apply(ComponentManager& manager, DlgMaker& dialogs) const
{
    return applyRequest(manager, dialogs, ComponentsChangeset::REQ_REMOVE);
}

bool ChangeStateInvalid::apply(ComponentManager&, DlgMaker&) const
{
    const KwComponent& target = *component();
    if (state() == ComponentState::Unusable || mark() == '!')
        throw error(1, 1, 1, 2) << Messages::format("err_comp_notavail") % target.getFullName();
    if (!target.getBuild()->uninstallSupport())
        throw error(2, 1, 1, 1) << Messages::format("err_comp_instalr") % target.getDescription();
    if (mark() == '=' && !target.uninstallSupport)
        throw error(2, 1, 1, 1) << Messages::format("err_comp_uninstall_not_supported") % target.getDescription();
    Log(2, true) << "Warning: components state machine reached ChangeStateInvalid with unrecognized state";
    throw KW_INTERNAL_ERROR();
}
