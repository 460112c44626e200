#include "common/packages/SourceSysDeb.h"

#include "common/Log.h"
#include "common/Messages.h"
#include "common/Progress.h"
#include "common/SystemCmd.h"
#include "common/error.h"
#include "common/packages/Repository.h"

SourceSysDeb::SourceSysDeb(Repository* repository) : Source(repository) {}

SourceSysDeb::~SourceSysDeb() = default;

const std::string& SourceSysDeb::queryCommand()
{
    // dpkg-query prints one record per package it knows, with its status first
    // and every package's own name at its version among the provides, as rpm
    // does, so that requirements, conflicts and obsoletes naming an installed
    // package find it. awk then keeps the records of the packages whose files
    // are on the disk: the state word (the third of the status) counts, not the
    // selection word, so "deinstall ok installed" is installed and
    // "install ok config-files" is not. It splits the comma-separated Provides
    // into one "P:" line each, dropping the empty one of a package without any.
    // A pipeline's status is its last command's: dpkg-query's exit code travels
    // to awk on a line of its own and becomes awk's, so that a failed query is
    // never taken for a system without packages.
    static const std::string command =
        "{ dpkg-query --show "
        R"('--showformat=s:${Status}\nF:${Package}_installed.deb\nN:${Package}\nV:${Version}\nA:${Architecture}\n)"
        R"(P:${Package} (= ${Version})\nP:, ${Provides}\nX:\n'; echo "kitwright-query-exit:$?"; })"
        " | awk '"
        R"(/^kitwright-query-exit:/ { status = substr($0, 22) + 0; next } )"
        R"(/^s:/ { keep = ($3 != "" && $3 != "not-installed" && $3 != "config-files"); next } )"
        R"(!keep { next } )"
        R"(/^P:, / { n = split(substr($0, 5), entries, ", "); )"
        R"(for (i = 1; i <= n; i++) if (entries[i] != "") print "P:" entries[i]; next } )"
        R"({ print } )"
        R"(END { exit status }')";
    return command;
}

void SourceSysDeb::loadBrief()
{
    const std::string& title = Messages::get("check_system_packages");
    Progress::step("check_system_packages", title);
    Log(0, true) << title;
    const std::string& command = queryCommand();
    Log(1, true) << "DebRepository: readSystemPackagesBrief: execute " << command;

    SystemCmd query(command, SystemCmd::readMode);
    // The whole output is read before the status counts: records read before a
    // failure stay listed.
    repository().addFromCache(query.stream, Package::typeSystem, Repository::dups_append, this);
    if (query.close() != 0) throw error(4, 2, 2, 2) << "dpkg-query command failed";
}

void SourceSysDeb::loadFull()
{
    // The brief read holds everything dpkg-query supplies.
}
