#pragma once

#include "installer/catalogue/BuildManager.h"
#include "installer/sources/FileFetcher.h"
#include "installer/sources/SourceUrl.h"

#include "tests/common/TempDir.h"

#include <memory>
#include <string>

// The catalogue files the tests read: the demo catalogue the program carries and
// the small broken catalogues of tests/data/catalogue.

inline std::string demoCatalogueDirectory() { return std::string(KW_SOURCE_DIR) + "/resources/demo-catalogue"; }

inline std::string catalogueFixture(const std::string& name)
{
    return std::string(KW_TEST_DATA_DIR) + "/catalogue/" + name;
}

// A fetcher of a local source directory, downloading (were it remote) into a
// private target directory.
class LocalCatalogue {
public:
    explicit LocalCatalogue(const std::string& directory) : fetcher_(SourceUrl(directory), target_.path()) {}

    FileFetcher& fetcher() { return fetcher_; }
    // The catalogue read through the fetcher.
    std::unique_ptr<BuildManager> read(const std::string& fileName = std::string())
    {
        return std::make_unique<BuildManager>(fetcher_, fileName);
    }

private:
    TempDir target_;
    FileFetcher fetcher_;
};
