#include "web_ui/ProductIcons.h"

#include "web_ui/BackendRequest.h"
#include "web_ui/ResponseWriters.h"
#include "web_ui/WebPage.h"
#include "web_ui/WebResources.h"
#include "webserver/kwhttpd.h"

#include <cstring>

namespace {

constexpr std::size_t kMaxProductId = 1023;

void sendDefaultIcon(kwhttpd_arg* arg, bool enabled)
{
    const char* uri = enabled ? "/images/icon_default_product.png" : "/images/icon_default_product_disabled.png";
    for (std::size_t i = 0; i < kStaticFileCount; ++i) {
        if (std::strcmp(kStaticFiles[i].uri, uri) != 0) continue;
        sendPng(arg, kStaticFiles[i].bytes.data(), kStaticFiles[i].bytes.size());
        return;
    }
}

int base64Value(char c)
{
    if (c >= 'A' && c <= 'Z') return c - 'A';
    if (c >= 'a' && c <= 'z') return c - 'a' + 26;
    if (c >= '0' && c <= '9') return c - '0' + 52;
    if (c == '+') return 62;
    if (c == '/') return 63;
    return -1;
}

}  // namespace

std::string decodeBase64(const std::string& text)
{
    std::string bytes;
    unsigned group = 0;
    int count = 0;
    for (const char c : text) {
        if (c == '=') break;
        const int value = base64Value(c);
        if (value < 0) continue;
        group = (group << 6) | static_cast<unsigned>(value);
        if (++count == 4) {
            bytes += static_cast<char>((group >> 16) & 0xff);
            bytes += static_cast<char>((group >> 8) & 0xff);
            bytes += static_cast<char>(group & 0xff);
            group = 0;
            count = 0;
        }
    }
    if (count == 2) bytes += static_cast<char>((group >> 4) & 0xff);
    if (count == 3) {
        bytes += static_cast<char>((group >> 10) & 0xff);
        bytes += static_cast<char>((group >> 2) & 0xff);
    }
    return bytes;
}

void handleProductIcon(WebPage& page, bool enabled)
{
    // Icons show in pages of an admitted browser only: anyone else gets the
    // default icon and the back end is not asked.
    if (!page.sessions().admittedSession(kwhttpd_get_header(page.arg(), "Cookie"))) {
        sendDefaultIcon(page.arg(), enabled);
        return;
    }
    const std::optional<std::string> productId = page.queryVariable("prod_id", kMaxProductId);
    if (!productId || productId->empty()) {
        sendDefaultIcon(page.arg(), enabled);
        return;
    }
    BackendRequest request("get_product_icon");
    request.set("prod_id", *productId).set("enabled", enabled ? "true" : "false");
    const xmlbind::Element data = page.query(request.text());
    if (page.answered()) return;
    if (!data || page.status() != "ok") {
        sendDefaultIcon(page.arg(), enabled);
        return;
    }
    const std::string png = decodeBase64(xmlbind::getText(data, false));
    sendPng(page.arg(), png.data(), png.size());
}
