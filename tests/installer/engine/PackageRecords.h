#pragma once

#include "installer/engine/Installer.h"
#include "installer/engine/SystemSpecificConfigurator.h"

#include "common/packages/Package.h"
#include "common/packages/Repository.h"
#include "common/packages/Version.h"

#include <memory>
#include <string>
#include <vector>

// Package records and a foreign configurator for the back-end tests, in the form of the system's package
// manager (DebPackage, RPMPackage).

// A catalogue, installed or offered record, listed in the repository.
template <class Record>
const Package* listed(Repository& repository, const char* name, const char* version, char kind, const char* arch)
{
    auto package = std::make_unique<Record>(name, version);
    package->setType(kind);
    package->setArchRaw(arch);
    return repository.addPackage(std::move(package), nullptr);
}

// "name version arch kind" of a record, removers as "remove name arch".
inline std::string shown(const Package* package)
{
    if (Installer::isRemoverPackage(package))
        return "remove " + Installer::removedName(package) + " " + package->getArch();
    return std::string(package->getName()) + " " + package->getVersion().toString() + " " + package->getArch() + " " +
           static_cast<char>(package->getType());
}

inline std::vector<std::string> shownList(const Installer::PackageList& list)
{
    std::vector<std::string> lines;
    for (const Package* package : list) lines.push_back(shown(package));
    return lines;
}

// A configurator of neither back end, whose operations do nothing: a back end
// must refuse it.
class ForeignConfigurator : public SystemSpecificConfigurator {
public:
    ForeignConfigurator() : SystemSpecificConfigurator(nullptr, nullptr) {}
    void reconfigureSources() override {}
    std::unique_ptr<Installer> createInstaller(ComponentManager*) override { return nullptr; }

protected:
    const Package* doGetAvailablePackage(const std::string&) override { return nullptr; }
    void doConfigure() override {}
    void doRemoveTemporarySources() override {}
};
