#include "tools/bankgen/content.h"
namespace xpexam::bankgen {
void UnitDisplay(Kit&) {}
void UnitDevices(Kit&) {}
void UnitSystem(Kit&) {}
void UnitAccessories(Kit&) {}
void UnitMixed(Kit&) {}
}
