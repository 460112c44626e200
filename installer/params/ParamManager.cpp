#include "installer/params/ParamManager.h"

#include "installer/catalogue/Build.h"
#include "installer/components/KwComponent.h"
#include "installer/options/Options.h"
#include "installer/params/ParamFileExport.h"
#include "installer/params/ParamFileSaver.h"
#include "installer/params/ParamTypes.h"
#include "installer/params/Placeholders.h"

#include "common/FilesRemovedAtExit.h"
#include "common/Log.h"
#include "common/Messages.h"
#include "common/error.h"
#include "common/fileops.h"
#include "common/xmlbind.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstring>

#include <tinyxml.h>

#include <algorithm>
#include <map>

namespace {

// The attribute's value, or "" when it is absent.
std::string attribute(const TiXmlElement& element, const char* name)
{
    const std::string* value = element.Attribute(std::string(name));
    return value ? *value : std::string();
}

bool isSettingId(const std::string& id)
{
    if (id.empty()) return false;
    for (const char c : id) {
        const bool allowed = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
                             c == '_' || c == '-';
        if (!allowed) return false;
    }
    return true;
}

error documentError() { return error(1, 1, 1, 3); }

// Calls `walk` with each "group" and "setting" child, in document order.
template <class Walk>
void forSettingChildren(const TiXmlElement& parent, Walk walk)
{
    for (const TiXmlElement* child = parent.FirstChildElement(); child; child = child->NextSiblingElement())
        if (child->ValueStr() == "group" || child->ValueStr() == "setting") walk(*child);
}

// Whether the setting takes part when the walk skips: active and changeable.
bool isChangeable(const Param& param) { return !param.isInactive() && !param.is_readonly(); }

}  // namespace

ParamManager* ParamManager::current = nullptr;

ParamManager::Visitor::~Visitor() = default;

ParamManager::ParamManager() { current = this; }

std::string ParamManager::localizedText(const TiXmlElement& element, const char* name)
{
    const std::string& locale = Messages::getLocale();
    const std::string language = locale.substr(0, locale.find('.'));
    Log(3, true) << "DEBUG: ParamManager::get_localized_text_from_subnode. Find for lang=" << language;
    std::string result;
    for (const TiXmlElement* child = element.FirstChildElement(name); child; child = child->NextSiblingElement(name)) {
        const bool matches = attribute(*child, "lang") == language;
        if (!result.empty() && !matches) continue;
        const std::string text = xmlbind::getText(xmlbind::Element(const_cast<TiXmlElement*>(child)), false);
        if (result.empty() || matches) result = text;
    }
    return result;
}

void ParamManager::createParams(const KwComponentPtr& component, const std::shared_ptr<TiXmlElement>& settings)
{
    if (!component || !settings) throw KW_INTERNAL_ERROR() << "settings without a component or an element";
    const auto context = [&component](error& failure) {
        failure.addLevel(1, 1, 1, 3) << "Invalid settings of the component " << component->name << " in the file "
                                     << (component->getBuild() ? component->getBuild()->config() : std::string());
    };
    try {
        for (const TiXmlElement* child = settings->FirstChildElement(); child; child = child->NextSiblingElement())
            create(component, *child, nullptr, std::string());
    } catch (error& failure) {
        context(failure);
        throw;
    } catch (const xmlbind::err& failure) {
        // The binding's faults are catalogue data errors like any other.
        error wrapped = documentError();
        wrapped << failure.message;
        context(wrapped);
        throw wrapped;
    }
}

