#include "installer/catalogue/BuildManager.h"

#include "installer/catalogue/BuildInfFile.h"
#include "installer/catalogue/CatalogueText.h"
#include "installer/catalogue/cropReleasesByTags.h"
#include "installer/catalogue/findRelease.h"
#include "installer/sources/FileFetcher.h"
#include "installer/sources/SelfUpgrade.h"

#include "common/Log.h"
#include "common/Messages.h"
#include "common/Opsys.h"
#include "common/StringUtils.h"
#include "common/error.h"
#include "common/fileops.h"
#include "common/xmlbind.h"

#include <boost/make_shared.hpp>

#include <tinyxml.h>

#include <algorithm>
#include <set>
#include <sstream>

namespace {

using CatalogueText::forChildren;
using CatalogueText::optional;

// The version part of a version, without epoch and release.
std::string versionPart(const Version& version) { return version.getVersion(); }

// A required attribute of a release or build: the catalogue's own message with
// the file and the location.
const std::string& requiredAttribute(const TiXmlElement& element, const char* name, const char* key,
                                     const std::string& file, const std::string& location)
{
    const std::string* value = element.Attribute(std::string(name));
    if (!value) throw error(1, 1, 1, 3) << (Messages::format(key) % file % location);
    return *value;
}

// The product names the single-build catalogue gives the known products.
std::string productNameOf(const std::string& id)
{
    if (id == "zarni") return "Zarni";
    if (id == "loamfeather") return "LoamFeather";
    if (id == "sso") return "VUD";
    return id;
}

// Drops from the kept releases those the predicate names, keeping the order.
template <class Drop>
void removeReleases(std::vector<ReleasePtr>& releases, Drop drop)
{
    releases.erase(std::stable_partition(releases.begin(), releases.end(),
                                         [&](const ReleasePtr& release) { return !drop(release); }),
                   releases.end());
}

// Collects the releases of products that conflict with an installed product.
class to_remove : public BuildManager::Visitor {
public:
    explicit to_remove(const BuildManager& manager, const std::vector<ReleasePtr>& kept)
        : manager_(manager), kept_(kept)
    {
    }

    void visitRelease(const ReleasePtr& visited) override
    {
        const ProductPtr& product = visited->product();
        if (!handled_.insert(product->id).second) return;
        const std::string installed = manager_.getInstalledVersion(product->id);
        if (installed.empty()) return;
        for (const ReleasePtr& other : kept_) {
            const ProductPtr& otherProduct = other->product();
            if (otherProduct->id == product->id) continue;
            if (!product->isIncompatibleWith(otherProduct->id) && !otherProduct->isIncompatibleWith(product->id))
                continue;
            if (std::find(drop.begin(), drop.end(), other) != drop.end()) continue;
            Log(3, true) << "DEBUG: drop " << other->id() << " because version " << installed
                         << " of conflicting product '" << product->id << "' is already installed.";
            drop.push_back(other);
        }
    }

    // In the order they were found; a release appears once.
    std::vector<ReleasePtr> drop;

private:
    const BuildManager& manager_;
    const std::vector<ReleasePtr>& kept_;
    std::set<std::string> handled_;
};

}  // namespace

