#pragma once

#include "installer/wizard/DlgInstTypes.h"
#include "installer/wizard/TextDialog.h"

#include <string>

// The installation types page: with several products their rows come first and
// choose the product in view; the rows of that product's installation types
// follow and choose its type. L goes forward like F and asks the driver to let
// the operator choose components as well (a key the legend does not show).
class TextDlgInstTypes : public DlgInstTypes, public TextDialog {
public:
    TextDlgInstTypes(TextConsole& console, BuildManager& buildManager, ComponentManager& componentManager);

    int run() override;

    void show();
    // Makes the product with that row current, or stores the type with that row
    // as the current product's; false when no row has the number.
    bool selectByNumber(int number);

private:
    // The product's name, and the codename of its selected release when known.
    std::string title(const std::string& productId) const;

    std::string currentProduct_;
    int numbered_ = 0;
};
