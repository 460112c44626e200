#include "common/packages/PkgManager.h"

#include "common/Log.h"
#include "common/Messages.h"
#include "common/Progress.h"
#include "common/error.h"
#include "common/packages/DependencyFile.h"
#include "common/packages/DependencyLogical.h"
#include "common/packages/Repository.h"
#include "common/packages/Source.h"
#include "common/packages/Version.h"

#include <algorithm>
#include <cstring>
#include <exception>
#include <sstream>

namespace {

std::set<std::string>& preferredNames()
{
    static std::set<std::string>* const names = new std::set<std::string>;
    return *names;
}

// Installed-system warnings already written in this process.
struct Reported {
    std::unordered_set<std::string> hardwired;
    std::unordered_set<std::string> obsoletes;
    std::unordered_set<std::string> conflicts;
};

Reported& reported()
{
    static Reported* const sets = new Reported;
    return *sets;
}

// True the first time the text is reported.
bool firstReport(std::unordered_set<std::string>& set, const std::string& text)
{
    return set.insert(text).second;
}

std::string textOf(const Dependency& dependency)
{
    std::ostringstream out;
    out << dependency;
    return out.str();
}

// Logs the entry into an operation and how it ended.
class Trace {
public:
    explicit Trace(std::string name) : name_(std::move(name)), exceptions_(std::uncaught_exceptions())
    {
        Log(3, true) << "DEBUG: function entry [" << name_ << "]";
    }
    ~Trace()
    {
        const bool failing = std::uncaught_exceptions() > exceptions_;
        Log(3, true) << (failing ? "DEBUG: function exception [" : "DEBUG: function return [") << name_ << "]";
    }
    Trace(const Trace&) = delete;
    Trace& operator=(const Trace&) = delete;

private:
    std::string name_;
    int exceptions_;
};

template <class... T>
std::string concat(const T&... parts)
{
    std::ostringstream out;
    (out << ... << parts);
    return out.str();
}

// One level deeper in trial resolutions for the life of the object; the log
// marks the lines written inside by the depth.
class TrialDepth {
public:
    TrialDepth()
    {
        if (Log::depth >= PkgManager::maxTrialDepth) {
            Log(1, true) << "Trial resolution depth limit (" << PkgManager::maxTrialDepth << ") is reached";
            throw error(5, 1, 1, 3) << Messages::get("err_bad_deps");
        }
        ++Log::depth;
    }
    ~TrialDepth() { --Log::depth; }
    TrialDepth(const TrialDepth&) = delete;
    TrialDepth& operator=(const TrialDepth&) = delete;
};

bool sameArch(const Package* a, const Package* b)
{
    return std::strcmp(a->getArch(), b->getArch()) == 0;
}

int compareVersions(const Package* a, const Package* b)
{
    const int r = a->getVersion().compare(b->getVersion());
    return r < 0 ? -1 : (r > 0 ? 1 : 0);
}

// The same name, an equal version and the same architecture text.
bool sameNameVersionArch(const Package* a, const Package* b)
{
    return a->getName() == b->getName() && compareVersions(a, b) == 0 && sameArch(a, b);
}

bool isInstalled(const Package* package)
{
    return package->getType() == Package::typeSystem;
}

}  // namespace

PkgManager::PkgManager(Repository& repository, PackageList* necessaryList, Flags flags)
    : repository_(&repository), necessaryList_(necessaryList), flags_(flags)
{
    if (!necessaryList_) throw KW_INTERNAL_ERROR();
    startList_ = *necessaryList_;
}

PkgManager::~PkgManager() = default;

void PkgManager::setPreferredPackageNames(const std::set<std::string>& names)
{
    preferredNames() = names;
}

const std::set<std::string>& PkgManager::getPreferredPackageNames()
{
    return preferredNames();
}

void PkgManager::resetReportedWarnings()
{
    reported() = Reported();
}

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

