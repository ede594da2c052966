#pragma once
// The fill's wiring to the terminal, shared with the tests.

class SearchRun;

// Progress goes to standard error at the search's own cadence. Ctrl+C, or
// `timeLimitSeconds` passing on the search's clock (0 = no limit), stops the search
// at its next turn, as Escape does in the window, keeping what was found;
// `timeLimitPassed` then tells that the limit ended it. Both must outlive the search.
void WireToTerminal(SearchRun& search, long long timeLimitSeconds, bool& timeLimitPassed);
