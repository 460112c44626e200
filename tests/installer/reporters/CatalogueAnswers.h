#pragma once

#include "installer/catalogue/BuildManager.h"
#include "installer/options/Options.h"

#include "common/packages/Repository.h"
#include "tests/installer/catalogue/CatalogueFiles.h"
#include "tests/installer/catalogue/CatalogueModel.h"
#include "tests/installer/components/DemoSystem.h"
#include "tests/installer/options/ProcessOptions.h"
#include "tests/installer/reporters/ReporterTest.h"

#include <memory>
#include <string>
#include <vector>

// The request fields of the process-wide options that the catalogue answers
// read, put back when the object ends.
class SavedRequest {
public:
    SavedRequest()
        : options_(processOptions()), commandKind_(options_.commandKind), selections_(options_.productSelections)
    {
    }
    ~SavedRequest()
    {
        options_.commandKind = commandKind_;
        options_.productSelections = selections_;
    }
    SavedRequest(const SavedRequest&) = delete;
    SavedRequest& operator=(const SavedRequest&) = delete;

    Options& options() { return options_; }

private:
    Options& options_;
    int commandKind_;
    std::vector<Options::ProductSelection> selections_;
};

// The catalogue of tests/data/reporters/two-products ("zarni" with two
// releases, "tenebrin-extended" with one), on Debian 12 with nothing installed.
class TwoProducts : public ReporterTest {
protected:
    void SetUp() override
    {
        builds = catalogue_.read();
        builds->checkReleasesState(&repository_, debian12());
    }

    SavedRequest request;
    std::unique_ptr<BuildManager> builds;

private:
    LocalCatalogue catalogue_{std::string(KW_TEST_DATA_DIR) + "/reporters/two-products"};
    Repository repository_;
};

// The demo catalogue's release 1.1 loaded on a system that has it installed.
class InstalledDemo : public DemoSystem, protected ReporterOutput {
protected:
    SavedRequest request;
};

// The same on a system where nothing of it is installed.
class CleanDemo : public CleanDemoSystem, protected ReporterOutput {
protected:
    SavedRequest request;
};

// A line of blanks, for the padding of the fixed-width tables.
inline std::string blanks(std::size_t count) { return std::string(count, ' '); }
