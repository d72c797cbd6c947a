#include "tools/bankgen/content.h"
namespace xpexam::bankgen {
void UnitMixed(Kit&) {}
}
