#pragma once

#include "installer/reporters/Reporter.h"

#include "common/checked_pointer.h"

#include <ostream>

class SourceManager;

// The answer to the sources query: for each product repository source of the
// loaded builds, the configuration the installer writes for the system's
// package manager (the yum stanza or the APT source line). Other sources are
// passed over.
class SourcesReporter : public Reporter {
public:
    // The source manager is borrowed and outlives the reporter.
    SourcesReporter(std::int32_t status, SourceManager* sources);

    // Text: each configuration and a line end. XML: "sources" with one
    // "source" per product repository ("persistent" 0 or 1, "configuration").
    std::ostream& put(std::ostream& out) const override;

private:
    checked_pointer<SourceManager> sources_;
};
