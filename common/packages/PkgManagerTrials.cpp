// Trial resolutions: how two choices are tried on copies of the necessary list
// and the repository, how deep trials may nest, and which outcome is better
// (no dependencies error, fewer removals, fewer new packages).
#include "common/packages/PkgManager.h"

#include "common/Log.h"
#include "common/Messages.h"
#include "common/Progress.h"
#include "common/error.h"
#include "common/packages/PkgManagerInternal.h"
#include "common/packages/Repository.h"

#include <algorithm>

using namespace pkgmanager;

namespace {

// The log marks every line written inside a trial with the trial's depth.
class LogDepth {
public:
    explicit LogDepth(int depth) : saved_(Log::depth) { Log::depth = depth; }
    ~LogDepth() { Log::depth = saved_; }
    LogDepth(const LogDepth&) = delete;
    LogDepth& operator=(const LogDepth&) = delete;

private:
    int saved_;
};

}  // namespace

void PkgManager::findNecessaryPackages(bool onlyLast)
{
    const Trace trace("findNecessaryPackages");
    if (necessaryList_->empty()) throw error(3, 0, 0, 2) << "start packages list for resolver is empty";
    Log(2, true) << "PkgManager: start resolving packages";

    // One pass per black-listing at most, and never more than the cap: the
    // black list only grows, but a large repository must not mean unbounded work.
    const std::size_t records = repository().getPackages().size();
    const int passLimit = static_cast<int>(std::min<std::size_t>(maxPasses, std::max<std::size_t>(3, records)));
    int passCount = 0;
    const Package* predicted = nullptr;
    bool firstPass = true;
    for (;;) {
        try {
            Progress::checkTermination();
            Log(2, true) << "findNecessaryPackages(): start pass " << passCount;
            std::size_t index = 0;
            if (firstPass && onlyLast) {
                index = necessaryList_->size() - 1;
                predicted = (*necessaryList_)[index];
            }
            firstPass = false;
            for (;;) {
                for (; index < necessaryList_->size(); ++index) findRequiredFor((*necessaryList_)[index]);
                if (defferedList_.empty()) break;
                resolveDefferedDependencies();
            }
            Log(2, true) << "=== Package resolving sucessfuly ends ===";
            logNecessaryList(2);
            return;
        } catch (const unhappy&) {
            Log(1, true) << "Unhappy caught; try to resolve again.";
        }
        *necessaryList_ = startList_;
        if (predicted) {
            bool present = false;
            for (const Package* item : *necessaryList_) present = present || sameNameVersionArch(item, predicted);
            if (!present) necessaryList_->push_back(predicted);
        }
        defferedList_.clear();
        resolvedDependencies_.clear();
        if (predicted && isBlack(predicted, true)) {
            Log(2, true) << "Can't find solution with predictionally for package " << predicted
                         << ": it was added to blacklist";
            throw error(5, 1, 1, 3) << Messages::get("err_deps_nochance");
        }
        ++passCount;
        if (passCount >= passLimit) {
            Log(1, true) << "passCount is reached passLimit";
            throw error(5, 1, 1, 3) << Messages::get("err_bad_deps");
        }
    }
}

std::unique_ptr<PkgManager> PkgManager::makeTrial(PackageList* necessaryList) const
{
    // Trials start trials of their own (their deferred requirements reach the
    // trial level); the cap keeps the nesting, and so the work, bounded.
    if (trialDepth_ >= maxTrialDepth) {
        Log(1, true) << "Trial resolution depth limit (" << maxTrialDepth << ") is reached";
        throw error(5, 1, 1, 3) << Messages::get("err_bad_deps");
    }
    auto trial = std::make_unique<PkgManager>(*repository_, necessaryList, flags_);
    trial->blackList_ = blackList_;
    trial->osArch_ = osArch_;
    trial->trial_ = true;
    trial->trialDepth_ = trialDepth_ + 1;
    return trial;
}

PkgManager::Statistics PkgManager::runTrial(bool onlyLast)
{
    const LogDepth marked(trialDepth_);
    findNecessaryPackages(onlyLast);
    return countStatistics();
}

void PkgManager::ownRepository()
{
    if (!trial_ || ownCopy_) return;
    ownCopy_ = std::make_unique<Repository>(*repository_, Repository::trialCopy);
    repository_ = ownCopy_.get();
}

