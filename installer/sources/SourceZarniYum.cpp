#include "installer/sources/SourceZarniYum.h"

#include "installer/catalogue/BuildInfFile.h"
#include "installer/options/Options.h"

#include "common/error.h"

#include <sstream>

namespace {

// The word a generated repository id and name end with.
const char* kindWord(char kind)
{
    switch (kind) {
    case 'b': return "dist";
    case 't': return "thirdparty";
    case 'x': return "extras";
    }
    throw KW_INTERNAL_ERROR() << "unknown yum repository kind '" << kind << "'";
}

}  // namespace

SourceZarniYum::SourceZarniYum(Repository* repository, const FileFetcher& fetcher, const BuildPtr& build, char kind)
    : SourceZarni(repository, fetcher, build, kind)
{
    const BuildInfFile& info = buildInfo();
    const BuildInfFile::repo_t& entry =
        kind == 'b' ? info.build_repo : kind == 't' ? info.thirdparty_repo : info.extras_repo;
    const char* word = kindWord(kind);

    repoId_ = entry.yum_repo_id;
    if (repoId_.empty())
        repoId_ = (info.build_repo.yum_repo_id.empty() ? info.release_id : info.build_repo.yum_repo_id) + "-" + word;
    repoName_ = entry.yum_repo_name;
    if (repoName_.empty())
        repoName_ =
            (info.build_repo.yum_repo_name.empty() ? info.release_id : info.build_repo.yum_repo_name) + " " + word;

    checkLineText(repoName_, "the yum repository name", build->config());
    if (!isRepoId(repoId_)) {
        checkLineText(repoId_, "the yum repository id", build->config());
        throw error(1, 1, 1, 3) << "Invalid catalogue data in the build information file " << build->config()
                                << ": the yum repository id '" << repoId_
                                << "' may hold only letters, digits and \"._:-\"";
    }
}

bool SourceZarniYum::isRepoId(const std::string& id)
{
    if (id.empty()) return false;
    for (const char c : id) {
        const bool allowed = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '.' ||
                             c == '_' || c == ':' || c == '-';
        if (!allowed) return false;
    }
    return true;
}

std::string SourceZarniYum::getSourceLine() const
{
    const FileFetcher& fetcher = getFetcher();
    std::string url = (fetcher.getBaseUrls().empty() ? std::string() : fetcher.getBaseUrls().front()) +
                      fetcher.getSubdirsOffset();
    if (!url.empty() && url[0] == '/') url = "file://" + url;
    const bool gpgCheck = !Options::getInstance().skipGpgCheck && getBuild()->gpgCheck();

    std::ostringstream stanza;
    stanza << "[" << repoId_ << "]\n"
           << "name=" << repoName_ << "\n"
           << "baseurl=" << url << "\n"
           // A temporary repository is enabled by name in the installer's own
           // commands only, so the operator's yum never sees it.
           << "enabled=" << (isPersistent() ? "1" : "0") << "\n"
           << "gpgcheck=" << (gpgCheck ? "1" : "0");
    return stanza.str();
}
