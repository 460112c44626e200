#include "installer/wizard/TextDlgYesNo.h"

#include "common/Messages.h"

#include <locale>

int TextDlgYesNo::run()
{
    out() << "\n" << std::flush << question();
    // A question that guards data takes no empty answer: the operator must
    // type the no.
    const std::string prompt = defaultYes() ? " [Y/n]" : " [y/n]";
    for (;;) {
        std::string answer = askText(prompt, std::string());
        const std::locale locale;
        for (char& c : answer) c = std::tolower(c, locale);
        if ((answer.empty() && defaultYes()) || answer == "y" || answer == "yes") return DLG_YES;
        if (answer == "n" || answer == "no") return DLG_NO;
        out() << Messages::get("yesno_retry");
    }
}
