#pragma once

#include "common/packages/Action.h"

#include <cstdint>
#include <string>

namespace xmlbind {
class Element;
}

// A bootstrap action of a build information file: a step the installer runs at
// a fixed point of an installation (a sequence, such as "prep" or "post", and a
// stage of it: "execute", then "commit" or "rollback"). The build and component
// action lists own them for as long as the catalogue lives; the lists of one
// run hold plain pointers to constant actions.
class Action {
public:
    virtual ~Action();
    Action& operator=(const Action&) = delete;

    // Runs the action; true on success.
    virtual bool execute() const = 0;
    // A new copy, owned by the caller.
    virtual Action* clone() const = 0;
    // Replaces the first occurrence of the placeholder in the action's command.
    virtual void substitute(const std::string& placeholder, const std::string& value) = 0;

    const std::string& sequence() const { return sequence_; }
    const std::string& stage() const { return stage_; }
    std::int32_t sequenceOrder() const { return sequenceOrder_; }
    const std::string& operation() const { return operation_; }
    // The release id for build actions, the component name for component ones.
    const std::string& parentName() const { return parentName_; }
    // A failed critical action stops its stage; only critical="false" is not.
    bool isCritical() const { return critical_; }

protected:
    // Reads "sequence" (required), "stage", "sequence-order", "operation" and
    // "critical"; a missing sequence raises xmlbind::err, an order that is no
    // 32-bit number err_non_digit.
    Action(const xmlbind::Element& element, const std::string& parentName);
    // For clone only.
    Action(const Action&) = default;

private:
    std::string sequence_;
    std::string stage_;
    std::int32_t sequenceOrder_;
    std::string operation_;
    std::string parentName_;
    bool critical_;
};
