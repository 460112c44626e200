#pragma once

#include "installer/components/KwCompNode.h"

#include <map>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

class Param;
typedef std::shared_ptr<Param> ParamPtr;

// One setting a component asks the operator for (a path, a password, a choice, a
// switch with further settings behind it). It knows its id, its texts in the
// current language, its default, the components that own it, whether it may
// still be changed, and how to check and normalise a value; each type below
// supplies the check.
//
// A setting holds its owners (shared); the owners do not hold it. The texts
// and the default come from the settings document of a build (ParamManager).
// Values of secret settings (passwords) are never written to a log line or a
// complaint: `shown` gives what may be shown instead.
class Param {
public:
    // How the value is kept beyond the run: regular settings go to the options
    // file; secure and detectable ones only to the parameters files.
    enum class Behaviour {
        regular = 0,
        secure = 1,
        detectable = 2,
    };

    Param(const KwComponentPtr& owner, const std::string& id);
    virtual ~Param();
    Param(const Param&) = delete;
    Param& operator=(const Param&) = delete;

    // The name the front ends receive and compare against ("boolean", "path" ...).
    virtual std::string typeName() const = 0;
    // Whether a value was accepted (for settings with branches, also for the
    // settings of the chosen branch).
    virtual bool isDefined() const;
    // A password: its value is shown as "***" (or one "*" per byte) only.
    virtual bool isSecret() const { return false; }

    // Keeps the text as the last input and validates it; an accepted text is
    // applied (normalised) and the setting becomes defined. A read-only setting
    // refuses with an internal error. Returns whether the text was accepted; a
    // refused text leaves the value as it was.
    bool setValue(const std::string& text);
    // The value when defined, else the default when there is one, else "".
    std::string getValue() const;
    // The default with its placeholders replaced by the current parameter
    // manager; an internal error when there is none.
    std::string getDefault() const;
    void setDefault(const std::string& text);
    bool hasDefault() const { return hasDefault_; }

    void setTexts(const std::string& name, const std::string& description, const std::string& errorMessage);
    // The document's error message, then " - " and the detail of the last
    // refusal when the type recorded one.
    std::string getErrorMessage() const;

    // The owners; never empty (an internal error otherwise).
    const std::vector<KwComponentPtr>& getComponents() const;
    // A component already in the list is refused.
    void addComponent(const KwComponentPtr& component);

    // An owner is already on the system (install mode upgrade or up to date):
    // its setting was made when it was installed and is not changed.
    bool is_readonly() const;
    // An owner is not scheduled for install: the setting is not asked for.
    bool isInactive() const;

    const std::string& getId() const { return id_; }
    // The accepted, normalised value, also while undefined (then empty).
    const std::string& getStoredValue() const { return value_; }
    const std::string& getInput() const { return input_; }
    bool isValid() const { return valid_; }
    // No value was accepted yet.
    bool isUndefined() const { return undefined_; }
    const std::string& getName() const { return name_; }
    const std::string& getDescription() const { return description_; }
    const std::string& getValidationError() const { return validationError_; }
    Behaviour getBehaviour() const { return behaviour_; }
    void setBehaviour(Behaviour behaviour) { behaviour_ = behaviour; }

    // `text` as a log line or a complaint may show it: "***" for a secret setting.
    std::string shown(const std::string& text) const;

protected:
    // Whether the text is acceptable; may record a detail in validationError_.
    virtual bool validate(const std::string& text) = 0;
    // Stores an accepted text; the default stores it unchanged.
    virtual void applyValue(const std::string& text);

    std::string value_;
    std::string validationError_;

private:
    std::string input_;
    std::string id_;
    std::string defaultValue_;
    bool hasDefault_ = false;
    bool valid_ = true;
    std::vector<KwComponentPtr> components_;
    std::string name_;
    std::string description_;
    std::string errorMessage_;
    bool undefined_ = true;
    Behaviour behaviour_ = Behaviour::regular;
};

// "<type> <id>", and "=<value>" when defined (secrets hidden).
std::ostream& operator<<(std::ostream& out, const Param& param);

// A setting with branches: the sub-settings that apply while the setting has the
// value that names the branch (a boolean's branch "true", an enum's choice ids,
// a group's one branch "").
class SubParams : public Param {
public:
    using Param::Param;

    // False while undefined; true when the value names no branch; otherwise
    // whether every setting of the chosen branch is defined.
    bool isDefined() const override;

    // In byte-wise order.
    std::vector<std::string> getBranchNames() const;
    // A copy of the branch; a name without a branch is an internal error.
    std::vector<ParamPtr> getBranch(const std::string& name) const;
    bool hasBranch(const std::string& name) const { return branches_.count(name) != 0; }
    void addToBranch(const std::string& name, const ParamPtr& param);

private:
    std::map<std::string, std::vector<ParamPtr>> branches_;
};
