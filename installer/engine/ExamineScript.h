#pragma once

#include "installer/catalogue/ExamineStep.h"

#include <ostream>
#include <string>

// An examination step of the catalogue as the runner sees it: the step with its
// script and launcher paths resolved against the installation source. A path that
// does not begin with "/" is taken below the directory of the build information
// file that named it; one that does is taken from the root of the source. Either
// way the result is relative to the source root (leading "/" removed), the form
// the file fetcher takes and confines.
class ExamineScript {
public:
    explicit ExamineScript(const ExamineStep& step);

    const std::string& scope() const { return step_.scope; }
    const std::string& name() const { return step_.name; }
    const std::string& options() const { return step_.options; }
    bool always() const { return step_.always; }
    // Relative to the source root; the launcher's is empty when there is none.
    const std::string& scriptPath() const { return scriptPath_; }
    const std::string& launcherPath() const { return launcherPath_; }

    // The same examination: scope, name, resolved paths, options and always
    // agree, whichever file named it.
    bool operator==(const ExamineScript& other) const;
    bool operator!=(const ExamineScript& other) const { return !(*this == other); }

    // `path` as named in a file whose directory is `directory` (with its trailing
    // "/"), relative to the source root; empty stays empty.
    static std::string resolve(const std::string& directory, const std::string& path);

private:
    ExamineStep step_;
    std::string scriptPath_;
    std::string launcherPath_;
};

// The name and the resolved script.
std::ostream& operator<<(std::ostream& out, const ExamineScript& script);
