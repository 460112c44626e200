#include "installer/sources/SourceZarni.h"

#include "installer/catalogue/BuildInfFile.h"

#include "common/Log.h"
#include "common/error.h"
#include "common/fileops.h"
#include "common/packages/RPMPackage.h"

#include <ostream>

namespace {

// The entry of the build information that describes the repository of a kind.
const BuildInfFile::repo_t& repositoryOfKind(const BuildInfFile& info, char kind)
{
    switch (kind) {
    case 'b': return info.build_repo;
    case 't': return info.thirdparty_repo;
    case 'x': return info.extras_repo;
    }
    throw KW_INTERNAL_ERROR() << "unknown product repository kind '" << kind << "'";
}

}  // namespace

SourceZarni::SourceZarni(Repository* repository, const FileFetcher& fetcher, const BuildPtr& build, char kind)
    : Source(repository), kind_(kind), fetcher_(fetcher), build_(build)
{
    const BuildInfFile& info = buildInfo();
    const BuildInfFile::repo_t& entry = repositoryOfKind(info, kind);
    persistent_ = entry.persistent_repo;
    if (entry.dir.empty())
        throw KW_INTERNAL_ERROR() << "the repository of kind '" << kind << "' of " << build->config()
                                  << " has no directory";
    checkLineText(entry.dir, "the repository directory", build->config());

    // The repository's files lie below its directory, which the build
    // information gives relative to its own place in the catalogue.
    const std::string catalogueDirectory = fileops::parent_path(build->config());
    fetcher_.setSubdirsOffset(catalogueDirectory.empty() ? entry.dir : catalogueDirectory + "/" + entry.dir);

    const std::string base = fetcher_.getBaseUrls().empty() ? std::string() : fetcher_.getBaseUrls().front();
    const std::string shown = SourceUrl::forDisplay(base);
    Log(2, true) << "Use package source " << shown << fetcher_.getSubdirsOffset();
}

BuildPtr SourceZarni::getBuild() const
{
    BuildPtr build = build_.lock();
    if (!build) throw KW_INTERNAL_ERROR() << "a product repository source outlived its build";
    return build;
}

const BuildInfFile& SourceZarni::buildInfo() const
{
    const BuildPtr build = getBuild();
    if (!build->buildInfFile())
        throw KW_INTERNAL_ERROR() << "the build information of " << build->config() << " is not loaded";
    return *build->buildInfFile();
}

std::ostream& SourceZarni::printName(std::ostream& out) const
{
    return out << "ZarniSource_" << kind_ << "_" << buildInfo().release_id;
}

void SourceZarni::downloadPackage(const Package* package)
{
    const RPMPackage* rpmPackage = dynamic_cast<const RPMPackage*>(package);
    if (!rpmPackage) return;
    if (rpmPackage->getSize() == 0) {
        Log(3, true) << "Warning: SourceZarni::downloadPackage: getFileSize is 0 for " << rpmPackage->getName()
                     << ", skip from downloading!";
        return;
    }
    Log(3, true) << "Download";
    const std::string local = fetcher_.getFile(rpmPackage->getFileName(), rpmPackage->getMD5String(), std::string());
    // The repository owns its records and lets their sources complete them; the
    // source interface hands them out read-only to everyone else.
    const_cast<RPMPackage*>(rpmPackage)->setFileName(local);
}

void SourceZarni::checkLineText(const std::string& text, const std::string& what, const std::string& config)
{
    if (text.find_first_of(std::string("\r\n\0", 3)) == std::string::npos) return;
    std::string shown;
    for (const char c : text) {
        if (c == '\r') shown += "\\r";
        else if (c == '\n') shown += "\\n";
        else if (c == '\0') shown += "\\0";
        else shown += c;
    }
    throw error(1, 1, 1, 3) << "Invalid catalogue data in the build information file " << config << ": " << what
                            << " '" << shown << "' holds a line break or a NUL character";
}
