#pragma once

#include "installer/engine/SystemSpecificConfigurator.h"

#include <memory>

class ComponentManager;
class Installer;

namespace driver {

// The holder of a driver's system-specific configurator. It never holds
// nothing: given none, it holds a DummyConfigurator, which configures nothing
// and makes no installer. Its end runs on every way out of a driver, also while
// an exception passes: the temporary repository files go (when the flag says
// so), the persistent ones are committed when the installation marked its
// changes for commit and rolled back otherwise, so a query, a dry run or a
// failed run leaves the package configuration as it found it.
//
// Failures at the end are logged at level 1 and swallowed: the end runs while
// another failure may be on its way out, and that one is what the operator must
// see. Used on one thread at a time.
class auto_configurator {
public:
    // The configurator of a system no flavour applies to: every operation does
    // nothing, and it makes no installer.
    class DummyConfigurator : public SystemSpecificConfigurator {
    public:
        DummyConfigurator();
        void reconfigureSources() override;
        // None: there is no package manager to install with.
        std::unique_ptr<Installer> createInstaller(ComponentManager* components) override;

    protected:
        const Package* doGetAvailablePackage(const std::string& name) override;
        void doConfigure() override;
        void doRemoveTemporarySources() override;
    };

    // Takes over `configurator` (a DummyConfigurator when null).
    // `removeTemporarySources`: the command-line driver sets it unless
    // "--skip-cleanup" is given.
    explicit auto_configurator(std::unique_ptr<SystemSpecificConfigurator> configurator,
                               bool removeTemporarySources);
    // The end of the held configurator (see the class comment).
    ~auto_configurator();
    auto_configurator(const auto_configurator&) = delete;
    auto_configurator& operator=(const auto_configurator&) = delete;

    // The held configurator; never null.
    SystemSpecificConfigurator* get() const { return configurator_.get(); }
    SystemSpecificConfigurator* operator->() const { return configurator_.get(); }
    SystemSpecificConfigurator& operator*() const { return *configurator_; }
    // Whether it holds a DummyConfigurator.
    bool isDummy() const;

    // Ends the held configurator as the destructor does and holds
    // `configurator` (a DummyConfigurator when null) instead. Replacing it by
    // itself does nothing. The flag stays.
    void replace(std::unique_ptr<SystemSpecificConfigurator> configurator);

    // The installer of the held configurator. Where no configurator applies to
    // this system (the DummyConfigurator makes none) it raises error (4,1,1,2)
    // "err_no_sysconf_for_system" ("no package manager configurator for this
    // system"), so a driver never resolves or installs without one.
    std::unique_ptr<Installer> createInstaller(ComponentManager* components);

    bool removesTemporarySources() const { return removeTemporarySources_; }

private:
    // Removes the temporary sources (with the flag) and finishes the persistent
    // configuration, each failure logged and swallowed.
    void end() noexcept;

    std::unique_ptr<SystemSpecificConfigurator> configurator_;
    bool removeTemporarySources_;
};

}  // namespace driver