BuildManager::BuildManager(FileFetcher& fetcher, const std::string& catalogueFileName)
{
    Log(3, true) << "BuildManager::BuildManager: source_filename=" << catalogueFileName;

    std::vector<std::string> candidates;
    if (!catalogueFileName.empty())
        candidates.push_back(catalogueFileName);
    else
        candidates = {"products.inf3", "versions.inf3"};

    std::string rootPath;
    std::string report;
    for (const std::string& candidate : candidates) {
        try {
            rootPath = fetcher.getFile(candidate);
            break;
        } catch (const error& failure) {
            report += "Can't process " + candidate + ": " + failure.text() + "\n";
        }
    }
    if (rootPath.empty()) throw error(1, 1, 1, 2) << Messages::get("err_read_prodsinfo") << ": " << report;

    currentFile_ = rootPath;
    try {
        xmlbind::Document document(rootPath);
        const TiXmlElement* root = document.root("");
        CatalogueText::checkDocument(*root, rootPath);

        std::vector<CatalogueEntry> products;
        std::vector<CatalogueEntry> addons;
        const std::string& rootName = root->ValueStr();
        if (rootName == "vendors") {
            SelfUpgrade::check_required_KW_version(root);
            products = parseVendors(*root, addons);
        } else if (rootName == "product") {
            SelfUpgrade::check_required_KW_version(root);
            CatalogueEntry entry;
            entry.id = optional(*root, "id");
            entry.name = optional(*root, "name");
            entry.reference = fileops::basename(rootPath);
            entry.hiddenToInstall = strToBool(optional(*root, "hidden_to_install"));
            products.push_back(entry);
        } else if (rootName == "build" || rootName == "build_1") {
            parseSingleBuild(rootPath);
        } else {
            throw error(1, 1, 1, 3) << "Unsupported config file " << rootPath << ": the root element is '"
                                    << rootName << "'";
        }

        for (const CatalogueEntry& entry : products) {
            Log(3, true) << "DEBUG: product entry " << entry;
            // A root that is a product file is read again as one.
            const std::string path = rootName == "product" ? rootPath : fetcher.getFile(entry.reference);
            parseProductFile(entry, path);
        }
        for (const CatalogueEntry& entry : addons) {
            Log(3, true) << "DEBUG: addon entry " << entry;
            parseAddon(entry, fetcher.getFile(entry.reference));
        }
    } catch (const xmlbind::err& failure) {
        throw error(1, 1, 1, 2) << "Can't parse " << currentFile_ << ": " << failure.message;
    }
    currentFile_.clear();
}

std::vector<BuildManager::CatalogueEntry> BuildManager::parseVendors(const TiXmlElement& root,
                                                                     std::vector<CatalogueEntry>& addons)
{
    if (root.ValueStr() != "vendors") throw xmlbind::err(1, "Root element name not match");
    std::vector<CatalogueEntry> products;
    forChildren(root, "vendor", [&](const TiXmlElement& vendor) {
        const xmlbind::Element list = xmlbind::getChild(xmlbind::Element(const_cast<TiXmlElement*>(&vendor)),
                                                        "products");
        for (const TiXmlElement* item = list->FirstChildElement(); item; item = item->NextSiblingElement()) {
            const std::string& kind = item->ValueStr();
            if (kind != "product" && kind != "addon" && kind != "lazy_addon") continue;
            CatalogueEntry entry;
            entry.id = optional(*item, "id");
            entry.name = optional(*item, "name");
            entry.reference = optional(*item, "reference");
            // The reference is fetched below the source: it may not leave it.
            CatalogueText::checkRelativePath(entry.reference, *item, "reference", currentFile_);
            if (kind == "product") {
                entry.hiddenToInstall = strToBool(optional(*item, "hidden_to_install"));
                parseIncompatibleWith(entry, *item);
                products.push_back(entry);
            } else {
                entry.lazy = kind == "lazy_addon";
                addons.push_back(entry);
            }
        }
    });
    return products;
}

void BuildManager::parseIncompatibleWith(CatalogueEntry& entry, const TiXmlElement& element)
{
    forChildren(element, "incompatible_with", [&](const TiXmlElement& item) {
        entry.incompatibleWith.push_back(
            xmlbind::getAttribute(xmlbind::Element(const_cast<TiXmlElement*>(&item)), "prod_id"));
    });
}

