#pragma once

#include <string>

class WebPage;

// "/get_enabled_product_icon" and "/get_disabled_product_icon": a product's
// icon from the back end, or the default icon.
void handleProductIcon(WebPage& page, bool enabled);

// Standard Base64 (RFC 4648): other characters are skipped, the text ends at
// the first "=", a single leftover character is dropped.
std::string decodeBase64(const std::string& text);
