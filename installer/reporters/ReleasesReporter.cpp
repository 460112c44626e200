#include "installer/reporters/ReleasesReporter.h"

#include "installer/catalogue/BuildManager.h"
#include "installer/options/Options.h"
#include "installer/options/OutputSettings.h"
#include "installer/reporters/CatalogueTable.h"

#include "common/Messages.h"
#include "common/xmlbind.h"

#include <tinyxml.h>

#include <string>
#include <vector>

namespace {

void addTextChild(TiXmlElement& parent, const char* name, const std::string& text)
{
    TiXmlElement child(name);
    xmlbind::addText(&child, text);
    parent.InsertEndChild(child);
}

}  // namespace

ReleasesReporter::ReleasesReporter(std::int32_t status, BuildManager* builds, std::int32_t mode)
    : Reporter(status), builds_(builds), mode_(mode)
{
}

std::ostream& ReleasesReporter::put(std::ostream& out) const
{
    const std::vector<ReleasePtr> kept = builds_->getReleases(0);
    if (kept.empty()) {
        if (mode_ == modeUpdates) return Reporter(statusOk, Messages::get("releases_reporter_no_updates")).put(out);
        return Reporter(statusError, Messages::get("releases_reporter_list_empty")).put(out);
    }

    const Options& options = Options::getInstance();
    std::vector<ReleasePtr> releases;
    for (const ReleasePtr& release : kept)
        if (options.productSelections.empty() || options.isProdIDSelected(release->product()->id))
            releases.push_back(release);

    if (xmlOutput) {
        CatalogueTable::requireUpgradeTarget("err_cmd_upgrade_no_release");
        TiXmlElement list("releases");
        for (const ReleasePtr& release : releases) {
            const std::string action = release->isActual() ? release->getUpdateModeName() : "none";
            if (mode_ == modeUpdates && action == "up2date") continue;
            TiXmlElement element("release");
            xmlbind::setAttribute(&element, "id", release->id());
            xmlbind::setAttribute(&element, "codename", release->codename());
            xmlbind::setAttribute(&element, "action", action);
            if (mode_ == modeUpdates && release->hasUpdates()) xmlbind::setAttribute(&element, "update_grade", "major");
            addTextChild(element, "description", release->name());
            addTextChild(element, "version", release->getVersion().getEpochVersion());
            if (!release->whpApiVersion().empty()) addTextChild(element, "whp_api_version", release->whpApiVersion());
            if (!release->dispatcherApiVersion().empty())
                addTextChild(element, "dispatcher_api_version", release->dispatcherApiVersion());
            list.InsertEndChild(element);
        }
        return printXml(out, &list);
    }

    out << CatalogueTable::field("--- prod_id", 12) << " " << CatalogueTable::field("release_id", 20) << " "
        << CatalogueTable::field("(description)", 40) << " (tiers) ---\n";
    for (const ReleasePtr& release : releases) {
        out << CatalogueTable::field(release->product()->id, 12) << " " << CatalogueTable::field(release->id(), 20)
            << " " << CatalogueTable::field("(" + release->name() + ")", 40);
        if (release->isVisible(Release::hideQuery)) out << " (" << release->getTiersText() << ")";
        out << "\n";
    }
    out.flush();
    CatalogueTable::requireUpgradeTarget("err_cmd_upgrade_no_release");
    return out;
}
