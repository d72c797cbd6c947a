#include "tools/bankgen/content.h"
namespace xpexam::bankgen {
void UnitExplorer(Kit&) {}
void UnitRecycle(Kit&) {}
void UnitDisplay(Kit&) {}
void UnitDevices(Kit&) {}
void UnitSystem(Kit&) {}
void UnitAccessories(Kit&) {}
void UnitMixed(Kit&) {}
}
