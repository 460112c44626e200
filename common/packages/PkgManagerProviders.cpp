// Provider choice: which of the packages that satisfy a requirement joins the
// necessary list, compared pairwise by cmpPriority (one name) or smartGravity
// (one criterion per level: necessary list, installed state, preferred names,
// trial, provide version and requirement count), and which requirements wait
// in the deferred list for a higher level.
#include "common/packages/PkgManager.h"

#include "common/Log.h"
#include "common/error.h"
#include "common/packages/DependencyLogical.h"
#include "common/packages/PkgManagerInternal.h"
#include "common/packages/Repository.h"
#include "common/packages/Source.h"

#include <algorithm>

using namespace pkgmanager;

namespace {

// The level whose criterion is the installed state of the two candidates.
constexpr int installedStateLevel = 2;

std::set<std::string>& preferredNames()
{
    static std::set<std::string>* const names = new std::set<std::string>;
    return *names;
}

// The first versioned relation among the package's provides that the requirement meets.
const DependencyLogical* satisfyingProvide(const DependencyPtr& dep, const Package* package)
{
    for (const DependencyPtr& p : package->getProvides()) {
        const auto* logical = dynamic_cast<const DependencyLogical*>(p.get());
        if (logical && logical->getVersion() && dep->intersects(p)) return logical;
    }
    return nullptr;
}

}  // namespace

void PkgManager::setPreferredPackageNames(const std::set<std::string>& names)
{
    preferredNames() = names;
}

const std::set<std::string>& PkgManager::getPreferredPackageNames()
{
    return preferredNames();
}

void PkgManager::deferDependency(const DependencyPtr& dependency, const Package* repairs)
{
    for (const Deferred& listed : defferedList_) {
        if (listed.dependency->sameName(dependency)) {
            Log(3, true) << *dependency << " is already in deffered list, skip";
            return;
        }
    }
    defferedList_.push_back({dependency, repairs});
}

bool PkgManager::selectBestResolvers(const DependencyPtr& dep, int level, bool force)
{
    const Trace trace(concat("selectBestResolvers: resolve '", *dep, "'"));
    if (!force && resolvedDependencies_.count(dep)) {
        Log(3, true) << "selectBestResolvers: resolve '" << *dep << "': is already resolved, skipped.";
        return true;
    }
    const Package* owner = dep->getOwner();
    {
        const std::string& file = owner->getFileName();
        Log(3, true) << "selectBestResolvers: resolve '" << *dep << "' from " << file << " ~"
                     << static_cast<char>(owner->getType()) << " on level " << level << ":";
    }

    // The matched provides of this repository's requires graph (rebuilt on
    // first use when stale), or the made-up requirement's own.
    std::vector<DependencyPtr> provides;
    const unsigned count = repository().matchedProvideCount(dep.get());
    for (unsigned i = 0; i < count; ++i)
        if (DependencyPtr p = repository().getMatchedProvide(dep.get(), i)) provides.push_back(p);

    std::vector<bool> black(provides.size());
    for (std::size_t i = 0; i < provides.size(); ++i) black[i] = isBlack(provides[i]->getOwner(), true);

    PackageList winners;
    bool live = false;
    for (std::size_t i = 0; i < provides.size(); ++i) {
        const Package* currBest = provides[i]->getOwner();
        if (black[i]) {
            isBlack(currBest, false);
            Log(3, true) << " skip.";
            continue;
        }
        live = true;
        Log(3, true) << "  currBest: " << currBest << " ~" << static_cast<char>(currBest->getType())
                     << " (provides '" << *provides[i] << "')";
        bool rejected = false;
        bool tie = false;
        for (std::size_t j = 0; j < provides.size() && !rejected; ++j) {
            if (j == i) continue;
            const Package* currTest = provides[j]->getOwner();
            if (black[j]) {
                isBlack(currTest, false);
                Log(3, true) << " skip.";
                continue;
            }
            Log(3, true) << "    currTest: " << currTest << " ~" << static_cast<char>(currTest->getType())
                         << " (provides '" << *provides[j] << "')";
            if (currBest == currTest) {
                // One package matched twice (two of its provides): the first entry stands.
                if (i < j) continue;
                rejected = true;
                continue;
            }
            // Two candidates that no rule tells apart: the first in provide order stays.
            auto breakByIndex = [&](const char* prefix) {
                Log(3, true) << prefix << (i < j ? "select" : "reject") << " currBest by index.";
                if (i > j) rejected = true;
            };
            if (currBest->getName() == currTest->getName()) {
                const int r = cmpPriority(currBest, currTest);
                if (r > 0) continue;
                if (r < 0) {
                    rejected = true;
                    continue;
                }
                breakByIndex("      ");
            } else {
                const int r = smartGravity(dep, currBest, currTest, level);
                if (r > 0) {
                    Log(3, true) << "      select currBest by smartGravity().";
                } else if (r < 0) {
                    Log(3, true) << "      reject currBest by smartGravity().";
                    rejected = true;
                } else if (level >= installedStateLevel && isInstalled(currBest) && isInstalled(currTest)) {
                    // Either keeps the requirement satisfied without installing
                    // anything, so no level can make a better choice; undecided,
                    // it would black-list the package that needs it.
                    breakByIndex("      both are installed, ");
                } else {
                    Log(3, true) << "      packages are equal on this level";
                    tie = true;
                }
            }
        }
        if (tie && !rejected) {
            Log(3, true) << "selectBestResolvers: can't resolve '" << *dep << "' on this level (" << level << ")";
            return false;
        }
        if (!rejected) {
            Log(3, true) << "  package " << currBest << " is scheduled for addition to necessaryList";
            if (std::find(winners.begin(), winners.end(), currBest) == winners.end()) winners.push_back(currBest);
        }
    }

    if (!winners.empty()) {
        resolvedDependencies_.insert(dep);
        for (const Package* winner : winners) {
            try {
                appendNecessaryPackage(winner);
            } catch (const error&) {
                Log(1, true) << "Could not add package " << winner << "to the list of required packages.";
                throw;
            }
        }
        return true;
    }
    if (Dependency::isArtificial(dep->toString().c_str())) return true;
    if (!live) blackListMasterAndThrowUnhappy(dep);
    return false;
}

