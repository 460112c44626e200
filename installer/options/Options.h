#pragma once

#include "common/error.h"
#include "installer/sources/SourceUrl.h"

#include <boost/program_options/options_description.hpp>
#include <boost/program_options/positional_options.hpp>
#include <boost/program_options/variables_map.hpp>
#include <boost/shared_ptr.hpp>

#include <functional>
#include <istream>
#include <map>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

class Release;
typedef boost::shared_ptr<Release> ReleasePtr;

// Everything the operator asked for in one process-wide record: where packages come
// from and where downloads go, proxy, logging and safety switches, what to do (work
// mode and action) and which products, releases and components the request names.
//
// It is built once, on first use, from five layers that each override the one
// before: built-in defaults, the rc file ".kitwrightrc", the environment, the
// component settings file "options.ini", and the command line in the legacy option
// syntax or the command syntax. The record is built on the main thread before any
// other thread starts and read without locking afterwards.
//
// The members are plain data: every subsystem reads them directly. The fillers of
// the record (the two command-line syntaxes, the rc file and the selectors) change
// the work mode, the action and the component requests only through the setters
// below, which refuse a second option that would change an earlier choice. Two
// writes are direct by design: --set-user-interaction-mode (a restarted installer
// names its interface after the options that chose its action) and the list
// command (whose action the selectors decide later).
//
// The layers live in one file each: OptionsRcFile.cpp (rc file, environment,
// options.ini), OptionsLegacySyntax.cpp and OptionsCommandSyntax.cpp; the
// selectors of the command syntax, read against the catalogue, in
// OptionsSelectors.cpp.
class Options {
public:
    // Work modes (`mode`).
    enum Mode {
        modeTextWizard = 0,
        modeCommandLine = 1,
        modeWebBackEnd = 2,
        modeServiceLaunch = 3,   // launch the web UI in the background
        modeVersion = 4,
        modeBareVersion = 5,
        modeOptionsHelp = 6,     // legacy option help
        modeCommandHelp = 7,     // command help or shell completion
        modeCommandsOverview = 8,
        modeQueryStatus = 9,     // lock and progress status query
        modeStop = 10,           // stop the running installer
    };

    // Actions (`action`), meaningful in modeCommandLine.
    enum Action {
        actionNone = 0,
        actionCheckUpdates = 1,
        actionListAll = 2,            // all products and releases
        actionListOperatingSystems = 3,
        actionListReleases = 4,
        actionListProducts = 5,
        actionListPresets = 6,        // installation types
        actionListComponents = 7,
        actionListUpgradable = 8,     // upgradable components
        actionShowPackages = 9,       // what would be installed, upgraded or removed
        actionInstall = 10,           // install, upgrade or remove
        actionEnableFeedback = 11,
        actionDisableFeedback = 12,
        actionSetFeedbackProduct = 13,
        actionSetFeedbackGroupId = 14,
        actionListSources = 15,       // the package manager's configured sources
    };

    // Kinds of the command syntax (`commandKind`).
    enum CommandKind {
        commandNone = 0,  // legacy syntax, or a command of no kind
        commandInstall = 1,
        commandUpdate = 2,
        commandUpgrade = 3,
        commandAddRemove = 4,
    };

    // Stands in where a request needs a product and names none.
    static constexpr const char* defaultProductId = "zarni";

    // One product or release the request is about.
    class ProductSelection {
    public:
        enum Type {
            latest = 0,   // the product's latest release
            current = 1,  // the installed release
            exact = 2,    // the release named by releaseId
        };

        // An exact release; an empty release id is a caller's fault (internal error).
        ProductSelection(const std::string& prodId, const std::string& releaseId);
        // The latest or the current release; any other type is a caller's fault.
        ProductSelection(const std::string& prodId, int type);

        std::string prodId;
        int type;
        std::string releaseId;  // empty unless type is exact
    };

    // What the request does with one product's components.
    class ComponentRequest {
    public:
        enum RequestMode {
            modeNone = 0,
            modeInstallAll = 1,
            modeRemoveAll = 2,
            modeUpgradeInstalled = 3,
            modeInstallType = 4,  // install an installation type (preset)
            modeListed = 5,       // install or remove the listed components
        };

