#include "installer/catalogue/ReleasesCompatibilityChecker.h"

#include "common/Log.h"
#include "common/Messages.h"
#include "common/error.h"

ReleasesCompatibilityChecker::ReleasesCompatibilityChecker(const BuildManager& manager, const Repository* repository)
    : manager_(manager), repository_(repository)
{
    Log(3, true) << "DEBUG: Checking selected releases for compatibility with each others.";
}

void ReleasesCompatibilityChecker::visitRelease(const ReleasePtr& r)
{
    if (!r->isActual()) {
        Log(3, true) << r->name() << " not actual, skip check";
        return;
    }
    if (r->isInstalled()) {
        Log(3, true) << r->name() << " is currently installed, skip check";
        return;
    }
    if (!r->isSelected()) {
        Log(3, true) << *r << " not checked, skip check";
        return;
    }
    Log(3, true) << "ReleasesCompatibilityChecker: check " << r->name();
    // Cropped releases are selectable too: a pair with one of them is a pair.
    for (const ReleasePtr& q : manager_.getReleases(1)) {
        if (q->product()->id == r->product()->id) continue;
        if (q->isInstalled()) {
            Log(3, true) << "  secondary " << q->name() << " is current, skip";
            continue;
        }
        if (!q->isSelected()) {
            Log(3, true) << "  secondary " << q->name() << " is not checked for install, skip";
            continue;
        }
        Log(3, true) << "  secondary is " << q->name() << " checked and current, check it";
        if (r->isIncompatibleWith(*q)) {
            if (!errors_.empty()) errors_ += "\n";
            errors_ += (Messages::format("err_incompatible_products") % r->product()->name % q->product()->name).str();
        }
        if (isBestWith(*r, *q)) reportBest(*r, *q);
    }
}

bool ReleasesCompatibilityChecker::isBestWith(const Release& r, const Release& q) const
{
    if (r.product()->id == q.product()->id) throw KW_INTERNAL_ERROR();
    Log(3, true) << "debug: ReleasesCompatibilityChecker::isBestWith: have products " << r << " and " << q
                 << " any best with link?... ";
    for (const ReleasePtr& release : manager_.getReleases(1)) {
        if (release->product()->id != r.product()->id) continue;
        if (release->bestWith().count(q.product()->id) != 0) {
            Log(3, true) << "yes";
            return true;
        }
    }
    Log(3, true) << "no";
    return false;
}

void ReleasesCompatibilityChecker::reportBest(const Release& r, const Release& q)
{
    Log(3, true) << "  ReleasesCompatibilityChecker::reportBest: here I need report that " << r << " fit to " << q;
    Log(3, true) << "    ReleasesCompatibilityChecker::reportBest: iterate by " << r << " best_with records";
    const Version none("0.0");
    Version best = none;
    bool bestSet = false;
    // A release may name several versions of the other product: the selection
    // is fine when it is any of them, and the highest is suggested otherwise.
    for (const auto& entry : r.bestWith()) {
        Log(3, true) << "   iter: " << entry.first << " - " << entry.second;
        if (entry.first != q.product()->id) continue;
        const Version version(entry.second);
        Log(3, true) << "    check: currVersion=" << version;
        if (version == q.getVersion()) {
            Log(3, true) << "   currVersion == b->ver() == " << q.getVersion() << " - bestMatch set to true";
            return;
        }
        if (!bestSet) {
            best = version;
            bestSet = true;
            Log(3, true) << "     bestVersion is None, = currVersion, " << best;
        } else if (version > best) {
            best = version;
            Log(3, true) << "     currVersion > bestVersion, bestVersion = currVersion, " << best;
        }
    }
    if (best == none) return;

    const std::string sentence = r.name() + " works better with " + q.product()->name + " " + best.toString() +
                                 ", but " + q.name() + " was selected";
    Log(3, true) << sentence;
    warnings_ += "\n" + sentence;
    entryFor(r).suggestions.push_back(
        Suggestion{q.product()->id, q.product()->name, best.getVersion(), q.getVersion().getVersion()});
}

ReleasesCompatibilityChecker::SuggestionEntry& ReleasesCompatibilityChecker::entryFor(const Release& release)
{
    for (SuggestionEntry& entry : suggestions_)
        if (entry.productId == release.product()->id) return entry;
    suggestions_.push_back(SuggestionEntry{release.product()->id, release.product()->name,
                                           release.getVersion().getVersion(), {}});
    return suggestions_.back();
}

std::ostream& operator<<(std::ostream& out, const ReleasesCompatibilityChecker::Suggestion& suggestion)
{
    return out << suggestion.productId << " " << suggestion.bestVersion << "/" << suggestion.selectedVersion;
}