void PkgManager::resolveDefferedDependencies()
{
    const Trace trace("resolveDefferedDependencies");
    Log(3, true) << "Resolve deffered dependencies.";
    for (int level = 1; level <= 5; ++level) {
        for (std::size_t i = 0; i < defferedList_.size(); ++i) {
            const Deferred entry = defferedList_[i];
            if (selectBestResolvers(entry.dependency, level, false)) {
                const auto at = std::find_if(defferedList_.begin(), defferedList_.end(), [&](const Deferred& listed) {
                    return listed.dependency == entry.dependency;
                });
                if (at != defferedList_.end()) defferedList_.erase(at);
                return;
            }
            if (level == 5) {
                if (entry.repairs) failUndecidedRepair(entry);
                blackListMasterAndThrowUnhappy(entry.dependency);
            }
        }
    }
}

int PkgManager::cmpPriority(const Package* currBest, const Package* currTest) const
{
    const bool bestRequested = isRequested(currBest);
    const bool testRequested = isRequested(currTest);
    if (bestRequested != testRequested) {
        Log(3, true) << (bestRequested ? "      select" : "      reject") << " currBest by cmpPriority (requested)";
        return bestRequested ? 1 : -1;
    }
    auto decide = [](int r, const char* label) {
        Log(3, true) << (r > 0 ? "      select" : "      reject") << label;
        return r;
    };
    if (bestRequested || currBest->getType() == Package::typeBuild || currTest->getType() == Package::typeBuild) {
        if (const int r = compareVersions(currBest, currTest)) return decide(r, " currBest by cmpPriority (requested version)");
    }

    if (currBest->getType() == Package::typeDummy) throw KW_INTERNAL_ERROR();
    if (currTest->getType() == Package::typeDummy) throw KW_INTERNAL_ERROR();
    if (currBest->getType() == Package::typePurge) throw KW_INTERNAL_ERROR();
    if (currTest->getType() == Package::typePurge) throw KW_INTERNAL_ERROR();
    if (currBest->getType() != currTest->getType()) {
        for (const char kind : {'s', 'b', 'r', 'u', 't'}) {
            if (currBest->getType() == kind) return decide(1, " currBest by cmpPriority (dir priority (1))");
            if (currTest->getType() == kind) return decide(-1, " currBest by cmpPriority (dir priority (1))");
        }
    }
    if (const int r = compareVersions(currBest, currTest)) return decide(r, " currBest by cmpPriority (version (2))");

    if (!sameArch(currBest, currTest)) {
        if (osArch_.empty()) throw error(3, 1, 1, 3) << "os_arch is not defined in packages resolver";
        const std::string a = osArch_ == "i386" ? std::string("i686") : osArch_;
        const std::string best = currBest->getArch();
        const std::string test = currTest->getArch();
        int r = 0;
        if (best == a) r = 1;
        else if (test == a) r = -1;
        else if (a != "powerpc" && best.compare(0, 1, "i") == 0 && test.compare(0, 1, "i") == 0)
            r = best < test ? -1 : (best > test ? 1 : 0);
        if (r) return decide(r, " currBest by cmpPriority (arch priority (3))");
    }

    const bool bestDownload = currBest->getSource() && currBest->getSource()->needsDownload();
    const bool testDownload = currTest->getSource() && currTest->getSource()->needsDownload();
    if (bestDownload != testDownload) {
        Log(3, true) << (bestDownload ? "      select currBest" : "      select currTest")
                     << " by cmpPriority (source downloadable)";
        return bestDownload ? 1 : -1;
    }
    return 0;
}