        int mode = modeNone;
        std::vector<std::string> install;  // component names to install or add
        std::vector<std::string> remove;   // component names to remove or subtract
        std::vector<std::string> classes;  // class filters such as "aspect=panel"
        std::string installType;           // installation type or preset name
    };

    // Only the built-in defaults: the record that stands in when building the real
    // one failed, and what tests of the rules start from.
    struct DefaultsOnly {};

    // The process-wide record, built on the first call from the command line that
    // the start-up body kept (StartupArguments). When building raises, a
    // defaults-only record is installed and the failure goes on to the caller;
    // every later call returns that record, so the handlers that print the failure
    // still find defaults.
    static Options& getInstance();

    // All five layers, from a command line whose first element is the program path.
    explicit Options(const std::vector<std::string>& commandLine);
    explicit Options(DefaultsOnly);
    // One record per process: a copy would take writes that nobody reads.
    Options(const Options&) = delete;
    Options& operator=(const Options&) = delete;

    // The home directory below which the options' own files lie (rc file,
    // "options.ini", the web UI certificate) and the default target: homeOverride
    // when set, else the effective user's home.
    static std::string homeDirectory();
    // Lets tests keep the options away from the real home directory.
    static std::string homeOverride;

    // --- Derived queries ---

    // The start-up body detaches after announcing the installation: an XML
    // installation run that was not told to stay in the foreground.
    bool isBackgroundMode() const;
    // Whether the run needs no extension-catalogue data from the build information.
    bool canSkipExtCatalog() const;
    // Whether some product selection names the product.
    bool isProdIDSelected(const std::string& prodId) const;
    // A shell-completion request: command help with the completion option, debug off.
    bool isCompletion() const;

    // The kept command line, the program path included, each argument quoted for
    // "/bin/sh -c" and followed by one blank. With `redacted`, the form that may
    // be shown: its secrets masked (redact::arguments).
    static std::string getCommandLine(bool redacted = false);
    // getCommandLine with the options that turn a run into the web back end.
    static std::string getWebInterfaceCommandLine(bool redacted = false);
    // Whether a command line (program path first) asks for XML output, read from
    // its words alone ("--enable-xml-output" in the legacy syntax, "--xml" in the
    // command syntax, abbreviated as their parsers accept): for answers given
    // where the record must not be built, such as the refusal of a non-root user.
    static bool asksForXmlOutput(const std::vector<std::string>& commandLine);

    // The first page of the web wizard, also exported to KW_WEB_UI_DEFAULT_PAGE_OVERRIDE
    // for a restarted installer.
    void setDefaultPageOverride(const std::string& page);

    // Legacy option help (modeOptionsHelp) and the commands overview
    // (modeCommandsOverview).
    static void printUsage(std::ostream& out);
    static void printCommandsUsage(std::ostream& out);

    // --- The rc file and options.ini ---

    // The forms of KEY=VALUE lines.
    enum class LineForm {
        // The rc file: the key is a letter, then letters, digits and "_"; a
        // backslash in quotes takes the next character as it is.
        rcFile,
        // --set-option and the install command's --options: the key is a setting
        // id, as in options.ini, so that every setting can be given; the value
        // is quoted as in the rc file.
        settingOption,
        // options.ini: the key is a setting id (letters, digits, "_" and "-" in
        // any place), and "\xNN" in quotes is also the byte NN: the form the
        // parameter manager writes.
        componentOptions,
    };

    // The settings of an options.ini file: product id -> setting id -> value; a
    // later line for the same setting wins. A missing file gives none; an
    // unreadable one raises `error` (4, 1, 1, 2); a malformed one the errors of
    // the line reader and of a line before any "[product]" header.
    static std::map<std::string, std::map<std::string, std::string>> readComponentOptionsFile(
        const std::string& path);
    // ".kitwright/options.ini" below the home directory.
    static std::string componentOptionsPath();

