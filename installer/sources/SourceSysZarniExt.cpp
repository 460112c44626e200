#include "installer/sources/SourceSysZarniExt.h"

#include "installer/sources/ExtensionCommand.h"

#include "common/Log.h"
#include "common/Messages.h"
#include "common/Regexp.h"
#include "common/StringUtils.h"
#include "common/SystemCmd.h"
#include "common/error.h"
#include "common/fileops.h"
#include "common/packages/ExtCatalogPackage.h"
#include "common/xmlbind.h"

#include <tinyxml.h>

#include <cstdio>

namespace {

// Lines of the listing are read up to this many characters; the rest of a
// longer line is dropped, never taken for a line of its own.
constexpr std::size_t maxLineLength = 4095;

bool readLine(std::FILE* stream, std::string& line)
{
    line.clear();
    int c = 0;
    bool any = false;
    while ((c = std::fgetc(stream)) != EOF) {
        any = true;
        if (c == '\n') break;
        if (line.size() < maxLineLength) line += static_cast<char>(c);
    }
    return any;
}

std::unique_ptr<ExtCatalogPackage> makeExtension(const std::string& id, const std::string& displayName)
{
    TiXmlElement element("package");
    element.SetAttribute("name", "ext-" + id);
    element.SetAttribute("file", "");
    element.SetAttribute("arch", "noarch");
    std::unique_ptr<Package> made = Package::createFromXml(xmlbind::Element(&element), Package::typeExtension);
    auto* extension = dynamic_cast<ExtCatalogPackage*>(made.get());
    if (!extension) throw KW_INTERNAL_ERROR() << " (no extension record for " << id << ")";
    made.release();
    std::unique_ptr<ExtCatalogPackage> result(extension);
    result->setCode(id);
    result->setDisplayName(displayName);
    return result;
}

}  // namespace

SourceSysZarniExt::SourceSysZarniExt(Repository* repository, ComponentManager* components)
    : Source(repository), components_(components)
{
}

void SourceSysZarniExt::loadBrief()
{
    Log(2, true) << "Checking for installed in extension catalog packages";
    if (!components_) throw error(3, 1, 1, 3) << Messages::get("err_no_cm");
    for (std::unique_ptr<ExtCatalogPackage>& extension : listInstalledExtensions()) {
        extension->setType(static_cast<char>(Package::typeSystem));
        addPackage(std::unique_ptr<Package>(std::move(extension)));
    }
}

void SourceSysZarniExt::loadFull() {}

std::vector<std::unique_ptr<ExtCatalogPackage>> SourceSysZarniExt::listInstalledExtensions()
{
    std::vector<std::unique_ptr<ExtCatalogPackage>> extensions;
    if (!fileops::exists(ExtensionCommand::path)) {
        Log(3, true) << "DEBUG skip detecting installed extensions: " << ExtensionCommand::path << " does not exist";
        return extensions;
    }
    Log(3, true) << "DEBUG: detecting installed extensions";
    static const Regexp listed("^([a-zA-Z0-9-]+)[[:space:]]+-[[:space:]]+(.*)$", true);
    Regexp matcher = listed;
    std::string ids;
    SystemCmd command(ExtensionCommand::commandLine({"--list"}), SystemCmd::readMode);
    for (std::string line; readLine(command.stream, line);) {
        line = trim(line);
        const std::string shown = "DEBUG: output: " + line;
        Log(3, true) << shown;
        if (!matcher.matchSub(line)) continue;
        const std::string id = matcher.getMatch(1);
        extensions.push_back(makeExtension(id, matcher.getMatch(2)));
        ids += " '" + id + "'";
    }
    command.check();
    const std::string detected = "Detected installed extensions: " + ids;
    Log(2, true) << detected;
    return extensions;
}