ParamPtr ParamManager::create(const KwComponentPtr& owner, const TiXmlElement& element, SubParams* parent,
                              const std::string& branch)
{
    ParamPtr param;
    if (element.ValueStr() == "group") {
        param = std::make_shared<ParamGroup>(owner);
        param->setTexts("__group_cant_have_name__", localizedText(element, "description"),
                        "__group_cant_have_errmsg__");
    } else if (element.ValueStr() == "setting") {
        param = createSetting(owner, element);
    } else {
        throw documentError() << "Unsupported tag <" << element.ValueStr() << "> in config.";
    }

    if (parent) {
        parent->addToBranch(branch, param);
    } else {
        Log(3, true) << "ParamManager::create: push back " << param->getId();
        params_.push_back(param);
    }

    auto* sub = dynamic_cast<SubParams*>(param.get());
    if (!sub) return param;
    const std::string type = attribute(element, "type");
    if (element.ValueStr() == "setting" && type == "enum") {
        for (const TiXmlElement* choice = element.FirstChildElement("choice"); choice;
             choice = choice->NextSiblingElement("choice")) {
            const std::string choiceId = attribute(*choice, "id");
            forSettingChildren(*choice, [&](const TiXmlElement& child) { create(owner, child, sub, choiceId); });
        }
    } else {
        const std::string subBranch = element.ValueStr() == "setting" ? "true" : "";
        forSettingChildren(element, [&](const TiXmlElement& child) { create(owner, child, sub, subBranch); });
    }
    return param;
}

ParamPtr ParamManager::createSetting(const KwComponentPtr& owner, const TiXmlElement& element)
{
    if (element.ValueStr() != "setting") throw KW_INTERNAL_ERROR() << "not a setting: " << element.ValueStr();
    const std::string id = attribute(element, "id");
    const std::string type = attribute(element, "type");
    if (!isSettingId(id)) throw documentError() << "ERROR: invalid '<setting id=' in config: '" << id << "'";

    const std::string name = localizedText(element, "name");
    const std::string description = localizedText(element, "description");
    const std::string errorMessage = localizedText(element, "error-message");

    ParamPtr param;
    if (type == "integer") {
        param = std::make_shared<ParamInteger>(owner, id, attribute(element, "min"), attribute(element, "max"));
    } else if (type == "boolean") {
        param = std::make_shared<ParamBool>(owner, id);
    } else if (type == "string") {
        param = std::make_shared<ParamString>(owner, id, attribute(element, "min-length"),
                                              attribute(element, "max-length"), attribute(element, "regex"));
    } else if (type == "password") {
        param = std::make_shared<ParamPassword>(owner, id, attribute(element, "min-length"),
                                                attribute(element, "max-length"), attribute(element, "regex"),
                                                attribute(element, "validate-with-login"));
    } else if (type == "float") {
        param = std::make_shared<ParamFloat>(owner, id, attribute(element, "min"), attribute(element, "max"));
    } else if (type == "email") {
        param = std::make_shared<ParamEmail>(owner, id);
    } else if (type == "domain-name") {
        param = std::make_shared<ParamDomain>(owner, id);
    } else if (type == "host-name") {
        param = std::make_shared<ParamHostname>(owner, id);
    } else if (type == "static-text") {
        param = std::make_shared<ParamStatic>(owner, id);
    } else if (type == "hidden") {
        param = std::make_shared<ParamHidden>(owner, id);
    } else if (type == "enum") {
        ParamEnum::Choices choices;
        for (const TiXmlElement* choice = element.FirstChildElement("choice"); choice;
             choice = choice->NextSiblingElement("choice"))
            choices.emplace_back(attribute(*choice, "id"), localizedText(*choice, "name"));
        // A page would otherwise offer a first choice that does not exist.
        if (choices.empty()) throw documentError() << "The choice setting '" << id << "' has no choices";
        auto choiceParam = std::make_shared<ParamEnum>(owner, id);
        choiceParam->setChoices(choices);
        param = choiceParam;
    } else if (type == "path") {
        const bool mustExist =
            xmlbind::getBoolAttribute(xmlbind::Element(const_cast<TiXmlElement*>(&element)), "exists");
        param = std::make_shared<ParamPath>(owner, id, mustExist);
    } else if (type == "url") {
        param = std::make_shared<ParamUrl>(owner, id);
    } else {
        throw documentError() << "Unsupported 'setting type' in config: " << type;
    }
    param->setTexts(name, description, errorMessage);

    const std::string behaviour = attribute(element, "behaviour");
    if (behaviour == "secure") {
        param->setBehaviour(Param::Behaviour::secure);
    } else if (behaviour == "detectable") {
        param->setBehaviour(Param::Behaviour::detectable);
        xmlbind::getChild(xmlbind::Element(const_cast<TiXmlElement*>(&element)), "read-setting-value");
    } else if (!behaviour.empty() && behaviour != "regular") {
        throw documentError() << "Unsupported attribute 'behaviour' value " << behaviour;
    }
    if (const std::string* defaultValue = element.Attribute(std::string("default-value")))
        param->setDefault(*defaultValue);
    return param;
}

