// index.html: the results table, each station's details, and the rules and options the
// check applied. One self-contained page, no script, no outside reference but the stations'
// report files beside it.
#pragma once

#include <string>
#include <string_view>

#include "host/check/check_results.h"

std::string BuildResultsPage(const CheckResults& results);
