// The selectors of the command syntax: the words after the command, classified
// against the catalogue's releases, and the command handlers that turn them and
// the command's options into the action, the product selections and the
// component requests of the record.

#include "installer/options/Options.h"

#include "common/Log.h"
#include "common/Messages.h"
#include "common/StringUtils.h"
#include "common/error.h"
#include "installer/catalogue/Product.h"
#include "installer/catalogue/Release.h"
#include "installer/catalogue/findRelease.h"

#include <boost/algorithm/string/join.hpp>
#include <boost/algorithm/string/split.hpp>

#include <set>
#include <stdexcept>

namespace {

typedef std::set<std::string> Words;

const char* const allTiers = "all";

// A refusal of the selectors: the operator's text, then an advice key's text.
[[noreturn]] void refuse(const std::string& text, const char* adviceKey = nullptr)
{
    error failure(2, 1, 1, 2);
    failure << text;
    if (adviceKey) failure << Messages::get(adviceKey);
    throw failure;
}

std::string joined(const Words& words) { return boost::algorithm::join(words, ", "); }

// Each word as a blank and the word in single quotes.
std::string quoted(const Words& words)
{
    std::string text;
    for (const std::string& word : words) text += " '" + word + "'";
    return text;
}

// The single word of a list, or empty.
std::string single(const Words& words) { return words.empty() ? std::string() : *words.begin(); }

// What the releases offer to select by.
struct ValidSelectors {
    explicit ValidSelectors(const std::vector<ReleasePtr>& releases)
    {
        for (const ReleasePtr& release : releases) {
            productIds.insert(release->product()->id);
            releaseIds.insert(release->id());
            versions.insert(release->getVersion().toString());
            std::vector<std::string> releaseTags;
            const std::string tagText = release->tags().toString();
            boost::algorithm::split(releaseTags, tagText, [](char c) { return c == ','; });
            tags.insert(releaseTags.begin(), releaseTags.end());
        }
        tags.erase(std::string());
        tags.insert(allTiers);
    }

    Words productIds;
    Words tags;
    Words releaseIds;
    Words versions;
};

}  // namespace

void Options::interpretSelectors(const std::vector<ReleasePtr>& releases)
{
    const ValidSelectors valid(releases);
    const std::string prefix = "DEBUG: Options::interpretSelectors(): ";
    Log(3, true) << prefix << "valid product ids:" << quoted(valid.productIds);
    Log(3, true) << prefix << "valid tags (tiers):" << quoted(valid.tags);
    Log(3, true) << prefix << "valid release ids:" << quoted(valid.releaseIds);
    Log(3, true) << prefix << "valid versions:" << quoted(valid.versions);

    Words productIds;
    Words tags;
    Words releaseIds;
    Words versions;
    for (const std::string& word : arguments) {
        Words* const kinds[] = {&productIds, &tags, &releaseIds, &versions};
        const Words* const validKinds[] = {&valid.productIds, &valid.tags, &valid.releaseIds, &valid.versions};
        Words* match = nullptr;
        int matches = 0;
        for (std::size_t kind = 0; kind < 4; ++kind) {
            if (!validKinds[kind]->count(word)) continue;
            match = kinds[kind];
            ++matches;
        }
        if (matches == 0) refuse((Messages::format("err_opt_selector_no_match") % word).str(), "err_opt_selector_use_list");
        if (matches > 1) refuse((Messages::format("err_opt_selector_ambigous") % word).str(), "err_opt_selector_use_list");
        match->insert(word);
    }
    // One text: the log marks an empty piece, and an empty list is no mark.
    Log(3, true) << prefix + "classified selectors: prod_ids = (" + quoted(productIds) + "), tags = (" +
                        quoted(tags) + "), rel_ids = (" + quoted(releaseIds) + "), versions = (" +
                        quoted(versions) + ")";

    const char* const onlyOne = "err_opt_selector_only_one";
    if (productIds.size() > 1)
        refuse((Messages::format("err_opt_selector_multiple_prod_ids") % joined(productIds)).str(), onlyOne);
    if (releaseIds.size() > 1)
        refuse((Messages::format("err_opt_selector_multiple_rel_ids") % joined(releaseIds)).str(), onlyOne);
    if (versions.size() > 1)
        refuse((Messages::format("err_opt_selector_multiple_versions") % joined(versions)).str(), onlyOne);
    if (!releaseIds.empty() && !versions.empty())
        refuse((Messages::format("err_opt_selector_rel_id_and_version") % single(releaseIds) % single(versions)).str(),
               onlyOne);

    prodIdSelector = single(productIds);
    releaseIdSelector = single(releaseIds);
    versionSelector = single(versions);
    Log(3, true) << prefix + "prod_id_selector=" + prodIdSelector + ", rel_id_selector=" + releaseIdSelector +
                        ", version_selector=" + versionSelector;

    if (tags.count(allTiers))
        enableAllReleases();
    else if (!tags.empty())
        setTierList(std::vector<std::string>(tags.begin(), tags.end()));

    if (command == "list")
        selectForList(releases);
    else if (command == "install")
        selectForInstall(releases);
    else if (command == "upgrade")
        selectForUpgrade(releases);
    else if (command == "update")
        selectForUpdate(releases);
    else if (command == "add" || command == "remove")
        selectForAddRemove(releases);

    // The legacy syntax ran these when the record was built.
    if (!command.empty()) {
        applyWebSecretTiers();
        checkOptions();
    }
}

