#pragma once

#include "installer/wizard/Dialog.h"

class ParamManager;

// The component settings page: the settings of the selected components.
class DlgOptions : public Dialog {
public:
    // The manager is not owned and outlives the page.
    explicit DlgOptions(ParamManager& params) : params_(params) {}

protected:
    ParamManager& params() const { return params_; }

private:
    ParamManager& params_;
};
