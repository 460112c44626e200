#pragma once

#include "common/error.h"
#include "installer/catalogue/PackageFamily.h"

#include <tinyxml.h>

#include <string>

// The checks every text of a catalogue file passes before the installer uses it.
// Catalogue files come from a server the operator may not control: a text that
// is written to a log line or shown to the operator holds no control
// characters, a path stays below the installation source, and a package name is
// one the package tools take as a name and nothing else.
//
// Failures are repository errors (1, 1, 1, 3) that name the file and the element
// with its row and column; the offending text is shown quoted and escaped.
namespace CatalogueText {

// "the element 'build' (row 3, col 5) of the file F".
std::string where(const TiXmlElement& element, const std::string& file);
// "Invalid catalogue data in <where>: <problem>".
error dataError(const TiXmlElement& element, const std::string& file, const std::string& problem);

// The attribute's value, or "" when it is absent. Readers take values as they
// stand once the document has passed checkDocument.
std::string optional(const TiXmlElement& element, const char* name);
// The value; an absent attribute raises err_missing_attr naming the attribute,
// the element and the file.
std::string required(const TiXmlElement& element, const char* name, const std::string& file);

// Calls `walk` with each child element named `name`, in document order.
template <class Walk>
void forChildren(const TiXmlElement& parent, const char* name, Walk walk)
{
    for (const TiXmlElement* child = parent.FirstChildElement(name); child; child = child->NextSiblingElement(name))
        walk(*child);
}

// Refuses a control character in `text`, the content of `what` in the element
// (tabs and line ends are allowed in multi-line element texts).
void checkText(const std::string& text, const TiXmlElement& element, const std::string& what,
               const std::string& file, bool multiline = false);

// Checks every attribute value and text of the element and its descendants at
// once, so that a reader may then take texts as they stand: attributes hold no
// control character, texts none but tabs and line ends.
void checkDocument(const TiXmlElement& root, const std::string& file);

// Whether `path` is relative and has no ".." part: joined to the installation
// source it names a file below it.
bool isInsideSource(const std::string& path);
// Refuses a path that is absolute or has a ".." part; `attribute` names where it
// came from. An empty path passes: it names nothing.
void checkRelativePath(const std::string& path, const TiXmlElement& element, const char* attribute,
                       const std::string& file);

// The family of the system a build is for, from its vendor: Debian and Ubuntu,
// or the RedHat family; any other vendor gives `either`.
PackageFamily packageFamilyOf(const std::string& vendor);

// A name the family's package tools take as a package name, at most 255
// characters: for Debian "[a-z0-9][a-z0-9+.-]*"; for RPM (and for either family)
// a letter or digit first, then letters, digits and "+-._~^". Neither rule lets
// a name read as an option, a path or more than one shell word.
bool isPackageName(const std::string& name, PackageFamily family);
// Refuses what isPackageName refuses, naming the family.
void checkPackageName(const std::string& name, PackageFamily family, const TiXmlElement& element,
                      const std::string& file);

// The version, release and architecture texts of a package record go to the
// package tools' command lines beside its name: letters, digits and "+-._~:^"
// (an architecture without ":"), a letter or digit first, at most 255
// characters. An empty text passes: the record's own check refuses what it
// needs. `attribute` names where the text came from.
bool isPackageVersionText(const std::string& text, bool architecture);
void checkPackageVersionText(const std::string& text, const TiXmlElement& element, const char* attribute,
                             const std::string& file);

}  // namespace CatalogueText
