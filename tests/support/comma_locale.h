#pragma once
// A locale with a decimal comma for the tests that check that number texts
// ignore the process locale. CTest builds it into the build tree
// (<build>/locale/de_DE.UTF-8), so the system's locales stay as they are.

#include <clocale>
#include <cstdlib>
#include <optional>
#include <string>

namespace vg::test {

// Switches the whole process to de_DE.UTF-8 from the tests' own locale
// folder; false when it is not there. LOCPATH is set only while the locale
// loads, so nothing else looks in that folder.
inline bool UseCommaLocale()
{
    std::optional<std::string> previous;
    if (const char* p = std::getenv("LOCPATH")) previous = p;
    ::setenv("LOCPATH", VG_TEST_LOCALE_DIR, 1);
    const bool loaded = std::setlocale(LC_ALL, "de_DE.UTF-8") != nullptr;
    if (previous) ::setenv("LOCPATH", previous->c_str(), 1);
    else ::unsetenv("LOCPATH");
    return loaded;
}

// True when CTest runs the test (it then must find the locale it built).
inline bool RunByCtest() { return std::getenv("VG_RUN_BY_CTEST") != nullptr; }

}  // namespace vg::test