void BuildManager::parseProductFile(const CatalogueEntry& entry, const std::string& path)
{
    currentFile_ = path;
    Log(3, true) << "Try to read and parse " << path;
    xmlbind::Document document;
    if (!document.LoadFile(path))
        throw error(1, 1, 1, 3) << (Messages::format("err_inf3_parse") % path % document.ErrorDesc());
    const TiXmlElement* root = document.RootElement();
    if (!root) throw error(1, 1, 1, 3) << (Messages::format("err_inf3_root") % path);
    CatalogueText::checkDocument(*root, path);
    if (root->ValueStr() != "product") throw error(1, 1, 1, 3) << (Messages::format("err_inf3_nonprod") % path);
    if (optional(*root, "id").empty()) throw error(1, 1, 1, 3) << (Messages::format("err_inf3_noid") % path);
    SelfUpgrade::check_required_KW_version(root);

    Product::KeyPackages keyPackages;
    std::vector<std::string> upgradeCodes;
    std::vector<std::string> productCodes;
    const auto texts = [](const TiXmlElement& parent, const char* name, std::vector<std::string>& into) {
        forChildren(parent, name, [&](const TiXmlElement& item) {
            into.push_back(xmlbind::getText(xmlbind::Element(const_cast<TiXmlElement*>(&item)), false));
        });
    };
    forChildren(*root, "keypackages", [&](const TiXmlElement& group) {
        std::vector<std::string> names;
        texts(group, "keypackage", names);
        // Key package names are looked up in the installed-package database; a
        // product file serves systems of both families.
        for (const std::string& name : names)
            CatalogueText::checkPackageName(name, PackageFamily::either, group, path);
        keyPackages.push_back(names);
        texts(group, "upgrade_code", upgradeCodes);
        texts(group, "product_code", productCodes);
    });
    if (keyPackages.empty() || keyPackages.front().empty())
        throw error(1, 1, 1, 3) << (Messages::format("err_prod_keypkg") % path);

    ProductPtr product = boost::make_shared<Product>(entry.id, entry.name, entry.hiddenToInstall, keyPackages,
                                                     upgradeCodes, productCodes, entry.incompatibleWith);
    const auto source = [&](const char* name) {
        const TiXmlElement* element = root->FirstChildElement(name);
        return element ? optional(*element, "src") : std::string();
    };
    product->activeIcon = source("active_icon");
    product->disabledIcon = source("disabled_icon");
    product->productSite = source("product_site");
    product->kbArticleUpgradeFromNotSupportedVersions = source("kb_article_upgrade_from_not_supported_versions");

    if (parseReleases(*root, product, fileops::dirname(entry.reference)) == 0)
        throw error(1, 1, 1, 3) << (Messages::format("err_inf3_norel") % path);
}

int BuildManager::parseReleases(const TiXmlElement& root, const ProductPtr& product, const std::string& baseDirectory)
{
    int count = 0;
    for (const TiXmlElement* child = root.FirstChildElement(); child; child = child->NextSiblingElement()) {
        if (child->ValueStr() != "release" && child->ValueStr() != "release_1") continue;
        ++count;
        parseRelease(*child, product, baseDirectory);
    }
    return count;
}

void BuildManager::parseRelease(const TiXmlElement& element, const ProductPtr& product,
                                const std::string& baseDirectory)
{
    const std::string location =
        " (row " + std::to_string(element.Row()) + ", col " + std::to_string(element.Column()) + ")";
    const std::string& id = requiredAttribute(element, "id", "err_inf3_relid", currentFile_, location);
    const std::string& name = requiredAttribute(element, "name", "err_inf3_relname", currentFile_, location);
    const std::string codename = optional(element, "codename");
    const std::string& version = requiredAttribute(element, "version", "err_inf3_relver", currentFile_, location);
    const std::string& upgradeFrom =
        requiredAttribute(element, "upgrade_allowed_from", "err_inf3_upgalw", currentFile_, location);

    // The operator selects a product's release by its id.
    for (const ReleasePtr& other : releases_)
        if (other->id() == id && other->product()->id == product->id)
            throw CatalogueText::dataError(element, currentFile_,
                                           "the release id " + quoteString(id) + " is used twice in the product " +
                                               quoteString(product->id));
    ReleasePtr release =
        boost::make_shared<Release>(product, id, name, codename, Version(version), Version(upgradeFrom));
    if (const std::string* url = element.Attribute(std::string("details_url"))) release->setDetailsUrl(*url);
    if (const std::string* tags = element.Attribute(std::string("tags"))) release->setTags(*tags);
    if (const std::string* tags = element.Attribute(std::string("promoted_tags"))) release->setPromotedTags(*tags);
    release->setHidePolicy(parseHidePolicy(optional(element, "hide_tags")));
    release->setApiVersions(optional(element, "whp_api_version"), optional(element, "dispatcher_api_version"));
    if (const TiXmlElement* caution = element.FirstChildElement("caution")) {
        const TiXmlNode* first = caution->FirstChild();
        release->setCaution(first && first->ToText() ? first->ValueStr() : std::string());
    }

    if (!element.FirstChildElement("build")) {
        Log(1, true) << "In release " << id << " no builds";
        return;
    }
    forChildren(element, "build",
                [&](const TiXmlElement& build) { release->addBuild(parseBuild(release, build, baseDirectory)); });
    parseBestWith(element, *release);
    releases_.push_back(release);
}

