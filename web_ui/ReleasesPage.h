#pragma once

#include "common/xmlbind.h"
#include "web_ui/FormReader.h"
#include "web_ui/MessageBoxes.h"
#include "web_ui/TemplateRenderer.h"

#include <optional>
#include <ostream>
#include <string>
#include <vector>

class WebPage;

// The releases pages: "/iup.html" (which products to install or upgrade, to
// which release) and "/installation_types.html" (the same page when
// installation types are to be chosen). One table row per product with its
// release choice and installation types, and the scripts of the releases
// template; the choice goes back as "product_selection" or
// "installation_type_selection".
//
// Every catalogue text is escaped for where it lands: HTML text and
// attributes, script strings (ids and installation-type names exact,
// descriptions in HTML form), ids in URLs percent-encoded. Details links are
// written only for http and https addresses.
enum class ReleasesMode {
    products = 0,           // "/iup.html": products and releases
    installationTypes = 1,  // "/installation_types.html"
};

std::ostream& operator<<(std::ostream& out, ReleasesMode mode);

// The page handler: the releases list, or the selection sent.
void handleReleases(WebPage& page, ReleasesMode mode);

// One release a product offers, as the page reads it.
struct ReleaseEntry {
    std::string id;
    std::string version;
    std::string name;
    std::string displayTag;
    std::string detailsUrl;
    bool selected = false;
    std::vector<std::string> typeNames;
    std::vector<std::string> typeDescriptions;
};

std::ostream& operator<<(std::ostream& out, const ReleaseEntry& entry);

// The releases of one "releases" element with "id", "version" and "codename".
// For an installed product (`current` given) only newer releases are listed,
// and the codename of the installed release is appended to `installedCodename`;
// installation types are read only for products that are not installed.
void readReleases(const xmlbind::Element& releases, const std::optional<std::string>& current,
                  std::vector<ReleaseEntry>& entries, std::string& installedCodename);

// The first entry marked selected, else the newest (the earliest of equal
// versions). `entries` must not be empty.
const ReleaseEntry& chooseRelease(const std::vector<ReleaseEntry>& entries);

// The entry's name (its version when it has none), then " (display tag)".
std::string formatReleaseLabel(const ReleaseEntry& entry);

// Appends one "option" per entry, the chosen one selected.
void appendReleaseOptions(const std::vector<ReleaseEntry>& entries, const ReleaseEntry& chosen, std::string& text);

// The "case" branches of the release's installation types and descriptions.
void appendInstallationTypeScripts(const std::vector<ReleaseEntry>& entries, TemplateVariables& variables);

// The row of one "product" element and its scripts; a product without "id" or
// "name", or without a release to offer, gets none.
void appendProductRow(const xmlbind::Element& product, TemplateVariables& variables);

// The recommendation box of a "bestwith_info" element.
void setBestWithNotice(const xmlbind::Element& info, TemplateVariables& variables);

// The page's variables from a reply (after the exchange, before the token and
// the message boxes): the recommendation with status "warning", the rows, the
// caption or the warning about an empty list, and the feedback block.
// `first` is the reply's first element (none after a failed exchange).
void setReleasesPageVariables(ReleasesMode mode, const std::string& status, const xmlbind::Element& first,
                              std::vector<PageWarning>& warnings, TemplateVariables& variables);

// The request of a submitted form: "selected_products" with each product's
// "rel_", "itypes_" and "preview_" choice, and the feedback consent when the
// form asked for it.
std::string productSelectionRequest(const FormReader& form);
