#include "installer/wizard/TextDlgOptions.h"

#include "installer/components/KwComponent.h"
#include "installer/params/ParamTypes.h"

#include "common/Log.h"
#include "common/Messages.h"

#include <functional>
#include <iomanip>
#include <memory>

void TextDlgOptions::show()
{
    showHeader(Messages::get("options_page_hdr"));
    const int withParams = params().countComponentsWithParams();
    const int defined = params().countComponentsWithDefinedParams();
    out() << withParams << Messages::get("options_page_body1");
    if (defined == 0) {
        out() << Messages::get("options_page_body3");
        mode_ = noneDefined;
    } else if (defined == withParams) {
        out() << Messages::get("options_page_body4");
        mode_ = allDefined;
    } else {
        out() << (Messages::format("options_page_body2") % (withParams - defined)).str();
        mode_ = someDefined;
    }
    out() << "\n";
    switch (mode_) {
    case noneDefined:
        showLegend({"wizard_legend_f_forward_specify_params", "wizard_legend_b_back", "wizard_legend_q_quit"});
        break;
    case someDefined:
        showLegend({"wizard_legend_f_forward_specify_params", "wizard_legend_u_specify_undefined_params",
                    "wizard_legend_b_back", "wizard_legend_q_quit"});
        break;
    case allDefined:
        showLegend({"wizard_legend_f_forward_skip_params", "wizard_legend_r_redefine_params_all",
                    "wizard_legend_b_back", "wizard_legend_q_quit"});
        break;
    }
    out() << Messages::get("wizard_prompt_action");
}

const char* TextDlgOptions::hint() const
{
    switch (mode_) {
    case allDefined:
        return "F/r/b/q";
    case noneDefined:
        return "F/b/q";
    case someDefined:
        return "F/u/b/q";
    }
    return "b/q";
}

int TextDlgOptions::run()
{
    show();
    for (;;) {
        const Answer answer = askAction(hint(), "F");
        if (answer.is('B') || answer.is('P')) return DLG_BACK;
        if (answer.is('Q')) return DLG_QUIT;
        if (answer.is('F') || answer.is('N')) return mode_ == allDefined ? DLG_FORWARD : askParams(false);
        if (answer.is('U') && mode_ != noneDefined) return askParams(mode_ == someDefined);
        if (answer.is('R') && mode_ == allDefined) return askParams(false);
        out() << Messages::get("wizard_prompt_action_retry");
    }
}

int TextDlgOptions::askParams(bool undefinedOnly)
{
    Asker asker(console(), undefinedOnly);
    while (asker.walk(params())) {
    }
    return DLG_FORWARD;
}

bool TextDlgOptions::Asker::walk(ParamManager& params)
{
    current_.reset();
    redo_ = false;
    count_ = 0;
    params.accept(*this, restart_, true);
    return redo_;
}

void TextDlgOptions::Asker::visit(const ParamPtr& param)
{
    if (redo_) return;
    const KwComponentPtr& owner = param->getComponents().front();
    if (undefinedOnly_ && param->isDefined() && owner != redoComponent_) return;
    if (owner != current_) {
        if (current_) {
            confirmComponent();
            if (redo_) return;
        }
        ++count_;
        current_ = owner;
        restart_ = param;
        out() << "\n\n" << count_ << ") Component: " << owner->name << "\n\n";
    }
    ask(*param);
}

void TextDlgOptions::Asker::end()
{
    if (!redo_) confirmComponent();
}

void TextDlgOptions::Asker::confirmComponent()
{
    if (!current_) return;
    out() << (Messages::format("options_page_body5") % current_->name).str() << "\n";
    showLegend({"wizard_legend_f_forward", "wizard_legend_r_redefine_params_one"});
    const char* prompt = "wizard_prompt_action";
    for (;;) {
        out() << Messages::get(prompt);
        const Answer answer = askAction("F/r", "F");
        if (answer.is('F') || answer.is('N')) return;
        if (answer.is('R')) {
            redo_ = true;
            redoComponent_ = current_;
            return;
        }
        prompt = "wizard_prompt_action_retry";
    }
}

void TextDlgOptions::Asker::ask(Param& param)
{
    const std::string current = param.isDefined() ? param.getStoredValue()
                                : param.hasDefault() ? param.getDefault()
                                                     : std::string();
    const std::string& label = param.getDescription();
    const std::string& prompt = param.getName();

    // Asks until the setting takes the answer; a refusal shows the setting's
    // error text (never the refused text: it may be a password).
    auto askUntilAccepted = [&](const std::function<std::string()>& answer) {
        while (!param.setValue(answer())) out() << param.getErrorMessage() << "\n";
    };

    if (ParamEnum* choice = dynamic_cast<ParamEnum*>(&param)) {
        out() << label << "\n";
        const ParamEnum::Choices& choices = choice->getChoices();
        if (choices.empty()) {
            // Nothing to choose from: a fault of the settings document, which the
            // operator cannot mend here.
            Log(1, true) << "Warning: the setting " << param.getId() << " offers no choice; it is not asked.";
            return;
        }
        std::size_t kept = 0;
        for (std::size_t i = 0; i < choices.size(); ++i) {
            const bool marked = choices[i].first == current;
            if (marked) kept = i;
            out() << std::setw(2) << i + 1 << ". (" << (marked ? '*' : ' ') << ") " << choices[i].second << "\n";
        }
        const std::string hint = choices.size() == 1 ? "1" : "1-" + std::to_string(choices.size());
        askUntilAccepted([&] {
            const char* key = "wizard_prompt_number";
            for (;;) {
                out() << Messages::get(key);
                const Answer answer = askAction(hint, "F");
                if (answer.isNumber() && answer.number() >= 1 &&
                    static_cast<std::size_t>(answer.number()) <= choices.size())
                    return choices[answer.number() - 1].first;
                if (answer.is('F')) return choices[kept].first;
                key = "wizard_prompt_number_retry";
            }
        });
    } else if (dynamic_cast<ParamBool*>(&param)) {
        out() << label << "\n";
        const std::string shown = current == "true" ? "yes" : current == "false" ? "no" : current;
        askUntilAccepted([&] { return askText(prompt, shown); });
    } else if (dynamic_cast<SubParams*>(&param)) {
        out() << "\n --- " << label << " ---\n";
    } else if (dynamic_cast<ParamPassword*>(&param)) {
        out() << label << "\n";
        askUntilAccepted([&] { return askPassword(prompt, current); });
    } else if (dynamic_cast<ParamStatic*>(&param)) {
        out() << label << "\n" << prompt << ": " << param.getDefault() << "\n";
        param.setValue(param.getDefault());
    } else if (dynamic_cast<ParamHidden*>(&param)) {
        param.setValue(param.getDefault());
        return;
    } else {
        out() << label << "\n";
        askUntilAccepted([&] { return askText(prompt, current); });
    }
    out() << "\n";
}
