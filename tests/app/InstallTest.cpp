// `cmake --install` into a temporary prefix: a desktop gets a valid entry, icon and AppStream data,
// and the program runs from there with everything it ships.
#include "TempConfig.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QLibrary>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

struct Finished {
    int status;
    QString output;
};

Finished run(const QString& program, const QStringList& arguments, int timeoutMs = 60000) {
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    if (!process.waitForFinished(timeoutMs))
        return {-1, QStringLiteral("%1 did not finish: %2").arg(program, process.errorString())};
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAll())};
}

// The languages that `pattern` captures in a file, sorted.
QStringList languagesIn(const QString& path, const QString& pattern) {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    QStringList languages;
    const QRegularExpression expression(pattern, QRegularExpression::MultilineOption);
    for (const QRegularExpressionMatch& match : expression.globalMatch(QString::fromUtf8(file.readAll())))
        languages << match.captured(1);
    languages.sort();
    return languages;
}

TEST(Install, aPrefixGetsAValidDesktopEntryIconAndMetainfoAndTheProgramRunsFromThere) {
    QTemporaryDir prefix;
    const Finished install = run(RATEPAD_CMAKE, {"--install", RATEPAD_BUILD_DIR, "--prefix", prefix.path()});
    ASSERT_EQ(install.status, 0) << install.output.toStdString();
    const QDir root(prefix.path());
    const QString data = QStringLiteral(RATEPAD_INSTALL_DATADIR "/");
    const QString id = QStringLiteral(RATEPAD_APP_ID);

    const QString desktop = root.filePath(data + "applications/" + id + ".desktop");
    const QString metainfo = root.filePath(data + "metainfo/" + id + ".metainfo.xml");
    EXPECT_TRUE(QFile::exists(root.filePath(data + "icons/hicolor/scalable/apps/" + id + ".svg")));
    for (const int size : {48, 128, 256}) {
        const QString icon =
            root.filePath(data + QStringLiteral("icons/hicolor/%1x%1/apps/").arg(size) + id + ".png");
        EXPECT_EQ(QImage(icon).size(), QSize(size, size)) << icon.toStdString();
    }
    const Finished entry = run(QStringLiteral("desktop-file-validate"), {desktop});
    EXPECT_EQ(entry.status, 0) << entry.output.toStdString();
    // Even pedantic AppStream notes nothing but the id's placeholder domain.
    const Finished appstream =
        run(QStringLiteral("appstreamcli"), {"validate", "--pedantic", "--no-net", metainfo});
    EXPECT_EQ(appstream.status, 0) << appstream.output.toStdString();
    QStringList issues =
        appstream.output.split(u'\n').filter(QRegularExpression(QStringLiteral("^[EWIP]: ")));
    issues.removeIf([](const QString& issue) { return issue.contains(QLatin1String("cid-maybe-not-rdns")); });
    EXPECT_TRUE(issues.isEmpty()) << issues.join(u'\n').toStdString();
    // The software centre describes the program in every language the menu names it in.
    const QStringList menuLanguages = languagesIn(desktop, QStringLiteral("^Comment\\[(\\w+)\\]="));
    EXPECT_EQ(languagesIn(metainfo, QStringLiteral("<summary xml:lang=\"(\\w+)\"")), menuLanguages);
    EXPECT_EQ(languagesIn(metainfo, QStringLiteral("<p xml:lang=\"(\\w+)\"")), menuLanguages);

    // The modules where the installed program looks for them first: the click's audio and the
    // network information.
    for (const auto& [name, function] : {std::pair{"ratepad-click", "ratepadCreateClickPlayer"},
                                         std::pair{"ratepad-netinfo", "ratepadFollowNetworkInformation"}}) {
        QLibrary module(root.filePath(
            QStringLiteral(RATEPAD_INSTALL_MODULE_DIR "/%1" RATEPAD_MODULE_SUFFIX).arg(QLatin1String(name))));
        EXPECT_NE(module.resolve(function), nullptr) << module.errorString().toStdString();
    }
    // The installed program starts, shows every tab and the picker from its shipped resources and quits.
    const TempConfig config;
    QTemporaryDir shots;
    const Finished app =
        run(root.filePath(RATEPAD_INSTALL_BINDIR "/ratepad"),
            {"-platform", "offscreen", "--rate-server", "127.0.0.1:1", "--screenshots", shots.path()});
    ASSERT_EQ(app.status, 0) << app.output.toStdString();
    EXPECT_EQ(QDir(shots.path()).entryList({"*.png"}).size(), 6) << app.output.toStdString();
}

// The rate server comes along, with systemd user units that start it on the first connection to
// where Ratepad asks by default; systemd itself finds nothing wrong with them.
TEST(Install, theRateServerComesWithSystemdUnitsThatStartItOnDemand) {
    QTemporaryDir prefix;
    const Finished install = run(RATEPAD_CMAKE, {"--install", RATEPAD_BUILD_DIR, "--prefix", prefix.path()});
    ASSERT_EQ(install.status, 0) << install.output.toStdString();
    const QDir root(prefix.path());
    const QString server =
        root.filePath(QStringLiteral(RATEPAD_INSTALL_LIBEXECDIR "/ratepad/ratepad-rate-server"));
    EXPECT_EQ(run(server, {"--version"}).status, 0);
    const QDir units(root.filePath(QStringLiteral(RATEPAD_INSTALL_DATADIR "/systemd/user")));
    QFile service(units.filePath("ratepad-rate-server.service"));
    ASSERT_TRUE(service.open(QIODevice::ReadOnly));
    EXPECT_TRUE(service.readAll().contains("ExecStart=" + server.toUtf8() + ' '));
    QFile socket(units.filePath("ratepad-rate-server.socket"));
    ASSERT_TRUE(socket.open(QIODevice::ReadOnly));
    EXPECT_TRUE(socket.readAll().contains("ListenStream=127.0.0.1:8641\n"));
    EXPECT_EQ(
        QFileInfo(units.filePath("sockets.target.wants/ratepad-rate-server.socket")).canonicalFilePath(),
        QFileInfo(socket).canonicalFilePath());

    QTemporaryDir runtime; // systemd-analyze --user wants a runtime directory of its own
    QProcess verify;
    verify.setProcessChannelMode(QProcess::MergedChannels);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("XDG_RUNTIME_DIR", runtime.path());
    verify.setProcessEnvironment(environment);
    verify.start("systemd-analyze", {"--user", "verify", socket.fileName(), service.fileName()});
    ASSERT_TRUE(verify.waitForFinished(60000));
    EXPECT_EQ(verify.exitCode(), 0) << verify.readAll().toStdString();
}

} // namespace
