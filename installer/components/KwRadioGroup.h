#pragma once

#include "installer/components/KwComponent.h"
#include "installer/components/KwGroup.h"

#include <string>
#include <utility>
#include <vector>

class ComponentsChangeset;

// Mutually exclusive components: at most one of them is installed. The group
// has a default choice and, optionally, rules for which installed member may be
// switched to which other.
class KwRadioGroup : public KwGroup {
public:
    typedef std::vector<KwComponentPtr> Children;

    KwRadioGroup(const std::string& name, const std::string& description, const BuildPtr& build);
    // Children outlive the group only through other holders; they must not keep
    // pointing at it.
    ~KwRadioGroup() override;
    KwRadioGroup(const KwRadioGroup&) = delete;
    KwRadioGroup& operator=(const KwRadioGroup&) = delete;

    // '*' when some child will be installed under the process-wide changeset.
    char getStatusMark() const override;
    bool isEmpty() const override { return children_.empty(); }

    // Appends the component and points it back at this group.
    void addChild(const KwComponentPtr& component);
    const Children& getChildren() const { return children_; }

    // The name of the child marked "default"; empty when none is.
    const std::string& getDefaultName() const { return defaultName_; }
    void setDefaultName(const std::string& name) { defaultName_ = name; }

    // Switch rules: once set (even without a pair), only the listed switches away
    // from the installed member are offered.
    void addSwitch(const std::string& from, const std::string& to);
    void setHasSwitchRules(bool rules) { hasSwitchRules_ = rules; }
    bool hasSwitchRules() const { return hasSwitchRules_; }
    const std::vector<std::pair<std::string, std::string>>& getAllowedSwitches() const { return allowedSwitches_; }

    // The child named by the default name, else the first child; a group without
    // children is an internal error.
    KwComponentPtr getDefaultChild() const;
    // The first child that the changeset (the process-wide one when null) will
    // leave installed; empty when none.
    KwComponentPtr getChildToInstall(const ComponentsChangeset* changeset = nullptr) const;
    bool hasChildToInstall(const ComponentsChangeset* changeset = nullptr) const;
    KwComponentPtr getChildToInstallOrDefault(const ComponentsChangeset* changeset = nullptr) const;

    // Keeps the installed member and the members a switch from it is allowed to;
    // the dropped ones are detached. Needs checked install modes.
    void drop_not_allowed_switches();

private:
    Children children_;
    std::string defaultName_;
    std::vector<std::pair<std::string, std::string>> allowedSwitches_;
    bool hasSwitchRules_ = false;
};

typedef boost::shared_ptr<KwRadioGroup> KwRadioGroupPtr;
