#include "dialogs/txpowerscale.h"

#include <QSpinBox>

namespace
{

constexpr int kStep = 6;

struct ModuleScale {
    int offset;
    int minimum;
    int maximum;
};

constexpr ModuleScale kScales[] = {
    {0, -30, 0},   // Standard
    {16, -12, 16}, // High Power
    {8, -20, 8},   // ETSI High Power
};
constexpr int kModuleCount = int(std::size(kScales));

} // namespace

namespace TxPowerScale
{

std::optional<int> offset(int module)
{
    if (module < 0 || module >= kModuleCount)
        return std::nullopt;
    return kScales[module].offset;
}

void applyRange(QSpinBox *spin, int module)
{
    const ModuleScale &scale = kScales[module >= 0 && module < kModuleCount ? module : 0];
    spin->setRange(scale.minimum, scale.maximum);
    spin->setSingleStep(kStep);
}

} // namespace TxPowerScale
