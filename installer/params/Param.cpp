#include "installer/params/Param.h"

#include "installer/components/KwComponent.h"
#include "installer/params/ParamManager.h"

#include "common/Log.h"
#include "common/error.h"

Param::Param(const KwComponentPtr& owner, const std::string& id) : id_(id) { addComponent(owner); }

Param::~Param() = default;

bool Param::isDefined() const { return !undefined_; }

bool Param::setValue(const std::string& text)
{
    if (is_readonly()) throw error(3, 1, 1, 2) << "Param::setValue: try to change read-only param";
    input_ = text;
    if (!validate(text)) {
        valid_ = false;
        return false;
    }
    applyValue(text);
    undefined_ = false;
    valid_ = true;
    return true;
}

void Param::applyValue(const std::string& text) { value_ = text; }

std::string Param::getValue() const
{
    if (isDefined()) return value_;
    if (hasDefault_) return getDefault();
    return std::string();
}

std::string Param::getDefault() const
{
    if (!hasDefault_) throw error(3, 1, 1, 3) << "Param::getDefault - default value is not set for opton " << id_;
    // Computed when read: a default may name the locale or another setting.
    if (ParamManager* manager = ParamManager::current) return manager->substitutePlaceholders(defaultValue_);
    return defaultValue_;
}

void Param::setDefault(const std::string& text)
{
    defaultValue_ = text;
    hasDefault_ = true;
}

void Param::setTexts(const std::string& name, const std::string& description, const std::string& errorMessage)
{
    name_ = name;
    description_ = description;
    errorMessage_ = errorMessage;
}

std::string Param::getErrorMessage() const
{
    if (validationError_.empty()) return errorMessage_;
    return errorMessage_ + " - " + validationError_;
}

const std::vector<KwComponentPtr>& Param::getComponents() const
{
    if (components_.empty()) throw KW_INTERNAL_ERROR() << "the setting " << id_ << " has no component";
    return components_;
}

void Param::addComponent(const KwComponentPtr& component)
{
    if (!component) throw KW_INTERNAL_ERROR() << "the setting " << id_ << " is given no component";
    for (const KwComponentPtr& owner : components_)
        if (owner == component)
            throw error(3, 1, 1, 2) << "Component " << component->name << " contains param " << id_ << " twice";
    components_.push_back(component);
}

bool Param::is_readonly() const
{
    bool readonly = false;
    for (const KwComponentPtr& owner : getComponents()) {
        const int mode = owner->getInstallMode();
        if (mode == KwComponent::MODE_UPGRADE || mode == KwComponent::MODE_UP2DATE) readonly = true;
    }
    Log(3, true) << "Param::is_readonly: " << id_ << " return " << (readonly ? "true" : "false");
    return readonly;
}

bool Param::isInactive() const
{
    for (const KwComponentPtr& owner : getComponents())
        if (!owner->isScheduledForInstall()) return true;
    return false;
}

std::string Param::shown(const std::string& text) const { return isSecret() ? std::string("***") : text; }

std::ostream& operator<<(std::ostream& out, const Param& param)
{
    out << param.typeName() << " " << param.getId();
    if (!param.isUndefined()) out << "=" << param.shown(param.getStoredValue());
    return out;
}

bool SubParams::isDefined() const
{
    if (isUndefined()) return false;
    const auto branch = branches_.find(value_);
    if (branch == branches_.end()) return true;
    for (const ParamPtr& param : branch->second)
        if (!param->isDefined()) return false;
    return true;
}

std::vector<std::string> SubParams::getBranchNames() const
{
    std::vector<std::string> names;
    for (const auto& branch : branches_) names.push_back(branch.first);
    return names;
}

std::vector<ParamPtr> SubParams::getBranch(const std::string& name) const
{
    Log(3, true) << "DEBUG: SubParams::getBranch: br=" << name << ", param ID " << getId();
    const auto branch = branches_.find(name);
    if (branch == branches_.end())
        throw KW_INTERNAL_ERROR() << "the setting " << getId() << " has no branch " << name;
    return branch->second;
}

void SubParams::addToBranch(const std::string& name, const ParamPtr& param) { branches_[name].push_back(param); }
