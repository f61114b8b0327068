#pragma once

#include <QString>
#include <QtGlobal>

// The program's own loadable modules (the key click's audio, the network information): what the
// first frame does not need is loaded on first use instead of before `main`.
namespace OwnModule {

// The module's file: beside the installed program first (`installedFromProgram`, relative to its
// folder), else in the build tree (`built`); empty when neither exists.
QString path(const char* installedFromProgram, const char* built);

// The entry point `symbol` of the module at `path`, or null. The module stays loaded for the life of
// the process.
QFunctionPointer resolve(const QString& path, const char* symbol);

} // namespace OwnModule
