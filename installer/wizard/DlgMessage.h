#pragma once

#include "installer/wizard/Dialog.h"

#include <string>
#include <utility>

// A text the operator acknowledges with Enter (DLG_OK).
class DlgMessage : public Dialog {
public:
    explicit DlgMessage(std::string text) : text_(std::move(text)) {}
    const std::string& text() const { return text_; }

private:
    std::string text_;
};