void Options::resolveVersionSelector(const std::vector<ReleasePtr>& releases)
{
    if (versionSelector.empty()) return;
    if (prodIdSelector.empty()) refuse((Messages::format("err_opt_version_requires_prod_id") % versionSelector).str());
    const ReleasePtr release = findReleaseByVersion(releases, prodIdSelector, versionSelector);
    if (!release)
        refuse((Messages::format("err_opt_no_rel_for_version_in_prod_id") % versionSelector % prodIdSelector).str());
    releaseIdSelector = release->id();
}

void Options::selectForList(const std::vector<ReleasePtr>& releases)
{
    if (!releaseIdSelector.empty() || !versionSelector.empty()) {
        resolveVersionSelector(releases);
        if (!releaseIdSelector.empty()) {
            addProductSelection(ProductSelection::exact, prodIdSelector, releaseIdSelector);
            releaseIds.push_back(releaseIdSelector);
        }
        // With none of the three the release is selected and no action is set:
        // the driver then stops with "no command".
        if (givenExplicitly("presets"))
            setAction(command, actionListPresets);
        else if (givenExplicitly("components"))
            setAction(command, actionListComponents);
        else if (givenExplicitly("sources"))
            setAction(command, actionListSources);
        return;
    }

    for (const char* option : {"presets", "components", "options", "sources"})
        if (givenExplicitly(option)) refuse(Messages::get("err_opt_list_requires_exact_release"));
    if (!tiersDefault && prodIdSelector.empty()) prodIdSelector = defaultProductId;
    if (prodIdSelector.empty()) {
        setAction(command, actionListProducts);
        return;
    }
    setAction(command, actionListReleases);
    addProductSelection(ProductSelection::current, prodIdSelector);
}

void Options::selectForInstall(const std::vector<ReleasePtr>& releases)
{
    resolveVersionSelector(releases);
    if (prodIdSelector.empty()) prodIdSelector = defaultProductId;
    const std::string& product = prodIdSelector;

    if (!releaseIdSelector.empty()) {
        addProductSelection(ProductSelection::exact, product, releaseIdSelector);
        releaseIds.push_back(releaseIdSelector);
    } else {
        addProductSelection(ProductSelection::latest, product);
    }

    if (givenExplicitly("preset")) {
        setRequestMode(product, command, ComponentRequest::modeInstallType);
        ComponentRequest& request = componentRequests[product];
        request.installType = variables["preset"].as<std::string>();
        request.install = collectValues("with");
        request.remove = collectValues("without");
    } else if (givenExplicitly("components")) {
        setRequestMode(product, command, ComponentRequest::modeListed);
        componentRequests[product].install = collectValues("components");
    } else {
        setRequestMode(product, command, ComponentRequest::modeInstallType);
        componentRequests[product].installType = "Custom";
    }

    if (givenExplicitly("options"))
        for (const std::string& setting : variables["options"].as<std::vector<std::string>>())
            setComponentOption(product, setting);
}

