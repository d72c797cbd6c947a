#include "tools/bankgen/content.h"
namespace xpexam::bankgen {
void UnitSystem(Kit&) {}
void UnitAccessories(Kit&) {}
void UnitMixed(Kit&) {}
}
