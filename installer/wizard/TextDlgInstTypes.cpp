#include "installer/wizard/TextDlgInstTypes.h"

#include "installer/catalogue/BuildManager.h"
#include "installer/catalogue/InstTypes.h"
#include "installer/catalogue/Release.h"
#include "installer/components/ComponentManager.h"

#include "common/Messages.h"

TextDlgInstTypes::TextDlgInstTypes(TextConsole& console, BuildManager& buildManager,
                                   ComponentManager& componentManager)
    : DlgInstTypes(buildManager, componentManager), TextDialog(console)
{
}

std::string TextDlgInstTypes::title(const std::string& productId) const
{
    std::string text = componentManager().getInstTypes().getProduct(productId).product_name;
    const std::string releaseId = buildManager().getSelectedReleaseId(productId);
    if (!releaseId.empty()) {
        const ReleasePtr release = buildManager().getRelease(releaseId);
        if (release) text += " " + release->codename();
    }
    return text;
}

void TextDlgInstTypes::show()
{
    const InstTypes& types = componentManager().getInstTypes();
    const std::string heading = (Messages::format("insttypes_page_hdr1") % title(currentProduct_)).str();
    int counter = 1;
    if (selection().size() == 1) {
        showHeader(heading);
        out() << Messages::get("insttypes_page_body") << "\n\n";
    } else {
        showHeader(Messages::get("insttypes_page_hdr"));
        out() << Messages::get("insttypes_page_body") << "\n\n";
        for (const InstTypes::ProductEntry& product : types.products()) {
            out() << counter++ << ". (" << (product.product_id == currentProduct_ ? '*' : ' ') << ") "
                  << product.product_name << " (" << product.getInstType(typeOf(product.product_id)).names.front()
                  << " installation)\n";
        }
        out() << "\n" << heading << ":\n\n";
    }
    const std::string& selected = typeOf(currentProduct_);
    for (const InstTypes::InstType& type : types.getProduct(currentProduct_).types) {
        out() << counter++ << ". (" << (type.names.front() == selected ? '*' : ' ') << ") " << type.names.front()
              << "\n       " << type.description << "\n\n";
    }
    numbered_ = counter - 1;
    out() << "\n";
    showLegend({"wizard_legend_f_forward", "wizard_legend_b_back", "wizard_legend_q_quit"});
    out() << Messages::get("wizard_prompt_action_or_number");
}

bool TextDlgInstTypes::selectByNumber(int number)
{
    const InstTypes& types = componentManager().getInstTypes();
    int first = 1;
    if (selection().size() > 1) {
        const int count = static_cast<int>(types.products().size());
        if (number >= 1 && number <= count) {
            currentProduct_ = types.products()[number - 1].product_id;
            return true;
        }
        first = count + 1;
    }
    const std::vector<InstTypes::InstType>& productTypes = types.getProduct(currentProduct_).types;
    const int index = number - first;
    if (number < first || index >= static_cast<int>(productTypes.size())) return false;
    typeOf(currentProduct_) = productTypes[index].names.front();
    return true;
}

int TextDlgInstTypes::run()
{
    setChooseComponents(false);
    if (selection().empty()) return DLG_FORWARD;
    currentProduct_ = selection().front().first;
    for (;;) {
        show();
        for (;;) {
            const Answer answer = askAction(choiceHint("F/b/q", numbered_), "F");
            if (answer.isNumber() && selectByNumber(answer.number())) break;
            if (answer.is('B') || answer.is('P')) return DLG_BACK;
            if (answer.is('F') || answer.is('N')) return DLG_FORWARD;
            if (answer.is('L')) {
                setChooseComponents(true);
                return DLG_FORWARD;
            }
            if (answer.is('Q')) return DLG_QUIT;
            out() << Messages::get("wizard_prompt_action_or_number_retry");
        }
    }
}
