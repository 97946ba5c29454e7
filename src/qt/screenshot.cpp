// Grabbing the windows into PNG files, driving them as a user would.
#include "qt/screenshot.h"

#include <QApplication>
#include <QEventLoop>
#include <QPixmap>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>
#include <QWidget>

#include "app/controls.h"
#include "qt/about_window.h"
#include "qt/bridge.h"
#include "qt/dialog_window.h"
#include "qt/gui_shell.h"
#include "qt/main_window.h"

namespace {

void Settle(int ms) {
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

QString Variant(const QString& path, const QString& suffix) {
    QString base = path;
    if (base.endsWith(QLatin1String(".png"), Qt::CaseInsensitive)) {
        base.chop(4);
    }
    return base + suffix + QStringLiteral(".png");
}

}  // namespace

bool WriteScreenshots(GuiShell& shell, const QString& path) {
    bool ok = true;
    int modalCount = 0;
    // Any modal window that opens (a message, the About window) is photographed and closed.
    QTimer closer;
    closer.setInterval(300);
    QObject::connect(&closer, &QTimer::timeout, &closer, [&] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            const QString name = dynamic_cast<AboutWindow*>(modal) != nullptr
                                     ? QStringLiteral("-about")
                                     : QStringLiteral("-modal%1").arg(++modalCount);
            ok = modal->grab().save(Variant(path, name)) && ok;
            modal->close();
        }
    });
    closer.start();

    UiBridge& bridge = shell.Bridge();
    Settle(400);
    ok = shell.MainWindow()->grab().save(path) && ok;
    for (int tab = 1; tab < 4; ++tab) {
        // Through the widget, as a click on the tab would do it.
        shell.MainWindow()->Tabs()->setCurrentIndex(tab);
        Settle(300);
        ok =
            shell.MainWindow()->grab().save(Variant(path, QStringLiteral("-tab%1").arg(tab))) && ok;
    }
    if (auto* hubButton = dynamic_cast<QPushButton*>(bridge.Widget(ctl::kHubButton))) {
        hubButton->click();
    }
    Settle(300);
    if (shell.HubWindow() != nullptr) {
        ok = shell.HubWindow()->grab().save(Variant(path, QStringLiteral("-hub"))) && ok;
    }
    bridge.CloseRequest(kHubWindow);
    bridge.MenuItem(kMenuAbout);
    Settle(100);
    return ok;
}
