#include "installer/engine/Bootstrapper.h"

#include "installer/catalogue/Build.h"
#include "installer/catalogue/Product.h"
#include "installer/catalogue/Release.h"
#include "installer/components/ComponentManager.h"
#include "installer/components/KwComponent.h"

#include "common/Command.h"
#include "common/Log.h"
#include "common/Messages.h"
#include "common/StringUtils.h"
#include "common/SystemUtils.h"
#include "common/error.h"
#include "common/xmlbind.h"

#include <boost/format.hpp>

#include <algorithm>
#include <limits>
#include <map>
#include <sstream>

namespace {

std::int32_t readSequenceOrder(const xmlbind::Element& element)
{
    const std::int64_t order = strToLong(xmlbind::getOptionalAttribute(element, "sequence-order"));
    if (order < std::numeric_limits<std::int32_t>::min() || order > std::numeric_limits<std::int32_t>::max())
        throw error() << Messages::get("err_non_digit");
    return static_cast<std::int32_t>(order);
}

std::string attributeOr(const xmlbind::Element& element, const char* name, const char* absent)
{
    const std::string* value = element.element()->Attribute(std::string(name));
    return value ? *value : std::string(absent);
}

}  // namespace

Action::~Action() = default;

Action::Action(const xmlbind::Element& element, const std::string& parentName)
    : sequence_(xmlbind::getAttribute(element, "sequence")),
      stage_(attributeOr(element, "stage", "execute")),
      sequenceOrder_(readSequenceOrder(element)),
      operation_(attributeOr(element, "operation", "install")),
      parentName_(parentName),
      critical_(attributeOr(element, "critical", "true") != "false")
{
}

namespace Bootstrapper {

Action_ExecCmd::Action_ExecCmd(const xmlbind::Element& element, const std::string& parentName)
    : Action(element, parentName),
      command_(xmlbind::getAttribute(element, "exec-cmd")),
      arch_(xmlbind::getOptionalAttribute(element, "arch"))
{
}

Action* Action_ExecCmd::clone() const { return new Action_ExecCmd(*this); }

void Action_ExecCmd::substitute(const std::string& placeholder, const std::string& value)
{
    const std::string::size_type at = command_.find(placeholder);
    if (placeholder.empty() || at == std::string::npos) return;
    command_.replace(at, placeholder.size(), value);
}

std::string Action_ExecCmd::describe() const
{
    return "parent_name='" + parentName() + "', sequence='" + sequence() + "', stage='" + stage() +
           "', sequence_order='" + (boost::format("%d") % sequenceOrder()).str() + "', operation='" + operation() +
           "', exec_cmd='" + command_ + "', m_arch='" + arch_ + "'";
}

bool Action_ExecCmd::execute() const
{
    const std::string description = describe();
    Log(3, true) << " Execute bootstrapper action: " << command_;
    Stopwatch stopwatch;
    std::ostringstream output;
    const int code = executeCommand(command_, true, false, &output);
    const long seconds = static_cast<long>(stopwatch.elapsed());
    const std::string collected = output.str();
    Log(2, true) << "Bootstrapper has finished action (exec time: " << seconds << " sec.): " << description
                 << ", exit code: " << (boost::format("%d") % code).str() << ", output: " << collected;
    return code == 0;
}

bool SequenceMatch::matches(const Action& action) const
{
    return action.sequence() == sequence && action.stage() == stage && action.operation() == operation;
}

std::ostream& operator<<(std::ostream& out, const SequenceMatch& match)
{
    return out << match.sequence << "/" << match.stage << "/" << match.operation;
}

void loadActions(ActionList& actions, const TiXmlElement& element, const std::string& parentName)
{
    const xmlbind::Element parent(const_cast<TiXmlElement*>(&element));
    for (xmlbind::Element item : xmlbind::ChildElements(parent, "action")) {
        auto action = std::make_shared<Action_ExecCmd>(item, parentName);
        Log(3, true) << " add action sequence: " << action->sequence() << ", sequence_order:" << action->sequenceOrder()
                     << ", operation:" << action->operation() << ", stage:" << action->stage()
                     << ", exec_cmd: " << action->command();
        actions.push_back(action);
    }
}

namespace {

enum class ProductOperation { remove = 1, install = 2 };

void appendMatching(const ActionList& list, const SequenceMatch& match, ActionSequence& actions)
{
    for (const std::shared_ptr<Action>& action : list)
        if (action && match.matches(*action)) actions.push_back(action.get());
}

// Takes the component actions in walk order and records, per product, whether
// the run keeps or gets one of its components or only takes them away.
class SequenceGetter : public ComponentManager::Visitor {
public:
    SequenceGetter(const SequenceMatch& match, ActionSequence& actions, bool allComponents)
        : match(match), actions_(actions), allComponents_(allComponents)
    {
    }

