// The layers of the options that come from outside the command line: the rc file
// ".kitwrightrc", the environment and the component settings file "options.ini".

#include "installer/options/Options.h"

#include "common/Log.h"
#include "common/Messages.h"
#include "common/Opsys.h"
#include "common/error.h"
#include "common/fileops.h"
#include "installer/wizard/TextDialog.h"

#include <cctype>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>

namespace {

// Blanks separate the parts of an rc line; a carriage return counts as one, so a
// file saved with DOS line ends reads the same.
const char* const blanks = " \t\r";

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r'; }

bool isAsciiLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

bool isKeyCharacter(char c) { return isAsciiLetter(c) || (c >= '0' && c <= '9') || c == '_'; }

// Setting ids may also hold "-" and begin with any of their characters.
bool isSettingIdCharacter(char c) { return isKeyCharacter(c) || c == '-'; }

int hexDigit(char c)
{
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

std::string pathBelow(const std::string& directory, const std::string& name)
{
    std::string path = directory;
    fileops::ensure_trailing(path, '/');
    return path + name;
}

// Keys whose values are secrets: the proxy password, and anything that looks like
// a misspelt one, so that no password reaches the log.
bool isSecretKey(const std::string& key)
{
    std::string upper = key;
    for (char& c : upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return upper.find("PASSW") != std::string::npos;
}

std::string valueForLog(const std::string& key, const std::string& value)
{
    if (isSecretKey(key)) return "***";
    if (key == "SOURCE") return SourceUrl::forDisplay(value);
    return value;
}

// The line as an rc error message shows it; the value of a secret key is hidden.
std::string lineForMessage(const std::string& line, std::size_t keyStart, std::size_t keyEnd)
{
    if (!isSecretKey(line.substr(keyStart, keyEnd - keyStart))) return line;
    return line.substr(0, keyEnd) + " ***";
}

error lineError(const char* key, const std::string& shownLine)
{
    error failure(2, 1, 1, 2);
    failure << (Messages::format(key) % shownLine);
    return failure;
}

}  // namespace

std::vector<std::string> Options::getRcFileCandidates()
{
    const std::string home = homeDirectory();
    // An empty XDG_CONFIG_HOME counts as unset, as for every other reader of it.
    const char* configHome = std::getenv("XDG_CONFIG_HOME");
    std::string configDirectory;
    if (!configHome || !*configHome)
        configDirectory = pathBelow(home, ".config");
    else if (configHome[0] == '/')
        configDirectory = configHome;
    else
        configDirectory = pathBelow(home, configHome);
    return {pathBelow(configDirectory, ".kitwrightrc"), pathBelow(home, ".kitwrightrc")};
}

std::string Options::findRcFile()
{
    for (const std::string& candidate : getRcFileCandidates())
        if (fileops::is_file(candidate)) return candidate;
    return std::string();
}

void Options::readRcFile()
{
    Log(1, true) << "Try to find rcfile...";
    const std::string path = findRcFile();
    if (path.empty()) {
        Log(1, true) << "Kitwright rcfile not found.";
        return;
    }
    Log(1, true) << "Kitwright found rcfile at " << path;

    std::ifstream in(path, std::ios::binary);
    const auto unreadable = [&path] {
        error failure(4, 1, 1, 2);
        failure << (Messages::format("err_rcfile_open") % path);
        return failure;
    };
    if (!in) throw unreadable();

    // Keys that older installers knew: accepted with a warning so that an old rc file
    // still works.
    static const char* const deprecatedKeys[] = {
        "SOURCE_TYPE",          "CHECK_DISK_SPACE",        "ALLOW_TO_USE_UP2DATE",
        "USE_YUM",              "ADDITIONAL_SOURCE",       "ALLOW_KERNEL_INSTALL",
        "UPGRADE_SYSTEM_PACKAGES", "SEND_EXECUTION_SUMMARY", "HOLD_PACKAGES",
    };
    std::string key;
    std::string value;
    while (readRcLine(in, key, value)) {
        const std::string shown = valueForLog(key, value);
        Log(2, true) << "Option from rc file:: '" << key << "' = '" << shown << "'";
        if (applyRcSetting(key, value)) continue;

        const char* warning = "err_rc_param";
        for (const char* deprecated : deprecatedKeys)
            if (key == deprecated) warning = "err_rc_ignored";
        Log(0, true) << Messages::get(warning) << "'" << key << "' = '" << shown << "'";
    }
    if (in.bad()) throw unreadable();
}

bool Options::applyRcSetting(const std::string& key, const std::string& value)
{
    using Apply = void (*)(Options&, const std::string& key, const std::string& value);
    struct Setting {
        const char* key;
        Apply apply;
    };
    // Defined here, inside a member, so that the entries may use the private helpers.
    static const Setting settings[] = {
        {"SOURCE", [](Options& o, const std::string&, const std::string& v) { o.source.assign(v); }},
        {"USE_ZARNI_UPDATES", [](Options& o, const std::string& k, const std::string& v) { o.useSystemUpdates = parseYesNo(k, v); }},
        {"TARGET", [](Options& o, const std::string&, const std::string& v) { o.target = v; }},
        {"PROXY_HOST", [](Options& o, const std::string&, const std::string& v) { o.proxyHost = v; }},
        {"PROXY_PORT", [](Options& o, const std::string&, const std::string& v) { o.proxyPort = readCInteger(v); }},
        {"PROXY_USER", [](Options& o, const std::string&, const std::string& v) { o.proxyUser = v; }},
        {"PROXY_PASSWORD", [](Options& o, const std::string&, const std::string& v) { o.proxyPassword = v; }},
        {"REMOVE_PACKAGES_TREE", [](Options& o, const std::string& k, const std::string& v) { o.forceRemovePackagesTree = parseYesNo(k, v); }},
        {"SKIP_EXAMINE", [](Options& o, const std::string& k, const std::string& v) { o.skipComponentsCheck = parseYesNo(k, v); }},
        {"NOTIFY_EMAIL", [](Options& o, const std::string&, const std::string& v) { o.notifyEmail = v; }},
        {"CLEAR_SCREEN", [](Options&, const std::string& k, const std::string& v) { TextDialog::noClear = !parseYesNo(k, v); }},
        {"TRUNCATE_LOG", [](Options& o, const std::string& k, const std::string& v) { o.truncateLog = parseYesNo(k, v); }},
        {"SEPARATE_LOGS", [](Options& o, const std::string& k, const std::string& v) { o.separateLogs = parseYesNo(k, v); }},
        {"MAX_STORED_SEPARATE_LOGS", [](Options& o, const std::string& k, const std::string& v) { o.maxStoredSeparateLogs = parsePositiveInt(v, badCountError(k)); }},
        {"STRICT", [](Options& o, const std::string& k, const std::string& v) { o.strict = parseYesNo(k, v); }},
        {"DEBUG", [](Options& o, const std::string& k, const std::string& v) { o.debug = parseYesNo(k, v); }},
        {"OVERRIDE_OS_NAME", [](Options&, const std::string&, const std::string& v) { Opsys::overrideName = v; }},
        {"OVERRIDE_OS_VENDOR", [](Options&, const std::string&, const std::string& v) { Opsys::overrideVendor = v; }},
        {"OVERRIDE_OS_VERSION", [](Options&, const std::string&, const std::string& v) { Opsys::overrideVersion = v; }},
        {"OVERRIDE_OS_ARCH", [](Options&, const std::string&, const std::string& v) { Opsys::overrideArch = v; }},
        {"OVERRIDE_ENVIRONMENT", [](Options&, const std::string&, const std::string& v) { Opsys::overrideEnvironment = v; }},
        {"RELEASE_TIERS_FILTER", [](Options& o, const std::string&, const std::string& v) { o.setTiers(v); }},
        {"SHOW_HIDDEN_COMPONENTS", [](Options& o, const std::string& k, const std::string& v) { o.showHiddenComponents = parseYesNo(k, v); }},
        {"SHOW_ALL_RELEASES", [](Options& o, const std::string& k, const std::string& v) { if (parseYesNo(k, v)) o.enableAllReleases(); }},
        {"SHOW_ALL_VERSIONS", [](Options& o, const std::string& k, const std::string& v) { if (parseYesNo(k, v)) o.enableAllReleases(); }},
        {"DISABLE_RELEASE_TIERS_FILTER", [](Options& o, const std::string& k, const std::string& v) { if (parseYesNo(k, v)) o.enableAllReleases(); }},
        {"DOWNLOAD_RETRY_COUNT", [](Options& o, const std::string& k, const std::string& v) { o.downloadRetries = parsePositiveInt(v, badCountError(k)); }},
        {"SKIP_GPG_CHECK", [](Options& o, const std::string& k, const std::string& v) { o.skipGpgCheck = parseYesNo(k, v); }},
        {"EXT_CATALOG_URL", [](Options& o, const std::string&, const std::string& v) { o.extCatalogUrl = v; }},
        {"SSL_PROTOCOLS", [](Options& o, const std::string&, const std::string& v) { o.sslProtocols = v; }},
        {"SSL_CIPHERS", [](Options& o, const std::string&, const std::string& v) { o.sslCiphers = v; }},
        {"SSL_CIPHER_SERVER_PREFERENCE", [](Options& o, const std::string&, const std::string& v) { o.sslCipherServerPreference = v; }},
    };
    for (const Setting& setting : settings) {
        if (key != setting.key) continue;
        setting.apply(*this, key, value);
        return true;
    }
    return false;
}

bool Options::readRcLine(std::istream& in, std::string& key, std::string& value, LineForm form)
{
    key.clear();
    value.clear();

    std::string line;
    std::size_t pos = std::string::npos;
    while (pos == std::string::npos) {
        if (!std::getline(in, line)) return false;
        pos = line.find_first_not_of(blanks);
        if (pos != std::string::npos && line[pos] == '#') pos = std::string::npos;
    }
    const auto atEnd = [&line](std::size_t at) { return at >= line.size() || line[at] == '#'; };
    const auto skipBlanks = [&line](std::size_t at) {
        while (at < line.size() && isBlank(line[at])) ++at;
        return at;
    };

    const bool settingIds = form != LineForm::rcFile;
    if (settingIds ? !isSettingIdCharacter(line[pos]) : !isAsciiLetter(line[pos])) {
        // The text of this key ends where the name it complains of goes.
        error failure(2, 1, 1, 2);
        failure << Messages::get("err_rc_param") << "'" << line << "'";
        throw failure;
    }
    const std::size_t keyStart = pos;
    while (pos < line.size() && (settingIds ? isSettingIdCharacter(line[pos]) : isKeyCharacter(line[pos]))) ++pos;
    const std::size_t keyEnd = pos;
    const std::string shown = lineForMessage(line, keyStart, keyEnd);

    pos = skipBlanks(pos);
    if (atEnd(pos)) throw lineError("err_rc_line", shown);
    if (line[pos] != '=') throw lineError("err_rc_eqsign", shown);
    pos = skipBlanks(pos + 1);
    if (atEnd(pos)) throw lineError("err_rc_value", shown);

    std::string result;
    for (;;) {
        // At the start of a token.
        if (line[pos] == '"') {
            ++pos;
            for (;;) {
                if (pos >= line.size()) {
                    error failure(0, 1, 1, 0);
                    failure << Messages::get("err_noquote_closed");
                    throw failure;
                }
                const char c = line[pos];
                if (c == '"') {
                    ++pos;
                    break;
                }
                if (c != '\\') {
                    result += c;
                    ++pos;
                    continue;
                }
                if (pos + 1 >= line.size()) {
                    // The backslash takes the line end, so the quote stays open.
                    pos = line.size();
                    continue;
                }
                if (form == LineForm::componentOptions && line[pos + 1] == 'x' && pos + 3 < line.size() &&
                    hexDigit(line[pos + 2]) >= 0 && hexDigit(line[pos + 3]) >= 0) {
                    result += static_cast<char>(hexDigit(line[pos + 2]) * 16 + hexDigit(line[pos + 3]));
                    pos += 4;
                } else {
                    result += line[pos + 1];
                    pos += 2;
                }
            }
        } else {
            while (pos < line.size() && !isBlank(line[pos]) && line[pos] != '#') result += line[pos++];
        }

        // Blanks between two tokens are part of the value; blanks before the end
        // or a comment are not.
        const std::size_t gapStart = pos;
        pos = skipBlanks(pos);
        if (atEnd(pos)) break;
        result.append(line, gapStart, pos - gapStart);
    }

    key = line.substr(keyStart, keyEnd - keyStart);
    value = result;
    return true;
}

bool Options::parseYesNo(const std::string& key, const std::string& value)
{
    if (value == "yes" || value == "YES") return true;
    if (value == "no" || value == "NO") return false;
    error failure(2, 1, 1, 2);
    failure << (Messages::format("err_bool_val") % value % key);
    throw failure;
}

int Options::parsePositiveInt(const std::string& text, const error& prepared)
{
    std::size_t digits = (!text.empty() && (text[0] == '+' || text[0] == '-')) ? 1 : 0;
    if (digits == text.size()) throw prepared;
    for (std::size_t i = digits; i < text.size(); ++i)
        if (text[i] < '0' || text[i] > '9') throw prepared;
    errno = 0;
    const long number = std::strtol(text.c_str(), nullptr, 10);
    // A count too big for the record is as unusable as no number at all.
    if (errno == ERANGE || number < 1 || number > INT_MAX) throw prepared;
    return static_cast<int>(number);
}

int Options::readCInteger(const std::string& text)
{
    errno = 0;
    const long number = std::strtol(text.c_str(), nullptr, 10);
    if (errno == ERANGE || number < INT_MIN || number > INT_MAX) return 0;
    return static_cast<int>(number);
}

error Options::badCountError(const std::string& optionName)
{
    error failure(2, 1, 1, 2);
    failure << (Messages::format("err_retry_arg") % optionName);
    return failure;
}

void Options::readEnvironment()
{
    // Presence alone switches debugging on, so an empty value counts too.
    if (std::getenv("ZARNI_INSTALLER_DEBUG")) debug = true;
    if (const char* page = std::getenv("KW_WEB_UI_DEFAULT_PAGE_OVERRIDE")) webUiStartPage = page;
}

std::string Options::componentOptionsPath() { return pathBelow(homeDirectory(), ".kitwright/options.ini"); }

std::map<std::string, std::map<std::string, std::string>> Options::readComponentOptionsFile(const std::string& path)
{
    std::map<std::string, std::map<std::string, std::string>> settings;
    if (!fileops::exists(path)) return settings;
    Log(2, true) << "Read component settings from " << path;

    std::ifstream in(path, std::ios::binary);
    const auto unreadable = [&path] {
        error failure(4, 1, 1, 2);
        failure << (Messages::format("err_fileread2") % path % std::strerror(errno));
        return failure;
    };
    if (!in) throw unreadable();

    // Read line by line rather than through the rc reader's own line loop, so that a
    // comment line may stand before a section header.
    std::string product;
    bool inSection = false;
    std::string line;
    while (std::getline(in, line)) {
        const std::size_t start = line.find_first_not_of(" \t\r\n");
        if (start == std::string::npos || line[start] == '#') continue;

        if (line[start] == '[') {
            const std::size_t close = line.find(']', start);
            if (close == std::string::npos) {
                error failure(3, 1, 1, 2);
                failure << "broken component options.ini file: a [prod_id] line without its closing ]";
                throw failure;
            }
            product = line.substr(start + 1, close - start - 1);
            inSection = true;
            Log(2, true) << "read options.ini: prod_id=" << product;
            continue;
        }

        std::istringstream setting(line);
        std::string name;
        std::string value;
        if (!readRcLine(setting, name, value, LineForm::componentOptions)) continue;
        const std::string shown = valueForLog(name, value);
        Log(2, true) << "read options.ini: '" << name << "' = '" << shown << "'";
        if (!inSection) {
            error failure(3, 1, 1, 2);
            failure << "broken component options.ini file: [prod_id] must precede any name=val lines";
            throw failure;
        }
        settings[product][name] = value;
    }
    if (in.bad()) throw unreadable();
    return settings;
}

void Options::readComponentOptionsIni()
{
    try {
        componentSettings = readComponentOptionsFile(componentOptionsPath());
    } catch (error& failure) {
        // An unreadable file leaves the settings to the command line; a malformed
        // one stops the run.
        if (failure.errorClass() != 4) throw;
        std::string text = failure.text();
        if (!text.empty() && text.back() == '\n') text.pop_back();
        Log(1, true) << "ERROR: " << text;
    }
}
