#include "installer/reporters/SourcesReporter.h"

#include "installer/options/OutputSettings.h"
#include "installer/sources/SourceManager.h"
#include "installer/sources/SourceZarni.h"

#include "common/xmlbind.h"

#include <tinyxml.h>

#include <string>
#include <utility>
#include <vector>

SourcesReporter::SourcesReporter(std::int32_t status, SourceManager* sources) : Reporter(status), sources_(sources) {}

std::ostream& SourcesReporter::put(std::ostream& out) const
{
    // Every configuration is made before anything is written: one that fails
    // (its build has gone) leaves no half answer.
    std::vector<std::pair<bool, std::string>> configurations;  // persistent, configuration
    for (const SourceManager::SourcePtr& source : sources_->sources())
        if (const auto* product = dynamic_cast<const SourceZarni*>(source.get()))
            configurations.emplace_back(product->isPersistent(), product->getSourceLine());

    if (!xmlOutput) {
        for (const auto& configuration : configurations) out << configuration.second << std::endl;
        return out;
    }
    TiXmlElement list("sources");
    for (const auto& configuration : configurations) {
        TiXmlElement source("source");
        xmlbind::setAttribute(&source, "persistent", configuration.first ? "1" : "0");
        xmlbind::setAttribute(&source, "configuration", configuration.second);
        list.InsertEndChild(source);
    }
    return printXml(out, &list);
}
