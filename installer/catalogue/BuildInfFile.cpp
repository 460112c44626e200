#include "installer/catalogue/BuildInfFile.h"

#include "installer/catalogue/CatalogueText.h"
#include "installer/options/Options.h"
#include "installer/sources/SelfUpgrade.h"

#include "common/Log.h"
#include "common/Messages.h"
#include "common/Opsys.h"
#include "common/StringUtils.h"
#include "common/error.h"
#include "common/packages/ExtCatalogPackage.h"
#include "common/packages/Package.h"
#include "common/packages/Repository.h"
#include "common/xmlbind.h"

#include <boost/make_shared.hpp>

#include <tinyxml.h>

namespace {

BuildInfFile::Feed catalogueFeed(const std::string& url, const std::string& platform, const std::string& version)
{
    return ExtCatalog::Feed(url).load(platform, version);
}

BuildInfFile::FeedLoader& feedLoader()
{
    static BuildInfFile::FeedLoader loader = catalogueFeed;
    return loader;
}

// "yes" or "true"; anything else, and no attribute, is false.
bool flag(const TiXmlElement& element, const char* name)
{
    const std::string* value = element.Attribute(std::string(name));
    return value && (*value == "yes" || *value == "true");
}

// Exactly "true".
bool exactlyTrue(const TiXmlElement& element, const char* name)
{
    const std::string* value = element.Attribute(std::string(name));
    return value && *value == "true";
}

using CatalogueText::forChildren;
using CatalogueText::optional;

BuildInfFile::ElementCopy deepCopy(const TiXmlElement& element)
{
    return BuildInfFile::ElementCopy(static_cast<TiXmlElement*>(element.Clone()));
}

}  // namespace

const char* const BuildInfFile::includeName = "dummy_component_name_for_include";

void BuildInfFile::setFeedLoader(const FeedLoader& loader)
{
    feedLoader() = loader ? loader : FeedLoader(catalogueFeed);
}

BuildInfFile::BuildInfFile(const std::string& fileName, const std::string& configName)
    : config(configName), fileName_(fileName)
{
    if (fileName.empty()) throw error(1, 1, 1, 3) << Messages::get("err_inf_fname");
    Log(3, true) << "Load and parse component list from " << fileName;

    xmlbind::Document document;
    if (!document.LoadFile(fileName))
        throw error(1, 1, 1, 3) << (Messages::format("err_config_parse") % fileName % document.ErrorDesc());
    const TiXmlElement* root = document.RootElement();
    if (!root) throw error(1, 1, 1, 3) << (Messages::format("err_inf3_root") % fileName);
    CatalogueText::checkDocument(*root, fileName);
    SelfUpgrade::check_required_KW_version(root);
    if (root->ValueStr() != "build" && root->ValueStr() != "build_1")
        throw error(1, 1, 1, 3) << (Messages::format("err_binf3_build") % fileName);

    try {
        read(*root);
    } catch (const xmlbind::err& failure) {
        throw error(1, 1, 1, 3) << "Can't parse " << fileName << ": " << failure.message;
    }
}

