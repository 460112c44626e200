#pragma once

// The package and key tools of the operating system that the installation
// engine drives, and the parts of their output it relies on. They lie outside the
// program: it relies on these names, their exit codes and these output lines
// only. The calling back ends and key managers build the full command lines.
namespace SystemPackageTools {

inline constexpr char rpm[] = "rpm";
inline constexpr char aptKey[] = "apt-key";
inline constexpr char dpkg[] = "dpkg";
inline constexpr char aptGet[] = "apt-get";
inline constexpr char aptCache[] = "apt-cache";
inline constexpr char yum[] = "yum";
inline constexpr char dnf[] = "dnf-3";
inline constexpr char chcon[] = "chcon";
// The first of these that "command -v" finds imports and exports signing keys.
inline constexpr const char* gpgCandidates[] = {"gpg", "gpg2", "gpg1"};

// The installed signing keys are the packages matching this name (rpm).
inline constexpr char rpmKeyPackages[] = "gpg-pubkey*";
// The lines of apt-get's dry run that name what it would do to a package.
inline constexpr const char* aptDryRunActions[] = {"Inst", "Conf", "Remv", "Purg"};
// apt-get's complaint while another process holds the package lock.
inline constexpr char aptLockBusy[] = "E: Could not get lock ";
// The line of "apt-cache policy" that gives a package's candidate version.
inline constexpr char aptCandidate[] = "Candidate:";
// The fields of "yum info" / "dnf info" that identify a package version.
inline constexpr const char* yumInfoFields[] = {"Name", "Version", "Release", "Epoch"};

}  // namespace SystemPackageTools
