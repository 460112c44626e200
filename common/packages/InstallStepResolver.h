#pragma once

#include "common/packages/PkgManager.h"

#include <string>

class Package;
class Repository;

// What the installation step asks of the resolver for one package of its
// installation group: the packages that must be installed with it (and with its
// twin for another architecture), resolved at the level that must decide, with
// the whole install list as the requested packages. An attempt that black-lists
// a package is repeated, up to `maxAttempts` times.
class InstallStepResolver {
public:
    static constexpr int maxAttempts = 100;

    struct Request {
        const Package* current = nullptr;
        // The whole install list of the step.
        PkgManager::PackageList installList;
        // The detected system's architecture.
        std::string osArch;
        // The option "force-remove-packages-tree".
        bool removePackagesTree = false;
    };

    struct Result {
        // The resolver's necessary list as it ended, in order.
        PkgManager::PackageList necessary;
        // The records that join the installation group: those of the necessary
        // list that are not installed and are neither examined package.
        PkgManager::PackageList additions;
        const Package* second = nullptr;
        // The packages the resolution must not use, each with its reason.
        PkgManager::BlackList blackList;
        // Attempts used, 1 when the first succeeded.
        int attempts = 0;
    };

    // The first other record of the install list with the current package's
    // name and an equal version (the same package for another architecture),
    // unless that record is installed; null when none.
    static const Package* findSecondPackage(const Package* current, const PkgManager::PackageList& installList);

    // Raises error (5,1,1,3) err_prep_group when every attempt black-listed a
    // package; every other failure of the resolver passes unchanged.
    static Result resolve(Repository& repository, const Request& request);

    // Examines every package of the group in order, the added ones too, and
    // appends what each needs that the group lacks: the installation step's
    // walk over its group, for callers that need only the completed list.
    static void completeGroup(Repository& repository, PkgManager::PackageList& group,
                              const PkgManager::PackageList& installList, const std::string& osArch,
                              bool removePackagesTree);
};
