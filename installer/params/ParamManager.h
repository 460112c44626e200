#pragma once

#include "installer/components/KwCompNode.h"
#include "installer/params/Param.h"

#include <map>
#include <memory>
#include <optional>
#include <set>
#include <sstream>
#include <string>
#include <vector>

class ComponentManager;
class Options;
class SubParams;
class TiXmlElement;

// The settings of every component of the loaded builds. The build loader hands
// it each component's "settings" element; the drivers load values from the
// command line and the options file, let a front end ask for what is still
// undefined, and, in a run that installs, export the values into the builds'
// parameters files before the packages are installed and merge them into the
// options file (ParamFileExport, ParamFileSaver). The parameters files are
// removed when the manager ends.
//
// The manager constructed last is `current`: setting defaults substitute their
// placeholders through it. Used from one thread at a time.
class ParamManager {
public:
    // A walk over the settings tree (accept); every slot but visit does nothing
    // unless replaced.
    class Visitor {
    public:
        virtual ~Visitor();
        virtual void begin() {}
        virtual void visit(const ParamPtr& param) = 0;
        virtual void enterGroup(const std::shared_ptr<SubParams>&) {}
        virtual void enterBranch(const std::shared_ptr<SubParams>&, const std::string& /*branch*/) {}
        virtual void leaveBranch(const std::shared_ptr<SubParams>&, const std::string& /*branch*/) {}
        virtual void leaveGroup(const std::shared_ptr<SubParams>&) {}
        virtual void end() {}
    };

    // Applies the values the options (or the web wizard's page) give per
    // product and setting id, and collects a complaint for each refused one.
    // A setting given without a value keeps a stored password and sets any
    // other setting to the empty text: a page never sends a password back.
    class ParamLoader : public Visitor {
    public:
        typedef std::map<std::string, std::map<std::string, std::optional<std::string>>> Values;
        explicit ParamLoader(const Options& options);
        explicit ParamLoader(Values values) : values_(std::move(values)) {}
        void visit(const ParamPtr& param) override;
        std::string complaints() const { return complaints_.str(); }

    private:
        Values values_;
        std::ostringstream complaints_;
    };

    class ParamFileSaver;
    class ParamFileExport;

    ParamManager();
    // Removes the parameters files and stops being current. Nothing leaves it.
    ~ParamManager();
    ParamManager(const ParamManager&) = delete;
    ParamManager& operator=(const ParamManager&) = delete;

    // The manager constructed last, or null.
    static ParamManager* current;

    // Creates the component's settings from the children of its "settings"
    // element (which lives as long as the catalogue). A fault in the document is
    // a repository error naming the component and its build file.
    void createParams(const KwComponentPtr& component, const std::shared_ptr<TiXmlElement>& settings);
    // One "group" or "setting" element, appended to the parent's branch or, with
    // no parent, to the top-level settings.
    ParamPtr create(const KwComponentPtr& owner, const TiXmlElement& element, SubParams* parent,
                    const std::string& branch);
    ParamPtr createSetting(const KwComponentPtr& owner, const TiXmlElement& element);

    // Called by the drivers right before loading; nothing to prepare yet.
    void prepareLoad(ComponentManager& components);
    // Applies the options' component settings; refused values are raised
    // together as one user error (2, 1, 1, 1), one line each.
    void loadFromOptions(const Options& options);

    // Calls begin, walks the top-level settings in order (with `skip`, passing
    // over inactive and read-only ones), and end. Before `start` is reached (at
    // any depth) no slot is called. A setting with branches walks only the branch
    // its value names once it is defined, else every branch; the choice is made
    // after visit, so a visitor that sets the value chooses the branch.
    void accept(Visitor& visitor, const ParamPtr& start = ParamPtr(), bool skip = false);

    // The distinct components owning a changeable (active, not read-only)
    // top-level setting; the drivers skip the settings page when there is none.
    int countComponentsWithParams() const;
    // The components all of whose changeable top-level settings are defined.
    int countComponentsWithDefinedParams() const;

    // Replaces the built-in placeholders, then "[id]" of each top-level setting
    // by its value (its default when undefined). A default that names itself,
    // directly or through others, keeps that placeholder.
    std::string substitutePlaceholders(const std::string& text);

    // Writes the defined settings of the active, changeable components into the
    // parameters files of their builds (ParamFileExport), then saves the options
    // file. Called by the install step before the packages are installed, so only
    // a run that installs saves: a listing, a dry run or a wizard left before the
    // installation leaves the options file alone. It saves here rather than when
    // the manager ends, while the catalogue that names the settings' products is
    // still loaded. The parameters files are removed when the manager ends.
    void exportToFiles();
    // Merges this run's regular settings into the options file
    // (ParamFileSaver): other products and settings stay, secure and detectable
    // settings never stay. Written through a temporary file (mode 0600) in
    // "~/.kitwright" (made with mode 0700) and renamed. A file that cannot be
    // read or written is left as it was, with a level-0 line.
    void saveToFile();

    const std::vector<ParamPtr>& params() const { return params_; }
    // The parameters files written by the last export.
    const std::vector<std::string>& exportFiles() const { return exportFiles_; }

private:
    // The localized text of the child named `name`: the child whose "lang" is
    // the current language, else the first non-empty one.
    static std::string localizedText(const TiXmlElement& element, const char* name);

    // Removes the parameters files written in this run; failures are logged.
    void removeExportFiles();

    std::vector<ParamPtr> params_;
    std::vector<std::string> exportFiles_;
    // The settings whose defaults are being substituted, to stop a cycle.
    std::set<std::string> expanding_;
};
