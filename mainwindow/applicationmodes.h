#pragma once

#include <optional>

#include <QString>

#include "core/sharedtypes.h"

namespace ApplicationModes
{

// The mode that the administrator input leads to from the current mode. In the operator mode only the
// two codes lead anywhere; none means the text was refused and the input is asked for again. In an
// administrator mode every text but the other level's code returns to the operator mode.
std::optional<PossibleModes> modeAfterInput(PossibleModes current, const QString &text);

} // namespace ApplicationModes
