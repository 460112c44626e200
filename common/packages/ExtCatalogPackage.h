#pragma once

#include "common/packages/Package.h"

#include <string>

// An entry of the product's extension catalogue. It has no version of its own
// ("no_versioning_data") and carries its catalogue data as three properties.
class ExtCatalogPackage : public Package {
public:
    explicit ExtCatalogPackage(const char* name);
    ~ExtCatalogPackage() override;

    // Empty when not set.
    std::string getCode() const;
    std::string getDisplayName() const;
    std::string getDownloadUrl() const;
    void setCode(const std::string& code);
    void setDisplayName(const std::string& name);
    void setDownloadUrl(const std::string& url);

    static const char* const codeKey;         // "EXT_CODE"
    static const char* const displayNameKey;  // "EXT_DISPLAY_NAME"
    static const char* const downloadUrlKey;  // "EXT_DOWNLOAD_URL"
};
