// Serial number of a volume: the key of the note text transform.
#pragma once
#include <cstdint>
#include <string>

// Serial number of the volume whose root is letter + ":\", or 0 when the
// system cannot give one (no such drive, no medium, a path without a letter).
uint32_t GetVolumeSerialNumber(char letter);
// The same for the drive of a path that starts with its letter ("C:\...").
uint32_t GetVolumeSerialNumberOf(const std::wstring& path);