void ParamManager::prepareLoad(ComponentManager&) {}

ParamManager::ParamLoader::ParamLoader(const Options& options)
{
    for (const auto& product : options.componentSettings)
        for (const auto& setting : product.second) values_[product.first][setting.first] = setting.second;
}

void ParamManager::ParamLoader::visit(const ParamPtr& param)
{
    Log(3, true) << "ParamManager::ParamLoader::visit: entry";
    if (dynamic_cast<const ParamStatic*>(param.get()) || dynamic_cast<const ParamHidden*>(param.get())) return;
    const std::string key = param->getComponents().front()->getProductId();
    if (key.empty()) throw KW_INTERNAL_ERROR() << "the setting " << param->getId() << " has no product";

    const auto product = values_.find(key);
    if (product == values_.end()) return;
    const auto setting = product->second.find(param->getId());
    if (setting == product->second.end()) return;
    if (!setting->second && dynamic_cast<const ParamPassword*>(param.get())) return;
    const std::string value = setting->second.value_or(std::string());
    const std::string shown = param->shown(value);

    if (param->is_readonly()) {
        Log(2, true) << "DEBUG: ParamLoader: skip of set read-only option: [" << key << "][" << param->getId()
                     << "]=" << shown;
        return;
    }
    Log(2, true) << "DEBUG: ParamLoader: set component from option: [" << key << "][" << param->getId()
                 << "]=" << shown;
    if (param->setValue(value)) return;
    Log(3, true) << "DEBUG: ParamLoader: Set param error: " << param->getErrorMessage();
    complaints_ << (Messages::format("err_param_invalid") % param->getId() % shown) << " : "
                << param->getErrorMessage() << "\n";
}

void ParamManager::loadFromOptions(const Options& options)
{
    ParamLoader loader(options);
    accept(loader);
    std::string complaints = loader.complaints();
    if (complaints.empty()) return;
    // Each complaint ends its line; the error adds the last line end itself.
    complaints.pop_back();
    throw error(2, 1, 1, 1) << complaints;
}

void ParamManager::accept(Visitor& visitor, const ParamPtr& start, bool skip)
{
    struct Walk {
        Visitor& visitor;
        const ParamPtr& start;
        bool active;

        void walk(const ParamPtr& param)
        {
            if (param == start) active = true;
            if (active) visitor.visit(param);
            const std::shared_ptr<SubParams> sub = std::dynamic_pointer_cast<SubParams>(param);
            if (!sub) return;
            if (active) visitor.enterGroup(sub);
            std::vector<std::string> branches = sub->getBranchNames();
            if (!sub->isUndefined()) {
                const std::string chosen = sub->getStoredValue();
                branches.clear();
                if (sub->hasBranch(chosen)) branches.push_back(chosen);
            }
            for (const std::string& branch : branches) {
                if (active) visitor.enterBranch(sub, branch);
                for (const ParamPtr& child : sub->getBranch(branch)) walk(child);
                if (active) visitor.leaveBranch(sub, branch);
            }
            if (active) visitor.leaveGroup(sub);
        }
    } walker{visitor, start, !start};

    visitor.begin();
    // A copy: a visitor may not change the list, but the walk must not depend on it.
    const std::vector<ParamPtr> params = params_;
    for (const ParamPtr& param : params) {
        if (skip && (param->isInactive() || param->is_readonly())) continue;
        walker.walk(param);
    }
    visitor.end();
}

