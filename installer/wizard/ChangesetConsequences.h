#pragma once

#include <ostream>
#include <string>
#include <vector>

class ComponentsChangeset;
class DlgMaker;

// What a resolved changeset asks of the operator beyond the change they typed:
// nothing, a refusal to read (a conflict, or a removal that a component allows
// only when named), or a yes/no question listing what the change drags along.
// The texts are the operator's, in the current language.
struct ChangesetConsequences {
    enum class Kind { None, Refusal, Question };
    Kind kind = Kind::None;
    std::string text;
};

ChangesetConsequences describeChangesetConsequences(const ComponentsChangeset& changeset);

// Shows the consequences of a resolved changeset through `dialogs`: a refusal
// as a message, the others as a question whose empty answer is yes. True when
// the changeset may be applied (no consequences, or the operator agreed).
bool confirmChangesetConsequences(const ComponentsChangeset& changeset, DlgMaker& dialogs);

// The names, in their order, each replaced by the description of the first
// component of the changeset's requests that bears it, when that description is
// not empty.
std::vector<std::string> describeComponentNames(const std::vector<std::string>& names,
                                                const ComponentsChangeset& changeset);

// "<kind> <text>", without a line end.
std::ostream& operator<<(std::ostream& out, const ChangesetConsequences& consequences);
