#pragma once

#include "common/packages/Dependency.h"
#include "common/packages/Package.h"
#include "common/packages/Reason.h"

#include <cstddef>
#include <cstdint>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <unordered_set>
#include <vector>

class Repository;

// Completes a list of packages to install against everything a Repository
// knows: for every requirement it chooses the package that should satisfy it,
// adds that package to the necessary list and checks what the installation does
// to the installed system. When two packages cannot both be installed, one goes
// on the black list and the attempt ends with `unhappy`, so that the caller
// starts again without it.
//
// The resolver reads plain data and writes only the caller's necessary list and
// the log; it never runs a command. Work is bounded: passes are capped at
// `maxPasses` and trial resolutions nest at most `maxTrialDepth` deep, and
// exceeding either fails with a dependencies error. Ties between records are
// broken by their sequence numbers, so the same input always decides the same way.
//
// The implementation is split by what each part decides: PkgManager.cpp (one
// package and the necessary list), PkgManagerProviders.cpp (provider choice and
// levels), PkgManagerBlackList.cpp (black list and reasons),
// PkgManagerRepairs.cpp (installed-system checks and repairs) and
// PkgManagerTrials.cpp (trial resolutions).
class PkgManager {
public:
    using PackageList = std::vector<const Package*>;
    using BlackList = std::map<const Package*, ReasonPtr, Package::BySequence>;
    using PackageSet = std::set<const Package*, Package::BySequence>;

    // Raised when the black list grew: the attempt in progress is void.
    class unhappy {};

    // The constructor's flag word; the install step sets mode 1 and
    // `removePackagesTree` from the option "force-remove-packages-tree".
    struct Flags {
        int mode = 1;
        bool reserved = false;
        bool removePackagesTree = false;
    };

    // What a resolution would do, compared between trial resolutions.
    struct Statistics {
        int osNew = 0;     // new records offered by the system's repositories
        int removals = 0;  // remover records
        int buildNew = 0;  // new records of the catalogue
        int totalNew = 0;  // buildNew + osNew
    };

    static constexpr int maxPasses = 100;
    static constexpr int maxTrialDepth = 3;

    PkgManager(Repository& repository, PackageList* necessaryList, Flags flags);
    ~PkgManager();
    PkgManager(const PkgManager&) = delete;
    PkgManager& operator=(const PkgManager&) = delete;

    void setLevel(int level) { level_ = level; }
    int getLevel() const { return level_; }
    void setOsArch(const std::string& arch) { osArch_ = arch; }
    const std::string& getOsArch() const { return osArch_; }
    const BlackList& getBlackList() const { return blackList_; }
    const PackageList& getNecessaryList() const { return *necessaryList_; }
    // 0 for the resolver the caller made; a trial is one deeper than its parent.
    int getTrialDepth() const { return trialDepth_; }
    // Between attempts of the install step: the black list and the deferred
    // requirements stay.
    void clearResolvedDependencies() { resolvedDependencies_.clear(); }

    void addRequestedPackages(const PackageList& packages);
    bool isRequested(const Package* package) const;

    // Resolves one package: its requirements, then its effect on the installed
    // system; at level 5 and above also every choice that its repairs deferred,
    // so that nothing is left undecided. Raises `unhappy` when the black list
    // grew, `error` when the resolution is impossible.
    void findRequiredFor(const Package* package);
    // The pass loop over the whole necessary list, for trial resolutions.
    void findNecessaryPackages(bool onlyLast);
    bool selectBestResolvers(const DependencyPtr& dependency, int level, bool force);
    void appendNecessaryPackage(const Package* package);

    // Black list and reasons.
    bool isBlack(const Package* package, bool quiet) const;
    void appendBlackPackage(const Package* package, const ReasonPtr& reason);
    void blackSamePackages(BlackList& newBlacks, const Package* package, const ReasonPtr& reason);
    void addBlackPackage(const Package* package, const ReasonPtr& reason);
    [[noreturn]] void blackListMasterAndThrowUnhappy(const DependencyPtr& dependency);
    // 0 black-list p1, 1 black-list p2, 2 no choice.
    int selectBlackPackage(const Package* p1, const Package* p2, const ReasonPtr& reason);
    void explainProblem(const Package* package, PackageSet& visited);
    void explainClash(const Package* first, const Package* second);

