#pragma once

#include "installer/wizard/Dialog.h"

// The welcome page: no data; it goes forward or quits.
class DlgHello : public Dialog {};
