// Qt's side of the platform port.
#include "qt/qt_platform.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCoreApplication>
#include <QCursor>
#include <QDateTime>
#include <QDesktopServices>
#include <QFileDialog>
#include <QGuiApplication>
#include <QMenu>
#include <QMessageBox>
#include <QScreen>
#include <QUrl>

#include "qt/about_window.h"
#include "qt/qt_text.h"

namespace {

QMessageBox::Icon ToQtIcon(MessageIcon icon) {
    switch (icon) {
        case MessageIcon::Warning:
            return QMessageBox::Warning;
        case MessageIcon::Information:
            return QMessageBox::Information;
        case MessageIcon::Error:
            return QMessageBox::Critical;
    }
    return QMessageBox::Warning;
}

Answer Ask(QWidget* owner, const std::string& title, const std::string& text,
           QMessageBox::StandardButtons buttons, QMessageBox::StandardButton escape) {
    QMessageBox box(QMessageBox::Question, ToQString(title), ToDisplayLines(text), buttons, owner);
    box.setEscapeButton(escape);
    switch (box.exec()) {
        case QMessageBox::Yes:
            return Answer::Yes;
        case QMessageBox::No:
            return Answer::No;
        default:
            return Answer::Cancel;
    }
}

}  // namespace

QWidget* QtPlatform::Owner() const {
    if (QWidget* modal = QApplication::activeModalWidget()) {
        return modal;
    }
    if (QWidget* active = QApplication::activeWindow()) {
        return active;
    }
    return owner_;
}

void QtPlatform::PrepareModal() {
    if (beforeModal) {
        beforeModal();
    }
}

void QtPlatform::ShowMessage(const std::string& title, const std::string& text, MessageIcon icon) {
    PrepareModal();
    QMessageBox box(ToQtIcon(icon), ToQString(title), ToDisplayLines(text), QMessageBox::Ok,
                    Owner());
    box.exec();
}

Answer QtPlatform::AskYesNo(const std::string& title, const std::string& text) {
    PrepareModal();
    const Answer answer =
        Ask(Owner(), title, text, QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
    return answer == Answer::Yes ? Answer::Yes : Answer::No;
}

Answer QtPlatform::AskYesNoCancel(const std::string& title, const std::string& text) {
    PrepareModal();
    return Ask(Owner(), title, text, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
               QMessageBox::Cancel);
}

std::string QtPlatform::AskOpenFile(const std::string& title, const std::string& filter) {
    PrepareModal();
    return ToUtf8(
        QFileDialog::getOpenFileName(Owner(), ToQString(title), QString(), ToQString(filter)));
}

std::string QtPlatform::AskSaveFile(const std::string& title, const std::string& filter,
                                    const std::string& suggestedName) {
    PrepareModal();
    return ToUtf8(QFileDialog::getSaveFileName(Owner(), ToQString(title), ToQString(suggestedName),
                                               ToQString(filter)));
}

void QtPlatform::SetClipboardText(const std::string& text) {
    QGuiApplication::clipboard()->setText(ToQString(text));
}

bool QtPlatform::OpenInViewer(const std::string& path) {
    return QDesktopServices::openUrl(QUrl::fromLocalFile(ToQString(path)));
}

int QtPlatform::DesktopHeight() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen != nullptr ? screen->availableGeometry().height() : 0;
}

LocalDateTime QtPlatform::Now() {
    const QDateTime now = QDateTime::currentDateTime();
    LocalDateTime t;
    t.year = now.date().year();
    t.month = now.date().month();
    t.day = now.date().day();
    t.hour = now.time().hour();
    t.minute = now.time().minute();
    t.second = now.time().second();
    return t;
}

std::string QtPlatform::ProgramFolder() {
    const QString folder = QCoreApplication::applicationDirPath();
    return folder.isEmpty() ? std::string() : ToUtf8(folder) + '/';
}

int QtPlatform::ShowPopupMenu(const std::vector<PopupItem>& items) {
    PrepareModal();
    QMenu menu(Owner());
    for (const PopupItem& item : items) {
        QAction* action = menu.addAction(ToQString(item.text));
        action->setData(item.id);
    }
    const QAction* chosen = menu.exec(QCursor::pos());
    return chosen != nullptr ? chosen->data().toInt() : -1;
}

void QtPlatform::ShowAbout(const AboutContent& content) {
    PrepareModal();
    ExecAboutWindow(content, owner_ != nullptr ? owner_ : Owner());
}
