#include "installer/catalogue/Build.h"

#include "installer/catalogue/Release.h"

#include "common/Log.h"
#include "common/Opsys.h"
#include "common/error.h"

#include <sstream>

Build::Build(const boost::shared_ptr<Release>& parent, const std::string& osName, const std::string& osVendor,
             const std::string& osVersion, const std::string& osArch, const std::string& environment,
             const std::string& config, const std::string& deprecated)
    : osName_(osName), osVendor_(osVendor), osVersion_(osVersion), osArch_(osArch), environment_(environment),
      config_(config), deprecated_(deprecated == "true"), parent_(parent)
{
}

bool Build::matches(const Opsys& system) const
{
    return Opsys(osName_, osVendor_, osVersion_, osArch_, environment_).match(system, false);
}

bool Build::isOwnBuildOfParent() const
{
    const boost::shared_ptr<Release> parent = parent_.lock();
    if (!parent) throw KW_INTERNAL_ERROR();
    for (const BuildPtr& own : parent->builds())
        if (own.get() == this) return true;
    return false;
}

void Build::setParent(const boost::shared_ptr<Release>& release)
{
    const boost::shared_ptr<Release> old = parent_.lock();
    if (old) {
        std::ostringstream next;
        if (release)
            next << *release;
        else
            next << "(none)";
        Log(3, true) << "DEBUG: Build (addon?) " << *this << " change parent from " << *old << " to " << next.str();
    }
    parent_ = release;
}

void Build::setPackages(const std::vector<Package*>& packages, const ActionList& actions)
{
    packages_.insert(packages_.end(), packages.begin(), packages.end());
    bootstrapActions_ = actions;
}

std::ostream& operator<<(std::ostream& out, const Build& build)
{
    out << "build for " << build.osName() << " " << build.osVendor() << " " << build.osVersion() << " "
        << build.osArch();
    if (!build.environment().empty()) out << " under " << build.environment();
    if (!build.config().empty()) out << " (" << build.config() << ")";
    return out;
}
