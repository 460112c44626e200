#pragma once

#include "common/xmlbind.h"
#include "web_ui/FormReader.h"
#include "web_ui/TemplateRenderer.h"

#include <ostream>
#include <string>

class WebPage;

// "/preferences.html": where the installer takes its packages from (the
// official update server, a mirror, local media), where it stores downloaded
// files, the download proxy and the wizard's language. A plain request shows
// the back end's settings; a submitted form sets them all in one
// "set_preferences" request, and a refusal comes back with an error per field.
void handlePreferences(WebPage& page);

// The page's record of the settings.
struct PreferencesForm {
    enum SourceType { official = 0, mirror = 1, local = 2 };

    bool valid = true;  // false once any element of the reply carries an error
    int sourceType = official;
    bool locked = false;
    std::string mirrorUrl;
    bool mirrorValid = true;
    std::string mirrorError;  // the error blocks are HTML, their texts escaped
    std::string localPath;
    bool localPathValid = true;
    std::string localPathError;
    std::string storageDirectory;
    bool storageValid = true;
    std::string storageError;
    bool useProxy = false;
    std::string proxyHost;
    std::string proxyPort;
    bool proxyValid = true;
    std::string proxyError;
    bool proxyAuthentication = false;
    std::string proxyUser;
    std::string proxyPassword;
    bool authenticationValid = true;
    std::string authenticationError;
};

// Never shows the password.
std::ostream& operator<<(std::ostream& out, const PreferencesForm& form);

// "mirror" 1, "local" 2, any other name 0.
int sourceTypeFromName(const std::string& name);

// Fills the record from a "preferences" reply element.
void readPreferences(const xmlbind::Element& preferences, PreferencesForm& form);

// The element's validity: its first "error" child makes it invalid, sets the
// error block from that child's text (escaped) and clears the record's valid
// flag.
bool readFieldError(const xmlbind::Element& element, std::string& block, PreferencesForm& form);

// "source_type_official_selected", "..._mirror_selected" and
// "..._local_selected": "selected" for the record's type, the others empty.
void setSourceTypeSelection(int sourceType, TemplateVariables& variables);

// The page's variables from the record (`found`: a "preferences" element was
// read; without one the submit button is disabled).
void setPreferencesVariables(const PreferencesForm& form, bool found, TemplateVariables& variables);

// The record of a submitted form (the language is not part of it).
PreferencesForm readPreferencesForm(const FormReader& form);

// The "set_preferences" request of the record. An empty proxy password is
// left out, which keeps the stored one.
std::string writePreferencesRequest(const PreferencesForm& form);
