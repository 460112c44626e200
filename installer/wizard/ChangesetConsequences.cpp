#include "installer/wizard/ChangesetConsequences.h"

#include "installer/components/ComponentsChangeset.h"
#include "installer/components/KwComponent.h"
#include "installer/wizard/DlgMaker.h"
#include "installer/wizard/DlgMessage.h"
#include "installer/wizard/DlgYesNo.h"

#include "common/Messages.h"

#include <boost/algorithm/string/join.hpp>

#include <set>

namespace {

std::string joined(const std::vector<std::string>& items)
{
    return boost::algorithm::join(items, ", ");
}

// The names the operator's own change put into the changeset.
std::size_t explicitNameCount(const ComponentsChangeset& changeset)
{
    std::set<std::string> names;
    for (const std::vector<std::string>& list : {changeset.getExplicitLeaveNames(),
                                                 changeset.getExplicitInstallNames(),
                                                 changeset.getExplicitRemoveNames()})
        names.insert(list.begin(), list.end());
    return names.size();
}

void appendList(std::string& text, const char* key, const std::vector<std::string>& names)
{
    if (names.empty()) return;
    text += Messages::get(key) + joined(names) + "\n";
}

}  // namespace

std::vector<std::string> describeComponentNames(const std::vector<std::string>& names,
                                                const ComponentsChangeset& changeset)
{
    std::vector<std::string> described;
    for (const std::string& name : names) {
        std::string item = name;
        for (const ComponentsChangeset::Requests::value_type& request : changeset.getRequests()) {
            if (request.first->name != name) continue;
            if (!request.first->getDescription().empty()) item = request.first->getDescription();
            break;
        }
        described.push_back(item);
    }
    return described;
}

ChangesetConsequences describeChangesetConsequences(const ComponentsChangeset& changeset)
{
    ChangesetConsequences result;
    const std::vector<std::string> conflicts = changeset.getConflicts();
    if (!conflicts.empty()) {
        result.kind = ChangesetConsequences::Kind::Refusal;
        result.text = Messages::get("components_group_deny_conflict") + "\n" + joined(conflicts) + "\n" +
                      Messages::get("components_group_deny_conflict_suggestion") + "\n";
        return result;
    }

    const std::vector<std::string> install = describeComponentNames(changeset.getImplicitInstallNames(), changeset);
    const std::vector<std::string> remove = describeComponentNames(changeset.getImplicitRemoveNames(), changeset);
    const std::vector<std::string> leave = describeComponentNames(changeset.getImplicitLeaveNames(), changeset);
    if (install.empty() && remove.empty() && leave.empty()) return result;

    const std::vector<comp_cptr_t> denied = changeset.getDeniedImplicitRemovals();
    if (!denied.empty()) {
        std::vector<std::string> items;
        for (const comp_cptr_t& component : denied)
            items.push_back(component->getDescription() + " (" + component->name + ")");
        result.kind = ChangesetConsequences::Kind::Refusal;
        result.text = Messages::get("components_deny_implicit_remove") + "\n" + joined(items) + "\n";
        return result;
    }

    result.kind = ChangesetConsequences::Kind::Question;
    result.text = Messages::get(explicitNameCount(changeset) == 1 ? "components_toggle_also"
                                                                  : "components_group_toggle_also") +
                  "\n";
    appendList(result.text, "components_install_also", install);
    appendList(result.text, "components_remove_also", remove);
    appendList(result.text, "components_unmark_also", leave);
    result.text += "\n" + Messages::get("components_install_remove_them");
    return result;
}

bool confirmChangesetConsequences(const ComponentsChangeset& changeset, DlgMaker& dialogs)
{
    const ChangesetConsequences consequences = describeChangesetConsequences(changeset);
    switch (consequences.kind) {
    case ChangesetConsequences::Kind::None:
        return true;
    case ChangesetConsequences::Kind::Refusal:
        dialogs.createMessage(consequences.text)->run();
        return false;
    case ChangesetConsequences::Kind::Question:
        break;
    }
    return dialogs.createYesNo(consequences.text)->run() == DLG_YES;
}

std::ostream& operator<<(std::ostream& out, const ChangesetConsequences& consequences)
{
    static const char* const kinds[] = {"none", "refusal", "question"};
    return out << kinds[static_cast<int>(consequences.kind)] << ' ' << consequences.text;
}
