#include "installer/sources/SelfUpgrade.h"

#include "installer/catalogue/CatalogueText.h"
#include "installer/options/Options.h"

#include "common/BuildInfo.h"
#include "common/Log.h"
#include "common/Messages.h"
#include "common/StringUtils.h"
#include "common/error.h"

#include <tinyxml.h>

#include <cctype>
#include <mutex>

namespace {

// The web back end reloads the catalogue on its main thread while its
// self-upgrade thread reads the record.
std::mutex recordMutex;
SelfUpgrade::Required record;

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// Digits and dots, then optionally one of "-+~" and letters, digits and dots.
bool isVersionText(const std::string& text)
{
    std::size_t i = 0;
    for (;;) {
        const std::size_t start = i;
        while (i < text.size() && isDigit(text[i])) ++i;
        if (i == start) return false;
        if (i < text.size() && text[i] == '.') {
            ++i;
            continue;
        }
        break;
    }
    if (i == text.size()) return true;
    if (text[i] != '-' && text[i] != '+' && text[i] != '~') return false;
    if (++i == text.size()) return false;
    for (; i < text.size(); ++i)
        if (!std::isalnum(static_cast<unsigned char>(text[i])) && text[i] != '.') return false;
    return true;
}

bool hasControl(const std::string& text)
{
    for (const char c : text)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7f) return true;
    return false;
}

bool isDigest(const std::string& text)
{
    if (text.size() != 32) return false;
    for (const char c : text)
        if (!isDigit(c) && (c < 'a' || c > 'f')) return false;
    return true;
}

[[noreturn]] void refuse(const std::string& what, const std::string& text)
{
    throw error(1, 1, 1, 3) << Messages::get("err_self_upgrade_failed") << what << " " << quoteString(text)
                            << " in exact_required_kitwright is not acceptable";
}

}  // namespace

void SelfUpgrade::check_required_KW_version(const TiXmlElement* root)
{
    if (!root) throw KW_INTERNAL_ERROR();
    const TiXmlElement* element = root->FirstChildElement("exact_required_kitwright");
    if (!element) return;

    Required read;
    const auto attribute = [element](const char* name) {
        const std::string* value = element->Attribute(std::string(name));
        return value ? *value : std::string();
    };
    read.version = attribute("version");
    read.binaryDirectory = attribute("binary_directory");
    read.binaryName = attribute("binary_name");
    read.md5 = attribute("md5");
    if (!read.version.empty() && !isVersionText(read.version)) refuse("the version", read.version);
    if (!read.binaryDirectory.empty() && !CatalogueText::isInsideSource(read.binaryDirectory))
        refuse("the binary directory", read.binaryDirectory);
    if (!read.binaryName.empty() && (read.binaryName.find('/') != std::string::npos ||
                                     !CatalogueText::isInsideSource(read.binaryName) || hasControl(read.binaryName)))
        refuse("the binary name", read.binaryName);
    if (hasControl(read.binaryDirectory)) refuse("the binary directory", read.binaryDirectory);
    if (!read.md5.empty() && !isDigest(read.md5)) refuse("the digest", read.md5);

    {
        std::lock_guard<std::mutex> lock(recordMutex);
        record = read;
    }
    if (read.version.empty() || read.version == kwVersion()) return;

    Log(2, true) << "Required installer version " << read.version << ", running " << kwVersion();
    if (Options::getInstance().disableSelfUpgrade) {
        Log(1, true) << "Warning: the catalogue requires installer version " << read.version
                     << ", but self-upgrade is disabled; going on with version " << kwVersion();
        return;
    }
    throw NeedSelfUpgrade();
}

SelfUpgrade::Required SelfUpgrade::required()
{
    std::lock_guard<std::mutex> lock(recordMutex);
    return record;
}

void SelfUpgrade::resetRequired()
{
    std::lock_guard<std::mutex> lock(recordMutex);
    record = Required();
}
