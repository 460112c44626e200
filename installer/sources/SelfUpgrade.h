#pragma once

#include "installer/sources/Downloader.h"

#include <functional>
#include <string>
#include <utility>
#include <vector>

class BuildManager;
class Opsys;
class SourceUrl;
class TiXmlElement;

// The installer's replacement of itself by the version a catalogue demands. The
// catalogue readers call check_required_KW_version on the root of every root
// file, product file and build information file; a demand for another version
// ends the reading with NeedSelfUpgrade, which the drivers answer by fetching the
// required program and restarting with it.
class SelfUpgrade {
public:
    // Raised to end catalogue or build loading; it carries nothing, the demand
    // is in the process-wide record.
    class NeedSelfUpgrade {};

    // The last "exact_required_kitwright" element read. Every text is checked
    // before it is kept: the version is digits and dots with an optional
    // "-", "+" or "~" suffix, the directory a relative path that stays below the
    // source, the name a plain file name, the digest 32 hexadecimal digits.
    struct Required {
        std::string version;
        std::string binaryDirectory;
        std::string binaryName;
        std::string md5;
    };

    // Reads the root's optional "exact_required_kitwright" child into the
    // process-wide record. A required version other than the running program's
    // raises NeedSelfUpgrade, unless self-upgrade is disabled by the options, when
    // it is only logged as a warning. A text that fails its check raises
    // err_self_upgrade_failed (a repository error) and keeps nothing; an element
    // without a version keeps the previous record. An empty directory or name
    // is kept as "Zarni_Installer" or binaryBaseName().
    static void check_required_KW_version(const TiXmlElement* root);

    // --- The cache of installer binaries ---
    //
    // "/var/cache/kestavine_installer" holds binaries named base name + "_" +
    // version, mode 0500, each with a sibling ".md5sum" holding its digest (32
    // hex digits, no line end). A binary is only ever placed under its name
    // whole and checked: it is written to a temporary file in the directory,
    // checked, made 0500, synced and asked for its version there; then the
    // ".md5sum" file is replaced and the binary renamed over the cached name. A
    // crash leaves either the old pair or a pair whose digests disagree, which
    // is never started.

    // The cache directory with a trailing "/"; made readable by root only when
    // missing.
    static std::string getCacheDir();
    // "kestavine_installer_" + vendor + "_" + short version + "_" + architecture of
    // the running system, or of `system`.
    static std::string binaryBaseName();
    static std::string binaryBaseName(const Opsys& system);
    // The cached binary's name: for the required version when one is known; else
    // the newest "<base>_<d.d.d>" regular file in `cacheDirectory` above
    // `runningVersion`, or the running version's own name.
    static std::string cachedBinaryName();
    static std::string cachedBinaryName(const std::string& cacheDirectory, const std::string& baseName,
                                        const std::string& runningVersion);
    // The version the binary reports for "--print-version-of-this-binary" (run
    // without a shell, stdin closed, at most 30 s); empty when it cannot tell.
    static std::string getBinaryVersion(const std::string& path);
    // The first blank-separated word of the file; raises
    // "err_self_upgrade_no_md5sum" when there is none or the file cannot be read.
    static std::string readMd5File(const std::string& path);

    // Makes the required binary present and verified in the cache, fetched below
    // the source's "binary_directory". A local source's file is copied, never
    // moved. Raises with "err_unable_to_satisfy_version" in front of the cause;
    // the cache then holds what it held before.
    static void getNewVersion(const SourceUrl& source);

    // The new program's command line: the start-up arguments, then the source,
    // target, proxy, the selected releases (selectionArguments), the disabled
    // browser and the interaction mode. Every text is a copy.
    static std::vector<std::string> get_arguments_with_state(const std::string& mode, const SourceUrl& source,
                                                             const std::string& targetDirectory,
                                                             const Downloader::Proxy& proxy,
                                                             BuildManager* buildManager);
    // "--select-product-id"/"--select-release-id" options for the selected
    // releases as (product id, release id) in walk order; releases of the main
    // product before any other need no product option.
    static std::vector<std::string> selectionArguments(
        const std::vector<std::pair<std::string, std::string>>& selected);
    // The arguments as the restart's log line shows them: each in single quotes,
    // secrets hidden as redact::arguments hides them.
    static std::string argumentsForLog(const std::vector<std::string>& arguments);

    // Replaces the process with the cached binary (its path replacing the first
    // argument). The binary is checked just before: a regular root-owned file,
    // not a link, whose digest equals its ".md5sum", in a root-owned directory
    // that neither group nor others may write. A failed check raises
    // "err_self_upgrade_failed"; a failed execv writes "Can't re-run Kitwright: "
    // to standard error and exits with 1.
    static void restart(std::vector<std::string> arguments);
    // At start-up: restarts into a newer verified cached binary with the start-up
    // arguments; removes a verified one that is not newer; otherwise returns.
    static void switchToCachedVersion();

    // Tests only: while set, called after each step of placing a binary in the
    // cache ("fetched", "sealed", "version checked", "digest written", "renamed"),
    // so that a test can end the process there as a crash would. The program
    // never sets it.
    class ReplacementStepHook {
    public:
        explicit ReplacementStepHook(std::function<void(const std::string& step)> hook);
        ~ReplacementStepHook();
        ReplacementStepHook(const ReplacementStepHook&) = delete;
        ReplacementStepHook& operator=(const ReplacementStepHook&) = delete;
    };

    // A copy of the process-wide record.
    static Required required();
    // Tests only: forget the record.
    static void resetRequired();
};