void BuildInfFile::read(const TiXmlElement& root)
{
    os_name = CatalogueText::required(root, "os_name", fileName_);
    os_vendor = CatalogueText::required(root, "os_vendor", fileName_);
    family_ = CatalogueText::packageFamilyOf(os_vendor);
    os_version = CatalogueText::required(root, "os_version", fileName_);
    os_arch = CatalogueText::required(root, "os_arch", fileName_);
    environment = CatalogueText::required(root, "environment", fileName_);
    os_release_name = optional(root, "os_release_name");
    ez_template_prefix = optional(root, "ez-template-prefix");
    ez_template_suffix = optional(root, "ez-template-suffix");
    deprecated = optional(root, "deprecated");

    readProduct(root);
    readComponents(root);
    readInstallationTypes(root);

    if (const TiXmlElement* groupsElement = root.FirstChildElement("component_groups"))
        forChildren(*groupsElement, "group", [this](const TiXmlElement& group) { groups.push_back(readGroup(group)); });

    readRepository(root, "build_dir", build_repo);

    if (const TiXmlElement* thirdparty = root.FirstChildElement("thirdparty")) {
        readRepository(*thirdparty, "thirdparty_dir", thirdparty_repo);
        forChildren(*thirdparty, "package", [this](const TiXmlElement& package) {
            thirdparty_packages.push_back(makePackage(package, Package::typeThirdparty));
        });
    } else {
        Log(1, true) << "No thirdparty section in this build";
    }
    if (const TiXmlElement* extras = root.FirstChildElement("extras"))
        readRepository(*extras, "extras_dir", extras_repo);
    else
        Log(1, true) << "No extra section in this build";

    readExtCatalog(root);

    removable_packages = readNameList(root, "removable_packages", true, "No removers section in this build.");
    force_remove_packages =
        readNameList(root, "force_remove_packages", false, "No force remove packages list in this build.");
    preferred_packages = readNameList(root, "preferred_packages", true, "No preferrers section in this build.");

    send_feedback = flag(root, "send_feedback");
    uninstall_support = flag(root, "uninstall_support");
    gpgcheck = readGpgCheck(root);
    if (const TiXmlElement* key = root.FirstChildElement("gpg_public_key")) gpg_public_key = text(*key, true);

    if (const TiXmlElement* element = root.FirstChildElement("bootstrapper")) {
        Log(3, true) << "parse bootstrapper for build";
        bootstrapper = readBootstrapper(*element, bootstrapper_packages);
    }
    forChildren(root, "examine", [this](const TiXmlElement& element) { examines.push_back(readExamine(element)); });

    apt_source = optional(root, "apt_source");
    persistent_apt_source = optional(root, "persistent_apt_source");
}

void BuildInfFile::readProduct(const TiXmlElement& root)
{
    const xmlbind::Element product = xmlbind::getChild(xmlbind::Element(const_cast<TiXmlElement*>(&root)), "product");
    product_id = optional(*product.element(), "id");
    forChildren(*product.element(), "keypackages", [this](const TiXmlElement& group) {
        std::vector<std::string> names;
        forChildren(group, "keypackage", [&](const TiXmlElement& name) {
            names.push_back(text(name));
            checkPackageName(names.back(), name);
        });
        forChildren(group, "upgrade_code", [&](const TiXmlElement& code) { upgrade_codes.push_back(text(code)); });
        forChildren(group, "product_code", [&](const TiXmlElement& code) { product_codes.push_back(text(code)); });
        keypackage_sets.push_back(names);
    });
    const xmlbind::Element release = xmlbind::getChild(product, "release");
    const TiXmlElement& element = *release.element();
    release_id = optional(element, "id");
    release_name = optional(element, "name");
    release_codename = optional(element, "codename");
    release_version = optional(element, "version");
    upgrade_allowed_from = optional(element, "upgrade_allowed_from");
    parameters_file = optional(element, "parameters_file");
}

void BuildInfFile::readComponents(const TiXmlElement& root)
{
    for (const TiXmlElement* child = root.FirstChildElement(); child; child = child->NextSiblingElement()) {
        if (child->ValueStr() == "include") {
            auto include = boost::make_shared<component_t>();
            include->name = includeName;
            include->description = CatalogueText::required(*child, "config", fileName_);
            CatalogueText::checkRelativePath(include->description, *child, "config", fileName_);
            components.push_back(include);
        } else if (child->ValueStr() == "component") {
            component_ptr component = readComponent(*child);
            if (component->packages.empty() && component->keypackage_groups.empty() &&
                component->eztemplates.empty()) {
                Log(0, true) << "Warning: component " << component->name << " have no build or keypackages, ignore.";
                continue;
            }
            components.push_back(component);
        }
    }
    if (components.empty()) throw error(1, 1, 1, 3) << (Messages::format("err_binf3_comps") % config);
}

