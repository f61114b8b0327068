#pragma once

// Shared formatters are built once per process in the process's locale, so a test that needs another
// locale runs in a fresh copy of the test program started under it (LC_ALL and LANG).
//
//     if (runsElsewhereUnder("de_DE.UTF-8"))
//         return; // the copy ran this test; its failures are reported here
//     ... the test, now under de_DE ...
//
// Answers false in the copy (or when the process already runs under `locale`), true after the copy
// has run the current test; a failure of the copy is added to the current test with its output.
bool runsElsewhereUnder(const char* locale);
