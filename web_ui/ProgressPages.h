#pragma once

#include "web_ui/TemplateRenderer.h"

class TiXmlElement;
class WebPage;

// "/install_progress.html": a row per product with its state and gauge, and
// the installation's console output so far; its script polls
// "/percentage.html" for what changed. "/log.html" downloads the log.
void handleInstallProgress(WebPage& page);
// The progress update: a JSON array, the product entries first and the new
// console text second ("[]" when the back end has no progress to tell, which
// ends the page's polling).
void handlePercentage(WebPage& page);
void handleLog(WebPage& page);

// One row per "product" child of `products` with a state, appended to
// "products_status"; a product that is waiting or being installed hides the
// page's closing button ("successor_visibility").
void appendProgressRows(TiXmlElement* products, TemplateVariables& variables);
void appendProgressRow(TiXmlElement* product, TemplateVariables& variables);
// The console element's text, escaped with its line breaks, appended to
// "console_content".
void setConsoleContent(TiXmlElement* console, TemplateVariables& variables);
