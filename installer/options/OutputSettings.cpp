#include "installer/options/OutputSettings.h"

bool xmlOutput = false;
std::string statusPrefix;
