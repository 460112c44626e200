#pragma once

#include "installer/catalogue/ExamineStep.h"

#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

class Action;
class DebPackage;
class Package;
class RPMPackage;

// How the installed state of a component is recognised: every positive name
// installed, no negative name installed, and an installed provider for every
// provides name. The build loader refuses an empty set.
struct KeyPackageSet {
    std::vector<std::string> positive;
    std::vector<std::string> negative;
    std::vector<std::string> provides;
};

// The record of one component of a build information file: its packages, its
// relations to other components and its flags. The build loader fills the lists
// after construction; KwComponent adds the run's state.
class Component {
public:
    // From the loader, which then fills the members itself.
    Component(const std::string& name, const std::string& description, const std::string& environment,
              const std::vector<KeyPackageSet>& keyPackageSets);
    // From a "<name> <description>" text: the name is what comes before the first
    // blank. An empty name raises "err_bad_component".
    explicit Component(const std::string& text);

    // The first build package as a Debian or an RPM package; null when it is of
    // the other kind. A component without packages raises "err_empty_comp".
    const DebPackage* getDebPackage() const;
    const RPMPackage* getRpmPackage() const;
    // Whether the first build package is a Debian package; raises like the above.
    bool hasDebPackage() const;

    // Build packages ("package" elements); the installed-state check appends
    // installed base packages that the list missed. They point into the
    // Repository, which outlives every component.
    std::vector<const Package*> packages;
    // Packages that must be present before the main installation, and the
    // component's own bootstrap actions.
    std::vector<const Package*> bootstrapperPackages;
    std::vector<std::shared_ptr<Action>> bootstrapperActions;
    // Components upgraded together with this one.
    std::vector<std::string> hardwiredWith;
    // Component or radio-group names this one needs, and those it cannot live with.
    std::vector<std::string> requiredNames;
    std::vector<std::string> conflicts;
    // Further attributes the build loader keeps for itself.
    std::map<std::string, std::string> attributes;
    // Package names excluded from the component, and those removed with it.
    std::vector<std::string> exPackages;
    std::vector<std::string> rmPackages;
    std::vector<ExamineStep> examinations;
    // Unique within a product.
    std::string name;
    std::string description;
    // "", "dedicated" or "cq".
    std::string environment;
    std::vector<KeyPackageSet> keyPackageSets;
    std::vector<std::string> ezTemplates;
    std::set<std::string> classes;
    bool uninstallSupport = true;
    // Hidden from lists and from marking by name ranges, unless installed and
    // showInstalledHidden is set.
    bool hidden = false;
    bool showInstalledHidden = false;

private:
    const Package* firstPackage() const;
};
