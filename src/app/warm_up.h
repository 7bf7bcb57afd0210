#pragma once
// Runs the program's heavy paths once on an App that no one sees, so that an
// engine which compiles code when it first runs (WebAssembly in a browser)
// has compiled it before the user's first click. The browser page calls it
// once it has drawn itself; the scenario timings call it as a page would.

namespace tesvik {

void warm_up();

}  // namespace tesvik