    // Installed-system checks and their repairs.
    void findHardwired(const Package* package);
    void checkHardwired(const Package* newPkg, const Package* old, const Package* requirer);
    void findObsoletes(const Package* package);
    void findConflicts(const Package* package);
    void findBackConflicts(const Package* package);
    void findOtherArch(const Package* package);
    bool upgradeModeSolution(const Package* newer);
    bool archModeSolution(const DependencyPtr& dependency, const Package* newPkg);
    bool replaceModeSolution(const DependencyPtr& dependency, const Package* old, const Package* newPkg);
    bool obsoleteModeSolution(const Package* package);
    void removeModeSolution(const Package* package);
    void addRemover(const std::string& name);
    const Package* findNewerNonBlackPackage(const Package* package) const;
    static bool archMatches(const std::string& a, const std::string& b);

    // Provider comparison: above 0 currBest wins, below 0 currTest, 0 a tie.
    int cmpPriority(const Package* currBest, const Package* currTest) const;
    int smartGravity(const DependencyPtr& dependency, const Package* currBest, const Package* currTest, int level);
    int trialCompare(const Package* currBest, const Package* currTest);
    Statistics countStatistics() const;

    // The package names the build information files prefer among alternatives;
    // filled by the build loader, read at the preferred-package level.
    static void setPreferredPackageNames(const std::set<std::string>& names);
    static const std::set<std::string>& getPreferredPackageNames();
    // Forgets which installed-system warnings were already written (they are
    // written once per process).
    static void resetReportedWarnings();
    // Whether the record stands for the removal of installed packages.
    static bool isRemover(const Package* package);

private:
    struct DependencyHash {
        std::size_t operator()(const DependencyPtr& d) const { return static_cast<std::size_t>(d->hash()); }
    };
    struct DependencyEqual {
        bool operator()(const DependencyPtr& a, const DependencyPtr& b) const { return a->equals(b); }
    };
    using DependencySet = std::unordered_set<DependencyPtr, DependencyHash, DependencyEqual>;

    Repository& repository() const { return *repository_; }
    // A requirement whose provider waits for a higher level; a repair's
    // solution names the installed package it keeps working.
    struct Deferred {
        DependencyPtr dependency;
        const Package* repairs = nullptr;
    };
    void deferDependency(const DependencyPtr& dependency, const Package* repairs = nullptr);
    void resolveDefferedDependencies();
    // Chooses among a repair's candidates, or defers the choice; false when
    // there is no candidate.
    bool scheduleSolution(const DependencyPtr& solution, const Package* repairs);
    // A repair that no level decides: raises err_deps_badpkg naming the
    // installed package and the requirement (after the black-listing rule
    // for a requirement that is undecided at the last level).
    [[noreturn]] void failUndecidedRepair(const Deferred& entry);
    bool inNecessaryList(const Package* package) const;
    bool nameInNecessaryList(const char* name) const;
    bool hasRemoverFor(const char* name) const;
    bool conflictsWithSystemOrNecessary(const Package* package) const;
    // The repository's conflict index points one way; this asks both.
    bool conflictEitherWay(const Package* a, const Package* b) const;
    // An installed package in conflict with `pkg` (declared by `pkg`, or by the
    // installed one when `back`): upgrade it, replace it or remove it.
    void repairConflict(const Package* pkg, const Package* installed, bool back);
    int unsatisfiedRequirements(const Package* package) const;
    bool dependsOnlyOn(const Package* package, const Package* only) const;
    void logNecessaryList(int level) const;
    // A trial resolver one level deeper, on the caller's list; raises
    // err_bad_deps past `maxTrialDepth`.
    std::unique_ptr<PkgManager> makeTrial(PackageList* necessaryList) const;
    // The pass loop of a trial, its lines marked in the log by its depth.
    Statistics runTrial(bool onlyLast);
    // The part of selectBlackPackage that tries both choices.
    int selectBlackByTrials(const Package* p1, const Package* p2, const ReasonPtr& reason);
    // A trial that must add a record gets a private repository first, so that
    // the parent never sees the trial's records.
    void ownRepository();

    Repository* repository_;
    std::unique_ptr<Repository> ownCopy_;
    PackageList* necessaryList_;
    Flags flags_;
    int level_ = 1;
    PackageList startList_;
    PackageList requestedPackages_;
    std::unordered_set<const Package*> requested_;
    std::string osArch_;
    std::vector<Deferred> defferedList_;
    DependencySet resolvedDependencies_;
    BlackList blackList_;
    bool trial_ = false;
    int trialDepth_ = 0;
};
