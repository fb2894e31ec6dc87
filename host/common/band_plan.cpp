// The ADIF band table (lower and upper edges in kHz) for the bands below 1.3 GHz.
#include "host/common/band_plan.h"

#include "host/common/text_util.h"

namespace {

struct BandEdge {
    std::uint64_t lowKHz;
    std::uint64_t highKHz;
    const char* name;
};

constexpr BandEdge kBands[] = {
    {135, 138, "2190m"},        {472, 479, "630m"},       {1800, 2000, "160m"},
    {3500, 4000, "80m"},        {5060, 5450, "60m"},      {7000, 7300, "40m"},
    {10100, 10150, "30m"},      {14000, 14350, "20m"},    {18068, 18168, "17m"},
    {21000, 21450, "15m"},      {24890, 24990, "12m"},    {28000, 29700, "10m"},
    {50000, 54000, "6m"},       {70000, 71000, "4m"},     {144000, 148000, "2m"},
    {222000, 225000, "1.25m"},  {420000, 450000, "70cm"}, {902000, 928000, "33cm"},
    {1240000, 1300000, "23cm"},
};

constexpr std::uint64_t kShortWaveLowKHz = 1800;
constexpr std::uint64_t kShortWaveHighKHz = 29700;

const BandEdge* FindBand(std::string_view name) {
    const std::string lower = Lower(name);
    for (const BandEdge& band : kBands) {
        if (lower == band.name) {
            return &band;
        }
    }
    return nullptr;
}

}  // namespace

std::string BandOfFrequency(std::uint64_t hertz) {
    for (const BandEdge& band : kBands) {
        if (hertz >= band.lowKHz * 1000 && hertz <= band.highKHz * 1000) {
            return band.name;
        }
    }
    return {};
}

std::uint64_t BandLowerEdgeHz(std::string_view band) {
    const BandEdge* found = FindBand(band);
    return found != nullptr ? found->lowKHz * 1000 : 0;
}

bool IsShortWaveBand(std::string_view band) {
    const BandEdge* found = FindBand(band);
    return found != nullptr && found->lowKHz >= kShortWaveLowKHz &&
           found->highKHz <= kShortWaveHighKHz;
}
