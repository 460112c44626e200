#include "installer/reporters/PackagesReporter.h"

#include "common/Log.h"
#include "common/Messages.h"
#include "common/packages/Package.h"
#include "common/packages/Repository.h"
#include "common/xmlbind.h"

#include <tinyxml.h>

#include <algorithm>
#include <cstring>
#include <iomanip>
#include <set>
#include <sstream>
#include <string>

namespace {

const char* actionName(PackagesReporter::Action action)
{
    switch (action) {
    case PackagesReporter::actionInstall: return "install";
    case PackagesReporter::actionUpgrade: return "upgrade";
    default: return "remove";
    }
}

// One of the three lists of the XML form with its counts; byte totals are 64-bit,
// since a list of packages may well add up to more than 2 GiB.
struct PackageGroup {
    explicit PackageGroup(const char* name) : element(name) {}

    void add(const PackagesReporter::Entry& entry)
    {
        const Package& package = *entry.first;
        TiXmlElement item("package");
        xmlbind::setAttribute(&item, "action", actionName(entry.second));
        xmlbind::setAttribute(&item, "name", package.getName());
        xmlbind::setAttribute(&item, "version", package.getVersion().getEpochVersion());
        xmlbind::setAttribute(&item, "release", package.getVersion().getRelease());
        xmlbind::setAttribute(&item, "arch", package.getArch());
        xmlbind::setAttribute(&item, "size", std::to_string(package.getSize()));
        element.InsertEndChild(item);
        if (entry.second == PackagesReporter::actionRemove) {
            ++removals;
            return;
        }
        ++(entry.second == PackagesReporter::actionUpgrade ? upgrades : installs);
        bytes += package.getSize();
    }

    TiXmlElement element;
    std::int64_t installs = 0;
    std::int64_t upgrades = 0;
    std::int64_t removals = 0;
    std::int64_t bytes = 0;
};

void setNumber(TiXmlElement& element, const char* name, std::int64_t value)
{
    xmlbind::setAttribute(&element, name, std::to_string(value));
}

}  // namespace

PackagesReporter::PackagesReporter(std::int32_t status, const std::vector<const Package*>* packages,
                                   const Repository* repository, bool xml)
    : Reporter(status), packages_(packages), repository_(repository), xml_(xml)
{
}

std::vector<PackagesReporter::Entry> PackagesReporter::entries() const
{
    const std::vector<const Package*>& packages = *packages_;
    const Repository& repository = *repository_;
    std::vector<Entry> entries;
    const auto add = [&entries](const Package* package, Action action) {
        Log(3, true) << "create pkgentry " << *package << " " << static_cast<int>(action);
        entries.emplace_back(package, action);
    };

    // The name a remover (a dummy record) takes away.
    const auto removedName = [](const Package* package) {
        const DependencyPtr removed = package->getType() == Package::typeDummy ? package->getObsolete(0) : nullptr;
        return removed ? removed->toString() : std::string();
    };

    for (const Package* package : packages) {
        const std::string removed = removedName(package);
        if (!removed.empty()) {
            if (const Package* installed = repository.findInstalled(removed)) add(installed, actionRemove);
            continue;
        }
        add(package, repository.findInstalled(package->getName()) ? actionUpgrade : actionInstall);
    }

    std::set<std::string> named;
    for (const Package* package : packages) named.insert(package->getName());
    for (const Package* package : packages) {
        // A remover's removal is its entry already: the installed package
        // provides its own name, so the remover obsoletes it a second time.
        const std::string removed = removedName(package);
        for (const Package* obsoleted : repository.getObsoletedBy(package))
            if (obsoleted->getType() == Package::typeSystem && !named.count(obsoleted->getName()) &&
                obsoleted->getName() != removed)
                add(obsoleted, actionRemove);
    }

    std::stable_sort(entries.begin(), entries.end(), [](const Entry& a, const Entry& b) {
        if (a.second != b.second) return a.second < b.second;
        return std::strcmp(a.first->getName(), b.first->getName()) < 0;
    });
    return entries;
}

std::ostream& PackagesReporter::put(std::ostream& out) const
{
    const std::vector<Entry> list = entries();

    if (!xml_) {
        std::ostringstream lines;
        int number = 0;
        for (const Entry& entry : list) {
            if (entry.second == actionInstall && entry.first->getType() == Package::typeDummy) continue;
            const char* mark = entry.second == actionRemove ? ". [R] " : entry.second == actionUpgrade ? ". [U] " : ". [I] ";
            lines << std::setw(3) << ++number << mark << *entry.first << "\n";
        }
        if (number == 0) lines << Messages::get("packages_no_reqpackages") << "\n";
        out << lines.str();
        out.flush();
        return out;
    }

    PackageGroup system("system_packages");
    PackageGroup build("build_packages");
    for (const Entry& entry : list) {
        if (entry.second == actionRemove)
            system.add(entry);
        else if (entry.first->getType() == Package::typeBuild)
            build.add(entry);
        else if (entry.first->getType() == Package::typeUpdates)
            system.add(entry);
    }
    setNumber(system.element, "install_num", system.installs);
    setNumber(system.element, "upgrade_num", system.upgrades);
    setNumber(system.element, "remove_num", system.removals);
    setNumber(system.element, "bytes", system.bytes);
    TiXmlElement kernel("kernel_packages");
    setNumber(kernel, "install_num", 0);
    setNumber(kernel, "bytes", 0);
    setNumber(build.element, "install_num", build.installs);
    setNumber(build.element, "upgrade_num", build.upgrades);
    setNumber(build.element, "remove_num", 0);
    setNumber(build.element, "bytes", build.bytes);

    TiXmlElement packages("packages");
    packages.InsertEndChild(system.element);
    packages.InsertEndChild(kernel);
    packages.InsertEndChild(build.element);
    return printXml(out, &packages);
}
