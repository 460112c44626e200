#pragma once

// The pages of the text-mode wizard.
class TextDialog {
public:
    // When true, a page header prints blank lines instead of clearing the screen
    // (terminals where "clear" misbehaves, or output captured to a file). Set by the
    // options before the wizard starts; read on the main thread only.
    static bool noClear;
};