void PkgManager::logNecessaryList(int level) const
{
    for (const Package* item : *necessaryList_) {
        const std::string& file = item->getFileName();
        Log(level, true) << " (" << static_cast<char>(item->getType()) << ") " << file;
    }
}

// ---- resolving ----------------------------------------------------------

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
}

void PkgManager::deferDependency(const DependencyPtr& dependency)
{
    for (const DependencyPtr& listed : defferedList_) {
        if (listed->sameName(dependency)) {
            Log(3, true) << *dependency << " is already in deffered list, skip";
            return;
        }
    }
    defferedList_.push_back(dependency);
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
            if (currBest->getName() == currTest->getName()) {
                const int r = cmpPriority(currBest, currTest);
                if (r > 0) continue;
                if (r < 0) {
                    rejected = true;
                    continue;
                }
                if (i < j) {
                    Log(3, true) << "      select currBest by index.";
                } else {
                    Log(3, true) << "      reject currBest by index.";
                    rejected = true;
                }
            } else {
                const int r = smartGravity(dep, currBest, currTest, level);
                if (r > 0) {
                    Log(3, true) << "      select currBest by smartGravity().";
                } else if (r < 0) {
                    Log(3, true) << "      reject currBest by smartGravity().";
                    rejected = true;
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

void PkgManager::resolveDefferedDependencies()
{
    const Trace trace("resolveDefferedDependencies");
    Log(3, true) << "Resolve deffered dependencies.";
    for (int level = 1; level <= 5; ++level) {
        for (std::size_t i = 0; i < defferedList_.size(); ++i) {
            const DependencyPtr entry = defferedList_[i];
            if (selectBestResolvers(entry, level, false)) {
                const auto at = std::find(defferedList_.begin(), defferedList_.end(), entry);
                if (at != defferedList_.end()) defferedList_.erase(at);
                return;
            }
            if (level == 5) blackListMasterAndThrowUnhappy(entry);
        }
    }
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
        if (repository().isConflicting(item, pkg) || repository().isConflicting(pkg, item)) {
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

// ---- black list ---------------------------------------------------------

bool PkgManager::isBlack(const Package* pkg, bool quiet) const
{
    if (blackList_.count(pkg)) {
        if (!quiet) Log(3, true) << " [black blacklisted] " << pkg;
        return true;
    }
    if (pkg->getType() == Package::typePurge) {
        if (!quiet) Log(3, true) << " [black REMOVED] " << pkg;
        return true;
    }
    if (!quiet && repository().getUnresolvedRequire(pkg))
        Log(3, true) << " [error: non black but unresolved] " << pkg;
    return false;
}

void PkgManager::appendBlackPackage(const Package* pkg, const ReasonPtr& reason)
{
    const Trace trace(concat("appendBlackPackage ", pkg));
    if (isBlack(pkg, true)) {
        Log(3, true) << " DEBUG: something wrong happened. " << pkg << " is already in black list!";
        return;
    }
    BlackList newBlacks;
    blackSamePackages(newBlacks, pkg, reason);
    for (const auto& entry : newBlacks)
        if (entry.first != pkg) Log(2, true) << "Black list package " << entry.first << " too (same name,ver,arch)";

    while (!newBlacks.empty()) {
        const Package* e = newBlacks.begin()->first;
        const ReasonPtr r = newBlacks.begin()->second;
        Log(2, true) << "Migrating " << e << " to blacklist ";
        addBlackPackage(e, r);
        newBlacks.erase(newBlacks.begin());
        // Copied: the requirers' list belongs to the repository's index.
        const Repository::Records requirers = repository().getRequirers(e);
        for (const Package* x : requirers) {
            for (const DependencyPtr& d : x->getRequires()) {
                if (!d->isSatisfiedBy(e)) continue;
                bool stillSatisfied = false;
                const unsigned count = repository().matchedProvideCount(d.get());
                for (unsigned i = 0; i < count && !stillSatisfied; ++i) {
                    const DependencyPtr p = repository().getMatchedProvide(d.get(), i);
                    if (!p) continue;
                    const Package* owner = p->getOwner();
                    if (isBlack(owner, true) || sameNameVersionArch(owner, e)) continue;
                    stillSatisfied = true;
                }
                if (stillSatisfied || isBlack(x, true)) continue;
                Log(2, true) << "Add package " << x << " to black list"
                             << " because its dependency '" << *d << "' resolved only by black-listed package " << e
                             << ".";
                newBlacks[x] = std::make_shared<ReasonUnresolved>(d);
            }
        }
    }
    Log(2, true) << "appendBlackPackage: throw unhappy exception";
    logNecessaryList(3);
    throw unhappy();
}

void PkgManager::blackSamePackages(BlackList& newBlacks, const Package* pkg, const ReasonPtr& reason)
{
    const Trace trace(concat("blackSamePackages for ", pkg));
    {
        const std::string why = concat(*reason);
        Log(3, true) << "DEBUG: blackSamePackages " << pkg << " because \"" << why << "\"";
    }
    const Repository::Records same = repository().findByName(pkg->getName());
    PackageList twins(same.begin(), same.end());
    // A record the repository does not list (a trial's own) is its own twin.
    if (std::find(twins.begin(), twins.end(), pkg) == twins.end()) twins.push_back(pkg);
    for (const Package* g : twins) {
        if (!sameNameVersionArch(g, pkg)) continue;
        if (newBlacks.count(g)) {
            Log(3, true) << "it is already in newBlacks list, skipping.";
            continue;
        }
        if (isBlack(g, false)) {
            Log(3, true) << "it is already in blackList, skipping.";
            continue;
        }
        if (const auto* unresolved = dynamic_cast<const ReasonUnresolved*>(reason.get())) {
            Log(3, true) << "Debug: PkgManager::blackSamePackages: find " << *unresolved->dependency << " in " << g;
            DependencyPtr own;
            for (const DependencyPtr& d : g->getRequires()) {
                if (d->equals(unresolved->dependency)) {
                    own = d;
                    break;
                }
            }
            if (own)
                newBlacks[g] = std::make_shared<ReasonUnresolved>(own);
            else
                Log(3, true) << "Debug: package " << g << " not black listed!";
        } else if (const auto* clash = dynamic_cast<const ReasonClash*>(reason.get())) {
            const Package* other = clash->first == pkg ? clash->second : clash->first;
            newBlacks[g] = std::make_shared<ReasonClash>(g, other);
        } else {
            Log(2, true) << "DEBUG: reason is undefined type";
        }
    }
}

void PkgManager::addBlackPackage(const Package* pkg, const ReasonPtr& reason)
{
    const Trace trace(concat("addBlackPackage ", pkg));
    if (isBlack(pkg, false)) {
        Log(3, true) << "already in blacklisted, skip";
        return;
    }
    blackList_[pkg] = reason;
    {
        const std::string& file = pkg->getFileName();
        Log(3, true) << "addBlackPackage: " << file << " (#" << pkg->getSequence() << ")";
    }
    if (!isRequested(pkg)) return;

    const std::string why = concat(*reason);
    Log(1, true) << "The requested package \"" << pkg->getName() << "\" could not be installed: " << why;
    if (const auto* clash = dynamic_cast<const ReasonClash*>(reason.get())) {
        if (clash->second == pkg) throw KW_INTERNAL_ERROR();
        if (clash->second->getName() == pkg->getName() && compareVersions(clash->second, pkg) > 0) {
            Log(1, true) << "Allow to replace build package" << pkg << "\n  with newer package " << clash->second;
            return;
        }
    }
    Log(2, true) << "    ---- start dependency problems explanation -----";
    PackageSet visited;
    explainProblem(pkg, visited);
    Log(2, true) << "    ---- end dependency problems explanation -----";
    throw error(5, 1, 1, 3) << (Messages::format("err_deps_resolve_build") % pkg->getName()).str();
}

void PkgManager::blackListMasterAndThrowUnhappy(const DependencyPtr& d)
{
    const Trace trace("blackListMasterAndThrowUnhappy");
    const Package* m = d->getOwner();
    Log(3, true) << "selectBestResolvers(): Can't find solution for '" << *d << "' of " << m << ".";
    if (m->getType() != Package::typeDummy && !isBlack(m, true)) {
        Log(2, true) << "Add " << m << " to black list";
        try {
            appendBlackPackage(m, std::make_shared<ReasonUnresolved>(d));
        } catch (const error&) {
            Log(1, true) << "Solution for dependency '" << *d << "' is not available.";
            throw;
        }
    }
    throw error(5, 1, 1, 2) << "Can't find solution for '" << textOf(*d) << "' of " << concat(m) << ".";
}

std::unique_ptr<PkgManager> PkgManager::makeTrial(PackageList* necessaryList) const
{
    auto trial = std::make_unique<PkgManager>(*repository_, necessaryList, flags_);
    trial->blackList_ = blackList_;
    trial->osArch_ = osArch_;
    trial->trial_ = true;
    return trial;
}

int PkgManager::selectBlackPackage(const Package* p1, const Package* p2, const ReasonPtr& reason)
{
    const bool r1 = isRequested(p1);
    const bool r2 = isRequested(p2);
    if (r1 && r2) {
        Log(1, true) << "selectBlackPackage: both packages is requested to be installed";
        return 2;
    }
    if (r1 || r2) {
        Log(3, true) << "  selectBlackPackage: package " << (r1 ? p1 : p2) << " is requested to install";
        return r1 ? 1 : 0;
    }
    Log(3, true) << "selectBlackPackage: " << p1 << " or " << p2 << ": select with pre-resolving";

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
        std::unique_ptr<PkgManager> trial = makeTrial(&list);
        try {
            trial->addBlackPackage(branch.black, reason);
            const TrialDepth depth;
            trial->findNecessaryPackages(false);
            branch.stats = trial->countStatistics();
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

void PkgManager::explainProblem(const Package* pkg, PackageSet& visited)
{
    const Trace trace(concat("explainProblem for ", pkg));
    const auto found = blackList_.find(pkg);
    if (found == blackList_.end()) {
        Log(1, true) << "There is no explanation for the \"" << pkg->getName() << "\" package.";
        return;
    }
    visited.insert(pkg);
    Log(1, true) << "Searching problems for the \"" << pkg->getName() << "\" package.";
    const ReasonPtr reason = found->second;
    if (const auto* unresolved = dynamic_cast<const ReasonUnresolved*>(reason.get())) {
        const DependencyPtr& d = unresolved->dependency;
        const std::string dText = textOf(*d);
        const std::string pText = concat(pkg);
        Log(1, true) << "    " << (Messages::format("err_dep_from_pkg_unresolved") % pText % dText).str();
        const unsigned count = repository().matchedProvideCount(d.get());
        bool any = false;
        for (unsigned i = 0; i < count; ++i) {
            const DependencyPtr p = repository().getMatchedProvide(d.get(), i);
            if (!p) continue;
            any = true;
            const Package* owner = p->getOwner();
            Log(1, true) << "    The \"" << owner << "\" package resolves \"" << dText << "\".";
            if (!visited.count(owner)) explainProblem(owner, visited);
        }
        if (!any) Log(1, true) << (Messages::format("err_deps_install_build") % dText % pText).str();
    } else if (const auto* clash = dynamic_cast<const ReasonClash*>(reason.get())) {
        explainClash(clash->first, clash->second);
    } else {
        Log(1, true) << "Unknown reason type encountered.";
    }
}

void PkgManager::explainClash(const Package* a, const Package* b)
{
    std::ostringstream text;
    if (a->getName() == b->getName() && compareVersions(a, b) < 0) {
        text << (Messages::format("err_pkg_downgrade") % a->getName() % a->getVersion().toString() %
                 b->getVersion().toString())
                    .str()
             << "\n";
        const std::string shown = text.str();
        Log(1, true) << shown;
        return;
    }
    text << (Messages::format("err_pkg_clash") % concat(a) % concat(b)).str() << "\n";

    bool fileConflict = false;
    for (const DependencyPtr& fa : a->getProvides()) {
        const auto* fileA = dynamic_cast<const DependencyFile*>(fa.get());
        if (!fileA || fileA->isDirectory()) continue;
        for (const DependencyPtr& fb : b->getProvides()) {
            const auto* fileB = dynamic_cast<const DependencyFile*>(fb.get());
            if (!fileB || fileB->isDirectory() || !fileA->sameName(fileB)) continue;
            text << (Messages::format("err_pkg_fileconfl") % fileA->toString()).str() << "\n";
            fileConflict = true;
            break;
        }
        if (fileConflict) break;
    }
    if (!fileConflict) {
        DependencyPtr conflict;
        const Package* holder = nullptr;
        for (const DependencyPtr& c : a->getConflicts())
            if (!conflict && b->anyProvide(*c)) conflict = c, holder = a;
        for (const DependencyPtr& c : b->getConflicts())
            if (!conflict && a->anyProvide(*c)) conflict = c, holder = b;
        if (!conflict) {
            text << ".\n";
        } else {
            text << (Messages::format("err_pkg_depconfl") % concat(holder) % textOf(*conflict)).str() << "\n";
            const Package* pair[2][2] = {{a, b}, {b, a}};
            for (const auto& chosen : pair) {
                bool first = true;
                for (const Package* k : repository().getRequirers(chosen[0])) {
                    if (!inNecessaryList(k)) continue;
                    for (const DependencyPtr& d : k->getRequires()) {
                        if (!chosen[0]->anyProvide(*d) || chosen[1]->anyProvide(*d)) continue;
                        if (first) text << (Messages::format("pkg_select_reason") % concat(chosen[0])).str() << "\n";
                        first = false;
                        text << (Messages::format("pkg_select_depend") % textOf(*d) % concat(k)).str() << "\n";
                    }
                }
            }
        }
    }
    const std::string shown = text.str();
    Log(1, true) << shown;
}

// ---- installed-system checks and repairs ---------------------------------

bool PkgManager::archMatches(const std::string& a, const std::string& b)
{
    if (a == b) return true;
    return a.size() == 4 && b.size() == 4 && a[0] == 'i' && b[0] == 'i' && a[2] == '8' && b[2] == '8' &&
           a[3] == '6' && b[3] == '6';
}

const Package* PkgManager::findNewerNonBlackPackage(const Package* pkg) const
{
    Log(3, true) << "findNewerNonBlackPackage: for " << pkg;
    const Package* best = pkg;
    for (const Package* candidate : repository().findByName(pkg->getName()))
        if (!isBlack(candidate, false) && compareVersions(candidate, best) > 0) best = candidate;
    return best == pkg ? nullptr : best;
}

bool PkgManager::scheduleSolution(const DependencyPtr& solution)
{
    if (solution->matchedProvideCount() == 0) return false;
    if (!selectBestResolvers(solution, level_, true)) deferDependency(solution);
    return true;
}

void PkgManager::findHardwired(const Package* pkg)
{
    Log(3, true) << "  find indirect hardwired dependencies for " << pkg;
    const Repository::Records same = repository().findByName(pkg->getName());
    for (const Package* r : same) {
        if (!isInstalled(r) || compareVersions(r, pkg) >= 0 || !archMatches(r->getArch(), pkg->getArch())) continue;
        bool any = false;
        const Repository::Records requirers = repository().getRequirers(r);
        for (const Package* k : requirers) {
            if (!isInstalled(k)) continue;
            any = true;
            checkHardwired(pkg, r, k);
        }
        if (!any) Log(2, true) << "  No packages that requires older version, skipped";
    }
}

void PkgManager::checkHardwired(const Package* newPkg, const Package* old, const Package* requirer)
{
    // A copy: a repair may reach a trial whose repository resolves requirements
    // anew, and that may edit a record's list.
    const std::vector<DependencyPtr> requires = requirer->getRequires();
    for (const DependencyPtr& d : requires) {
        if (!old->anyProvide(*d) || newPkg->anyProvide(*d)) continue;
        Log(3, true) << "Hardwired package detected: dependency '" << *d << "' of package " << requirer
                     << " is resolved by old " << old << " but not resolved by necessary " << newPkg;
        if (archModeSolution(d, newPkg)) return;
        if (const Package* newer = findNewerNonBlackPackage(requirer)) {
            Log(3, true) << "  newer non-blacklisted found: " << newer;
            bool accepts = true;
            for (const DependencyPtr& req : newer->getRequires()) {
                bool refuses = true;
                const unsigned count = repository().matchedProvideCount(req.get());
                for (unsigned i = 0; i < count && refuses; ++i) {
                    const DependencyPtr p = repository().getMatchedProvide(req.get(), i);
                    if (!p || isBlack(p->getOwner(), true)) continue;
                    if (p->getOwner() == newPkg || p->toString() != newPkg->getName()) refuses = false;
                }
                if (refuses) {
                    accepts = false;
                    break;
                }
            }
            if (accepts && upgradeModeSolution(newer)) return;
        }
        if (replaceModeSolution(d, old, newPkg) || obsoleteModeSolution(requirer)) return;
        if (firstReport(reported().hardwired, textOf(*d)))
            Log(2, true) << "Unresolved dependency: necessary package " << newPkg << " has older version " << old
                         << ". After upgrade we will have unresolved dependency '" << *d << "' of package "
                         << requirer << ", add to removable list " << requirer->getName();
        removeModeSolution(requirer);
    }
}

bool PkgManager::dependsOnlyOn(const Package* package, const Package* only) const
{
    bool some = false;
    for (const DependencyPtr& req : package->getRequires()) {
        const unsigned count = repository().matchedProvideCount(req.get());
        for (unsigned i = 0; i < count; ++i) {
            const DependencyPtr p = repository().getMatchedProvide(req.get(), i);
            if (!p) continue;
            if (p->getOwner() == only) some = true;
            if (!sameNameVersionArch(p->getOwner(), only)) return false;
        }
    }
    return some;
}

void PkgManager::findObsoletes(const Package* pkg)
{
    Log(3, true) << "  find indirect obsoletes dependency for " << pkg;
    const Repository::Records obsoleted = repository().getObsoletedBy(pkg);
    if (obsoleted.empty()) Log(3, true) << "    this package have no obsoletes";
    for (const Package* r : obsoleted) {
        if (!isInstalled(r)) {
            Log(3, true) << "    skip not system " << r;
            continue;
        }
        Log(3, true) << "    fix all requires for " << r;
        const Repository::Records requirers = repository().getRequirers(r);
        for (const Package* f : requirers) {
            if (!isInstalled(f)) continue;
            const std::vector<DependencyPtr> requires = f->getRequires();
            for (const DependencyPtr& d : requires) {
                if (!d->isSatisfiedBy(r)) continue;
                bool satisfied = false;
                for (const DependencyPtr& p : repository().getProviders(d)) {
                    const Package* owner = p->getOwner();
                    if (owner != r && d->isSatisfiedBy(owner) && inNecessaryList(owner)) {
                        satisfied = true;
                        break;
                    }
                }
                if (satisfied) continue;
                bool obsoleterListed = false;
                for (const Package* o : repository().getObsoleters(f)) {
                    if (!inNecessaryList(o)) continue;
                    if (isInstalled(o)) {
                        Log(3, true) << " [skip-system]" << o;
                    } else {
                        Log(3, true) << "      There is obsoleter " << o << " for " << f << " in necessaryList";
                        obsoleterListed = true;
                    }
                }
                if (obsoleterListed) {
                    Log(3, true) << "      so no need to fix " << f;
                    continue;
                }
                Log(3, true) << "      fix obsoleted requires '" << *d << "' from " << f;
                const Package* newer = findNewerNonBlackPackage(f);
                if (newer && !dependsOnlyOn(newer, r)) {
                    Log(2, true) << "We also need to install " << newer << " because " << pkg << " obsoletes " << r
                                 << " which is needed for " << f;
                    if (upgradeModeSolution(newer)) continue;
                }
                if (obsoleteModeSolution(f) || replaceModeSolution(d, r, pkg)) continue;
                if (firstReport(reported().obsoletes, textOf(*d)))
                    Log(2, true) << "Unresolved obsoletes: necessary package " << pkg << " obsoletes package " << r
                                 << ". After installation of necessary package we will have the dependency '" << *d
                                 << "' of package " << f << " unresolved, add to removable " << f->getName();
                removeModeSolution(f);
            }
        }
    }
}

void PkgManager::findConflicts(const Package* pkg)
{
    Log(3, true) << "  find indirect conflicts dependency for " << pkg;
    const Repository::Records conflicts = repository().getConflicts(pkg);
    for (const Package* r : conflicts) {
        if (!isInstalled(r)) continue;
        Log(3, true) << "Found conflict with " << r;
        const Package* newer = findNewerNonBlackPackage(r);
        if (newer && !repository().isConflicting(pkg, newer) && upgradeModeSolution(newer)) continue;
        if (obsoleteModeSolution(r)) continue;
        if (firstReport(reported().conflicts, r->getName()))
            Log(2, true) << "Unresolved conflict: necessary package " << pkg << " conflicts with " << r
                         << ". There is no upgrade solution or obsoleter for " << r->getName()
                         << ", adding to removable list " << r->getName();
        removeModeSolution(r);
    }
}

void PkgManager::findBackConflicts(const Package* pkg)
{
    Log(3, true) << "  find indirect back conflicts for " << pkg;
    const Repository::Records conflicts = repository().getConflictedBy(pkg);
    for (const Package* r : conflicts) {
        if (!isInstalled(r)) continue;
        const Package* newer = findNewerNonBlackPackage(r);
        if (newer && !repository().isConflicting(pkg, newer) && upgradeModeSolution(newer)) continue;
        if (obsoleteModeSolution(r)) continue;
        if (firstReport(reported().conflicts, r->getName()))
            Log(2, true) << "Unresolved conflict: the other package " << r << " conflicts with necessary package "
                         << pkg << ". There is no upgrade or obsoleter solution,"
                         << " add to removable list " << r->getName();
        removeModeSolution(r);
    }
}

void PkgManager::findOtherArch(const Package* pkg)
{
    Log(3, true) << "  find indirect arch deps for " << pkg;
    std::set<std::string> arches;
    const Repository::Records same = repository().findByName(pkg->getName());
    for (const Package* r : same)
        if (isInstalled(r) && compareVersions(r, pkg) < 0 && !sameArch(r, pkg)) arches.insert(r->getArch());
    if (arches.empty()) return;
    for (const Package* r : same)
        if (!isBlack(r, true) && compareVersions(r, pkg) == 0 && arches.count(r->getArch()))
            appendNecessaryPackage(r);
}

bool PkgManager::upgradeModeSolution(const Package* newer)
{
    const Repository::Records same = repository().findByName(newer->getName());
    if (same.empty()) return false;
    Log(3, true) << "Upgrade mode solution: select from packages:";
    const std::string text =
        concat(newer->getName(), " >= ", newer->getVersion().toString(), " for upgrade_mode_solution");
    const DependencyPtr solution = std::make_shared<DependencyLogical>(text.c_str(), nullptr);
    for (const Package* r : same) {
        if (isBlack(r, false)) continue;
        Log(3, true) << " " << r;
        if (compareVersions(r, newer) == 0) solution->addMatchedProvide(r->selfProvide());
    }
    return scheduleSolution(solution);
}

bool PkgManager::archModeSolution(const DependencyPtr& d, const Package* newPkg)
{
    const std::string text = concat(*d, " of ", newPkg, " for arch_mode_solution");
    const DependencyPtr solution = std::make_shared<DependencyLogical>(text.c_str(), nullptr);
    const unsigned count = repository().matchedProvideCount(d.get());
    for (unsigned i = 0; i < count; ++i) {
        const DependencyPtr p = repository().getMatchedProvide(d.get(), i);
        if (!p) continue;
        const Package* c = p->getOwner();
        if (isBlack(c, true) || c->getName() != newPkg->getName() || compareVersions(c, newPkg) != 0 ||
            sameArch(c, newPkg))
            continue;
        solution->addMatchedProvide(p);
    }
    return scheduleSolution(solution);
}

bool PkgManager::replaceModeSolution(const DependencyPtr& d, const Package* old, const Package* newPkg)
{
    Log(3, true) << "   try search replace mode solution. select from:";
    const DependencyPtr solution = d->clone();
    const unsigned count = repository().matchedProvideCount(d.get());
    for (unsigned i = 0; i < count; ++i) {
        const DependencyPtr p = repository().getMatchedProvide(d.get(), i);
        if (!p) continue;
        const Package* c = p->getOwner();
        if (isBlack(c, true)) continue;
        bool candidate = true;
        if (c->getName() == old->getName())
            candidate = (compareVersions(c, newPkg) == 0 && !sameArch(c, newPkg)) ||
                        (compareVersions(c, old) > 0 && archMatches(c->getArch(), old->getArch()));
        if (!candidate) continue;
        Log(3, true) << "    " << c << " (provides '" << *p << "')";
        solution->addMatchedProvide(p);
    }
    if (solution->matchedProvideCount() == 0) {
        Log(3, true) << "<nothing>, return false";
        return false;
    }
    return scheduleSolution(solution);
}

bool PkgManager::obsoleteModeSolution(const Package* pkg)
{
    Log(3, true) << "   try obsoleteModeSolution, select from:";
    const Repository::Records obsoleters = repository().getObsoleters(pkg);
    if (obsoleters.empty()) {
        Log(3, true) << "<nothing>, return false";
        return false;
    }
    const std::string text = concat("obsolete_mode_solution for ", pkg->getName());
    const DependencyPtr solution = std::make_shared<DependencyLogical>(text.c_str(), nullptr);
    bool usable = false;
    for (const Package* d : obsoleters) {
        if (isBlack(d, false)) continue;
        if (isInstalled(d)) {
            Log(3, true) << " [skip_system]" << d;
            continue;
        }
        Log(3, true) << "  " << d;
        usable = true;
        for (const DependencyPtr& o : d->getObsoletes()) {
            if (o->isSatisfiedBy(pkg)) {
                solution->addMatchedProvide(o);
                break;
            }
        }
    }
    if (!usable) {
        Log(3, true) << "   obsoleteModeSolution- none obsoleters found, false.";
        return false;
    }
    Log(3, true) << " with selectBestResolvers.";
    return scheduleSolution(solution);
}

void PkgManager::removeModeSolution(const Package* pkg)
{
    if (!flags_.removePackagesTree)
        throw error(5, 1, 1, 2) << (Messages::format("err_deps_badpkg") % concat(pkg)).str();
    if (isRequested(pkg)) return;
    addRemover(pkg->getName());
}

void PkgManager::ownRepository()
{
    if (!trial_ || ownCopy_) return;
    ownCopy_ = std::make_unique<Repository>(*repository_, Repository::trialCopy);
    repository_ = ownCopy_.get();
}

void PkgManager::addRemover(const std::string& name)
{
    try {
        ownRepository();
        const Package* remover = repository().addRemoverFor(name, std::string());
        appendNecessaryPackage(remover);
    } catch (const error&) {
        Log(1, true) << "Could not create remover for " << name;
        throw;
    }
}

// ---- provider comparison ------------------------------------------------

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

namespace {

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
    case 2: {
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
        std::unique_ptr<PkgManager> trial = makeTrial(&list);
        try {
            const TrialDepth depth;
            trial->findNecessaryPackages(true);
            branch.stats = trial->countStatistics();
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
