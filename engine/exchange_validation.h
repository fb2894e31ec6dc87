// Exchange validation (IsValidExchg0).
#pragma once

// 1 for a valid received exchange, 0 otherwise; null texts are invalid.
int IsValidExchange(const char* exchange, const char* prefix, int refuse);
