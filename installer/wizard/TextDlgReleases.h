#pragma once

#include "installer/catalogue/Release.h"
#include "installer/wizard/DlgReleases.h"
#include "installer/wizard/TextDialog.h"

#include "common/Opsys.h"

#include <string>
#include <vector>

// The releases page. Products are numbered rows; a product's number opens it
// (selecting its installed release, else its first) or closes it (unselecting
// it); the releases of an open product are numbered rows below it, and a
// release's number selects it. S opens the settings page; F runs the release
// checks (canContinue) and, once per installation, the feedback question.
//
// Three shortcuts, none with the show-all-releases option: one product with one
// release already selected is not drawn at all; one product whose newer release
// shares the installed one's codename is offered as "install the latest update"
// or "add or remove components"; a single product shows its releases without
// its product row.
class TextDlgReleases : public DlgReleases, public TextDialog {
public:
    // One row: a product row (productId set) or a release row.
    struct Item {
        ReleasePtr release;
        bool expanded = false;
        std::string productId;
        std::string productName;

        bool isProduct() const { return !productId.empty(); }
    };

    // Builds the rows from the releases that have a build for `system`, and
    // preselects: a product's selected release stays, else its installed one is
    // selected.
    TextDlgReleases(TextConsole& console, BuildManager& buildManager, Repository& repository, bool showAllReleases,
                    const Opsys& system);
    int run() override;

    const std::vector<Item>& rows() const { return rows_; }

protected:
    std::unique_ptr<DlgMaker> dialogs() const override;

private:
    bool isPreselected() const;
    bool isUpdateOffer() const;
    bool isSingleProduct() const;
    void show(bool updateOffer, bool singleProduct);
    void showRelease(const Item& row, int number, bool updateOffer);
    // Whether the number named a row (and what it did).
    bool selectByNumber(int number, bool singleProduct);
    void openProduct(Item& row);
    // Asks for consent to error reports while none is stored.
    void askCustomerFeedback();
    // Runs the checks, then the feedback question: whether the page may go forward.
    bool mayGoForward();

    std::vector<Item> rows_;
    int numbered_ = 0;
    bool showAllReleases_;
    Opsys system_;
};
