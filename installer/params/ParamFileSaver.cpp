#include "installer/params/ParamFileSaver.h"

#include "installer/components/KwComponent.h"
#include "installer/params/ParamTypes.h"

#include "common/Log.h"
#include "common/StringUtils.h"

namespace {

// A product id the file can hold as a "[id]" line that reads back as itself.
bool isWritableSection(const std::string& product)
{
    if (product.empty()) return false;
    for (const char c : product)
        if (c == ']' || static_cast<unsigned char>(c) < 0x20 || c == 0x7f) return false;
    return product.find_first_not_of(" \t") != std::string::npos;
}

}  // namespace

void ParamManager::ParamFileSaver::visit(const ParamPtr& param)
{
    if (dynamic_cast<const ParamStatic*>(param.get()) || dynamic_cast<const ParamHidden*>(param.get())) return;
    if (param->isUndefined()) return;
    const std::string product = param->getComponents().front()->getProductId();
    if (!isWritableSection(product)) {
        Log(0, true) << "ERROR: ParamManager: param " << param->getId() << " without product ID";
        return;
    }
    // A password is not kept at rest in the home directory, whatever its
    // behaviour: the option readers would also show it in their log lines.
    if (param->getBehaviour() != Param::Behaviour::regular || param->isSecret()) {
        withheld_[product].insert(param->getId());
        return;
    }
    std::vector<std::pair<std::string, std::string>>& section = sections_[product];
    for (auto& entry : section) {
        if (entry.first != param->getId()) continue;
        entry.second = param->getStoredValue();
        return;
    }
    section.emplace_back(param->getId(), param->getStoredValue());
}

ParamManager::ParamFileSaver::Sections ParamManager::ParamFileSaver::merged(const Settings& existing) const
{
    Sections result;
    for (const auto& product : existing) {
        const auto withheld = withheld_.find(product.first);
        for (const auto& setting : product.second) {
            if (withheld != withheld_.end() && withheld->second.count(setting.first)) continue;
            result[product.first].push_back(setting);
        }
    }
    for (const auto& product : sections_) {
        std::vector<std::pair<std::string, std::string>>& section = result[product.first];
        for (const auto& setting : product.second) {
            bool replaced = false;
            for (auto& entry : section) {
                if (entry.first != setting.first) continue;
                entry.second = setting.second;
                replaced = true;
            }
            if (!replaced) section.push_back(setting);
        }
    }
    for (auto it = result.begin(); it != result.end();) it = it->second.empty() ? result.erase(it) : std::next(it);
    return result;
}

std::string ParamManager::ParamFileSaver::format(const Sections& sections)
{
    std::string text;
    for (const auto& product : sections) {
        text += "[" + product.first + "]\n";
        for (const auto& setting : product.second) text += setting.first + "=" + escapeQuoted(setting.second) + "\n";
        text += "\n\n";
    }
    return text;
}
