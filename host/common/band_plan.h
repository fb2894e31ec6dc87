// Amateur band names for frequencies, as ADIF and the plug-in spell them ("80m").
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// The band of a frequency in hertz; empty when it lies in no amateur band.
std::string BandOfFrequency(std::uint64_t hertz);

// The lower edge of a band named in any letter case ("80m" or "80M": 3 500 000 Hz); 0 when
// the name is no band of the plan.
std::uint64_t BandLowerEdgeHz(std::string_view band);

// True for the short-wave bands, 160 m to 10 m.
bool IsShortWaveBand(std::string_view band);
