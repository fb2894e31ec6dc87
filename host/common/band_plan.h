// Amateur band names for frequencies, as ADIF and the plug-in spell them ("80m").
#pragma once

#include <cstdint>
#include <string>

// The band of a frequency in hertz; empty when it lies in no amateur band.
std::string BandOfFrequency(std::uint64_t hertz);
