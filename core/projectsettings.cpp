#include "core/projectsettings.h"

#include "devices/ccoordinator.h"
#include "devices/cstartblock.h"

// defined here, where the device classes are complete
StartBlockSetGroup::StartBlockSetGroup() = default;
StartBlockSetGroup::~StartBlockSetGroup() = default;
StartBlockSetGroup::StartBlockSetGroup(StartBlockSetGroup &&other) noexcept = default;
StartBlockSetGroup &StartBlockSetGroup::operator=(StartBlockSetGroup &&other) noexcept = default;