BuildPtr BuildManager::parseBuild(const ReleasePtr& release, const TiXmlElement& element,
                                  const std::string& baseDirectory)
{
    const std::string location = " (" + currentFile_ + ": row " + std::to_string(element.Row()) + ", col " +
                                 std::to_string(element.Column()) + ")";
    const std::string& osName = requiredAttribute(element, "os_name", "err_inf3_osname", currentFile_, location);
    const std::string& osVendor = requiredAttribute(element, "os_vendor", "err_inf3_vndr", currentFile_, location);
    const std::string& osVersion = requiredAttribute(element, "os_version", "err_inf3_osver", currentFile_, location);
    const std::string& osArch = requiredAttribute(element, "os_arch", "err_inf3_osarch", currentFile_, location);
    const std::string environment = optional(element, "environment");
    const std::string& config = requiredAttribute(element, "config", "err_inf3_bcfg", currentFile_, location);
    const std::string deprecated = optional(element, "deprecated");
    // The build information file is fetched below the source later.
    CatalogueText::checkRelativePath(config, element, "config", currentFile_);

    const std::string path = baseDirectory.empty() ? config : baseDirectory + "/" + config;
    BuildPtr build =
        boost::make_shared<Build>(release, osName, osVendor, osVersion, osArch, environment, path, deprecated);
    build->setDirectory(baseDirectory);
    return build;
}

void BuildManager::parseBestWith(const TiXmlElement& element, Release& release)
{
    const TiXmlElement* info = element.FirstChildElement("compatibility_info");
    if (!info) {
        Log(3, true) << "parseBestWith: no compatibility info in " << release.name();
        return;
    }
    forChildren(*info, "best_with", [&](const TiXmlElement& bestWith) {
        const std::string productId = optional(bestWith, "product_id");
        if (productId.empty()) throw CatalogueText::dataError(bestWith, currentFile_, "Empty prod_id in best_with");
        forChildren(bestWith, "version", [&](const TiXmlElement& item) {
            const std::string version = xmlbind::getText(xmlbind::Element(const_cast<TiXmlElement*>(&item)), false);
            if (version.empty())
                throw CatalogueText::dataError(item, currentFile_,
                                               "Empty version in prod_id=" + productId + " in best_with");
            Log(3, true) << "parseBestWith: product " << release.name() << " best with " << productId << " "
                         << version;
            release.addBestWith(productId, version);
        });
    });
}

std::int32_t BuildManager::parseHidePolicy(const std::string& text)
{
    static const std::pair<const char*, std::int32_t> words[] = {
        {"none", 0},
        {"cli", Release::hideCli},
        {"web", Release::hideWeb},
        {"interactive", Release::hideInteractive},
        {"query", Release::hideQuery},
        {"other", Release::hideOther},
        {"all", Release::hideAll},
        {"filtered", Release::hideFiltered},
        {"nonfiltered", Release::hideNonfiltered},
        {"autoassigned", Release::hideAutoassigned},
        {"inanycase", Release::hideInAnyCase},
    };
    std::int32_t policy = 0;
    if (text.empty()) return policy;
    std::size_t start = 0;
    for (;;) {
        const std::size_t end = text.find_first_of(", ", start);
        const std::string word = text.substr(start, end == std::string::npos ? std::string::npos : end - start);
        bool known = false;
        for (const auto& entry : words) {
            if (word != entry.first) continue;
            policy |= entry.second;
            known = true;
            Log(3, true) << "Added control word '" << word << "' to display tag hide policy";
            break;
        }
        if (!known)
            Log(2, true) << "Unrecognized control word '" << word << "' in display tag hide policy (hide_tags attribute)";
        if (end == std::string::npos) break;
        start = end + 1;
    }
    return policy;
}

