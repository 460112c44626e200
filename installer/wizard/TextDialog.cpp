#include "installer/wizard/TextDialog.h"

bool TextDialog::noClear = false;