void Options::selectForUpgrade(const std::vector<ReleasePtr>& releases)
{
    const std::vector<std::string> installed = findInstalledProductIds(releases);
    std::string product = prodIdSelector;
    if (product.empty() && installed.size() == 1) product = installed.front();

    ReleasePtr target;
    if (!releaseIdSelector.empty()) {
        target = findRelease(releases, releaseIdSelector);
        if (!target) refuse((Messages::format("err_opt_no_rel_id") % releaseIdSelector).str());
    } else if (!versionSelector.empty() && !product.empty()) {
        target = findReleaseByVersion(releases, product, versionSelector);
        if (!target) refuse((Messages::format("err_opt_no_rel_for_version_in_prod_id") % versionSelector % product).str());
    }

    if (target) {
        const std::string& targetProduct = target->product()->id;
        setAction(command, actionInstall);
        setRequestMode(targetProduct, command, ComponentRequest::modeUpgradeInstalled);
        addProductSelection(ProductSelection::exact, targetProduct, target->id());
        releaseIds.push_back(target->id());
    } else if (tiersDefault) {
        // Without a target the command shows what there is to upgrade to.
        if (product.empty()) {
            setAction(command, actionListProducts);
        } else {
            setAction(command, actionListReleases);
            addProductSelection(ProductSelection::current, product);
        }
    } else if (product.empty()) {
        setAction(command, actionListProducts);
    } else {
        // The latest release that the chosen tiers allow.
        setAction(command, actionInstall);
        setRequestMode(product, command, ComponentRequest::modeUpgradeInstalled);
        addProductSelection(ProductSelection::latest, product);
    }

    if (variables.count("dry-run") && action == actionInstall) setAction(command, actionShowPackages);
}

void Options::selectForUpdate(const std::vector<ReleasePtr>& releases)
{
    const bool panelOnly = variables.count("panel-only") != 0;
    if (panelOnly) {
        if (!prodIdSelector.empty() && prodIdSelector != defaultProductId)
            refuse((Messages::format("err_opt_panel_only_requires_zarni") % defaultProductId % prodIdSelector).str());
        prodIdSelector = defaultProductId;
    }
    if (!versionSelector.empty() || !releaseIdSelector.empty() || !tiersDefault)
        refuse((Messages::format("err_opt_only_prod_id_selector") % command).str());

    const std::vector<std::string> installed = findInstalledProductIds(releases);
    if (prodIdSelector.empty()) {
        if (installed.empty()) refuse(Messages::get("err_opt_no_installed_prods"));
        if (installed.size() == 1) prodIdSelector = installed.front();
    }

    const std::vector<std::string> products =
        prodIdSelector.empty() ? installed : std::vector<std::string>{prodIdSelector};
    for (const std::string& product : products) {
        setRequestMode(product, command, ComponentRequest::modeUpgradeInstalled);
        addProductSelection(ProductSelection::current, product);
        if (panelOnly) componentRequests[product].classes = {"aspect=panel"};
    }
}

void Options::selectForAddRemove(const std::vector<ReleasePtr>& releases)
{
    if (!versionSelector.empty() || !releaseIdSelector.empty() || !tiersDefault)
        refuse((Messages::format("err_opt_only_prod_id_selector") % command).str());

    const std::vector<std::string> installed = findInstalledProductIds(releases);
    if (prodIdSelector.empty()) {
        if (installed.empty()) refuse(Messages::get("err_opt_no_installed_prods"));
        if (installed.size() > 1)
            refuse((Messages::format("err_opt_need_prod_id") % boost::algorithm::join(installed, ", ")).str());
        prodIdSelector = installed.front();
    }

    const std::string& product = prodIdSelector;
    setRequestMode(product, command, ComponentRequest::modeListed);
    addProductSelection(ProductSelection::current, product);
    if (command == "add")
        componentRequests[product].install = collectValues("components");
    else
        componentRequests[product].remove = collectValues("components");
}

std::vector<std::string> Options::collectValues(const std::string& option) const
{
    std::vector<std::string> values;
    const auto found = variables.find(option);
    if (found == variables.end() || found->second.empty()) return values;
    for (const std::string& given : found->second.as<std::vector<std::string>>()) {
        std::vector<std::string> pieces;
        try {
            pieces = splitList(given);
        } catch (const std::runtime_error& failure) {
            // A bad escape in a component list is the operator's typing, not a fault
            // of the installer.
            Log(1, true) << "Error: the value of --" << option << " is not a comma list: " << failure.what();
            refuse((Messages::format("err_param_invalid") % ("--" + option) % given).str());
        }
        values.insert(values.end(), pieces.begin(), pieces.end());
    }
    return values;
}