void BuildManager::parseAddon(const CatalogueEntry& entry, const std::string& path)
{
    currentFile_ = path;
    Log(3, true) << "DEBUG: BuildManager::parseAddon: " << path;
    const std::string baseDirectory = fileops::dirname(entry.reference);
    try {
        xmlbind::Document document(path);
        const TiXmlElement* root = document.root("addon");
        CatalogueText::checkDocument(*root, path);
        forChildren(*root, "release", [&](const TiXmlElement& element) {
            auto addon = boost::make_shared<Addon>(optional(element, "id"), optional(element, "name"),
                                                   optional(element, "version"), entry.lazy);
            const TiXmlElement* info = element.FirstChildElement("compatibility_info");
            if (!info) throw error(1, 1, 1, 3) << "Absent compatibility_info in addon";
            forChildren(*info, "compatible", [&](const TiXmlElement& range) {
                addon->addCompatible(optional(range, "product_id"), optional(range, "from_version"),
                                     optional(range, "to_version"));
            });
            if (!addon->hasCompatible()) throw error(1, 1, 1, 3) << "Absent compatibility info in addon " << addon->id();
            insertAddon(addon);
            if (!element.FirstChildElement("build")) {
                Log(1, true) << "In Addon " << addon->id() << " no builds";
                return;
            }
            forChildren(element, "build", [&](const TiXmlElement& buildElement) {
                BuildPtr build = parseBuild(ReleasePtr(), buildElement, baseDirectory);
                addon->addBuild(build);
                Log(3, true) << "Addon add " << *build;
            });
        });
    } catch (const error& failure) {
        Log(2, true) << "Error in parse " << path << ": " << failure.text();
    } catch (const xmlbind::err& failure) {
        Log(2, true) << "Error in parse " << path << ": " << failure.message;
    }
}

void BuildManager::insertAddon(const AddonPtr& addon)
{
    // After the addons of an equal version: the reading order stays among equals.
    const Version version(addon->version());
    auto at = std::upper_bound(addons_.begin(), addons_.end(), version, [](const Version& v, const AddonPtr& other) {
        return v < Version(other->version());
    });
    addons_.insert(at, addon);
}

void BuildManager::parseSingleBuild(const std::string& path)
{
    const std::string config = fileops::basename(path);
    const BuildInfFile file(path, config);
    if (file.keypackage_sets.empty() || file.keypackage_sets.front().empty())
        throw error(1, 1, 1, 3) << (Messages::format("err_prod_keypkg") % path);

    auto product = boost::make_shared<Product>(file.product_id, productNameOf(file.product_id), false,
                                               file.keypackage_sets, file.upgrade_codes, file.product_codes,
                                               std::vector<std::string>());
    auto release = boost::make_shared<Release>(product, file.release_id, file.release_name, file.release_codename,
                                               Version(file.release_version), Version(file.upgrade_allowed_from));
    auto build = boost::make_shared<Build>(release, file.os_name, file.os_vendor, file.os_version, file.os_arch,
                                           file.environment, config, file.deprecated);
    build->setOsReleaseName(file.os_release_name);
    release->addBuild(build);
    releases_.push_back(release);
}

// --- Narrowing ---

void BuildManager::checkReleasesState(const Repository* repository) { checkReleasesState(repository, Opsys()); }

void BuildManager::checkReleasesState(const Repository* repository, const Opsys& system)
{
    for (const ReleasePtr& release : releases_) release->checkState(repository, system);
}

void BuildManager::collectCautions(const std::vector<std::string>& tiers) { collectCautions(tiers, Opsys()); }