    void visit(KwComponentPtr component) override
    {
        const int selection = component->getSelection();
        const bool taken = selection == KwComponent::SEL_INSTALL ||
                           (selection == KwComponent::SEL_NONE && component->isInstalled() &&
                            (component->isPackagesUpgraded() || allComponents_));
        if (taken && !component->bootstrapperActions.empty()) {
            match.operation = "install";
            Log(3, true) << component->name << ": get component specific actions for " << match;
            appendMatching(component->bootstrapperActions, match, actions_);
        } else {
            Log(3, true) << component->name << ": do not run component specific actions for " << match;
        }

        const std::string productId = productOf(*component);
        if (component->willBePresent()) {
            operations[productId] = ProductOperation::install;
        } else if (component->willBeRemoved()) {
            auto found = operations.find(productId);
            if (found == operations.end()) operations.emplace(productId, ProductOperation::remove);
        }
    }

    SequenceMatch match;
    std::map<std::string, ProductOperation> operations;

private:
    static std::string productOf(const KwComponent& component)
    {
        const BuildPtr& build = component.getBuild();
        const ReleasePtr release = build ? build->getParent() : ReleasePtr();
        if (!release || !release->product())
            throw KW_INTERNAL_ERROR() << " (component " << component.name << " has no product)";
        return release->product()->id;
    }

    ActionSequence& actions_;
    bool allComponents_;
};

}  // namespace

void getActionsSequence(ComponentManager& components, SequenceMatch& match, ActionSequence& actions,
                        bool allComponents)
{
    SequenceGetter getter(match, actions, allComponents);
    components.visit(getter);
    for (const auto& product : getter.operations) {
        getter.match.operation = product.second == ProductOperation::install ? "install" : "remove";
        Log(3, true) << product.first << ": get build specific actions for " << getter.match;
        const KwComponentPtr base = components.getBaseComponent(product.first);
        if (base && base->getBuild()) appendMatching(base->getBuild()->bootstrapActions(), getter.match, actions);
    }
    match = getter.match;
    std::stable_sort(actions.begin(), actions.end(), [](const Action* left, const Action* right) {
        return left->sequenceOrder() < right->sequenceOrder();
    });
}

bool runActions(const ActionSequence& actions)
{
    for (const Action* action : actions)
        if (!action->execute() && action->isCritical()) return false;
    return true;
}

bool performActions(ComponentManager& components, const std::string& sequence, bool allComponents)
{
    SequenceMatch match{sequence, "execute", std::string()};
    ActionSequence actions;
    getActionsSequence(components, match, actions, allComponents);
    const bool executed = runActions(actions);

    match.stage = executed ? "commit" : "rollback";
    actions.clear();
    // A rollback takes no actions of components that were merely installed
    // before: they took no part in this run.
    if (!executed) allComponents = false;
    getActionsSequence(components, match, actions, allComponents);
    runActions(actions);
    return executed;
}

bool performPkgsFailureActions(ComponentManager& components)
{
    SequenceMatch match{"pkgs", "rollback", std::string()};
    ActionSequence actions;
    getActionsSequence(components, match, actions, false);
    return runActions(actions);
}

}  // namespace Bootstrapper
