// Time from process start to the first painted frame, and resident memory then, for Ratepad and for
// a bare Qt Widgets window with one label, on the offscreen platform, in the same run.
#include <QCoreApplication>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>
#include <algorithm>
#include <ctime>
#include <vector>

namespace {

struct Sample {
    double ms;
    double kib;
};

Sample runOnce(const QString& program, const QStringList& arguments, const QString& configHome) {
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert("RATEPAD_FIRST_FRAME_PROBE", "quit");
    env.insert("XDG_CONFIG_HOME", configHome);
    process.setStandardErrorFile(QProcess::nullDevice());
    // The kernel's record of a process start is whole clock ticks (10 ms); the probe measures from
    // this moment instead, so both subjects also pay the same fork and exec.
    timespec launched{};
    clock_gettime(CLOCK_BOOTTIME, &launched);
    env.insert("RATEPAD_FIRST_FRAME_PROBE_LAUNCHED_MS",
               QString::number(static_cast<double>(launched.tv_sec) * 1000.0 +
                                   static_cast<double>(launched.tv_nsec) / 1e6,
                               'f', 3));
    process.setProcessEnvironment(env);
    process.start(program, arguments);
    process.waitForFinished(30000);
    for (const QByteArray& line : process.readAllStandardOutput().split('\n')) {
        if (line.startsWith("first-frame ")) {
            const QList<QByteArray> f = line.split(' ');
            return {f.value(1).toDouble(), f.value(2).toDouble()};
        }
    }
    return {-1, -1};
}

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v.empty() ? -1 : v[v.size() / 2];
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, atoi(argv[1])) : 15;
    QTemporaryDir config;
    // The rate server address points nowhere: start-up must not wait for the network.
    const struct {
        const char* name;
        QString program;
        QStringList arguments;
    } subjects[] = {{"bare window", RATEPAD_BARE_WINDOW, {}},
                    {"Ratepad", RATEPAD_APP, {"--rate-server", "127.0.0.1:9"}}};
    // Runs alternate between the subjects, so that a busy moment on a shared machine weighs on both.
    std::vector<double> ms[2], kib[2];
    for (int i = 0; i < runs; ++i) {
        for (int j = 0; j < 2; ++j) {
            const Sample s = runOnce(subjects[j].program, subjects[j].arguments, config.path());
            if (s.ms >= 0) {
                ms[j].push_back(s.ms);
                kib[j].push_back(s.kib);
            }
        }
    }
    QTextStream out(stdout);
    const double bareMs = median(ms[0]), bareKiB = median(kib[0]);
    for (int j = 0; j < 2; ++j) {
        const double m = median(ms[j]), k = median(kib[j]);
        out << subjects[j].name << ": first frame after " << m << " ms (median of " << ms[j].size()
            << "), resident " << k / 1024.0 << " MiB";
        if (j > 0)
            out << "  -> " << m / bareMs << "x the time, +" << (k - bareKiB) / 1024.0 << " MiB";
        out << "\n";
    }
    return 0;
}
