// The calling-convention check. This file is compiled with frame pointers and with the
// outgoing parameters stored into space reserved once per function, so the stack pointer stays
// put between calls: a callee that popped its own parameters shows as a moved stack pointer
// instead of corrupting what the function addresses through it.
#include "host/ravo/calling_convention_check.h"

#include <cstdint>

namespace {

// The stack pointer at this point of the caller.
#if defined(__i386__)
#define READ_STACK_POINTER(out) asm volatile("movl %%esp, %0" : "=r"(out))
#else
#define READ_STACK_POINTER(out) (out) = 0
#endif

constexpr StatsDateTime kNoDate{0.0, 2};

// One round of calls; false when the stack pointer differs after them.
bool CallEveryEntryPoint(const StatsEntryPoints& plugin, int round) {
    std::uintptr_t before = 0;
    std::uintptr_t after = 0;
    READ_STACK_POINTER(before);
    const StatsDateTime first{46362.0, 0};
    const StatsDateTime second{46363.0, 0};
    const StatsDateTime time{46363.75 + round / 1440.0, 0};
    plugin.GetNumberOfSets();
    plugin.GetSetName(0);
    plugin.setVersion("2.20");
    plugin.ResetStats0(".\\", 0, "YO9XYZ", &first, &second, "", "", "", "", "", "", "", "", "",
                       "BV", 0, 0, 0, 0.0, 0.0, "", "", "");
    char buffer27[256] = {};
    char buffer28[256] = {};
    plugin.CheckCall0("DL1ABC", 0u, 0u, "BPSK31", "", "", "", "", "", "", "", "", "", "DL", 0, 0, 0,
                      0.0, 0.0, "", "", "", "", "", "80m", "80m", buffer27, buffer28);
    plugin.GetExchgCount0("", "", "");
    plugin.IsValidExchg0("012BV", "", "YO", "", 0, 0, 0);
    plugin.AddData0("YO9XYZ", "DL1ABC", &time, &kNoDate, &kNoDate, &kNoDate, 0u, 3580000u, "BPSK31",
                    "599", "599", "001BV", "005", "", "", "", "", "", "", "", "", "", "DL", 0, 0, 0,
                    0.0, 0.0, "", "", "", "80m", "");
    int score = 0;
    plugin.GetResult0(&score);
    plugin.RemoveData0("YO9XYZ", "DL1ABC", &time, &kNoDate, &kNoDate, &kNoDate, 0u, 3580000u,
                       "BPSK31", "599", "599", "001BV", "005", "", "", "", "", "", "", "", "", "",
                       "DL", 0, 0, 0, 0.0, 0.0, "", "", "", "80m", "");
    READ_STACK_POINTER(after);
    return before == after;
}

}  // namespace

bool CallsKeepTheStackPointer(const StatsEntryPoints& plugin, int rounds, std::string* report) {
    int moved = 0;
    for (int round = 0; round < rounds; ++round) {
        if (!CallEveryEntryPoint(plugin, round)) {
            ++moved;
        }
    }
#if defined(__i386__)
    *report = std::to_string(rounds) + " rounds of every entry point: stack pointer " +
              (moved == 0 ? "unchanged" : "moved in " + std::to_string(moved) + " rounds");
#else
    *report = std::to_string(rounds) +
              " rounds of every entry point: one calling convention here, stack not compared";
#endif
    return moved == 0;
}
