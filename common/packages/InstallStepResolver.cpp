#include "common/packages/InstallStepResolver.h"

#include "common/Log.h"
#include "common/Messages.h"
#include "common/error.h"
#include "common/packages/Package.h"
#include "common/packages/Repository.h"

#include <cstddef>
#include <unordered_set>

const Package* InstallStepResolver::findSecondPackage(const Package* current,
                                                      const PkgManager::PackageList& installList)
{
    for (const Package* other : installList) {
        if (other == current || other->getName() != current->getName()) continue;
        if (other->getVersion().compare(current->getVersion()) != 0) continue;
        return other->getType() == Package::typeSystem ? nullptr : other;
    }
    return nullptr;
}

InstallStepResolver::Result InstallStepResolver::resolve(Repository& repository, const Request& request)
{
    if (!request.current) throw KW_INTERNAL_ERROR();
    Result result;
    result.second = findSecondPackage(request.current, request.installList);

    PkgManager::Flags flags;
    flags.removePackagesTree = request.removePackagesTree;
    PkgManager manager(repository, &result.necessary, flags);
    manager.setOsArch(request.osArch);
    manager.setLevel(5);
    manager.addRequestedPackages(request.installList);

    for (;;) {
        ++result.attempts;
        result.necessary.clear();
        manager.clearResolvedDependencies();
        try {
            manager.findRequiredFor(request.current);
            if (result.second) manager.findRequiredFor(result.second);
            break;
        } catch (const PkgManager::unhappy&) {
            if (result.attempts >= maxAttempts) throw error(5, 1, 1, 3) << Messages::get("err_prep_group");
            Log(3, true) << "In prepareInstallGroup: resolver failed, will try again now";
        }
    }

    result.blackList = manager.getBlackList();
    Log(2, true) << "DEBUG: prepareInstallStep: resolve results for package(s):";
    for (const Package* item : result.necessary) {
        const std::string& file = item->getFileName();
        Log(2, true) << "DEBUG: (" << static_cast<char>(item->getType()) << ") " << file;
    }
    Log(2, true) << "DEBUG: ----  end of resolving results ---- ";
    for (const Package* item : result.necessary)
        if (item->getType() != Package::typeSystem && item != request.current && item != result.second)
            result.additions.push_back(item);
    return result;
}

void InstallStepResolver::completeGroup(Repository& repository, PkgManager::PackageList& group,
                                        const PkgManager::PackageList& installList, const std::string& osArch,
                                        bool removePackagesTree)
{
    std::unordered_set<const Package*> inGroup(group.begin(), group.end());
    Request request;
    request.installList = installList;
    request.osArch = osArch;
    request.removePackagesTree = removePackagesTree;
    for (std::size_t i = 0; i < group.size(); ++i) {
        request.current = group[i];
        const Result result = resolve(repository, request);
        for (const Package* added : result.additions)
            if (inGroup.insert(added).second) group.push_back(added);
    }
}
