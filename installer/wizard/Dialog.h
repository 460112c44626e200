#pragma once

// What Dialog::run answers. Plain numbers: the drivers compare against them.
enum DialogResult : int {
    DLG_FORWARD = 200,  // to the next page
    DLG_BACK = 201,     // to the previous page
    DLG_QUIT = 202,     // leave the wizard
    DLG_YES = 203,
    DLG_NO = 204,
    DLG_OK = 205,  // a message or a prompt was answered
};

// Every page of the text-mode wizard and every question, message and prompt the
// drivers show. A page is its logic class (DlgHello, DlgReleases ...), which
// holds its data and the decisions that need no terminal, and a terminal class
// (TextDlgHello ...) that draws it; the dialog factory (DlgMaker) makes them.
// Each run shows the dialog afresh from its data.
class Dialog {
public:
    virtual ~Dialog() = default;
    // Shows the dialog, reads the answer and returns a DialogResult.
    virtual int run() = 0;
};
