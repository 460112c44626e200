#pragma once

#include "installer/sources/SourceZarni.h"

// A product repository in APT's form: the build information gives the text that
// follows the URL in an APT source line ("dir suite component..."), and whether
// the line stays configured after the run ("persistent_apt_source") or only
// while the installer runs ("apt_source").
class SourceZarniApt : public SourceZarni {
public:
    SourceZarniApt(Repository* repository, const FileFetcher& fetcher, const BuildPtr& build, char kind,
                   const std::string& aptSource, bool persistent);

    // "deb [signed-by=<keyring>] <url> <text>", or "[trusted=yes]" when signature
    // checks are skipped: apt refuses an unsigned repository whatever else the
    // line says, and the keyring is then not written.
    std::string getSourceLine() const override;
    const std::string& getAptSource() const { return aptSource_; }

private:
    std::string aptSource_;
};