    // Where the rc file is looked for, in order: the configuration directory, then
    // the home directory.
    static std::vector<std::string> getRcFileCandidates();
    // The first candidate that is a regular file; empty when there is none.
    static std::string findRcFile();
    // One KEY=VALUE line of the rc format, skipping blank and comment lines: true
    // when a line was read, false when the stream ended first. Raises `error` for a
    // line that is not in the format.
    static bool readRcLine(std::istream& in, std::string& key, std::string& value,
                           LineForm form = LineForm::rcFile);
    // "yes"/"YES" and "no"/"NO"; anything else is refused naming the value and key.
    static bool parseYesNo(const std::string& key, const std::string& value);
    // A whole decimal integer above 0, or `prepared` is raised.
    static int parsePositiveInt(const std::string& text, const error& prepared);

    // --- The command syntax ---

    // What the help of a command shows and what its command line is parsed with.
    struct CommandDescription {
        boost::program_options::options_description options;
        boost::program_options::positional_options_description positional;
        std::string synopsis;
        std::string text;  // the command's description, formatted
        std::string hint;  // the closing line; empty when there is nothing more to see
    };
    // The option groups of a command at a verbosity: 0 the command's own options, 1
    // the common groups too, 2 and above also the extended options, 100 the parse
    // (with the positional words). An unknown command is refused.
    CommandDescription describeCommand(const std::string& command, unsigned verbosity);
    // The command help, or with the completion option the command's options as a
    // JSON object (modeCommandHelp).
    void printCommandHelp(std::ostream& out);
    // Option-parsing errors of the option library when both options were given, or
    // when the option was given without --preset.
    void checkConflict(const std::string& first, const std::string& second) const;
    void checkRequiresPreset(const std::string& option) const;

    // --- Setters shared by the fillers ---
    // The option name is the long option or command word, without dashes; it
    // appears in the conflict message.

    // Refuses to change a mode that an earlier option chose (mode 0 counts as not
    // chosen).
    void setMode(const std::string& optionName, int newMode);
    // Puts the run into command-line work and sets the action. A dry run wins over
    // an installation in either order; any other change of the action is refused,
    // and so is an action after an option that chose another work mode.
    void setAction(const std::string& optionName, int newAction);
    // The product's component request keeps its first mode; a different one is
    // refused.
    void setRequestMode(const std::string& prodId, const std::string& optionName, int newMode);
    // Type exact appends (prodId as given, exact, releaseId); the other types append
    // (prodId or the default product id, type, "").
    void addProductSelection(int type, const std::string& prodId, const std::string& releaseId = std::string());
    // A comma list of release tier tags; blanks around a tag and empty items are
    // dropped. Clears tiersDefault.
    void setTiers(const std::string& text);
    void setTierList(const std::vector<std::string>& tiers);
    // No tier filter at all (the member showAllReleases and an empty tier list).
    void enableAllReleases();
    // One "name=value" text (a setting id, then a value in the rc line format) as
    // a setting of the product, or of the default product when prodId is empty. A text without a setting (empty,
    // a comment) stores nothing.
    void setComponentOption(const std::string& prodId, const std::string& text);
    // A background web UI launch (WEB_SECRET set) offers only the stable tiers unless
    // the operator chose tiers.
    void applyWebSecretTiers();
    // The checks that close the build of the record; fills the web UI certificate.
    void checkOptions();

    // --- Selectors (OptionsSelectors.cpp) ---
    // The words after a command are product ids, tier tags (or "all"), release ids
    // or versions; only the catalogue tells which, so the command-line driver calls
    // interpretSelectors with the catalogue's releases once it has read them. It
    // classifies the words, checks their combination, fills the selectors and the
    // tiers, and runs the command's handler, which sets the action, the product
    // selections, the release ids and the component requests. Every refusal is a
    // user error (2, 1, 1, 2).

    void interpretSelectors(const std::vector<ReleasePtr>& releases);
    // Replaces the version selector by the id of the release it names.
    void resolveVersionSelector(const std::vector<ReleasePtr>& releases);
    void selectForList(const std::vector<ReleasePtr>& releases);
    void selectForInstall(const std::vector<ReleasePtr>& releases);
    void selectForUpgrade(const std::vector<ReleasePtr>& releases);
    void selectForUpdate(const std::vector<ReleasePtr>& releases);
    void selectForAddRemove(const std::vector<ReleasePtr>& releases);
    // Every value of a names option, in order, each split as a comma list: repeated
    // options, several words and comma lists add up. Empty when it was not given.
    std::vector<std::string> collectValues(const std::string& option) const;

