// How the process ends once its application object is gone.
#pragma once

namespace platform {

// Ends the process with rc without the libraries' exit handlers. The sound
// library drops its server connection there without holding its own lock,
// and its sound thread can then abort a process that has done all its work.
// Output is flushed first; a build with the leak checker checks here.
[[noreturn]] void prozessEnde(int rc);

} // namespace platform
