#pragma once

#include "installer/components/KwCompNode.h"
#include "installer/params/ParamManager.h"
#include "installer/wizard/DlgOptions.h"
#include "installer/wizard/TextDialog.h"

#include <cstdint>

// The component settings page: how many components need settings; F walks
// the questions (or, when every setting is defined, goes on without them), R
// asks everything again, U only what is still undefined.
class TextDlgOptions : public DlgOptions, public TextDialog {
public:
    enum Mode {
        allDefined = 0,
        noneDefined = 1,
        someDefined = 2,
    };

    // Asks one question per setting, component by component, each component
    // closed by a confirmation in which R asks its settings again.
    class Asker : public ParamManager::Visitor, public TextDialog {
    public:
        // With `undefinedOnly` a setting already defined is passed over, except
        // while the operator redoes its component.
        Asker(TextConsole& console, bool undefinedOnly) : TextDialog(console), undefinedOnly_(undefinedOnly) {}

        void visit(const ParamPtr& param) override;
        void end() override;

        // One walk of the settings from the restart setting; true when the
        // operator asked to redo a component, which the next walk begins with.
        bool walk(ParamManager& params);

        void ask(Param& param);

    private:
        void confirmComponent();

        KwComponentPtr current_;
        std::int32_t count_ = 0;
        ParamPtr restart_;
        KwComponentPtr redoComponent_;
        bool redo_ = false;
        bool undefinedOnly_;
    };

    TextDlgOptions(TextConsole& console, ParamManager& params) : DlgOptions(params), TextDialog(console) {}

    int run() override;

    void show();
    // One complete pass of questions; DLG_FORWARD.
    int askParams(bool undefinedOnly);
    Mode mode() const { return mode_; }

private:
    const char* hint() const;

    Mode mode_ = noneDefined;
};