BuildInfFile::component_ptr BuildInfFile::readComponent(const TiXmlElement& element)
{
    auto component = boost::make_shared<component_t>();
    const std::string* uninstall = element.Attribute(std::string("uninstall_support"));
    component->uninstall_support = !(uninstall && *uninstall == "false");
    component->name = CatalogueText::required(element, "name", fileName_);
    component->description = CatalogueText::required(element, "description", fileName_);
    if (component->description.empty()) component->description = component->name + " (description empty)";
    component->classes = splitList(optional(element, "classes"));
    component->hidden = exactlyTrue(element, "hidden");
    component->show_installed_hidden = exactlyTrue(element, "show_installed_hidden");
    component->deny_implicit_removal = exactlyTrue(element, "deny_implicit_removal");
    component->environment = optional(element, "environment");

    if (const TiXmlElement* bootstrapperElement = element.FirstChildElement("bootstrapper")) {
        Log(3, true) << "parse bootstrapper for component " << component->name;
        component->bootstrapper = readBootstrapper(*bootstrapperElement, component->bootstrapper_packages);
    }
    forChildren(element, "keypackages", [&](const TiXmlElement& group) {
        keypackages_t keys;
        const auto names = [this](const TiXmlElement& parent, const char* name, std::vector<std::string>& into,
                                  bool packageName) {
            forChildren(parent, name, [&](const TiXmlElement& child) {
                into.push_back(CatalogueText::required(child, "name", fileName_));
                if (packageName) checkPackageName(into.back(), child);
            });
        };
        names(group, "keypackage", keys.keypackages, true);
        names(group, "nokeypackage", keys.nokeypackages, true);
        // Provides are capability names ("libc.so.6()(64bit)"), not package names.
        names(group, "keyprovide", keys.keyprovides, false);
        if (keys.keypackages.empty() && keys.nokeypackages.empty() && keys.keyprovides.empty())
            throw error(1, 1, 1, 3) << (Messages::format("err_binf3_compkey") % component->name);
        component->keypackage_groups.push_back(keys);
    });
    // These names reach the package tools' command lines; a missing one stays
    // empty and names nothing.
    const auto packageNames = [this](const TiXmlElement* list, const char* name, std::vector<std::string>& into) {
        if (!list) return;
        forChildren(*list, name, [&](const TiXmlElement& item) {
            into.push_back(optional(item, "name"));
            if (!into.back().empty()) checkPackageName(into.back(), item);
        });
    };
    packageNames(element.FirstChildElement("expackages"), "expackage", component->expackages);
    packageNames(element.FirstChildElement("rmpackages"), "rmpackage", component->rmpackages);
    forChildren(element, "eztemplate", [&](const TiXmlElement& item) {
        component->eztemplates.push_back(CatalogueText::required(item, "name", fileName_));
        checkPackageName(component->eztemplates.back(), item);
    });
    const auto componentNames = [&](const char* name, std::vector<std::string>& into) {
        forChildren(element, name, [&](const TiXmlElement& item) {
            const TiXmlNode* first = item.FirstChild();
            if (first && first->ToText()) into.push_back(first->ValueStr());
        });
    };
    componentNames("hardwired_with", component->hardwired_with);
    componentNames("requires", component->requires);
    componentNames("conflicts", component->conflicts);
    forChildren(element, "package", [&](const TiXmlElement& item) {
        component->packages.push_back(makePackage(item, Package::typeBuild));
        // The last package with settings gives the component's.
        if (const TiXmlElement* settings = item.FirstChildElement("settings")) component->settings = deepCopy(*settings);
    });
    forChildren(element, "examine",
                [&](const TiXmlElement& item) { component->examines.push_back(readExamine(item)); });
    return component;
}

void BuildInfFile::readInstallationTypes(const TiXmlElement& root)
{
    const TiXmlElement* types = root.FirstChildElement("installation_types");
    if (!types) return;
    forChildren(*types, "type", [this](const TiXmlElement& element) {
        insttype_t type;
        type.name = optional(element, "name");
        type.description = optional(element, "description");
        forChildren(element, "component", [&](const TiXmlElement& component) {
            const std::string name = text(component);
            if (name.empty()) throw KW_INTERNAL_ERROR() << "an installation type lists an empty component name";
            type.components.push_back(name);
        });
        if (type.components.empty()) throw KW_INTERNAL_ERROR() << "an installation type lists no component";
        inst_types.push_back(type);
    });
}

