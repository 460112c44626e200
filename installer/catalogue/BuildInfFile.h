#pragma once

#include "installer/catalogue/ExamineStep.h"
#include "installer/catalogue/PackageFamily.h"
#include "installer/sources/ExtCatalogFeed.h"

#include <boost/shared_ptr.hpp>

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

class Package;
class TiXmlElement;

// One build information file ("build" or "build_1" root), read whole in the
// constructor into plain data: the product and release it belongs to, the
// system it is for, its components with their packages, the component groups,
// the installation types, the build's repositories, the preferred, removable
// and forcibly removed package names, bootstrap elements and examination steps.
// The build loader turns the record into components and sources; the source
// manager reads the repository entries directly.
//
// The file comes from the installation source and is checked as it is read:
// every text is free of control characters, package names are names the package
// tools of the build's system take, and catalogue data errors are repository errors naming the file
// and the element.
//
// Package records are handed to the process (Repository::keep) as they are
// made; the record holds plain pointers to them. The copies of "bootstrapper"
// and "settings" elements are shared: actions and parameters made from them
// hold the record (through the Build) for as long as they live.
class BuildInfFile {
public:
    typedef ExamineStep examine_t;

    struct keypackages_t {
        std::vector<std::string> keypackages;
        std::vector<std::string> nokeypackages;
        std::vector<std::string> keyprovides;
    };

    struct group_t {
        std::string name;
        std::string description;
        bool radio = false;
        // The last "component" child marked default="true".
        std::string default_component;
        std::vector<std::string> components;
        std::vector<group_t> subgroups;
        bool has_switch_rules = false;
        std::vector<std::pair<std::string, std::string>> switches;
    };

    struct insttype_t {
        // As written: a comma list of one or more names.
        std::string name;
        std::string description;
        std::vector<std::string> components;
    };

    struct repo_t {
        std::string dir;
        std::string headers_file;
        bool persistent_repo = false;
        std::string yum_repo_id;
        std::string yum_repo_name;
    };

    typedef std::shared_ptr<TiXmlElement> ElementCopy;

    struct component_t {
        std::string name;
        std::string description;
        std::string environment;
        std::vector<std::string> requires;
        std::vector<std::string> hardwired_with;
        std::vector<std::string> conflicts;
        std::vector<keypackages_t> keypackage_groups;
        std::vector<std::string> expackages;
        std::vector<std::string> rmpackages;
        std::vector<std::string> eztemplates;
        std::vector<Package*> bootstrapper_packages;
        ElementCopy bootstrapper;
        std::vector<Package*> packages;
        std::vector<std::string> classes;
        std::vector<examine_t> examines;
        ElementCopy settings;
        bool uninstall_support = true;
        bool hidden = false;
        bool show_installed_hidden = false;
        bool deny_implicit_removal = false;
    };
    typedef boost::shared_ptr<component_t> component_ptr;

    // The name an "include" entry's record carries; its description holds the
    // included file's path.
    static const char* const includeName;

    // One item of the extension catalogue feed, and the feed by item code.
    typedef ExtCatalog::Item FeedItem;
    typedef ExtCatalog::Items Feed;
    // Loads the feed at a URL for a platform and a product version; by default
    // from the extension catalogue service (ExtCatalog::Feed). When it fails the
    // file is read without extension packages. An empty loader puts the default
    // back.
    typedef std::function<Feed(const std::string& url, const std::string& platform, const std::string& version)>
        FeedLoader;
    static void setFeedLoader(const FeedLoader& loader);

    // Reads `fileName` (the local copy); `config` is the path the catalogue
    // gives, used in messages and for the directory of examination scripts.
    BuildInfFile(const std::string& fileName, const std::string& config);
    BuildInfFile(const BuildInfFile&) = delete;
    BuildInfFile& operator=(const BuildInfFile&) = delete;

    std::vector<group_t> groups;
    std::vector<insttype_t> inst_types;
    std::string config;
    std::string product_id;
    std::vector<std::vector<std::string>> keypackage_sets;
    std::vector<std::string> upgrade_codes;
    std::vector<std::string> product_codes;
    std::string release_id;
    std::string release_name;
    std::string release_codename;
    std::string release_version;
    std::string upgrade_allowed_from;
    std::string parameters_file;
    std::string os_name;
    std::string os_vendor;
    std::string os_version;
    std::string os_release_name;
    std::string os_arch;
    std::string environment;
    std::string ez_template_prefix;
    std::string ez_template_suffix;
    std::string apt_source;
    std::string persistent_apt_source;
    std::string deprecated;
    bool send_feedback = false;
    bool uninstall_support = false;
    std::vector<examine_t> examines;
    std::vector<Package*> bootstrapper_packages;
    ElementCopy bootstrapper;
    bool gpgcheck = false;
    std::string gpg_public_key;
    repo_t build_repo;
    repo_t thirdparty_repo;
    repo_t extras_repo;
    std::vector<Package*> thirdparty_packages;
    std::vector<Package*> ext_catalog_packages;
    std::vector<component_ptr> components;
    std::vector<std::string> preferred_packages;
    std::vector<std::string> force_remove_packages;
    std::vector<std::string> removable_packages;

private:
    void read(const TiXmlElement& root);
    void readProduct(const TiXmlElement& root);
    void readComponents(const TiXmlElement& root);
    component_ptr readComponent(const TiXmlElement& element);
    void readInstallationTypes(const TiXmlElement& root);
    group_t readGroup(const TiXmlElement& element);
    void readRepository(const TiXmlElement& element, const char* dirAttribute, repo_t& repo);
    void readExtCatalog(const TiXmlElement& root);
    std::vector<std::string> readNameList(const TiXmlElement& root, const char* listName, bool nameRequired,
                                          const char* missingLog);
    ElementCopy readBootstrapper(const TiXmlElement& element, std::vector<Package*>& packages);
    Package* makePackage(const TiXmlElement& element, char kind);
    examine_t readExamine(const TiXmlElement& element);
    // A package name of this build's family (of the system it is for).
    void checkPackageName(const std::string& name, const TiXmlElement& element) const;
    std::string text(const TiXmlElement& element, bool multiline = false);
    bool readGpgCheck(const TiXmlElement& root);

    // The local file name, for messages about its content.
    std::string fileName_;
    // Set from os_vendor before any package name is read.
    PackageFamily family_ = PackageFamily::either;
};

typedef boost::shared_ptr<BuildInfFile> BuildInfFilePtr;
