#pragma once
// The table of which questions use which step code and special combination, in Markdown, for
// the README (xpexam-bankgen --coverage).
#include <string>

#include "tools/bankgen/bank.h"

namespace xpexam::bankgen {

std::string CoverageTable(Bank& bank);

}  // namespace xpexam::bankgen