void BuildManager::collectCautions(const std::vector<std::string>& tiers, const Opsys& system)
{
    cautions_.clear();
    std::set<std::string> handled;
    for (const ReleasePtr& installedRelease : releases_) {
        const std::string& installedText = installedRelease->installedVersion();
        const ProductPtr& product = installedRelease->product();
        if (installedText.empty() || !handled.insert(product->id).second) continue;

        const Version installed(installedText);
        bool allUpgradable = true;
        Version highest("0");
        for (const ReleasePtr& release : releases_) {
            bool inTier = false;
            for (const std::string& tier : tiers) inTier = inTier || release->tags().contains(tier);
            if (!inTier) continue;
            if (release->product()->id != product->id || !(release->getVersion() > installed)) continue;
            if (installed < release->upgradeAllowedFrom()) allUpgradable = false;
            if (release->isActual() && release->getVersion() > highest) highest = release->getVersion();
        }
        if (!allUpgradable && highest > Version("0"))
            cautions_.push_back((Messages::format("upgrade_from_not_supported_versions") %
                                 (product->name + " " + installedText) %
                                 (product->name + " " + versionPart(highest)) %
                                 product->kbArticleUpgradeFromNotSupportedVersions)
                                    .str());
    }

    const bool defaultInstalled = handled.count(defaultProductId) != 0;
    const auto matches = [&system](const char* name, const char* version) {
        return Opsys(name, "Microsoft", version, "", "").match(system, true);
    };
    if (matches("Windows-server", "5.2")) cautions_.push_back(Messages::get("os_win2003_not_supported"));
    if (matches("Windows-server", "6.0"))
        cautions_.push_back(Messages::get(defaultInstalled ? "os_win2008_not_supported_product_installed"
                                                           : "os_win2008_not_supported_product_not_installed"));
    if (matches("Windows-server", "6.1") || matches("Windows-server-core", "6.1"))
        cautions_.push_back(Messages::get(defaultInstalled ? "os_win2008r2_not_supported_product_installed"
                                                           : "os_win2008r2_not_supported_product_not_installed"));
    if (matches("Windows-workstation", "")) cautions_.push_back(Messages::get("os_win_workstation_not_supported"));
}

void BuildManager::removeNotActualReleases()
{
    Log(3, true) << "DEBUG: Removing not actual releases...";
    removeReleases(releases_, [](const ReleasePtr& release) { return !release->isActual(); });
    to_remove conflicts(*this, releases_);
    accept(conflicts);
    removeReleases(releases_, [&](const ReleasePtr& release) {
        return std::find(conflicts.drop.begin(), conflicts.drop.end(), release) != conflicts.drop.end();
    });
    Log(3, true) << "DEBUG: Removing not actual releases: done";
}

void BuildManager::removeRelease(const ReleasePtr& release)
{
    const auto same = [&](const ReleasePtr& candidate) { return candidate == release; };
    removeReleases(releases_, same);
    removeReleases(cropped_, same);
}

void BuildManager::removeHiddenForCleanInstall()
{
    Log(3, true) << "DEBUG: Removing releases of products that are hidden for clean installation...";
    removeReleases(releases_, [](const ReleasePtr& release) {
        const int mode = release->getUpdateMode();
        if (mode == 0) throw KW_INTERNAL_ERROR();
        return mode == Release::updateInstall && release->product()->hiddenToInstall;
    });
    Log(3, true) << "DEBUG: Removing releases of products that are hidden for clean installation: done";
}

void BuildManager::cropReleasesByTags(const std::vector<std::string>& tiers, const std::vector<std::string>& keep)
{
    ::cropReleasesByTags(releases_, cropped_, tiers, keep);
}

// --- Lists and walking ---

std::vector<ReleasePtr> BuildManager::getReleases(int flag) const
{
    std::vector<ReleasePtr> result;
    if (flag == 1) result = cropped_;
    result.insert(result.end(), releases_.begin(), releases_.end());
    return result;
}

void BuildManager::accept(Visitor& visitor)
{
    for (const ReleasePtr& release : getReleases(1)) {
        visitor.visitRelease(release);
        for (const BuildPtr& build : release->builds()) visitor.visitBuild(build.get());
        visitor.leaveRelease(release);
    }
    // A copy: a visitor may hold on to an addon while the list stays as it is.
    const std::vector<AddonPtr> addons = addons_;
    for (const AddonPtr& addon : addons) visitor.visitAddon(addon.get());
}

// --- Selection ---

