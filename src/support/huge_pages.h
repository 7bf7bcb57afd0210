#pragma once
// The window's large texts (a 10 MB paste makes a Qt document of some
// 200 MB) are built in fresh memory, and most of their cost is the kernel
// mapping it page by page. The C library's allocator can back its memory
// with transparent huge pages instead; it reads that wish only when the
// process starts.

namespace tesvik {

// Starts the program anew (same arguments, standard streams and
// environment) with the allocator asked for huge pages, unless it already
// was asked. Returns when no restart happens: already asked, or the program
// cannot start itself; it then runs on as it is.
void restart_with_huge_pages(char** argv);

}  // namespace tesvik
