#pragma once

#include "installer/catalogue/Addon.h"
#include "installer/catalogue/Build.h"
#include "installer/catalogue/Release.h"

#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

class FileFetcher;
class Opsys;
class Repository;
class TiXmlElement;

// The product catalogue of one run. The constructor reads it through the file
// fetcher: the root file ("products.inf3", else "versions.inf3", or the file the
// source names), the product and addon files it refers to, or a root file that
// is itself a product file or a build information file. Every file is loaded
// through the bounded XML loader and checked before use (CatalogueText):
// references and build configs stay below the source, texts hold no control
// characters, and every refusal is a repository error naming the file and the
// element.
//
// The drivers then narrow the releases against the installed system, in this
// order: checkReleasesState, collectCautions, removeNotActualReleases,
// removeHiddenForCleanInstall, cropReleasesByTags. Releases, builds and addons
// are shared: visitors and drivers may hold them after the manager drops them.
class BuildManager {
public:
    // One product or addon entry of the root file.
    struct CatalogueEntry {
        std::string id;
        std::string name;
        std::string reference;
        bool hiddenToInstall = false;
        bool lazy = false;
        std::vector<std::string> incompatibleWith;
    };

    // A walk over the catalogue (accept): each release, its builds, the leave
    // call, then the addons.
    class Visitor {
    public:
        virtual ~Visitor() = default;
        virtual void visitRelease(const ReleasePtr& release) = 0;
        virtual void leaveRelease(const ReleasePtr&) {}
        virtual void visitAddon(Addon*) {}
        virtual void visitBuild(Build*) {}
    };

    // The product every request without one is about.
    static constexpr const char* defaultProductId = "zarni";

    // Reads the catalogue; `catalogueFileName` is the file the source names
    // (SourceUrl::getFileName), empty for the default names. Whatever the
    // reading raises (an error, SelfUpgrade::NeedSelfUpgrade) leaves no manager.
    BuildManager(FileFetcher& fetcher, const std::string& catalogueFileName);
    BuildManager(const BuildManager&) = delete;
    BuildManager& operator=(const BuildManager&) = delete;

    // --- Narrowing, in the drivers' order ---

    // The installation state of every kept release against the installed
    // packages (of the running system, or of `system`).
    void checkReleasesState(const Repository* repository);
    void checkReleasesState(const Repository* repository, const Opsys& system);
    // Rebuilds cautions(): installed versions that cannot reach the newest tier
    // release, and operating systems the product no longer supports.
    void collectCautions(const std::vector<std::string>& tiers);
    void collectCautions(const std::vector<std::string>& tiers, const Opsys& system);
    // Drops releases that are not actual and releases of products that conflict
    // with an installed product.
    void removeNotActualReleases();
    // Drops releases of products hidden for a clean installation that would be
    // one.
    void removeHiddenForCleanInstall();
    // Drops one release from the kept and the cropped ones (the web back end
    // goes on without an installed release whose build cannot be loaded).
    void removeRelease(const ReleasePtr& release);
    // Keeps the operator's tiers (see cropReleasesByTags).
    void cropReleasesByTags(const std::vector<std::string>& tiers, const std::vector<std::string>& keep);

    // --- Lists and walking ---

    // flag 1: the cropped releases, then the kept ones; else the kept ones.
    std::vector<ReleasePtr> getReleases(int flag) const;
    const std::vector<AddonPtr>& getAddons() const { return addons_; }
    void accept(Visitor& visitor);

    // --- Selection ---

    // Selects the releases with the id among the product's (every product's for
    // an empty id) and clears the others'; none found raises err_no_product_id or
    // err_no_release_id (user errors).
    void selectRelease(const std::string& productId, const std::string& releaseId);
    // With no release installed, selects the latest release of the default
    // product.
    void selectDefaultRelease();
    void unselectProduct(const std::string& productId);
    void unselectAll();
    std::vector<std::string> getSelectedReleaseIds() const;
    bool isProductSelected(const std::string& productId) const;
    std::string getSelectedReleaseId(const std::string& productId) const;
    std::string getSelectedReleaseVersion(const std::string& productId) const;

    // --- Queries (products compared by exact id) ---

    ProductPtr getProduct(const std::string& productId) const;
    ReleasePtr getRelease(const std::string& releaseId) const;
    ReleasePtr findReleaseByVersion(const std::string& productId, const std::string& version) const;
    std::string getLatestReleaseId(const std::string& productId) const;
    std::string getInstalledVersion(const std::string& productId) const;
    std::string getInstalledReleaseId(const std::string& productId) const;
    std::string getInstalledReleaseVersion(const std::string& productId) const;
    std::vector<std::string> getInstalledProductIds() const;

    // Localized texts for the operator, filled by collectCautions.
    const std::vector<std::string>& cautions() const { return cautions_; }

    // The "hide_tags" words as a mask of Release::HidePolicy bits; unknown words
    // are logged and ignored.
    static std::int32_t parseHidePolicy(const std::string& text);

private:
    // A relative path below the source, checked first.
    std::string fetch(const std::string& path, const TiXmlElement& element, const char* attribute,
                      const std::string& file);
    std::vector<CatalogueEntry> parseVendors(const TiXmlElement& root, std::vector<CatalogueEntry>& addons);
    void parseIncompatibleWith(CatalogueEntry& entry, const TiXmlElement& element);
    void parseProductFile(const CatalogueEntry& entry, const std::string& path);
    int parseReleases(const TiXmlElement& root, const ProductPtr& product, const std::string& baseDirectory);
    void parseRelease(const TiXmlElement& element, const ProductPtr& product, const std::string& baseDirectory);
    BuildPtr parseBuild(const ReleasePtr& release, const TiXmlElement& element, const std::string& baseDirectory);
    void parseBestWith(const TiXmlElement& element, Release& release);
    void parseAddon(const CatalogueEntry& entry, const std::string& path);
    void parseSingleBuild(const std::string& path);
    void insertAddon(const AddonPtr& addon);

    std::vector<ReleasePtr> releases_;
    std::vector<ReleasePtr> cropped_;
    std::vector<AddonPtr> addons_;
    // The catalogue file being read, named by the messages about its content.
    std::string currentFile_;
    std::vector<std::string> cautions_;
};

// "id (reference)".
std::ostream& operator<<(std::ostream& out, const BuildManager::CatalogueEntry& entry);
