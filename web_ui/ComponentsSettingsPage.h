#pragma once

#include "web_ui/TemplateRenderer.h"

#include <string>

class TiXmlElement;
class WebPage;

// "/cp.html": the settings the chosen products and components need, one form
// field per setting by its type, posted back as "set_component_params".
//
// Field names are the product id, "_" and the setting id. A product's
// hidden input "<product>_parameters" lists the ids posted back (not static
// texts, not hidden settings); "<product>_passwords" lists its password
// settings. A boolean posts "true" or "false" (its check box and a hidden
// companion after it); a field the browser does not send, because it is
// disabled under a cleared boolean, is left out of the request, and so is an
// empty password: the back end keeps their values.
void handleComponentsSettings(WebPage& page);
std::string buildComponentParamsRequest(WebPage& page);

// The renderers, appending to the page's variables ("components_settings",
// "product_list", "parameter_lists", "checking_code", "initial_recheck_code").
void appendProductSettings(TiXmlElement* product, TemplateVariables& variables);
void appendComponentSettings(TiXmlElement* component, TemplateVariables& variables, const std::string& productId);
void appendSettings(TiXmlElement* settings, TemplateVariables& variables, const std::string& productId);
void appendSetting(TiXmlElement* setting, TemplateVariables& variables, const std::string& productId);
