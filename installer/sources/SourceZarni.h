#pragma once

#include "installer/catalogue/Build.h"
#include "installer/sources/FileFetcher.h"

#include "common/packages/Source.h"

#include <boost/weak_ptr.hpp>

#include <iosfwd>
#include <string>

class BuildInfFile;
class Repository;

// One package repository of a loaded product build on the installation source:
// the build's own packages (kind 'b'), its "thirdparty" packages ('t') or its
// extras ('x'). It carries what the configurators write into the package
// manager's configuration (getSourceLine) and fetches the files of RPM packages
// through its own copy of the run's fetcher, below the repository's directory.
//
// The source only points at its build (weakly): the catalogue keeps the build
// loaded for as long as its sources exist, and a source whose build has gone
// raises an internal error instead of writing a configuration from nothing.
//
// Texts of the build information that reach a configuration file are checked
// when the source is made: no CR, LF or NUL (each would start a new line or
// stanza of the operator's configuration), and a yum repository id only of
// "A-Za-z0-9._:-".
class SourceZarni : public Source {
public:
    SourceZarni(Repository* repository, const FileFetcher& fetcher, const BuildPtr& build, char kind);

    // Fetches the file of an RPM package of this repository and records its local
    // path as the package's file name; other records and empty packages stay.
    void downloadPackage(const Package* package) override;
    bool needsDownload() const override { return true; }
    // "ZarniSource_", the kind letter, "_" and the release id.
    std::ostream& printName(std::ostream& out) const override;
    // The APT source line or the yum repository stanza, without a final line end.
    virtual std::string getSourceLine() const = 0;

    char getKind() const { return kind_; }
    bool isPersistent() const { return persistent_; }
    // The build, or an internal error when it has gone.
    BuildPtr getBuild() const;
    // Whether the source belongs to exactly this build object.
    bool belongsTo(const BuildPtr& build) const { return !build_.owner_before(build) && !build.owner_before(build_); }
    const FileFetcher& getFetcher() const { return fetcher_; }

    // Refuses a text that would break out of its line: CR, LF or NUL.
    static void checkLineText(const std::string& text, const std::string& what, const std::string& config);

protected:
    // The build information record of the build.
    const BuildInfFile& buildInfo() const;
    void setPersistent(bool persistent) { persistent_ = persistent; }
    void loadBrief() override {}
    void loadFull() override {}

private:
    char kind_;
    bool persistent_ = false;
    FileFetcher fetcher_;
    boost::weak_ptr<Build> build_;
};
