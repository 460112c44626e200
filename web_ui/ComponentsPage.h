#pragma once

#include "common/xmlbind.h"
#include "web_ui/FormReader.h"
#include "web_ui/TemplateRenderer.h"

#include <ostream>
#include <string>

class WebPage;

// The three component pages: "/select_components.html" (a product being
// installed or upgraded), "/update_components.html" (updates of installed
// components) and "/add_components.html" (adding and removing components of
// installed products). They show the back end's component tree through the
// tree script (resources/web/js/components.js) and send the marks back as one
// "component_selection" request.
enum class ComponentsMode {
    select = 0,     // "/select_components.html"
    update = 1,     // "/update_components.html"
    addRemove = 2,  // "/add_components.html"
};

std::ostream& operator<<(std::ostream& out, ComponentsMode mode);

// The page handler: the component tree of the mode, or the selection sent.
void handleComponentsPage(WebPage& page, ComponentsMode mode);

// The back-end command of a plain request of the mode.
const char* componentsListCommand(ComponentsMode mode);

// The page's variables from a reply (steps after the exchange, before the
// token and the message boxes): the dependency lists with status "warning",
// the mode's variables and the products configuration. `first` is the
// reply's first element (none after a failed exchange, which also sets
// `failed`).
void setComponentsPageVariables(ComponentsMode mode, const std::string& status, const xmlbind::Element& first,
                                bool failed, TemplateVariables& variables);

// The variables that differ by mode: intro, back button, header class, cancel
// link and its confirmation, legends, the script's two mode flags and, unless
// the page failed, the caption. A failed page also gets "allow_submit"
// "disabled".
void setComponentsModeVariables(ComponentsMode mode, bool failed, TemplateVariables& variables);

// The products configuration of the tree script: a script object literal
// with one entry per "product" child of every "products" element among
// `first` and its following siblings ("{\n}" with none). Ids, actions and the
// radio groups' ids are exact script strings (they come back as form field
// names and values); names and descriptions are script strings in HTML form
// (jsQuote), which the script inserts as markup.
std::string productsConfigScript(const xmlbind::Element& first);

// The dependency warning of a "dependencies_info" element: the descriptions
// that the selection also installs, removes, cannot remove and conflicts
// with, each list escaped and joined by ", ", and "show_dependencies_warning"
// when any list is not empty.
void setDependencyLists(const xmlbind::Element& info, TemplateVariables& variables);

// The "component_selection" request of a submitted form: for every product of
// "product_list", its components from "<product>_components" with the
// non-empty marks "<product>_<component>". Raises the error of splitArgs for
// a malformed list and the form reader's error for an overlong value.
std::string componentSelectionRequest(const FormReader& form);
