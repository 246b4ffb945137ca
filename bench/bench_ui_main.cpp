#include <QApplication>
#include <benchmark/benchmark.h>

namespace {

/// The offscreen platform says on every window shown that it cannot pass size hints on; writing that to
/// the terminal would be timed with the windows.
void quietOffscreen(QtMsgType type, const QMessageLogContext &context, const QString &message) {
    if (message.contains(QLatin1String("propagateSizeHints")))
        return;
    qt_message_output(type, context, message);
}

} // namespace

int main(int argc, char **argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(quietOffscreen);
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
