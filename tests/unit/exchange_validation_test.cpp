// Exchange validation table.
#include <gtest/gtest.h>

#include "api/stats_api.h"
#include "engine/exchange_validation.h"

namespace {

struct Case {
    const char* exchange;
    const char* prefix;
    int refuse;
    int valid;
};

TEST(ExchangeValidation, Table) {
    const Case cases[] = {
        {"001BV", "YO", 0, 1},    {"001bv", "YO", 0, 0},      {"001XY", "YO", 0, 0},
        {"BV", "YO", 0, 1},       {"12", "YO", 0, 0},         {"599", "YO", 0, 0},
        {"599", "DL", 0, 0},      {"599", "", 0, 0},          {"5991", "DL", 0, 1},
        {"1", "DL", 0, 0},        {"12345678", "DL", 0, 0},   {"1234567", "DL", 0, 1},
        {"ABCDEFGH", "GH", 0, 0}, {"001", "DL", 0, 1},        {"001A", "DL", 0, 0},
        {"001DL", "DL", 0, 1},    {"001dl", "DL", 0, 0},      {"XY", "", 0, 1},
        {"AB CD", "", 0, 1},      {"01", "ABCDEFGHIJ", 0, 1}, {"0A", "ABCDEFGHIJ", 0, 0},
        {"001", "DL", 1, 0},      {"001BV", "YO", 7, 0},      {"12\xB3", "DL", 0, 0},
        {"", "", 0, 0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(IsValidExchg0(c.exchange, "", c.prefix, "", 0, 0, c.refuse), c.valid)
            << '"' << c.exchange << "\" prefix \"" << c.prefix << "\" refuse " << c.refuse;
    }
}

TEST(ExchangeValidation, NullTextsAreInvalid) {
    EXPECT_EQ(IsValidExchg0(nullptr, nullptr, "DL", nullptr, 0, 0, 0), 0);
    EXPECT_EQ(IsValidExchg0("001", nullptr, nullptr, nullptr, 0, 0, 0), 0);
    EXPECT_EQ(GetExchgCount0(nullptr, nullptr, nullptr), 1);
}

}  // namespace
