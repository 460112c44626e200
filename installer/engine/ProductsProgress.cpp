#include "installer/engine/ProductsProgress.h"

#include "common/Log.h"
#include "common/error.h"

#include <boost/smart_ptr/owner_less.hpp>

#include <cassert>
#include <mutex>
#include <set>

namespace {

// The live objects and the one mutex that guards them and their package maps.
struct Registry {
    std::mutex mutex;
    std::set<ProductsProgress*> objects;
};

Registry& registry()
{
    static Registry instance;
    return instance;
}

}  // namespace

std::ostream& operator<<(std::ostream& out, const ReleaseProgress& progress)
{
    return out << (progress.release ? progress.release->name() : std::string("(no release)")) << " status "
               << progress.status << " " << progress.percent << "%";
}

ProductsProgress::ProductsProgress()
{
    std::lock_guard<std::mutex> guard(registry().mutex);
    registry().objects.insert(this);
    Log(3, true) << "ProductsProgress::ProductsProgress(): _instance=" << static_cast<const void*>(this);
}

ProductsProgress::~ProductsProgress()
{
    std::lock_guard<std::mutex> guard(registry().mutex);
    if (registry().objects.erase(this) == 0) {
        // Cannot happen: every object registers itself. A destructor may not raise.
        Log(1, true) << "Error: ProductsProgress::~ProductsProgress(): " << static_cast<const void*>(this)
                     << " was not registered";
        return;
    }
    Log(3, true) << "ProductsProgress::~ProductsProgress(): this=" << static_cast<const void*>(this);
}

ProductsProgress* ProductsProgress::instance()
{
    std::lock_guard<std::mutex> guard(registry().mutex);
    const std::set<ProductsProgress*>& objects = registry().objects;
    if (objects.size() > 1) throw KW_INTERNAL_ERROR();
    return objects.empty() ? nullptr : *objects.begin();
}

void ProductsProgress::add_product_package(const ReleasePtr& release, const std::string& packageName)
{
    assert(release);
    const std::string releaseName = release->name();
    Log(3, true) << "ProductsProgress::add_product_package: '" << releaseName << "': " << packageName;
    std::lock_guard<std::mutex> guard(registry().mutex);
    packages_[packageName] = std::make_pair(release, stageRegistered);
}

void ProductsProgress::set_progress(int stage, const std::string& packageName)
{
    Log(3, true) << "ProductsProgress::set_progress: " << packageName << " stage " << stage;
    std::lock_guard<std::mutex> guard(registry().mutex);
    const auto entry = packages_.find(packageName);
    if (entry != packages_.end()) entry->second.second = stage;
}

void ProductsProgress::setStarted()
{
    std::lock_guard<std::mutex> guard(registry().mutex);
    started_ = true;
}

void ProductsProgress::get_progress(std::vector<ReleaseProgress>& list) const
{
    using Tally = std::map<ReleasePtr, std::int64_t, boost::owner_less<ReleasePtr>>;
    Tally total;
    Tally done;
    std::map<ReleasePtr, bool, boost::owner_less<ReleasePtr>> failed;
    bool started = false;
    {
        std::lock_guard<std::mutex> guard(registry().mutex);
        started = started_;
        for (const auto& entry : packages_) {
            const ReleasePtr& release = entry.second.first;
            const std::int32_t stage = entry.second.second;
            bool& releaseFailed = failed[release];
            total[release] += stageInstalled;
            if (stage == stageFailed)
                releaseFailed = true;
            else
                done[release] += stage;
        }
    }
    if (failed.empty()) {
        Log(3, true) << "ProductsProgress::get_progress: no data for now";
        return;
    }

    for (const auto& entry : failed) {
        const ReleasePtr& release = entry.first;
        ReleaseProgress* progress = nullptr;
        for (ReleaseProgress& candidate : list)
            if (candidate.release == release) progress = &candidate;
        if (!progress) {
            list.push_back(ReleaseProgress{release, ReleaseProgress::waiting, 0});
            progress = &list.back();
        }

        const std::int64_t releaseDone = done[release];
        const std::int64_t releaseTotal = total[release];
        if (entry.second)
            progress->status = ReleaseProgress::failed;
        else if (releaseDone == 0)
            progress->status = started ? ReleaseProgress::started : ReleaseProgress::waiting;
        else
            progress->status = ReleaseProgress::inProgress;

        if (releaseTotal < 1) {
            Log(1, true) << "WARNING: Internal error in ProductsProgress::get_progress(): "
                         << "  num_total[rel]=" << releaseTotal << "  - percents not calculated";
            progress->percent = 0;
        } else if (releaseDone < 0) {
            Log(1, true) << "WARNING: Internal error in ProductsProgress::get_progress(): "
                         << "num_done[rel]=" << releaseDone << " - percent is negative, dropped";
            progress->percent = 0;
        } else {
            std::int64_t percent = releaseDone * 100 / releaseTotal;
            if (percent > 100) {
                Log(3, true) << "DEBUG: ProductsProgress::get_progress(): percents too big- " << percent
                             << ", strip to 100";
                percent = 100;
            }
            progress->percent = static_cast<std::int32_t>(percent);
        }
    }
}
