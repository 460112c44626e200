#pragma once

#include "installer/components/ComponentsChangeset.h"
#include "installer/components/KwComponent.h"

#include <memory>
#include <ostream>

class ComponentManager;
class DlgMaker;

// What the mark cycle of the components page knows of a component: its install
// mode seen from the operator's side. The numbers are the order of the three
// transition tables.
enum class ComponentState {
    UpToDate = 0,       // installed, no newer build
    Upgradable = 1,     // installed, a newer build is available
    NotInstalled = 2,   // not installed, available
    Unusable = 3,       // in error mode, or a mode the cycle does not know
};

ComponentState componentStateOf(const KwComponent& component);
std::ostream& operator<<(std::ostream& out, ComponentState state);

// One step of the mark cycle: the change that typing a component's number on
// the components page asks for. makeChangeState picks the subclass from the
// component's state and mark; apply resolves the request against the other
// components, lets the operator confirm what it drags along, and changes the
// selection. An object lives for one toggle.
class ChangeState {
public:
    // Makes the ChangeState of one table entry; the tables hold one per entry.
    class BaseInstantiator {
    public:
        virtual ~BaseInstantiator() = default;
        virtual std::unique_ptr<ChangeState> create(ComponentState state, char mark,
                                                    const KwComponentPtr& component) const = 0;
    };
    template <class T>
    class Instantiator : public BaseInstantiator {
    public:
        std::unique_ptr<ChangeState> create(ComponentState state, char mark,
                                            const KwComponentPtr& component) const override
        {
            return std::unique_ptr<ChangeState>(new T(state, mark, component));
        }
    };

    ChangeState(ComponentState state, char mark, const KwComponentPtr& component)
        : state_(state), mark_(mark), component_(component)
    {
    }
    // Subclasses are held and destroyed through this base.
    virtual ~ChangeState() = default;
    ChangeState(const ChangeState&) = delete;
    ChangeState& operator=(const ChangeState&) = delete;

    // True when the change was confirmed and applied to the selection; false
    // when the operator declined it or a refusal was shown. A dependency
    // conflict and a refused toggle raise.
    // The operator is asked through `dialogs`.
    virtual bool apply(ComponentManager& manager, DlgMaker& dialogs) const = 0;

    ComponentState state() const { return state_; }
    char mark() const { return mark_; }
    const KwComponentPtr& component() const { return component_; }

protected:
    // One request for the component, resolved, confirmed and applied.
    bool applyRequest(ComponentManager& manager, DlgMaker& dialogs, ComponentsChangeset::request_mode_t request) const;

private:
    ComponentState state_;
    char mark_;
    KwComponentPtr component_;
};

class ChangeStateLeaveInstalled : public ChangeState {
public:
    using ChangeState::ChangeState;
    bool apply(ComponentManager& manager, DlgMaker& dialogs) const override;
};

class ChangeStateLeaveNotInstalled : public ChangeState {
public:
    using ChangeState::ChangeState;
    bool apply(ComponentManager& manager, DlgMaker& dialogs) const override;
};

class ChangeStateInstall : public ChangeState {
public:
    using ChangeState::ChangeState;
    bool apply(ComponentManager& manager, DlgMaker& dialogs) const override;
};

class ChangeStateUpdate : public ChangeState {
public:
    using ChangeState::ChangeState;
    bool apply(ComponentManager& manager, DlgMaker& dialogs) const override;
};

class ChangeStateNoUpdate : public ChangeState {
public:
    using ChangeState::ChangeState;
    bool apply(ComponentManager& manager, DlgMaker& dialogs) const override;
};

class ChangeStateRemove : public ChangeState {
public:
    using ChangeState::ChangeState;
    bool apply(ComponentManager& manager, DlgMaker& dialogs) const override;
};

// A toggle that cannot be made: apply raises the refusal in the operator's words.
class ChangeStateInvalid : public ChangeState {
public:
    using ChangeState::ChangeState;
    bool apply(ComponentManager& manager, DlgMaker& dialogs) const override;
};

// The change for a component in `state` showing `mark`: without `toggle` the
// one that keeps that mark (which checks that the mark belongs to the state),
// with it the next one of the cycle, skipping removal where the component may
// not be removed. A mark its state's table does not hold is an internal error.
std::unique_ptr<ChangeState> makeChangeState(ComponentState state, char mark, const KwComponentPtr& component,
                                             bool toggle);

// Whether toggling may give the component the mark 'X': its release and the
// component itself both support uninstalling.
bool isRemovalAllowed(const KwComponent& component);

// One toggle of the component on the components page, asking through
// `dialogs`; what ChangeState::apply returned.
bool toggleComponentMark(ComponentManager& manager, const KwComponentPtr& component, DlgMaker& dialogs);
