#pragma once

#include "installer/sources/SourceZarni.h"

// A product repository in yum's form: a ".repo" stanza with the repository id
// and name of the build information, or ids made from the release id and the
// kind when the file gives none.
class SourceZarniYum : public SourceZarni {
public:
    SourceZarniYum(Repository* repository, const FileFetcher& fetcher, const BuildPtr& build, char kind);

    // "[id]", "name=", "baseurl=", "enabled=" and "gpgcheck=" lines, joined by
    // line feeds, without one after the last.
    std::string getSourceLine() const override;
    const std::string& getRepoId() const { return repoId_; }
    const std::string& getRepoName() const { return repoName_; }

    // Whether a repository id is only of "A-Za-z0-9._:-" (and not empty).
    static bool isRepoId(const std::string& id);

private:
    std::string repoId_;
    std::string repoName_;
};
