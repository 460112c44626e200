#pragma once

#include "installer/engine/Action.h"

#include <memory>
#include <ostream>
#include <string>
#include <vector>

class ComponentManager;
class TiXmlElement;

// The bootstrap actions of the installation: shell commands that build
// information files attach to a build (the "bootstrapper" element of the file)
// or to a component (the one inside its element), run at fixed points of an
// installation. A sequence run ("prep" before the packages, "post" after them,
// "pkgs" when the package installation failed) has an "execute" stage, then a
// "commit" stage when no critical action failed, else a "rollback" stage.
//
// Runs on the thread that performs the installation; holds no state of its own.
namespace Bootstrapper {

using Action = ::Action;
typedef std::vector<std::shared_ptr<Action>> ActionList;
typedef std::vector<const Action*> ActionSequence;

// The only concrete action: a command run through "/bin/sh -c". Its trust rests
// on the catalogue's transport, as that of the packages does.
class Action_ExecCmd : public Action {
public:
    // The base attributes, then "exec-cmd" (required) and "arch".
    Action_ExecCmd(const xmlbind::Element& element, const std::string& parentName);

    bool execute() const override;
    Action* clone() const override;
    void substitute(const std::string& placeholder, const std::string& value) override;

    const std::string& command() const { return command_; }
    // Kept for the log only: it takes no part in the choice of actions.
    const std::string& arch() const { return arch_; }
    // The execution log line's description of the action.
    std::string describe() const;

private:
    Action_ExecCmd(const Action_ExecCmd&) = default;

    std::string command_;
    std::string arch_;
};

// Which actions a collection takes: exact, case-sensitive sequence, stage and
// operation. Made with an empty operation; the collection sets it.
struct SequenceMatch {
    std::string sequence;
    std::string stage;
    std::string operation;

    bool matches(const Action& action) const;
};

std::ostream& operator<<(std::ostream& out, const SequenceMatch& match);

// Appends an action for each "action" child of the element, in document order.
// A missing required attribute raises xmlbind::err and stops the reading; the
// actions read before stay in the list.
void loadActions(ActionList& actions, const TiXmlElement& element, const std::string& parentName);

// The actions of one stage for a run: those of the components that install (or,
// when installed and not selected, were upgraded beside or, with `allComponents`,
// every installed one) with the operation "install", then those of each
// product's build, with "install" for a product that keeps or gets a component
// and "remove" for one that only loses components, in product id order; all
// sorted stably by sequence order. `match` gets the operation last used.
void getActionsSequence(ComponentManager& components, SequenceMatch& match, ActionSequence& actions,
                        bool allComponents);

// Runs the actions in order; a failed critical action stops the run with false,
// a failed non-critical one is passed over.
bool runActions(const ActionSequence& actions);

// The execute stage of the sequence, then its commit or rollback stage; returns
// whether the execute stage succeeded.
bool performActions(ComponentManager& components, const std::string& sequence, bool allComponents);

// The rollback stage of the "pkgs" sequence, after a failed package installation.
bool performPkgsFailureActions(ComponentManager& components);

}  // namespace Bootstrapper
