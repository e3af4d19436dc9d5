#pragma once

#include <optional>

class QSpinBox;

// The radio transmit power as the dialogs show it: in the scale of the radio module, which adds an
// offset to the device's own dBm value and has its own range.
namespace TxPowerScale
{

// 0 for module 0 (Standard), 16 for 1 (High Power), 8 for 2 (ETSI High Power); none for any other.
std::optional<int> offset(int module);

// -30..0 for Standard and any unknown module, -12..16 for High Power, -20..8 for ETSI High Power; step 6.
void applyRange(QSpinBox *spin, int module);

} // namespace TxPowerScale