    // --- The record ---

    // product id -> setting name -> value
    std::map<std::string, std::map<std::string, std::string>> componentSettings;
    int mode = modeTextWizard;
    int action = actionNone;
    int commandKind = commandNone;
    std::vector<ProductSelection> productSelections;
    std::map<std::string, ComponentRequest> componentRequests;
    SourceUrl source;
    bool useSystemUpdates = true;
    std::string target;  // directory for downloaded files
    std::vector<std::string> releaseTiers;
    bool tiersDefault = true;  // releaseTiers still holds the built-in default
    std::vector<std::string> releaseIds;
    bool showAllReleases = false;
    std::string proxyHost;
    int proxyPort = 3128;
    std::string proxyUser;
    std::string proxyPassword;
    bool truncateLog = false;
    bool separateLogs = false;
    int maxStoredSeparateLogs = 20;
    std::string notifyEmail;
    unsigned verbosity = 0;  // detail of the command help
    bool strict = false;     // unknown component names are errors
    bool debug = false;
    bool noDaemon = false;
    std::string webUiStartPage;
    // "textUI" or "webUI" when a self-upgrade restarted the program
    // (--set-user-interaction-mode); empty otherwise.
    std::string userInteractionMode;
    bool skipCleanup = false;
    bool disableSelfUpgrade = false;
    bool showHiddenComponents = false;
    std::string extCatalogUrl;
    bool skipComponentsCheck = false;
    bool forceRemovePackagesTree = false;
    bool showOptions = false;
    bool removeEverything = false;
    bool interactiveUninstall = false;
    std::string sslCert;  // certificate and key file of the web UI
    std::string sslProtocols;
    std::string sslCiphers;
    std::string sslCipherServerPreference;
    bool withoutSsl = false;
    bool openBrowser = true;
    std::vector<std::string> packagesToRemove;
    std::string feedbackProduct;
    std::string feedbackGroupId;
    int downloadRetries = 3;
    bool skipGpgCheck = false;
    bool terminate = false;  // stop with SIGTERM instead of SIGHUP
    std::string command;     // the command word; empty in the legacy syntax
    std::vector<std::string> arguments;  // the words after the command word
    boost::program_options::variables_map variables;  // parsed command-syntax options
    std::string prodIdSelector;
    std::string releaseIdSelector;
    std::string versionSelector;
    int helpWidth = 80;  // line width of the command help

private:
    friend class OptionsInstanceTest;

    // The process-wide record. Never destroyed: it is read until the process ends,
    // also by handlers that run while it ends.
    static Options* instance_;

    // The life cycle of getInstance with the construction given.
    static Options& getInstance(const std::function<std::unique_ptr<Options>()>& build);

    void setDefaults();

    // The layers of the construction.
    void readRcFile();
    // One rc setting; false when the key is not a setting of the rc file.
    bool applyRcSetting(const std::string& key, const std::string& value);
    void readEnvironment();
    void readComponentOptionsIni();
    void parseLegacyOptions(const std::vector<std::string>& commandLine);
    void parseCommand(const std::vector<std::string>& commandLine);
    // Parses the command line into `variables` and the members; false when --help
    // was given (the command's handler must not run).
    bool parseCommandLine(const std::vector<std::string>& commandLine);
    // What the command sets once its line is parsed.
    void runCommandHandler();
    // Given on the command line, not merely filled with its default.
    bool givenExplicitly(const std::string& option) const;

    // A number as the C library reads it: leading digits, 0 when there are none or
    // when they do not fit. For the settings that were never checked (proxy port).
    static int readCInteger(const std::string& text);
    // "err_retry_arg" naming the option or rc key of a count below 1.
    static error badCountError(const std::string& optionName);

    // The option that chose the current mode, the one that chose the current
    // action, and per product the one that chose its request mode: the other half
    // of a conflict message.
    std::string modeOption_;
    std::string actionOption_;
    std::map<std::string, std::string> requestOptions_;
};
