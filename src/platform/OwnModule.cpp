#include "OwnModule.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibrary>

QString OwnModule::path(const char* installedFromProgram, const char* built) {
    for (const QString& candidate :
         {QDir(QCoreApplication::applicationDirPath()).filePath(QString::fromUtf8(installedFromProgram)),
          QString::fromUtf8(built)}) {
        if (QFileInfo::exists(candidate))
            return candidate;
    }
    return {};
}

QFunctionPointer OwnModule::resolve(const QString& path, const char* symbol) {
    QLibrary module(path); // not unloaded when this goes out of scope
    return module.resolve(symbol);
}
