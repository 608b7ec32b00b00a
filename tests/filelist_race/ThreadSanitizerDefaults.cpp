// SPDX-License-Identifier: GPL-3.0-or-later
namespace quavero {

// Settings ThreadSanitizer asks the program for at start (other builds never
// call these functions). They add to what TSAN_OPTIONS and the shared
// suppression file give.

// Qt's own internals that ThreadSanitizer cannot see through, beyond Qt Core:
// the GUI library hands image work to its own thread pool and synchronises
// through Qt Core's uninstrumented atomics.
extern "C" const char *__tsan_default_suppressions() { return "race:libQt6Gui\n"; }

} // namespace quavero
