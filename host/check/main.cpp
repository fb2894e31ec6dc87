// sarnet-check: the organizer's cross-check of all the logs of a Sarnet Contest.
#include <iostream>
#include <string>
#include <vector>

#include "host/check/check_options.h"
#include "host/check/check_run.h"

int main(int argc, char** argv) {
    try {
        const CheckOptionsResult parsed =
            ParseCheckOptions(std::vector<std::string>(argv + 1, argv + argc));
        if (parsed.exitCode >= 0) {
            (parsed.exitCode == 0 ? std::cout : std::cerr) << parsed.output;
            return parsed.exitCode;
        }
        return RunCheck(parsed.options, std::cout, std::cerr);
    } catch (const std::exception& exception) {
        std::cerr << "sarnet-check: stopped: " << exception.what() << '\n';
        return kExitCannotRun;
    }
}
