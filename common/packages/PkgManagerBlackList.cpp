// The black list and its reasons: which packages the resolution must no longer
// use (a package, its twins of the same name, version and architecture, and the
// packages left without a provider), when that ends the resolution with an
// error naming a requested package, which of two conflicting packages goes, and
// how the log explains a black-listed package.
#include "common/packages/PkgManager.h"

#include "common/Log.h"
#include "common/Messages.h"
#include "common/error.h"
#include "common/packages/DependencyFile.h"
#include "common/packages/PkgManagerInternal.h"
#include "common/packages/Repository.h"

#include <algorithm>
#include <sstream>

using namespace pkgmanager;

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

    return selectBlackByTrials(p1, p2, reason);
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
