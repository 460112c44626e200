#pragma once

#include "common/packages/PackagesProgress.h"
#include "installer/catalogue/Release.h"

#include <cstdint>
#include <map>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

// How far the installation of one release has got, for the web wizard's bars.
struct ReleaseProgress {
    enum Status : std::int32_t { waiting = 0, started = 1, inProgress = 2, completed = 3, failed = -10000 };

    ReleasePtr release;
    std::int32_t status = waiting;
    std::int32_t percent = 0;  // 0 to 100
};

std::ostream& operator<<(std::ostream& out, const ReleaseProgress& progress);

// The per-release package progress of one installation: the release of every
// package in the list and how far the package has got, turned into a status and a
// percentage per release on request.
//
// One object per installer, registered process-wide from construction to
// destruction so that the package-list step, the back ends and the web back end
// find it through instance(). The installation may run on the web back end's
// thread while the main thread asks for the figures: the registry and the package
// maps of every instance are guarded by one process-wide mutex.
class ProductsProgress : public PackagesProgress {
public:
    // Stages of a package: it weighs three units and its stage is the units done.
    static constexpr std::int32_t stageRegistered = 0;
    static constexpr std::int32_t stageDownloaded = 1;
    static constexpr std::int32_t stageInstalled = 3;
    static constexpr std::int32_t stageFailed = -10000;

    ProductsProgress();
    ~ProductsProgress() override;
    ProductsProgress(const ProductsProgress&) = delete;
    ProductsProgress& operator=(const ProductsProgress&) = delete;

    // The one live object, or null; two live objects are an internal error.
    static ProductsProgress* instance();

    // Registers the package for the release at stage 0, replacing an earlier entry
    // of the name.
    void add_product_package(const ReleasePtr& release, const std::string& packageName);
    // A name that was never registered is ignored.
    void set_progress(int stage, const std::string& packageName) override;
    void setStarted() override;

    // Updates the entry of each release with packages in `list` (appending it when
    // missing); entries of other releases stay as they are. Never gives `completed`:
    // the web back end shows that once the whole installation has ended.
    void get_progress(std::vector<ReleaseProgress>& list) const;

private:
    bool started_ = false;
    std::map<std::string, std::pair<ReleasePtr, std::int32_t>> packages_;
};
