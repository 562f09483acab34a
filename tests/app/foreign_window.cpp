// A plain top-level window that stands in for a Vestrano window: it prints
// its X window id in hexadecimal on one line and runs until it is killed.
#include <QApplication>
#include <QWidget>

#include <cstdio>

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Vestrano"));
    window.setFixedSize(640, 320);
    QPalette palette = window.palette();
    palette.setColor(QPalette::Window, QColor(0x40, 0x40, 0x80));
    window.setPalette(palette);
    window.setAutoFillBackground(true);
    window.show();
    std::printf("%llx\n", static_cast<unsigned long long>(window.winId()));
    std::fflush(stdout);
    return QApplication::exec();
}