BuildInfFile::group_t BuildInfFile::readGroup(const TiXmlElement& element)
{
    group_t group;
    group.radio = optional(element, "type") == "radio";
    group.description = optional(element, "description");
    group.name = optional(element, "name");
    forChildren(element, "component", [&](const TiXmlElement& component) {
        const std::string name = CatalogueText::required(component, "name", fileName_);
        group.components.push_back(name);
        if (exactlyTrue(component, "default")) group.default_component = name;
    });
    if (const TiXmlElement* rules = element.FirstChildElement("switch_rules")) {
        group.has_switch_rules = true;
        forChildren(*rules, "allow", [&](const TiXmlElement& allow) {
            group.switches.emplace_back(optional(allow, "from"), optional(allow, "to"));
        });
    }
    forChildren(element, "group", [&](const TiXmlElement& nested) { group.subgroups.push_back(readGroup(nested)); });
    return group;
}

void BuildInfFile::readRepository(const TiXmlElement& element, const char* dirAttribute, repo_t& repo)
{
    repo.dir = CatalogueText::required(element, dirAttribute, fileName_);
    CatalogueText::checkRelativePath(repo.dir, element, dirAttribute, fileName_);
    repo.headers_file = optional(element, "headers_file");
    CatalogueText::checkRelativePath(repo.headers_file, element, "headers_file", fileName_);
    repo.persistent_repo = flag(element, "persistent_repo");
    repo.yum_repo_id = optional(element, "yum_repo_id");
    repo.yum_repo_name = optional(element, "yum_repo_name");
}

void BuildInfFile::readExtCatalog(const TiXmlElement& root)
{
    const Options& options = Options::getInstance();
    if (options.canSkipExtCatalog()) return;
    const TiXmlElement* catalog = root.FirstChildElement("ext_catalog");
    if (!catalog) {
        Log(3, true) << "No ext_catalog section in this build";
        return;
    }
    TiXmlElement emptyTemplate("package");
    const TiXmlElement* packageTemplate = catalog->FirstChildElement("package");
    if (!packageTemplate) {
        Log(3, true) << "No package section in ext_catalog section";
        packageTemplate = &emptyTemplate;
    }
    std::string url = options.extCatalogUrl.empty() ? CatalogueText::required(*catalog, "url", fileName_)
                                                    : options.extCatalogUrl;
    const std::string oldApi = "/api/v2/packages";
    const std::size_t oldAt = url.rfind(oldApi);
    if (url.size() > 15 && oldAt != std::string::npos) {
        const std::string cut = url.substr(0, oldAt);
        Log(0, true) << (Messages::format("old_format_api_ext_catalog_feed") % url % cut).str();
        url = cut;
    }

    try {
        std::vector<component_ptr> undescribed;
        for (const component_ptr& component : components)
            if (component->description.empty() || component->description == component->name + " (description empty)")
                undescribed.push_back(component);

        const Feed feed = feedLoader()(url, "unix", release_version);
        for (const auto& item : feed) {
            // Feed items live outside the catalogue's files and end up as names in
            // the extension command, which serves both families.
            const std::string name = "ext-" + item.first;
            CatalogueText::checkPackageName(name, PackageFamily::either, *catalog, fileName_);
            // The template copy is the package's origin element for the rest of
            // the process.
            TiXmlElement* copy = static_cast<TiXmlElement*>(packageTemplate->Clone());
            copy->SetAttribute("name", name);
            copy->SetAttribute("file", "");
            copy->SetAttribute("arch", "noarch");
            std::unique_ptr<Package> made = Package::createFromXml(xmlbind::Element(copy), Package::typeExtension);
            ExtCatalogPackage* extension = dynamic_cast<ExtCatalogPackage*>(made.get());
            if (!extension) throw KW_INTERNAL_ERROR();
            extension->setCode(item.first);
            extension->setDisplayName(item.second.displayName);
            extension->setDownloadUrl(item.second.downloadUrl);
            ext_catalog_packages.push_back(Repository::keep(std::move(made)));

            if (item.second.displayName.empty()) continue;
            for (auto it = undescribed.begin(); it != undescribed.end(); ++it) {
                bool listed = false;
                for (const keypackages_t& keys : (*it)->keypackage_groups)
                    for (const std::string& key : keys.keypackages) listed = listed || key == name;
                if (!listed) continue;
                (*it)->description = item.second.displayName;
                undescribed.erase(it);
                break;
            }
        }
    } catch (const error& failure) {
        Log(2, true) << (Messages::format("err_ext_catalog_collect_packages") % failure.text()).str();
    }
}

