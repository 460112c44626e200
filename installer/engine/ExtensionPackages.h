#pragma once

#include "common/checked_pointer.h"

#include <string>
#include <vector>

class ExtCatalogPackage;
class Package;
class Repository;

// The extension-catalogue packages of the install step, which the system
// package manager does not handle: before the prepare actions the extensions
// that remover entries name are uninstalled, after the post actions the
// list's extension-catalogue packages are installed, each by one run of the
// product's extension command. A failing run stops the install step at once;
// extensions handled before it stay as they are.
//
// Borrows the run's repository; the install step makes one on its stack.
class ExtensionPackages {
public:
    explicit ExtensionPackages(Repository* repository);

    // Uninstalls the installed extensions that the list's removers name.
    void removePackages(const std::vector<const Package*>& packages);
    // Installs the list's extension-catalogue packages that are not installed.
    void installPackages(const std::vector<const Package*>& packages);

    // One run of the extension command each; a null package does nothing. A
    // non-zero exit raises error (4,0,2,2) "err_ext_package_remove" or
    // "err_ext_package_install" with the command's error output.
    void uninstallPackage(const ExtCatalogPackage* package);
    void installPackage(const ExtCatalogPackage* package);

private:
    checked_pointer<Repository> repository_;
};