bool PkgManager::hasRemoverFor(const char* name) const
{
    for (const Package* item : *necessaryList_) {
        if (!isRemover(item) || item->getArch()[0] != '\0') continue;
        const DependencyPtr first = item->getObsolete(0);
        if (first && first->toString() == name) return true;
    }
    return false;
}

bool PkgManager::conflictsWithSystemOrNecessary(const Package* package) const
{
    for (const Package* other : repository().getConflicts(package))
        if (isInstalled(other) || inNecessaryList(other)) return true;
    for (const Package* other : repository().getConflictedBy(package))
        if (isInstalled(other) || inNecessaryList(other)) return true;
    return false;
}

int PkgManager::unsatisfiedRequirements(const Package* package) const
{
    int count = 0;
    for (const DependencyPtr& req : package->getRequires()) {
        bool satisfied = false;
        const unsigned n = repository().matchedProvideCount(req.get());
        for (unsigned i = 0; i < n && !satisfied; ++i) {
            const DependencyPtr p = repository().getMatchedProvide(req.get(), i);
            satisfied = p && (isInstalled(p->getOwner()) || inNecessaryList(p->getOwner()));
        }
        if (!satisfied) ++count;
    }
    return count;
}

int PkgManager::smartGravity(const DependencyPtr& dep, const Package* currBest, const Package* currTest, int level)
{
    const bool bestListed = nameInNecessaryList(currBest->getName());
    const bool testListed = nameInNecessaryList(currTest->getName());
    if (bestListed && !testListed) {
        Log(3, true) << "      select currBest: it is already in necessaryList.";
        return 1;
    }
    if (testListed && !bestListed) {
        Log(3, true) << "      reject currBest: currTest is already in necessaryList.";
        return -1;
    }
    auto say = [](int r, const char* text) {
        Log(3, true) << text;
        return r;
    };
    switch (level) {
    case 1:
        return 0;
    case installedStateLevel: {
        const bool bestInst = repository().findInstalled(currBest->getName()) != nullptr;
        const bool testInst = repository().findInstalled(currTest->getName()) != nullptr;
        const bool bestObs = hasRemoverFor(currBest->getName());
        const bool testObs = hasRemoverFor(currTest->getName());
        if (testInst && !bestInst && !testObs)
            return say(-1, "      reject currBest: currTest has some version already installed.");
        if (bestInst && !testInst && !bestObs)
            return say(1, "      select currBest: it has some version already installed.");
        if (testInst && testObs) return say(1, "      select currBest: currTest is obsoleted and installed.");
        if (bestInst && bestObs) return say(-1, "      reject currBest: currBest is obsoleted and installed.");
        const bool bestConflicts = conflictsWithSystemOrNecessary(currBest);
        const bool testConflicts = conflictsWithSystemOrNecessary(currTest);
        if (testConflicts && !bestConflicts)
            return say(1, "      select currBest: currTest conflicts with system or necessary package.");
        if (bestConflicts && !testConflicts)
            return say(-1, "      reject currBest: currBest conflicts with system or necessary package.");
        const int bestMissing = unsatisfiedRequirements(currBest);
        const int testMissing = unsatisfiedRequirements(currTest);
        if (bestMissing == 0 && testMissing != 0)
            return say(1, "      select currBest: we can install it without any packages.");
        if (testMissing == 0 && bestMissing != 0)
            return say(-1, "      reject currBest: we can install currTest without any packages.");
        return 0;
    }
    case 3: {
        const auto& preferred = preferredNames();
        const bool best = preferred.count(currBest->getName()) != 0;
        const bool test = preferred.count(currTest->getName()) != 0;
        if (best && !test) return say(1, "      select currBest: it is a preferred package.");
        if (test && !best) return say(-1, "      reject currBest: currTest is a preferred package.");
        return 0;
    }
    case 4:
        return trialCompare(currBest, currTest);
    default:
        break;
    }
    if (dynamic_cast<const DependencyLogical*>(dep.get())) {
        const DependencyLogical* best = satisfyingProvide(dep, currBest);
        const DependencyLogical* test = satisfyingProvide(dep, currTest);
        if (best && !test) return say(1, "      select currBest: satisfying logical provide has higher version.");
        if (test && !best)
            return say(-1, "      reject currBest: satisfying logical provide of currTest has higher version.");
        if (best && test) {
            const int r = best->getVersion()->compare(*test->getVersion());
            if (r) return r > 0 ? 1 : -1;
        }
    }
    const std::size_t bestCount = currBest->getRequires().size();
    const std::size_t testCount = currTest->getRequires().size();
    if (bestCount < testCount) return say(1, "      select currBest: currTest has more dependencies.");
    if (bestCount > testCount) return say(-1, "      reject currBest: currTest has less dependencies.");
    return 0;
}