void BuildManager::selectRelease(const std::string& productId, const std::string& releaseId)
{
    bool anyTookPart = false;
    bool selected = false;
    const std::vector<ReleasePtr> all = getReleases(1);
    for (const ReleasePtr& release : all) {
        if (!productId.empty() && productId != release->product()->id) continue;
        anyTookPart = true;
        const bool match = release->id() == releaseId;
        release->setSelected(match);
        selected = selected || match;
    }
    if (selected) return;

    const std::string productText =
        productId.empty() ? (boost::format("<default=%s>") % defaultProductId).str() : productId;
    error failure(2, 1, 1, 2);
    if (!anyTookPart)
        failure << (Messages::format("err_no_product_id") % productText);
    else
        failure << (Messages::format("err_no_release_id") % releaseId % productText);
    failure << "\n" << Messages::get("err_no_prod_rel_id_advice");
    throw failure;
}

void BuildManager::selectDefaultRelease()
{
    const char* title = "DEBUG: Selecting release of default product if no releases are current";
    Log(3, true) << title << "...";
    for (const ReleasePtr& release : releases_) {
        if (release->isInstalled()) {
            Log(3, true) << title << ": nothing to do, there are current releases";
            return;
        }
    }
    const std::string latest = getLatestReleaseId(defaultProductId);
    if (latest.empty()) {
        Log(3, true) << title << ": nothing to do, cannot select latest release id for " << defaultProductId;
        return;
    }
    selectRelease(defaultProductId, latest);
    Log(3, true) << title << ": done, selected " << defaultProductId << "/" << latest;
}

void BuildManager::unselectProduct(const std::string& productId)
{
    for (const ReleasePtr& release : getReleases(1))
        if (release->product()->id == productId) release->setSelected(false);
}

void BuildManager::unselectAll()
{
    for (const ReleasePtr& release : getReleases(1)) release->setSelected(false);
}

std::vector<std::string> BuildManager::getSelectedReleaseIds() const
{
    std::vector<std::string> ids;
    for (const ReleasePtr& release : getReleases(1))
        if (release->isSelected()) ids.push_back(release->id());
    return ids;
}

bool BuildManager::isProductSelected(const std::string& productId) const
{
    return !getSelectedReleaseId(productId).empty();
}

std::string BuildManager::getSelectedReleaseId(const std::string& productId) const
{
    for (const ReleasePtr& release : getReleases(1))
        if (release->product()->id == productId && release->isSelected()) return release->id();
    return std::string();
}

std::string BuildManager::getSelectedReleaseVersion(const std::string& productId) const
{
    for (const ReleasePtr& release : releases_)
        if (release->product()->id == productId && release->isSelected()) return versionPart(release->getVersion());
    return std::string();
}

// --- Queries ---

ProductPtr BuildManager::getProduct(const std::string& productId) const
{
    for (const ReleasePtr& release : getReleases(1))
        if (release->product()->id == productId) return release->product();
    return ProductPtr();
}

ReleasePtr BuildManager::getRelease(const std::string& releaseId) const { return findRelease(releases_, releaseId); }

ReleasePtr BuildManager::findReleaseByVersion(const std::string& productId, const std::string& version) const
{
    return ::findReleaseByVersion(releases_, productId, version);
}

std::string BuildManager::getLatestReleaseId(const std::string& productId) const
{
    Version best("0");
    std::string id;
    for (const ReleasePtr& release : releases_) {
        if (release->product()->id != productId || !(release->getVersion() > best)) continue;
        best = release->getVersion();
        id = release->id();
    }
    return id;
}

std::string BuildManager::getInstalledVersion(const std::string& productId) const
{
    for (const ReleasePtr& release : releases_)
        if (release->product()->id == productId && release->isActual() && !release->installedVersion().empty())
            return release->installedVersion();
    return std::string();
}

std::string BuildManager::getInstalledReleaseId(const std::string& productId) const
{
    for (const ReleasePtr& release : releases_)
        if (release->product()->id == productId && release->isInstalled()) return release->id();
    return std::string();
}

std::string BuildManager::getInstalledReleaseVersion(const std::string& productId) const
{
    const ReleasePtr release = getRelease(getInstalledReleaseId(productId));
    return release ? versionPart(release->getVersion()) : std::string();
}

std::vector<std::string> BuildManager::getInstalledProductIds() const { return findInstalledProductIds(releases_); }

std::ostream& operator<<(std::ostream& out, const BuildManager::CatalogueEntry& entry)
{
    return out << entry.id << " (" << entry.reference << ")";
}