std::vector<std::string> BuildInfFile::readNameList(const TiXmlElement& root, const char* listName, bool nameRequired,
                                                    const char* missingLog)
{
    std::vector<std::string> names;
    const TiXmlElement* list = root.FirstChildElement(listName);
    if (!list) {
        Log(1, true) << missingLog;
        return names;
    }
    forChildren(*list, "package", [&](const TiXmlElement& package) {
        const std::string name =
            nameRequired ? CatalogueText::required(package, "name", fileName_) : optional(package, "name");
        // These names go to the resolver and to the package tools' command lines.
        if (!name.empty() || nameRequired) checkPackageName(name, package);
        names.push_back(name);
    });
    return names;
}

BuildInfFile::ElementCopy BuildInfFile::readBootstrapper(const TiXmlElement& element, std::vector<Package*>& packages)
{
    ElementCopy copy = deepCopy(element);
    forChildren(element, "package", [&](const TiXmlElement& item) {
        Package* package = makePackage(item, Package::typeBuild);
        packages.push_back(package);
        Log(3, true) << " add package " << package->getFileName();
    });
    Log(3, true) << packages.size() << " build packages added from bootstrapper";
    return copy;
}

Package* BuildInfFile::makePackage(const TiXmlElement& element, char kind)
{
    checkPackageName(CatalogueText::required(element, "name", fileName_), element);
    // The file name is joined to the repository directory to download the package.
    const std::string file = CatalogueText::required(element, "file", fileName_);
    if (!file.empty()) CatalogueText::checkRelativePath(file, element, "file", fileName_);
    // The record's own check names no attribute, element or file.
    for (const char* attribute : {"version", "release", "arch"}) {
        const std::string value = CatalogueText::required(element, attribute, fileName_);
        CatalogueText::checkPackageVersionText(value, element, attribute, fileName_);
    }
    if (!file.empty())
        for (const char* attribute : {"md5", "buildtime", "size"}) CatalogueText::required(element, attribute, fileName_);
    try {
        std::unique_ptr<Package> package =
            Package::createFromXml(xmlbind::Element(const_cast<TiXmlElement*>(&element)), Package::typeNone);
        package->setType(kind);
        return Repository::keep(std::move(package));
    } catch (error& failure) {
        failure.addLevel(1, 1, 1, 3) << "Invalid package in " << CatalogueText::where(element, fileName_);
        throw;
    }
}

BuildInfFile::examine_t BuildInfFile::readExamine(const TiXmlElement& element)
{
    examine_t step;
    step.scope = CatalogueText::required(element, "scope", fileName_);
    step.name = CatalogueText::required(element, "name", fileName_);
    step.script = CatalogueText::required(element, "script", fileName_);
    // The runner finds the script below the directory of this file, or below the
    // source root when the path begins with "/".
    const std::string::size_type first = step.script.find_first_not_of('/');
    CatalogueText::checkRelativePath(first == std::string::npos ? step.script : step.script.substr(first), element,
                                     "script", fileName_);
    step.launcher = optional(element, "launcher");
    step.options = optional(element, "options");
    step.always = flag(element, "always");
    return step;
}

void BuildInfFile::checkPackageName(const std::string& name, const TiXmlElement& element) const
{
    CatalogueText::checkPackageName(name, family_, element, fileName_);
}

std::string BuildInfFile::text(const TiXmlElement& element, bool multiline)
{
    const std::string value = xmlbind::getText(xmlbind::Element(const_cast<TiXmlElement*>(&element)), false);
    CatalogueText::checkText(value, element, "the text", fileName_, multiline);
    return value;
}

bool BuildInfFile::readGpgCheck(const TiXmlElement& root)
{
    const std::string value = optional(root, "gpgcheck");
    if (value == "yes" || value == "true") return true;
    if (value == "deb") return Opsys().isDebian();
    if (value == "rpm") return Opsys().isRedHat();
    return false;
}
