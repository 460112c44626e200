#include "installer/sources/SourceConfig.h"

#include <ostream>

SourceConfig::SourceConfig(Repository* repository) : Source(repository) {}

std::ostream& SourceConfig::printName(std::ostream& out) const { return out << "SourceConfig_" << getSequence(); }

void SourceConfig::loadBrief() {}

void SourceConfig::loadFull() {}
