// Installed-system checks and their repairs: what installing a package does to
// the installed packages (an older version that others need, obsoleted or
// conflicting packages, a second architecture), and which repair keeps them
// working: the other architecture, an upgrade, another provider, an obsoleter,
// and failing those their removal or an error.
#include "common/packages/PkgManager.h"

#include "common/Log.h"
#include "common/Messages.h"
#include "common/error.h"
#include "common/packages/DependencyLogical.h"
#include "common/packages/PkgManagerInternal.h"
#include "common/packages/Repository.h"

#include <set>
#include <unordered_set>

using namespace pkgmanager;

namespace {

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

}  // namespace

void PkgManager::resetReportedWarnings()
{
    reported() = Reported();
}

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

bool PkgManager::scheduleSolution(const DependencyPtr& solution, const Package* repairs)
{
    if (solution->matchedProvideCount() == 0) return false;
    if (!selectBestResolvers(solution, level_, true)) deferDependency(solution, repairs);
    return true;
}

void PkgManager::failUndecidedRepair(const Deferred& entry)
{
    // The rule for a requirement undecided at the last level stands: its
    // master goes on the black list and the attempt starts again. Once that
    // cannot change anything (a made-up master, or one black already), the
    // repair is left undone, and that must not pass in silence.
    const Package* master = entry.dependency->getOwner();
    if (master->getType() != Package::typeDummy && !isBlack(master, true))
        blackListMasterAndThrowUnhappy(entry.dependency);
    Log(1, true) << "Undecided repair: no single solution for '" << *entry.dependency << "' of " << entry.repairs
                 << " is better than the others";
    error failure(5, 1, 1, 2);
    failure << "Can't find solution for '" << textOf(*entry.dependency) << "' of " << concat(entry.repairs) << ".";
    failure.addLevel(5, 1, 1, 2) << (Messages::format("err_deps_badpkg") % concat(entry.repairs)).str();
    throw failure;
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
        repairConflict(pkg, r, false);
    }
}

void PkgManager::findBackConflicts(const Package* pkg)
{
    Log(3, true) << "  find indirect back conflicts for " << pkg;
    const Repository::Records conflicts = repository().getConflictedBy(pkg);
    for (const Package* r : conflicts)
        if (isInstalled(r)) repairConflict(pkg, r, true);
}

void PkgManager::repairConflict(const Package* pkg, const Package* installed, bool back)
{
    // The conflict index points one way, and a newer version may keep the
    // conflict from either side: it is a repair only when neither conflicts.
    if (const Package* newer = findNewerNonBlackPackage(installed)) {
        if (conflictEitherWay(pkg, newer))
            Log(3, true) << "  newer " << newer << " still conflicts with " << pkg << ", no upgrade solution";
        else if (upgradeModeSolution(newer))
            return;
    }
    if (obsoleteModeSolution(installed)) return;
    const char* name = installed->getName();
    if (firstReport(reported().conflicts, name)) {
        if (back)
            Log(2, true) << "Unresolved conflict: the other package " << installed << " conflicts with necessary package "
                         << pkg << ". There is no upgrade or obsoleter solution," << " add to removable list " << name;
        else
            Log(2, true) << "Unresolved conflict: necessary package " << pkg << " conflicts with " << installed
                         << ". There is no upgrade solution or obsoleter for " << name << ", adding to removable list "
                         << name;
    }
    removeModeSolution(installed);
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
    const Package* installed = repository().findInstalled(newer->getName());
    return scheduleSolution(solution, installed ? installed : newer);
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
    return scheduleSolution(solution, d->getOwner());
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
    return scheduleSolution(solution, d->getOwner());
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
    return scheduleSolution(solution, pkg);
}

void PkgManager::removeModeSolution(const Package* pkg)
{
    if (!flags_.removePackagesTree)
        throw error(5, 1, 1, 2) << (Messages::format("err_deps_badpkg") % concat(pkg)).str();
    if (isRequested(pkg)) return;
    addRemover(pkg->getName());
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
