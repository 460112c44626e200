#pragma once

#include "installer/components/ComponentManager.h"
#include "installer/components/KwComponent.h"

#include "common/packages/SourceSysDeb.h"
#include "tests/common/ScopedEnvironment.h"
#include "tests/common/packages/ReaderTestSupport.h"
#include "tests/installer/catalogue/CatalogueFiles.h"
#include "tests/installer/catalogue/CatalogueModel.h"
#include "tests/installer/catalogue/LoadedCatalogue.h"

#include "common/packages/PkgManager.h"

#include <memory>
#include <string>

// The demo catalogue's release 1.1 loaded for Debian 12 on a system whose
// installed packages come from a dpkg database of tests/data/components (read
// through the dpkg-query stand-in, never the machine's own database), with every
// component's installed state checked.
class DemoSystem : public ReaderTest {
protected:
    void SetUp() override
    {
        ReaderTest::SetUp();
        if (IsSkipped()) return;
        path_ = std::make_unique<ScopedEnvironment>("PATH", pathWithTestPrograms());
        admindir_ = std::make_unique<ScopedEnvironment>("KW_TEST_DPKG_ADMINDIR",
                                                         std::string(KW_TEST_DATA_DIR) + "/components/" + database());
        installed_ = std::make_unique<SourceSysDeb>(&loaded.repository);
        installed_->readBrief();
        loaded.read(debian12());
        loaded.load({{"zarni", "zarni-1.1"}}, debian12());
        ComponentManager::CheckInstalled check(loaded.repository, nullptr);
        loaded.components.visit(check);
    }
    void TearDown() override
    {
        PkgManager::setPreferredPackageNames({});
        ReaderTest::TearDown();
    }

    // The dpkg database directory below tests/data/components.
    virtual std::string database() const { return "demo-installed"; }

    KwComponentPtr component(const std::string& name)
    {
        class Finder : public ComponentManager::Visitor {
        public:
            explicit Finder(const std::string& name) : name_(name) {}
            void visit(KwComponentPtr component) override
            {
                if (!found && component->name == name_) found = component;
            }
            std::string name_;
            KwComponentPtr found;
        } finder(name);
        loaded.components.visit(finder);
        if (!finder.found) ADD_FAILURE() << "no component " << name;
        return finder.found;
    }

    LoadedCatalogue loaded{SourceUrl(demoCatalogueDirectory())};

private:
    std::unique_ptr<ScopedEnvironment> path_;
    std::unique_ptr<ScopedEnvironment> admindir_;
    std::unique_ptr<SourceSysDeb> installed_;
};

// The same catalogue on a system where nothing of it is installed yet.
class CleanDemoSystem : public DemoSystem {
protected:
    std::string database() const override { return "nothing-installed"; }
};
