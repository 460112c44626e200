#include "installer/drivers/auto_configurator.h"

#include "installer/engine/Installer.h"

#include "common/Log.h"
#include "common/Messages.h"
#include "common/error.h"

#include <exception>

namespace driver {

auto_configurator::DummyConfigurator::DummyConfigurator() : SystemSpecificConfigurator(nullptr, nullptr) {}

void auto_configurator::DummyConfigurator::reconfigureSources() {}

std::unique_ptr<Installer> auto_configurator::DummyConfigurator::createInstaller(ComponentManager*) { return nullptr; }

const Package* auto_configurator::DummyConfigurator::doGetAvailablePackage(const std::string&) { return nullptr; }

void auto_configurator::DummyConfigurator::doConfigure() {}

void auto_configurator::DummyConfigurator::doRemoveTemporarySources() {}

namespace {

std::unique_ptr<SystemSpecificConfigurator> orDummy(std::unique_ptr<SystemSpecificConfigurator> configurator)
{
    if (configurator) return configurator;
    return std::make_unique<auto_configurator::DummyConfigurator>();
}

// One step of the end: whatever it raises is logged and goes no further.
template <class Step>
void endStep(const char* what, Step step) noexcept
{
    try {
        step();
    } catch (const error& failure) {
        std::string text = failure.text();
        while (!text.empty() && text.back() == '\n') text.pop_back();
        Log(1, true) << "Warning: failed to " << what << ": " << text;
    } catch (const std::exception& failure) {
        Log(1, true) << "Warning: failed to " << what << ": " << failure.what();
    } catch (...) {
        // The end runs while another failure may be leaving the driver; that one
        // is what the operator must see.
        Log(1, true) << "Warning: failed to " << what << ": unexpected exception";
    }
}

}  // namespace

auto_configurator::auto_configurator(std::unique_ptr<SystemSpecificConfigurator> configurator,
                                     bool removeTemporarySources)
    : configurator_(orDummy(std::move(configurator))), removeTemporarySources_(removeTemporarySources)
{
}

auto_configurator::~auto_configurator() { end(); }

bool auto_configurator::isDummy() const { return dynamic_cast<DummyConfigurator*>(configurator_.get()) != nullptr; }

void auto_configurator::replace(std::unique_ptr<SystemSpecificConfigurator> configurator)
{
    if (configurator && configurator.get() == configurator_.get()) {
        // Already held: the second owner lets go.
        (void)configurator.release();
        return;
    }
    end();
    configurator_ = orDummy(std::move(configurator));
}

std::unique_ptr<Installer> auto_configurator::createInstaller(ComponentManager* components)
{
    std::unique_ptr<Installer> installer = configurator_->createInstaller(components);
    if (!installer) throw error(4, 1, 1, 2) << Messages::get("err_no_sysconf_for_system");
    return installer;
}

void auto_configurator::end() noexcept
{
    if (removeTemporarySources_)
        endStep("remove the temporary package sources", [this] { configurator_->removeTemporarySources(); });
    endStep("finish the persistent package sources", [this] { configurator_->finishPersistentConfiguration(); });
}

}  // namespace driver