int PkgManager::trialCompare(const Package* currBest, const Package* currTest)
{
    struct Branch {
        const Package* added;
        bool failed = false;
        Statistics stats;
    };
    Branch branches[2] = {{currBest, false, {}}, {currTest, false, {}}};
    for (Branch& branch : branches) {
        PackageList list = *necessaryList_;
        list.push_back(branch.added);
        try {
            std::unique_ptr<PkgManager> trial = makeTrial(&list);
            branch.stats = trial->runTrial(true);
        } catch (const error& e) {
            if (e.errorClass() != 5) throw;
            branch.failed = true;
        }
        // A failing currBest branch decides at once, whatever the other would do.
        if (branch.failed) break;
    }
    if (branches[0].failed) {
        Log(3, true) << "      reject currBest by resolving of branch error.";
        return -1;
    }
    if (branches[1].failed) {
        Log(3, true) << "      select currBest by resolving of currTest branch error.";
        return 1;
    }
    const Statistics& best = branches[0].stats;
    const Statistics& test = branches[1].stats;
    if (best.removals < test.removals) {
        Log(3, true) << "      select currBest: less packages to remove.";
        return 1;
    }
    if (best.removals > test.removals) {
        Log(3, true) << "      reject currBest: more packages to remove.";
        return -1;
    }
    if (best.osNew < test.osNew) {
        Log(3, true) << "      select currBest: less packages to install.";
        return 1;
    }
    if (best.osNew > test.osNew) {
        Log(3, true) << "      reject currBest: more packages to install.";
        return -1;
    }
    return 0;
}

PkgManager::Statistics PkgManager::countStatistics() const
{
    Statistics stats;
    for (const Package* item : *necessaryList_) {
        if (isInstalled(item)) continue;
        if (isRemover(item)) {
            ++stats.removals;
            continue;
        }
        const bool installedName = repository().findInstalled(item->getName()) != nullptr;
        if (installedName) continue;
        if (item->getType() == Package::typeUpdates) ++stats.osNew;
        if (item->getType() == Package::typeBuild) ++stats.buildNew;
    }
    stats.totalNew = stats.buildNew + stats.osNew;
    return stats;
}

int PkgManager::selectBlackByTrials(const Package* p1, const Package* p2, const ReasonPtr& reason)
{
    // A trial resolves what this resolver is asked for: its start list and,
    // when that is empty (as at the install step), the requested packages.
    PackageList start = startList_;
    for (const Package* p : requestedPackages_)
        if (std::find(start.begin(), start.end(), p) == start.end()) start.push_back(p);

    struct Branch {
        const Package* black;
        const char* name;
        bool failed = false;
        Statistics stats;
    };
    Branch branches[2] = {{p2, "fake1", false, {}}, {p1, "fake2", false, {}}};
    for (Branch& branch : branches) {
        if (start.empty()) break;
        PackageList list = start;
        try {
            std::unique_ptr<PkgManager> trial = makeTrial(&list);
            trial->addBlackPackage(branch.black, reason);
            branch.stats = trial->runTrial(false);
        } catch (const error& e) {
            if (e.errorClass() != 5) throw;
            branch.failed = true;
            Log(3, true) << "Resolving " << branch.name << " ends with error: " << e.text();
        }
    }
    const Branch& a = branches[0];
    const Branch& b = branches[1];
    if (a.failed && b.failed) {
        Log(2, true) << "selectBlackPackage: both branch of resolving ends with error";
        return 2;
    }
    if (a.failed || b.failed) {
        Log(2, true) << "  selectBlackPackage: resolving with " << (a.failed ? p1 : p2) << " ends with error.";
        return a.failed ? 0 : 1;
    }
    if (a.stats.removals != b.stats.removals) {
        const bool fewerA = a.stats.removals < b.stats.removals;
        Log(2, true) << "  selectBlackPackage: with " << (fewerA ? p1 : p2) << " less packages to remove.";
        return fewerA ? 1 : 0;
    }
    if (a.stats.totalNew != b.stats.totalNew) {
        const bool moreA = a.stats.totalNew > b.stats.totalNew;
        Log(2, true) << "  selectBlackPackage: with " << (moreA ? p1 : p2) << " great packages to install.";
        return moreA ? 0 : 1;
    }
    Log(2, true) << "  selectBlackPackage: compare by index.";
    return p1->getSequence() > p2->getSequence() ? 1 : 0;
}
