#include "common/packages/ExtCatalogPackage.h"

#include <memory>

const char* const ExtCatalogPackage::codeKey = "EXT_CODE";
const char* const ExtCatalogPackage::displayNameKey = "EXT_DISPLAY_NAME";
const char* const ExtCatalogPackage::downloadUrlKey = "EXT_DOWNLOAD_URL";

ExtCatalogPackage::ExtCatalogPackage(const char* name) : Package(name, std::make_unique<Version>()) {}

ExtCatalogPackage::~ExtCatalogPackage() = default;

std::string ExtCatalogPackage::getCode() const
{
    return getProperty(codeKey);
}

std::string ExtCatalogPackage::getDisplayName() const
{
    return getProperty(displayNameKey);
}

std::string ExtCatalogPackage::getDownloadUrl() const
{
    return getProperty(downloadUrlKey);
}

void ExtCatalogPackage::setCode(const std::string& code)
{
    setProperty(codeKey, code);
}

void ExtCatalogPackage::setDisplayName(const std::string& name)
{
    setProperty(displayNameKey, name);
}

void ExtCatalogPackage::setDownloadUrl(const std::string& url)
{
    setProperty(downloadUrlKey, url);
}
