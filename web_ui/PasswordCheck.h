#pragma once

#include <string>

// The login check of the web wizard: only the account the installer runs as
// is admitted, and only with that account's password, checked through PAM.

// The login name of the process's real user. Raises error (4,1,1,3) "Can't get
// user info for pid=<uid>" when the user database has no entry for it.
std::string getProcessUserName();

// The name equals the process user's name, byte for byte.
bool isProcessUser(const std::string& name);

// The PAM service of the check: "system-auth" when the directory holds that
// file, else "common-auth" when it holds that one, else "other".
std::string pamServiceName(const std::string& pamDirectory = "/etc/pam.d");

// The PAM service of the account check: "system-auth" (which holds the
// account stack on RPM systems), else "common-account" (Debian), else "other".
std::string pamAccountServiceName(const std::string& pamDirectory = "/etc/pam.d");

// Authentication (pam_authenticate) and then the account's own checks
// (pam_acct_mgmt: an expired or locked account is refused) for the user with
// the password. A refusal is false and logged at debug level with PAM's
// reason; a PAM that cannot start raises error (4,1,1,3) "unable to start PAM
// facility ...". Prompts with echo get an empty answer, hidden ones the
// password; messages of the modules are logged.
bool checkPassword(const std::string& user, const std::string& password);
