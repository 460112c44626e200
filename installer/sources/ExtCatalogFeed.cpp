#include "installer/sources/ExtCatalogFeed.h"

#include "installer/sources/ExtCatalogCurlFeedDownloader.h"
#include "installer/sources/ExtensionCommand.h"

#include "common/Log.h"
#include "common/Messages.h"
#include "common/StringUtils.h"
#include "common/error.h"

#include <boost/property_tree/json_parser.hpp>
#include <boost/property_tree/ptree.hpp>

#include <algorithm>
#include <sstream>

namespace ExtCatalog {

namespace {

namespace pt = boost::property_tree;

// Nesting depth of the JSON text outside strings; stops counting past `limit`.
int nestingDepth(const std::string& text, int limit)
{
    int depth = 0;
    int deepest = 0;
    bool inString = false;
    for (std::size_t i = 0; i < text.size() && deepest <= limit; ++i) {
        const char c = text[i];
        if (inString) {
            if (c == '\\')
                ++i;
            else if (c == '"')
                inString = false;
        } else if (c == '"') {
            inString = true;
        } else if (c == '[' || c == '{') {
            deepest = std::max(deepest, ++depth);
        } else if (c == ']' || c == '}') {
            --depth;
        }
    }
    return deepest;
}

error parseFailure(const std::string& why)
{
    return error(4, 1, 1, 2) << (Messages::format("err_ext_catalog_feed_parse") % why).str();
}

void skipItem(const std::string& why)
{
    const std::string line = (Messages::format("err_ext_catalog_feed_parse_item") % why).str();
    Log(2, true) << line;
}

}  // namespace

std::ostream& operator<<(std::ostream& out, const Item& item)
{
    return out << item.displayName << " <" << item.downloadUrl << ">";
}

Feed::Feed(const std::string& baseUrl) : downloader_(std::make_shared<CurlFeedDownloader>(baseUrl)) {}

Feed::Feed(std::shared_ptr<IFeedDownloader> downloader) : downloader_(std::move(downloader))
{
    if (!downloader_) throw KW_INTERNAL_ERROR() << " (the extension catalogue feed has no downloader)";
}

Items Feed::load(const std::string& platform, const std::string& productVersion)
{
    Log(0, true) << Messages::get("download_ext_catalog_feed");
    const std::string text = downloader_->download(platform, productVersion, apiVersion);

    if (nestingDepth(text, maxDepth) > maxDepth)
        throw parseFailure("the feed is nested deeper than " + std::to_string(maxDepth) + " levels");
    pt::ptree root;
    try {
        std::istringstream in(text);
        pt::read_json(in, root);
    } catch (const pt::json_parser_error& failure) {
        throw parseFailure(failure.what());
    }
    // A list has children without keys; anything else is no list of items.
    const bool list = root.data().empty() && (root.empty() || root.front().first.empty());
    if (!list) throw parseFailure("the feed is not a list of items");

    Items items;
    for (const pt::ptree::value_type& child : root) {
        std::string downloadUrl;
        std::string name;
        std::string code;
        try {
            downloadUrl = child.second.get<std::string>("download_url");
            name = child.second.get<std::string>("name");
            code = child.second.get<std::string>("code");
        } catch (const pt::ptree_error& failure) {
            skipItem(failure.what());
            continue;
        }
        if (!ExtensionCommand::isValidCode(code)) {
            skipItem("the 'code' attribute is not a plain name: " + quoteString(code));
            continue;
        }
        if (!ExtensionCommand::isValidDownloadUrl(downloadUrl)) {
            skipItem("the 'download_url' attribute of '" + code + "' is not an http(s) URL");
            continue;
        }
        if (!items.emplace(code, Item{name, downloadUrl}).second)
            skipItem("duplicate of 'code' attribute has been detected");
    }
    return items;
}

}  // namespace ExtCatalog
