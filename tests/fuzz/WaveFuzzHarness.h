#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// Opens arbitrary bytes as an input WAV file, reads all of its frames and a few hundred
// beyond, and hands the read position over to a second reader. Returns an empty string
// when every check held, otherwise what went wrong. Shared by the fuzz target and the
// replay of its regression inputs.
std::string ReplayWaveInput(const uint8_t* data, size_t size);
