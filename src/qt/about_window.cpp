// The About window, laid out in fixed pixel positions on a 600 x 300 window.
#include "qt/about_window.h"

#include <QFontMetricsF>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>

#include "qt/qt_text.h"

namespace {

// A line that would not fit its 300 px field is set a little smaller rather than cut off.
void FitLine(QLabel* label, int width) {
    QFont font = label->font();
    while (font.pointSizeF() > 7.0 &&
           QFontMetricsF(font).horizontalAdvance(label->text()) > width - 2) {
        font.setPointSizeF(font.pointSizeF() - 0.5);
    }
    label->setFont(font);
}

QLabel* AddLine(QWidget* parent, const std::string& text, int x, int y, int w, int h) {
    auto* label = new QLabel(ToQString(text), parent);
    label->setGeometry(x, y, w, h);
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    FitLine(label, w);
    return label;
}

}  // namespace

AboutWindow::AboutWindow(const AboutContent& content, QWidget* owner) : QDialog(owner) {
    setWindowTitle(ToQString(content.title));
    setFixedSize(600, 300);
    setModal(true);

    picture_ = new QLabel(this);
    picture_->setGeometry(16, 16, 256, 256);
    picture_->setPixmap(QPixmap(QStringLiteral(":/dentaro/about.png")));

    QLabel* name = AddLine(this, content.name, 290, 24, 300, 46);
    QFont nameFont(QStringLiteral("Segoe UI"), 12, QFont::Bold);
    nameFont.setStyleHint(QFont::SansSerif);
    name->setFont(nameFont);
    name->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    AddLine(this, content.maker, 290, 80, 300, 20);
    AddLine(this, content.credit1, 290, 120, 300, 20);
    AddLine(this, content.credit2, 290, 142, 300, 20);
    AddLine(this, content.caption, 290, 182, 300, 20);
    AddLine(this, content.toolchain, 290, 204, 300, 20);

    // Return presses the default button and Escape rejects: both close the window.
    auto* close = new QPushButton(ToQString(content.closeText), this);
    close->setGeometry(490, 256, 94, 28);
    close->setDefault(true);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
}

void ExecAboutWindow(const AboutContent& content, QWidget* owner) {
    AboutWindow about(content, owner);
    about.exec();
}
