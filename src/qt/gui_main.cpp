// The program: the Qt application, the platform port, the core's start-up and the event loop.
#include "qt/gui_main.h"

#include <QApplication>
#include <QIcon>
#include <clocale>
#include <cstring>
#include <string>
#include <vector>

#include "qt/bridge.h"
#include "qt/gui_shell.h"
#include "qt/main_window.h"
#include "qt/qt_platform.h"
#include "qt/screenshot.h"

int RunDentaroGui(int& argc, char** argv, const TextTable& texts) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Dentaro"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/dentaro/dentaro.png")));
    // QApplication takes the user's locale; numbers are read and written with a point.
    std::setlocale(LC_NUMERIC, "C");

    // Qt has taken its own options out of argv; the first remaining one names a project.
    // "--screenshot FILE" writes pictures of the windows and ends (used to check the layout).
    std::vector<std::string> args;
    QString screenshot;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--screenshot") == 0 && i + 1 < argc) {
            screenshot = QString::fromLocal8Bit(argv[++i]);
            continue;
        }
        args.emplace_back(argv[i]);
    }

    AppState state;
    QtPlatform platform;
    GuiShell shell(state, platform);
    shell.Start(texts, args);
    platform.SetOwner(shell.MainWindow());
    platform.beforeModal = [&shell] { shell.Bridge().Sync(); };

    if (!screenshot.isEmpty()) {
        return WriteScreenshots(shell, screenshot) ? 0 : 1;
    }
    QApplication::exec();
    return 0;
}
