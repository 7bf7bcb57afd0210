#pragma once
// The first run after start: each scenario starts the benchmark program anew
// (`tesvik_bench --first-run NAME`), which starts an App, fills a page and
// times its first run, so that nothing a run builds or reads is there yet.

namespace tesvik::bench {

// The child's part: prints "NANOSECONDS KEPT" for the scenario; returns the
// exit status (2 for a name it does not know).
int first_run(const char* scenario);

}  // namespace tesvik::bench
