#include "installer/reporters/OSListReporter.h"

#include "installer/catalogue/BuildManager.h"
#include "installer/options/OutputSettings.h"

#include "common/Messages.h"
#include "common/error.h"

#include <iomanip>
#include <sstream>

OSListReporter::OSListReporter(std::int32_t status, BuildManager* builds) : Reporter(status), builds_(builds) {}

std::ostream& OSListReporter::put(std::ostream& out) const
{
    if (xmlOutput) throw error(2, 1, 1, 2) << Messages::get("err_src_xmlblist");

    for (const ReleasePtr& release : builds_->getReleases(0)) {
        if (!release->isSelected()) continue;
        for (const BuildPtr& build : release->builds()) {
            const std::string& config = build->config();
            std::ostringstream line;
            line << std::setw(15) << std::right << (build->osVendor() + build->osVersion() + ": ")
                 << config.substr(config.rfind('/') + 1) << "\n";
            out << line.str();
        }
    }
    out.flush();
    return out;
}