int ParamManager::countComponentsWithParams() const
{
    std::set<const KwComponent*> owners;
    for (const ParamPtr& param : params_) {
        if (!isChangeable(*param)) continue;
        for (const KwComponentPtr& owner : param->getComponents()) owners.insert(owner.get());
    }
    return static_cast<int>(owners.size());
}

int ParamManager::countComponentsWithDefinedParams() const
{
    // One undefined setting outweighs any number of defined ones.
    std::map<const KwComponent*, int> sums;
    for (const ParamPtr& param : params_) {
        if (!isChangeable(*param)) continue;
        const int weight = param->isDefined() ? 1 : -100;
        for (const KwComponentPtr& owner : param->getComponents()) sums[owner.get()] += weight;
    }
    int count = 0;
    for (const auto& sum : sums)
        if (sum.second > 0) ++count;
    return count;
}

std::string ParamManager::substitutePlaceholders(const std::string& text)
{
    return replacePlaceholders(substitute_builtin_placeholders(text), [this](const std::string& name,
                                                                             std::string& value) {
        if (expanding_.count(name)) return false;
        for (const ParamPtr& param : params_) {
            if (param->getId() != name) continue;
            expanding_.insert(name);
            try {
                value = param->getValue();
            } catch (...) {
                // Only to keep the cycle guard right; the failure goes on.
                expanding_.erase(name);
                throw;
            }
            expanding_.erase(name);
            return true;
        }
        return false;
    });
}

void ParamManager::exportToFiles()
{
    std::vector<std::string> opened;
    // Whatever happens, every file that was opened is removed when the manager ends.
    const auto keep = [&] {
        for (const std::string& path : opened)
            if (std::find(exportFiles_.begin(), exportFiles_.end(), path) == exportFiles_.end())
                exportFiles_.push_back(path);
    };
    try {
        ParamFileExport exporter(opened);
        accept(exporter, ParamPtr(), true);
        exporter.finish();
    } catch (...) {
        // Only to record the files opened so far; the failure goes on.
        keep();
        throw;
    }
    keep();
    saveToFile();
}

void ParamManager::saveToFile()
{
    const std::string path = Options::componentOptionsPath();
    const std::string directory = fileops::dirname(path);
    const std::string shownPath = ".kitwright/options.ini";
    if (fileops::exists(directory) && !fileops::is_directory(directory)) {
        Log(0, true) << "ERROR: path " << directory << " exists, but it is not directory";
        return;
    }
    if (!fileops::exists(directory)) {
        try {
            fileops::create_directory(fileops::dirname(directory));
        } catch (const error& failure) {
            Log(0, true) << "ERROR: " << failure.text();
            return;
        }
        if (::mkdir(directory.c_str(), 0700) != 0 && errno != EEXIST) {
            const std::string reason = std::strerror(errno);
            Log(0, true) << "ERROR: " << (Messages::format("err_file_create") % shownPath) << ": " << reason;
            return;
        }
    }

    ParamFileSaver saver;
    accept(saver, ParamPtr(), true);
    ParamFileSaver::Settings existing;
    try {
        existing = Options::readComponentOptionsFile(path);
    } catch (const error& failure) {
        // Rewriting a file that cannot be read would lose what it holds.
        Log(0, true) << "ERROR: " << (Messages::format("err_file_create") % shownPath) << ": " << failure.text();
        return;
    }
    const ParamFileSaver::Sections sections = saver.merged(existing);
    if (sections.empty()) Log(3, true) << "ParamManager::ParamFileSaver::~ParamFileSaver: nothing to dump";
    try {
        fileops::replace_file(path, ParamFileSaver::format(sections), 0600);
    } catch (const error& failure) {
        Log(0, true) << "ERROR: " << (Messages::format("err_file_create") % shownPath) << ": " << failure.text();
    }
}

void ParamManager::removeExportFiles()
{
    for (const std::string& path : exportFiles_) {
        try {
            fileops::remove(path);
        } catch (const error& failure) {
            Log(0, true) << failure.text();
        }
        FilesRemovedAtExit::forget(path);
    }
    exportFiles_.clear();
}

ParamManager::~ParamManager()
{
    removeExportFiles();
    if (current == this) current = nullptr;
}
