// Resolving one package: the order in which its requirements are decided and
// the installed-system checks run, and what the necessary list accepts (a record
// once, the lower of two versions of one name black-listed, a conflict settled
// by black-listing one side). Provider choice, the black list, the repairs and
// the trial resolutions each have their own file.
#include "common/packages/PkgManager.h"

#include "common/Log.h"
#include "common/error.h"
#include "common/packages/PkgManagerInternal.h"
#include "common/packages/Repository.h"

#include <algorithm>

using namespace pkgmanager;

PkgManager::PkgManager(Repository& repository, PackageList* necessaryList, Flags flags)
    : repository_(&repository), necessaryList_(necessaryList), flags_(flags)
{
    if (!necessaryList_) throw KW_INTERNAL_ERROR();
    startList_ = *necessaryList_;
}

PkgManager::~PkgManager() = default;

bool PkgManager::isRemover(const Package* package)
{
    return package && package->getType() == Package::typeDummy && package != Dependency::dummyMaster() &&
           !package->getObsoletes().empty();
}

void PkgManager::addRequestedPackages(const PackageList& packages)
{
    for (const Package* package : packages) {
        requestedPackages_.push_back(package);
        requested_.insert(package);
    }
}

bool PkgManager::isRequested(const Package* package) const
{
    if (requested_.count(package)) return true;
    return std::find(startList_.begin(), startList_.end(), package) != startList_.end();
}

bool PkgManager::inNecessaryList(const Package* package) const
{
    return std::find(necessaryList_->begin(), necessaryList_->end(), package) != necessaryList_->end();
}

bool PkgManager::nameInNecessaryList(const char* name) const
{
    for (const Package* item : *necessaryList_)
        if (item->getName() == name) return true;
    return false;
}

bool PkgManager::conflictEitherWay(const Package* a, const Package* b) const
{
    return repository().isConflicting(a, b) || repository().isConflicting(b, a);
}

void PkgManager::logNecessaryList(int level) const
{
    for (const Package* item : *necessaryList_) {
        const std::string& file = item->getFileName();
        Log(level, true) << " (" << static_cast<char>(item->getType()) << ") " << file;
    }
}

void PkgManager::findRequiredFor(const Package* pkg)
{
    const Trace trace(concat("findRequiredFor ", pkg));
    if (isInstalled(pkg)) return;
    Log(2, true) << "Find directly required packages for " << pkg;

    DependencyPtr current;
    try {
        for (unsigned i = 0; (current = pkg->getRequire(i)); ++i) {
            // At the levels that must decide, the cheaper criteria are tried
            // first, so that an installed or preferred provider is not passed
            // over for the one with the fewest requirements.
            bool decided = false;
            if (level_ >= 5) {
                for (int level = 1; level <= level_ && !decided; ++level)
                    decided = selectBestResolvers(current, level, false);
            } else {
                decided = selectBestResolvers(current, level_, false);
            }
            if (decided) continue;
            if (level_ >= 5) blackListMasterAndThrowUnhappy(current);
            Log(3, true) << "Will try to resolve it later, put to deffered list";
            deferDependency(current);
        }
    } catch (const error&) {
        Log(1, true) << "Problem occured during searching directly resolved dependencies for '" << *current
                     << "' of package " << pkg << " ";
        throw;
    }

    struct Check {
        void (PkgManager::*run)(const Package*);
        const char* problem;
    };
    const std::string name = concat(pkg);
    const Check checks[] = {
        {&PkgManager::findHardwired, "Problem occured during searching indirect dependencies for package "},
        {&PkgManager::findObsoletes,
         "Problem occured during search indirect dependencies produced by obsolete tags for package "},
        {&PkgManager::findConflicts, "Problem occured during searching conflicts for package "},
        {&PkgManager::findBackConflicts, "Problem occured during searching reverse-conflicts for package "},
        {&PkgManager::findOtherArch, "Problem occured during searching other arch for package "},
    };
    for (const Check& check : checks) {
        try {
            (this->*check.run)(pkg);
        } catch (const error&) {
            // The conflicts line ends with a blank; the log shows an empty value
            // as a marker, so none is streamed.
            if (check.run == &PkgManager::findConflicts)
                Log(1, true) << check.problem << name << " ";
            else
                Log(1, true) << check.problem << name;
            throw;
        }
    }

    // At the level that must decide nothing may stay undecided: the choices
    // that the repairs above deferred are settled here, as the pass loop of a
    // trial settles them, or the package fails.
    if (level_ >= 5)
        while (!defferedList_.empty()) resolveDefferedDependencies();
}

void PkgManager::appendNecessaryPackage(const Package* pkg)
{
    const Trace trace(concat("appendNecessaryPackage: ", pkg, " ~", static_cast<char>(pkg->getType())));
    for (std::size_t i = 0; i < necessaryList_->size(); ++i) {
        const Package* item = (*necessaryList_)[i];
        if (item == pkg) {
            Log(3, true) << pkg << " is already in list, skip.";
            return;
        }
        if (item->getName() == pkg->getName()) {
            const int order = compareVersions(pkg, item);
            if (order == 0) {
                if (sameArch(item, pkg)) {
                    Log(3, true) << pkg << " skipped, same name-ver-arch is already in list.";
                    return;
                }
                continue;
            }
            Log(2, true) << pkg << " - there is another package '" << item << "'"
                         << " with same name in necessaryList";
            appendBlackPackage(order < 0 ? pkg : item, std::make_shared<ReasonClash>(pkg, item));
            continue;
        }
        if (conflictEitherWay(item, pkg)) {
            Log(2, true) << pkg << " - conflicts with " << item << " which is already in necessaryList";
            const ReasonPtr reason = std::make_shared<ReasonClash>(item, pkg);
            try {
                const int choice = selectBlackPackage(item, pkg, reason);
                if (choice == 0 || choice == 1) {
                    const Package* black = choice == 0 ? item : pkg;
                    Log(2, true) << "appendNecessaryPackage(): add to black list " << black
                                 << " by selectBlackPackage().";
                    appendBlackPackage(black, reason);
                } else {
                    Log(1, true) << "Can't select which of conflicting packages add to blacklist: " << item << " or "
                                 << pkg << ": adding them both.";
                    // Black-listing ends the attempt, so the first is entered
                    // directly and the second black-listed with what needs it.
                    addBlackPackage(item, reason);
                    appendBlackPackage(pkg, reason);
                }
            } catch (const error&) {
                Log(1, true) << "Unable to install both " << item << " and " << pkg
                             << " because they conflict with each other.";
                throw;
            }
        }
    }
    Log(3, true) << pkg << " added.";
    for (const Package* item : *necessaryList_)
        if (sameNameVersionArch(item, pkg)) return;
    necessaryList_->push_back(pkg);
}
