#include "installer/wizard/TextDlgHello.h"

#include "common/Messages.h"

void TextDlgHello::show()
{
    showHeader(Messages::get("hello_page_hdr"));
    out() << Messages::get("hello_page_body") << "\n";
    showLegend({"wizard_legend_f_forward", "wizard_legend_q_quit"});
    out() << Messages::get("wizard_prompt_action");
}

int TextDlgHello::run()
{
    show();
    for (;;) {
        const Answer answer = askAction("F/q", "F");
        if (answer.is('F') || answer.is('N')) return DLG_FORWARD;
        if (answer.is('Q')) return DLG_QUIT;
        out() << Messages::get("wizard_prompt_action_retry");
    }
}
