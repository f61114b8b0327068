#pragma once

#include <QProcessEnvironment>
#include <utility>
#include <vector>

// Shared formatters are built once per process in the process's locale, so a test that needs another
// locale runs in a fresh copy of the test program started under it.
//
//     if (runsElsewhereUnder("de_DE.UTF-8"))
//         return; // the copy ran this test; its failures are reported here
//     ... the test, now under de_DE ...
//
// Answers false in the copy, true after the copy has run the current test; a failure of the copy is
// added to the current test with its output.
bool runsElsewhereUnder(const char* locale); // LC_ALL and LANG

// The same with exactly these locale variables (LANG, LC_*, LANGUAGE); the others are removed.
using LocaleVariables = std::vector<std::pair<const char*, const char*>>;
bool runsElsewhereWith(const LocaleVariables& variables);

// This process's environment for a child, with exactly these locale variables.
QProcessEnvironment environmentWith(const LocaleVariables& variables);
