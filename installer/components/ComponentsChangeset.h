#pragma once

#include "installer/components/ComponentManager.h"
#include "installer/components/KwCompNode.h"

#include "common/checked_pointer.h"

#include <map>
#include <ostream>
#include <set>
#include <string>
#include <vector>

class KwComponent;

// What is asked of components, without touching them: leave, install (or
// upgrade) or remove each, and which of those requests the operator named. The
// queries answer from the request when there is one and from the component's
// own selection otherwise.
class ComponentsChangeset {
public:
    typedef int request_mode_t;
    static constexpr request_mode_t REQ_UNSPECIFIED = 0;
    static constexpr request_mode_t REQ_LEAVE = 1;
    static constexpr request_mode_t REQ_INSTALL = 2;
    static constexpr request_mode_t REQ_REMOVE = 3;

    // Ordered by product id and component name, so that lists and log lines come
    // out the same in every run; the identity only separates two components of
    // the same product and name (two loaded releases).
    struct StableOrder {
        using is_transparent = void;
        static bool less(const KwComponent* a, const KwComponent* b);
        bool operator()(const comp_cptr_t& a, const comp_cptr_t& b) const { return less(a.get(), b.get()); }
        bool operator()(const KwComponent* a, const comp_cptr_t& b) const { return less(a, b.get()); }
        bool operator()(const comp_cptr_t& a, const KwComponent* b) const { return less(a.get(), b); }
    };
    typedef std::map<comp_cptr_t, request_mode_t, StableOrder> Requests;

    class MarkComponentsByName;

    // The changeset given, or the process-wide one (created empty on first use)
    // when null.
    static ComponentsChangeset& getDefault(ComponentsChangeset* changeset = nullptr);
    static const ComponentsChangeset& getDefault(const ComponentsChangeset* changeset);

    // The component's request, made REQ_UNSPECIFIED when it has none; assign
    // through the reference. An empty component is an internal error.
    request_mode_t& setRequest(const comp_cptr_t& component);
    // Records the component's name as given by the operator.
    void addExplicit(const comp_cptr_t& component);
    // Records a name that the dependency resolution found in conflict.
    void addConflict(const std::string& name);

    request_mode_t getRequest(const KwComponent& component) const;
    bool hasRequest(const KwComponent& component) const;
    // False for null.
    bool isExplicit(const KwComponent* component) const;
    bool isConflicting(const KwComponent* component) const;
    std::vector<std::string> getConflicts() const;

    // What will happen to a component; the "will" queries need a checked one.
    bool isMarkedForInstall(const KwComponent& component) const;
    // With `honourExplicit`, a component removed only when named is marked only
    // when it was named.
    bool isMarkedForRemove(const KwComponent& component, bool honourExplicit) const;
    bool willBeInstalled(const KwComponent& component) const;
    bool willBeInstalledOlder(const KwComponent& component) const;
    bool willBeInstalledNew(const KwComponent& component) const;
    bool willBeNotInstalled(const KwComponent& component) const;

    // Names of the components with the request, sorted (duplicates of several
    // products kept); with a product id, only that product's.
    std::vector<std::string> getNamesByRequest(request_mode_t request) const;
    std::vector<std::string> getNamesByRequest(request_mode_t request, const std::string& productId) const;
    // The ids of the products the requests concern, sorted; a changeset applies
    // each product's requests to that product's components.
    std::vector<std::string> getProductIds() const;

    // Sorted names with the request that the operator named, each once ...
    std::vector<std::string> getExplicitLeaveNames() const;
    std::vector<std::string> getExplicitInstallNames() const;
    std::vector<std::string> getExplicitRemoveNames() const;
    // ... and those that nobody named (added by rules), each once.
    std::vector<std::string> getImplicitLeaveNames() const;
    std::vector<std::string> getImplicitInstallNames() const;
    std::vector<std::string> getImplicitRemoveNames() const;
    bool hasExplicitChanges() const;
    // Removals that components removed only when named refuse, because nobody
    // named them; in the order of the requests.
    std::vector<comp_cptr_t> getDeniedImplicitRemovals() const;

    const Requests& getRequests() const { return requests_; }
    bool empty() const { return requests_.empty(); }

private:
    std::vector<std::string> namesBy(request_mode_t request, bool named) const;

    Requests requests_;
    std::set<std::string> explicitNames_;
    std::set<std::string> conflicts_;
};

// Marks the components and radio groups named in a list with one request, on a
// walk of the component manager. A name marks the first node that bears it, in
// walk order. Names not found are logged; with the strict option an install
// request for them fails once the walk is over.
class ComponentsChangeset::MarkComponentsByName : public ComponentManager::Visitor {
public:
    MarkComponentsByName(ComponentsChangeset* changeset, const std::string& productFilter,
                         const std::vector<std::string>& names, request_mode_t request, bool explicitFlag);

    void visit(KwComponentPtr component) override;
    void enterRadioGroup(boost::shared_ptr<KwRadioGroup> group) override;
    void finish() override;

    // The names still not found.
    const std::set<std::string>& getPending() const { return pending_; }

private:
    void setRequest(const comp_cptr_t& component);

    checked_pointer<ComponentsChangeset> changeset_;
    std::string productFilter_;
    request_mode_t request_;
    bool explicit_;
    std::set<std::string> pending_;
};

// "ComponentsChangeset[ !+p/db (conflict), ~p/web ] (! is explicit, = is leave,
// + is install, ~ is remove)", without a line end.
std::ostream& operator<<(std::ostream& out, const ComponentsChangeset& changeset);
