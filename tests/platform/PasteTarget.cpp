// A second program for the paste test: one line edit that takes the focus, says its
// window id on stdout once shown, and prints its text each time it changes.

#include <QApplication>
#include <QLineEdit>
#include <QTimer>
#include <cstdio>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QLineEdit field;
    field.setWindowTitle(QStringLiteral("paste target"));
    QObject::connect(&field, &QLineEdit::textChanged, [](const QString &text) {
        std::printf("text %s\n", qUtf8Printable(text));
        std::fflush(stdout);
    });
    field.show();
    field.activateWindow();
    QTimer::singleShot(0, &field, [&field] {
        std::printf("window %llu\n", static_cast<unsigned long long>(field.winId()));
        std::fflush(stdout);
    });
    return app.exec();
}
