#pragma once

#include <ostream>

// Which package tools a catalogue's package names go to: the rules of names
// differ between them (CatalogueText::isPackageName).
enum class PackageFamily {
    debian,  // dpkg and APT
    rpm,     // rpm, yum and dnf
    either,  // a product file, or a build of neither family
};

// "Debian", "RPM" or "Debian or RPM", as the refusals of a name say it
// (defined with them in CatalogueText.cpp).
std::ostream& operator<<(std::ostream& out, PackageFamily family);
