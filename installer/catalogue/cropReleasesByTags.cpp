#include "installer/catalogue/cropReleasesByTags.h"

#include "common/Log.h"

#include <algorithm>
#include <map>
#include <sstream>

namespace {

// "<title> ( 'a' 'b')" as one text: the log would write an empty piece as "~empty".
std::string quotedList(const char* title, const std::vector<std::string>& items)
{
    std::ostringstream text;
    text << title << " (";
    for (const std::string& item : items) text << " '" << item << "'";
    text << ")";
    return text.str();
}

// What is still open to the releases of one product.
struct ProductTiers {
    // Tier tags no release of the product has been kept for yet.
    std::vector<std::string> remaining;
    // Tier tags no release has taken, by tag or by promotion.
    std::vector<std::string> promotable;
};

}  // namespace

void cropReleasesByTags(std::vector<ReleasePtr>& releases, std::vector<ReleasePtr>& cropped,
                        const std::vector<std::string>& tiers, const std::vector<std::string>& keep)
{
    Log(3, true) << quotedList("DEBUG: Cropping releases by tags", tiers);
    if (!keep.empty()) Log(3, true) << quotedList("DEBUG: Keep releases", keep);
    if (tiers.empty()) return;

    cropped.clear();
    std::vector<ReleasePtr> kept;
    std::map<std::string, ProductTiers> products;

    for (const ReleasePtr& release : releases) {
        const std::string& productId = release->product()->id;
        auto found = products.find(productId);
        if (found == products.end()) found = products.emplace(productId, ProductTiers{tiers, tiers}).first;
        ProductTiers& open = found->second;

        bool matched = false;
        bool labelled = false;
        for (auto tag = open.remaining.begin(); tag != open.remaining.end();) {
            if (!release->tags().contains(*tag)) {
                ++tag;
                continue;
            }
            matched = true;
            if (!labelled) {
                release->setTierText(*tag);
                labelled = true;
            }
            open.promotable.erase(std::remove(open.promotable.begin(), open.promotable.end(), *tag),
                                  open.promotable.end());
            tag = open.remaining.erase(tag);
        }

        bool promoted = false;
        if (!matched) {
            for (auto tag = open.promotable.begin(); tag != open.promotable.end();) {
                if (release->promotedTags().contains(*tag)) {
                    promoted = true;
                    tag = open.promotable.erase(tag);
                } else {
                    ++tag;
                }
            }
        }

        const bool named = std::find(keep.begin(), keep.end(), release->id()) != keep.end();
        if (named || release->isInstalled() || matched)
            kept.push_back(release);
        else if (promoted)
            cropped.push_back(release);
    }

    releases.swap(kept);
}
